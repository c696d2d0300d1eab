// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression_atoms.h"

#include "prefix_reading.h"
#include "query_text.h"
#include "tokeniser.h"

#include <mezzurix/catalogue_terms.h>
#include <mezzurix/definitions.h>
#include <mezzurix/number_digits.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_prefixes.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <span>
#include <vector>

namespace mezzurix::expression_atoms {

namespace {

using query_text::equalsFolded;
using query_text::fold;

// Where a name may end: before and after these, as in "km/h" (one name) against "kg/m3" (two).
constexpr std::string_view kOperators[] = {
    "/", "\u00B7", "*", "\u22C5", "\u00D7", "\u00F7", "+", "-", "\u2212", "(", ")", "^", "\u2044",
};

constexpr std::string_view kSuperscripts[] = {
    "\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074", "\u2075", "\u2076", "\u2077", "\u2078", "\u2079",
};
constexpr std::string_view kSuperscriptMinus = "\u207B";

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where a name starting at `pos` may end, the farthest first: at blanks (up to `maxWords` words),
// around operators, before powers, and where letters meet digits ("km2", "100km").
std::vector<std::size_t> candidateEnds(std::string_view text, std::size_t pos, std::size_t limit, std::size_t maxWords)
{
    std::vector<std::size_t> ends;
    std::size_t words = 1;
    bool afterBlank = false;
    for (std::size_t i = pos + 1; i <= limit;) {
        if (i == limit) {
            if (!afterBlank)
                ends.push_back(i);
            break;
        }
        if (const std::size_t blank = query_text::blankLength(text, i)) {
            if (!afterBlank)
                ends.push_back(i);
            if (++words > maxWords)
                break;
            i += blank;
            afterBlank = true;
            continue;
        }
        afterBlank = false;
        if (isContinuationByte(text[i])) {
            ++i;
            continue;
        }
        const char before = text[i - 1];
        if (const std::size_t op = operatorLength(text, i)) {
            ends.push_back(i);
            ends.push_back(i + op);
            i += op;
            continue;
        }
        if (superscriptLength(text, i) > 0 || (number_digits::isDigit(text[i]) && isAsciiLetter(before)) ||
            (isAsciiLetter(text[i]) && number_digits::isDigit(before)))
            ends.push_back(i);
        ++i;
    }
    std::sort(ends.begin(), ends.end(), std::greater<>());
    ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
    return ends;
}

// A candidate as the name table writes names: single spaces, typed forms rewritten ("^2" as "²",
// "*" as "·"), no abbreviation dots at the end.
std::string normalized(std::string_view raw)
{
    std::string out;
    bool space = false;
    for (std::size_t i = 0; i < raw.size();) {
        if (const std::size_t blank = query_text::blankLength(raw, i)) {
            space = !out.empty();
            i += blank;
            continue;
        }
        if (space)
            out += ' ';
        space = false;
        std::string_view written;
        if (const std::size_t typed = query_parts::typedFormAt(raw, i, written)) {
            out += written;
            i += typed;
        } else {
            out += raw[i++];
        }
    }
    while (!out.empty() && out.back() == '.')
        out.pop_back();
    return out;
}

// A name with an operator of its own ("km/h", "N·m"): a power after it is the last unit's
// ("m/s2" is m/s², not (m/s)²), so it is not read whole then.
bool composite(std::string_view name)
{
    return name.find('/') != std::string_view::npos || name.find("\u00B7") != std::string_view::npos;
}

bool powerFollows(std::string_view text, std::size_t pos, std::size_t limit)
{
    return pos < limit && (text[pos] == '^' || superscriptLength(text, pos) > 0 || number_digits::isDigit(text[pos]));
}

Atom prefixed(const prefix_reading::Reading& reading)
{
    const CatalogueUnit& unit = *catalogueUnit(reading.code);
    Atom atom;
    atom.unit = unit.term;
    atom.unit.amount = *(prefixFactor(*reading.prefix) * unit.term.amount);
    atom.unit.symbol = reading.symbol;
    atom.symbol = reading.bySymbol;
    atom.si = unit.si;
    return atom;
}

bool sameSize(const UnitTerm& a, const UnitTerm& b)
{
    return a.dimension == b.dimension && a.amount == b.amount && a.offset == b.offset && a.reciprocal == b.reciprocal;
}

// A prefixed unit whose symbol reads as a declared unit: that unit where it is the same
// ("kilonewtons" are kN, "gigacycles per second" GHz), and otherwise written as typed, since its
// symbol reads as the other ("kilotonne", whose kt is the knot).
Atom declaredAs(Atom atom, std::string_view typed, const Names& names)
{
    const names::UnitMatch match = names::lookUp(*names.index, atom.unit.symbol);
    if (match.empty())
        return atom;
    const CatalogueUnit* declared = match.codes().size() == 1 ? catalogueUnit(match.codes().front()) : nullptr;
    if (declared != nullptr && sameSize(declared->term, atom.unit)) {
        atom.unit = declared->term;
        atom.code = match.codes().front();
    } else {
        atom.unit.symbol = std::string(typed);
    }
    return atom;
}

bool typedAsSymbol(int code, std::string_view text, const LanguageNames* language)
{
    const auto symbolOf = [&](const UnitName& name) {
        return name.unitCode == code &&
               ((name.kind == NameKind::CaseSymbol && name.text == text) ||
                (name.kind == NameKind::Symbol && equalsFolded(text, fold(name.text))));
    };
    return std::ranges::any_of(aliasesOf(code), symbolOf) ||
           (language != nullptr && std::any_of(language->names.begin(), language->names.end(), symbolOf));
}

// The unit `match` names, typed as `text`. Names shared by two units of one size (pound-force
// feet of torque and of work) stand for either; nullopt for units of different sizes.
std::optional<Atom> atomOf(const names::UnitMatch& match, std::string_view text, const Names& names)
{
    const auto codes = match.codes();
    const CatalogueUnit* first = catalogueUnit(codes.front());
    if (first == nullptr)
        return std::nullopt;
    Atom atom;
    atom.unit = first->term;
    for (const int code : codes.subspan(1)) {
        const CatalogueUnit* other = catalogueUnit(code);
        if (other == nullptr || !sameSize(other->term, first->term))
            return std::nullopt;
        if (other->term.kind != first->term.kind)
            atom.unit.kind = UnitKind::None;
    }
    if (atom.unit.symbol.empty())
        atom.unit.symbol = std::string(text);
    if (codes.size() == 1)
        atom.code = codes.front();
    atom.symbol = typedAsSymbol(codes.front(), text, names.language);
    // A unit typed by another English symbol of its own is written as typed within a composed
    // unit: "mL/min" stays so, rather than "cm³/min". A power in digits ("in3") keeps the symbol's
    // own form ("in³"), and another language's symbol the English one, which every reader reads.
    if (atom.symbol && codes.size() == 1 && std::none_of(text.begin(), text.end(), number_digits::isDigit) &&
        typedAsSymbol(codes.front(), text, nullptr))
        atom.unit.symbol = std::string(text);
    atom.si = first->si;
    return atom;
}

std::optional<Atom> lookUpAtom(const std::string& text, const Names& names)
{
    // Words joined by a blank may spell a declared product: "kW h" as "kW·h".
    const bool words = text.find(' ') != std::string::npos;
    std::string joined;
    for (const char c : words ? std::string_view(text) : std::string_view())
        joined += c == ' ' ? std::string_view("\u00B7") : std::string_view(&c, 1);
    // As typed, then joined; no allocation, as this runs for every word a failing reading tries.
    const std::array<const std::string*, 2> spellings{&text, &joined};
    const std::span<const std::string* const> tried(spellings.data(), words ? 2 : 1);
    for (const std::string* spelling : tried)
        if (const names::UnitMatch match = names::lookUpExact(*names.index, *spelling); !match.empty())
            return atomOf(match, *spelling, names);
    if (const std::optional<prefix_reading::Reading> reading = prefix_reading::read(text))
        return declaredAs(prefixed(*reading), text, names);
    for (const std::string* spelling : tried)
        if (const names::UnitMatch match = names::lookUp(*names.index, *spelling); !match.empty())
            return atomOf(match, *spelling, names);
    return std::nullopt;
}

} // namespace

std::size_t operatorLength(std::string_view text, std::size_t pos)
{
    // Letters and digits, most of any name, start no operator.
    if (pos >= text.size() || std::isalnum(static_cast<unsigned char>(text[pos])))
        return 0;
    for (const std::string_view op : kOperators)
        if (text.substr(pos, op.size()) == op)
            return op.size();
    return 0;
}

std::size_t superscriptLength(std::string_view text, std::size_t pos)
{
    // Every superscript digit and the superscript minus start with one of these two bytes.
    if (pos >= text.size() || (text[pos] != '\xC2' && text[pos] != '\xE2'))
        return 0;
    const std::string_view rest = text.substr(pos);
    if (rest.starts_with(kSuperscriptMinus))
        return kSuperscriptMinus.size();
    for (const std::string_view digit : kSuperscripts)
        if (rest.starts_with(digit))
            return digit.size();
    return 0;
}

std::optional<int> superscriptPower(std::string_view text, std::size_t pos, std::size_t& length)
{
    std::size_t at = pos;
    const bool negative = text.substr(at).starts_with(kSuperscriptMinus);
    if (negative)
        at += kSuperscriptMinus.size();
    int value = 0;
    std::size_t digits = 0;
    for (bool more = true; more && at < text.size();) {
        more = false;
        for (std::size_t d = 0; d < std::size(kSuperscripts); ++d)
            if (text.substr(at).starts_with(kSuperscripts[d])) {
                value = value * 10 + static_cast<int>(d);
                at += kSuperscripts[d].size();
                more = ++digits <= kMaxPowerDigits;
                break;
            }
    }
    if (digits == 0 || digits > kMaxPowerDigits)
        return std::nullopt;
    length = at - pos;
    return negative ? -value : value;
}

std::optional<Atom> atomAt(std::string_view text, std::size_t pos, std::size_t limit, const Names& names)
{
    if (pos >= limit || query_text::blankLength(text, pos) > 0 || operatorLength(text, pos) > 0 ||
        superscriptLength(text, pos) > 0 || number_digits::isDigit(text[pos]))
        return std::nullopt;
    for (const std::size_t end : candidateEnds(text, pos, limit, names::maxNameTokens(*names.index))) {
        const std::string candidate = normalized(text.substr(pos, end - pos));
        if (candidate.empty() || (composite(candidate) && powerFollows(text, end, limit)))
            continue;
        if (std::optional<Atom> atom = lookUpAtom(candidate, names)) {
            atom->end = end;
            return atom;
        }
    }
    return std::nullopt;
}

} // namespace mezzurix::expression_atoms
