// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "query_parts.h"

#include "query_text.h"

#include <algorithm>
#include <array>

#include <mezzurix/catalogue.h>

namespace mezzurix::query_parts {

namespace {

using namespace query_text;

bool isSeparatorWord(std::string_view word)
{
    return equalsFolded(word, "to") || equalsFolded(word, "in") || equalsFolded(word, "into") ||
           equalsFolded(word, "as");
}

// Typed forms of the same name rewritten as the alias table writes them.
struct Rewrite {
    std::string_view typed;
    std::string_view written;
};
constexpr Rewrite kRewrites[] = {
    {"^2", "\u00B2"}, {"^3", "\u00B3"}, {"*", "\u00B7"}, {"\u22C5", "\u00B7"},
};

// Bytes that may start a blank, a separator symbol or a typed form that is rewritten.
constexpr auto kSpecialBytes = [] {
    std::array<bool, 256> special{};
    for (const unsigned char c : std::string_view(" \t\n\r\v\f->=^*"))
        special[c] = true;
    for (unsigned c = 0x80; c < 0x100; ++c)
        special[c] = true;
    return special;
}();

bool mayStartSomethingElse(char c)
{
    return kSpecialBytes[static_cast<unsigned char>(c)];
}

// The longest prefix [first, k) with first < k <= last that names a unit; `first` when none.
std::size_t longestName(const UnitsText& units, std::size_t first, std::size_t last)
{
    const std::size_t longest = std::min(last, first + names::maxNameTokens());
    for (std::size_t k = longest; k > first; --k)
        if (!units.lookUp(first, k).empty())
            return k;
    return first;
}

QueryError unknownUnit(std::string_view text, const UnitsText& units, std::size_t first, std::size_t last)
{
    std::vector<std::string> suggestions;
    if (last - first <= names::maxNameTokens())
        suggestions = names::suggestionsFor(units.normRun(first, last));
    // Words after an unknown unit rarely belong to it: name the first one when it alone
    // resembles a unit.
    if (suggestions.empty() && last - first > 1) {
        std::vector<std::string> firstOnly = names::suggestionsFor(units.normRun(first, first + 1));
        if (!firstOnly.empty()) {
            suggestions = std::move(firstOnly);
            last = first + 1;
        }
    }
    const TextSpan where = units.span(first, last);
    std::string detail;
    if (!suggestions.empty()) {
        std::vector<std::string> names;
        for (const std::string& suggestion : suggestions)
            names.push_back(quoted(suggestion));
        detail = "; did you mean " + joinAlternatives(names) + "?";
    }
    QueryError error = makeError(QueryErrorKind::UnknownUnit, text, where,
                                 "unknown unit " + quoted(text.substr(where.offset, where.length)), detail);
    error.candidates = std::move(suggestions);
    return error;
}

} // namespace

std::string_view UnitsText::normRun(std::size_t first, std::size_t last) const
{
    return std::string_view(norm.data(), norm.size())
        .substr(tokens[first].normBegin, tokens[last - 1].normEnd - tokens[first].normBegin);
}

names::UnitMatch UnitsText::lookUp(std::size_t first, std::size_t last) const
{
    if (last - first > maxNameTokens)
        return {};
    for (std::size_t k = first; k < last; ++k)
        if (!tokens[k].inNames)
            return {};
    return names::lookUp(normRun(first, last));
}

void tokenise(std::string_view text, std::size_t from, UnitsText& units)
{
    units.norm.clear();
    units.tokens.clear();
    units.maxNameTokens = names::maxNameTokens();
    Token current;
    bool open = false;
    const auto begin = [&](std::size_t at) {
        if (open)
            return;
        if (!units.tokens.empty())
            units.norm.push_back(' ');
        current = Token{at, at, units.norm.size(), units.norm.size(), false};
        open = true;
    };
    const auto end = [&](std::size_t at) {
        if (!open)
            return;
        current.end = at;
        current.normEnd = units.norm.size();
        units.tokens.push_back(current);
        open = false;
    };

    std::size_t i = from;
    while (i < text.size()) {
        // Letters, digits and most punctuation go straight into the current token.
        if (!mayStartSomethingElse(text[i])) {
            begin(i);
            units.norm.push_back(text[i++]);
            continue;
        }
        if (const std::size_t blank = blankLength(text, i)) {
            end(i);
            i += blank;
            continue;
        }
        if (const std::size_t symbol = separatorSymbolLength(text, i)) {
            end(i);
            begin(i);
            units.norm.insert(units.norm.end(), text.begin() + i, text.begin() + i + symbol);
            current.separator = true;
            i += symbol;
            end(i);
            continue;
        }
        begin(i);
        bool rewritten = false;
        for (const Rewrite& rewrite : kRewrites) {
            if (text.substr(i, rewrite.typed.size()) == rewrite.typed) {
                units.norm.insert(units.norm.end(), rewrite.written.begin(), rewrite.written.end());
                i += rewrite.typed.size();
                rewritten = true;
                break;
            }
        }
        if (!rewritten)
            units.norm.push_back(text[i++]);
    }
    end(text.size());

    for (Token& token : units.tokens) {
        const std::string_view word(units.norm.data() + token.normBegin, token.normEnd - token.normBegin);
        token.separator = token.separator || isSeparatorWord(word);
        token.inNames = !token.separator || equalsFolded(word, "in");
    }
}

std::string describeUnit(int code)
{
    const names::UnitPlace place = names::placeOf(code);
    const Category& category = categories()[place.categoryIndex];
    return std::string(category.units[place.position].text) + " (" + std::string(category.name) + ")";
}

std::string joinAlternatives(const std::vector<std::string>& items)
{
    std::string joined;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            joined += i + 1 == items.size() ? " or " : ", ";
        joined += items[i];
    }
    return joined;
}

QueryError makeError(QueryErrorKind kind, std::string_view text, TextSpan where, std::string_view what,
                     std::string_view detail)
{
    QueryError error;
    error.kind = kind;
    error.where = where;
    error.message = std::string(what) + " at column " + std::to_string(columnOf(text, where.offset));
    error.message += detail;
    return error;
}

QueryError locateFault(std::string_view text, const UnitsText& units)
{
    const std::size_t n = units.size();
    if (n == 0)
        return makeError(QueryErrorKind::MissingUnit, text, {text.size(), 0}, "no unit after the value");
    if (units.tokens[0].separator && units.lookUp(0, 1).empty())
        return makeError(QueryErrorKind::MissingUnit, text, units.span(0, 1), "no unit to convert from");

    const std::size_t fromEnd = longestName(units, 0, n);
    if (fromEnd == 0) {
        // The unknown from unit runs up to a separator, or up to a unit that ends the query.
        std::size_t last = 1;
        while (last < n && !units.tokens[last].separator)
            ++last;
        if (last == n)
            for (std::size_t j = 1; j < n; ++j)
                if (!units.lookUp(j, n).empty()) {
                    last = j;
                    break;
                }
        return unknownUnit(text, units, 0, last);
    }

    std::size_t intoBegin = fromEnd;
    if (intoBegin < n && units.tokens[intoBegin].separator)
        ++intoBegin;
    if (intoBegin == n)
        return makeError(QueryErrorKind::MissingUnit, text, {text.size(), 0}, "no unit to convert into");
    const std::size_t intoEnd = longestName(units, intoBegin, n);
    if (intoEnd > intoBegin && intoEnd < n) {
        const TextSpan where = units.span(intoEnd, n);
        return makeError(QueryErrorKind::TrailingText, text, where,
                         "unexpected " + quoted(text.substr(where.offset, where.length)), " after the units");
    }
    return unknownUnit(text, units, intoBegin, n);
}

} // namespace mezzurix::query_parts
