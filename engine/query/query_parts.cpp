// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "query_parts.h"

#include "query_text.h"
#include "value_reader.h"

#include <algorithm>
#include <array>

#include <mezzurix/typed_units.h>
#include <mezzurix/number_digits.h>

namespace mezzurix {

namespace {
MessageTranslator messageTranslator = nullptr;
} // namespace

void setMessageTranslator(MessageTranslator translator)
{
    messageTranslator = translator;
}

std::string fillMessage(std::string_view format, std::initializer_list<std::string_view> values)
{
    std::string text;
    auto value = values.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format.substr(i, 2) == "%s" && value != values.end()) {
            text += *value++;
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
}

} // namespace mezzurix

namespace mezzurix::query_parts {

namespace {

using namespace query_text;

bool isSeparatorWord(std::string_view word)
{
    return equalsFolded(word, "to") || equalsFolded(word, "in") || equalsFolded(word, "into") ||
           equalsFolded(word, "as");
}

// Whether `word` is one of a language's `words`, in any case.
bool isOneOf(std::string_view word, std::span<const std::string_view> words)
{
    return std::any_of(words.begin(), words.end(), [&](std::string_view w) { return equalsFolded(word, w); });
}

// Typed forms of the same name rewritten as the alias table writes them.
struct Rewrite {
    std::string_view typed;
    std::string_view written;
};
constexpr Rewrite kRewrites[] = {
    {"^2", "\u00B2"}, {"^3", "\u00B3"}, {"*", "\u00B7"}, {"\u22C5", "\u00B7"},
    {"\u00BA", "\u00B0"},  // the ordinal indicator, typed for a degree sign
};

// Bytes that may start a blank, a separator symbol, a typed form that is rewritten, a number,
// or a dot or mark that ends a token.
constexpr auto kSpecialBytes = [] {
    std::array<bool, 256> special{};
    for (unsigned c = 0; c < 0x100; ++c)
        special[c] = blanks::mayStartQueryBlank(static_cast<unsigned char>(c)) || c >= 0x80;
    for (const unsigned char c : std::string_view("->=^*.0123456789"))
        special[c] = true;
    return special;
}();

bool mayStartSomethingElse(char c)
{
    return kSpecialBytes[static_cast<unsigned char>(c)];
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Feet and inches marks: a number after one starts a new part, as in 5'10".
bool endsWithMark(std::string_view word)
{
    for (const std::string_view mark : {"'", "\"", "\u2032", "\u2033", "\u2019", "\u201D"})
        if (word.ends_with(mark))
            return true;
    return false;
}

// Whether the digits at `pos`, glued to a name before them, start a number of their own: they
// are followed by a name ("ft10in") rather than ending one ("in2").
bool numberFollowsName(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && (number_digits::isDigit(text[pos]) || text[pos] == '.' || text[pos] == '/'))
        ++pos;
    return pos < text.size() && (isAsciiLetter(text[pos]) || endsWithMark(text.substr(pos, 1)) ||
                                 text.substr(pos).starts_with("\u2033") || text.substr(pos).starts_with("\u201D"));
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
    bool per = false;
    for (std::size_t k = first; k < last; ++k) {
        if (!tokens[k].inNames)
            return {};
        per = per || tokens[k].per;
    }
    names::UnitMatch match = names::lookUp(*names, normRun(first, last));
    if (!match.empty() || !per)
        return match;
    // "km per hour" as "km/hour"
    std::string slashed;
    for (std::size_t k = first; k < last; ++k) {
        if (tokens[k].per) {
            slashed += '/';
            continue;
        }
        if (k > first && !tokens[k - 1].per)
            slashed += ' ';
        slashed.append(normRun(k, k + 1));
    }
    return names::lookUp(*names, slashed);
}

void tokenise(std::string_view text, std::size_t from, std::size_t to, const QueryOptions& options,
              UnitsText& units, bool append)
{
    if (!append) {
        units.norm.clear();
        units.tokens.clear();
    }
    const std::size_t firstNew = units.tokens.size();
    units.language = findNameLanguage(options.language);
    units.names = &names::indexFor(units.language);
    units.maxNameTokens = names::maxNameTokens(*units.names);
    Token current;
    bool open = false;
    const auto begin = [&](std::size_t at) {
        if (open)
            return;
        if (!units.tokens.empty())
            units.norm.push_back(' ');
        current = Token{at, at, units.norm.size(), units.norm.size()};
        open = true;
    };
    const auto end = [&](std::size_t at) {
        if (!open)
            return;
        open = false;
        current.end = at;
        // Abbreviation dots belong to no name; nor does the "?" of "24 in = ? ft".
        if (const char last = units.norm.size() > current.normBegin ? units.norm.back() : '\0';
            last == '.' || last == '?') {
            const bool question = units.norm.size() == current.normBegin + 1 && last == '?' &&
                                  !units.tokens.empty() && units.tokens.back().separator;
            while (units.norm.size() > current.normBegin && !current.separator && units.norm.back() == '.')
                units.norm.pop_back();
            if (question)
                units.norm.pop_back();
        }
        if (units.norm.size() == current.normBegin) {
            units.norm.resize(units.tokens.empty() ? 0 : current.normBegin - 1);
            return;
        }
        current.normEnd = units.norm.size();
        units.tokens.push_back(current);
    };
    const auto currentWord = [&] {
        return std::string_view(units.norm.data() + current.normBegin, units.norm.size() - current.normBegin);
    };

    value_reader::Value number;
    std::size_t i = from;
    while (i < to) {
        // Letters and most punctuation go straight into the current token.
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
        if (value_reader::startsNumber(text, i) &&
            (!open || endsWithMark(currentWord()) ||
             (isAsciiLetter(units.norm.back()) && numberFollowsName(text, i)))) {
            const std::string_view upTo = text.substr(0, to);
            if (!value_reader::readValue(upTo, i, options, number)) {
                end(i);
                begin(i);
                const std::size_t numberEnd = number.span.offset + number.span.length;
                units.norm.insert(units.norm.end(), text.begin() + i, text.begin() + numberEnd);
                current.number = true;
                current.separator = true;  // ends a name, though no separator word
                current.value = number.value;
                i = numberEnd;
                end(i);
                continue;
            }
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
    end(to);

    for (std::size_t k = firstNew; k < units.tokens.size(); ++k) {
        Token& token = units.tokens[k];
        const std::string_view word(units.norm.data() + token.normBegin, token.normEnd - token.normBegin);
        if (token.number) {
            token.separator = false;
            token.inNames = false;
            continue;
        }
        const LanguageNames* language = units.language;
        token.separator = token.separator || isSeparatorWord(word) ||
                          (language != nullptr && isOneOf(word, language->intoWords));
        // "in" is a unit in every language, whichever else reads it as a separator.
        token.inNames = !token.separator || equalsFolded(word, "in");
        token.joiner = equalsFolded(word, "and") || (language != nullptr && isOneOf(word, language->andWords));
        token.per = equalsFolded(word, "per") || (language != nullptr && isOneOf(word, language->perWords));
        if (token.joiner)
            token.inNames = false;
    }
}

void addSeparator(UnitsText& units, TextSpan where)
{
    if (!units.tokens.empty())
        units.norm.push_back(' ');
    Token token{where.offset, where.offset + where.length, units.norm.size(), units.norm.size() + 2};
    units.norm.push_back('t');
    units.norm.push_back('o');
    token.separator = true;
    token.inNames = false;
    units.tokens.push_back(token);
}

// The longest prefix [first, k) with first < k <= last that names a unit; `first` when none.
std::size_t longestName(const UnitsText& units, std::size_t first, std::size_t last)
{
    const std::size_t longest = std::min(last, first + units.maxNameTokens);
    for (std::size_t k = longest; k > first; --k)
        if (!units.lookUp(first, k).empty())
            return k;
    return first;
}

void placeFrom(Query& query, names::UnitPlace place, TextSpan span)
{
    query.categoryIndex = place.categoryIndex;
    query.fromPosition = place.position;
    query.fromSpan = span;
}

std::string describeUnit(int code)
{
    const names::UnitPlace place = names::placeOf(code);
    const Category& category = typedCategories()[place.categoryIndex];
    // The names as the front end shows them: translated with the messages.
    const std::string unit(category.units[place.position].text), name(category.name);
    return say("%s (%s)", say(unit.c_str()), say(name.c_str()));
}

std::string joinAlternatives(const std::vector<std::string>& items)
{
    std::string joined;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            joined += i + 1 == items.size() ? say(" or ") : std::string(", ");
        joined += items[i];
    }
    return joined;
}

std::string say(const char* format, std::initializer_list<std::string_view> values)
{
    return fillMessage(messageTranslator != nullptr ? messageTranslator(format) : format, values);
}

QueryError makeError(QueryErrorKind kind, std::string_view text, TextSpan where, std::string_view what,
                     std::string_view detail)
{
    return makeError(kind, columnOf(text, where.offset), where, what, detail);
}

QueryError makeError(QueryErrorKind kind, std::size_t column, TextSpan where, std::string_view what,
                     std::string_view detail)
{
    QueryError error;
    error.kind = kind;
    error.where = where;
    error.message = std::string(what) + say(" at column %s", std::to_string(column));
    error.message += detail;
    return error;
}

QueryError unknownUnit(std::string_view text, const UnitsText& units, std::size_t first, std::size_t last)
{
    // A symbol the reader knows, of a unit the catalogue lacks: say so rather than guess.
    for (std::size_t k = first; k < last && k < first + 1; ++k)
        if (const std::optional<std::string> unsupported = names::unsupportedUnit(units.normRun(k, k + 1), units.language)) {
            const TextSpan where = units.span(k, k + 1);
            return makeError(QueryErrorKind::UnknownUnit, text, where,
                             say("unknown unit %s", quoted(text.substr(where.offset, where.length))),
                             say("; %s are not supported", *unsupported));
        }
    std::vector<std::string> suggestions;
    if (last - first <= units.maxNameTokens)
        suggestions = names::suggestionsFor(units.normRun(first, last), units.language);
    // Words after an unknown unit rarely belong to it: name the first one when it alone
    // resembles a unit.
    if (suggestions.empty() && last - first > 1) {
        std::vector<std::string> firstOnly = names::suggestionsFor(units.normRun(first, first + 1), units.language);
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
        detail = say("; did you mean %s?", joinAlternatives(names));
    }
    QueryError error = makeError(QueryErrorKind::UnknownUnit, text, where,
                                 say("unknown unit %s", quoted(text.substr(where.offset, where.length))), detail);
    error.candidates = std::move(suggestions);
    return error;
}

QueryError incompatibleUnits(std::string_view text, const names::UnitMatch& from, const names::UnitMatch& into,
                             TextSpan where)
{
    std::vector<std::string> fromUnits, intoUnits;
    for (const int code : from.codes())
        fromUnits.push_back(describeUnit(code));
    for (const int code : into.codes())
        intoUnits.push_back(describeUnit(code));
    QueryError error = makeError(QueryErrorKind::IncompatibleUnits, text, where,
                                 say("cannot convert %s into %s", joinAlternatives(fromUnits), joinAlternatives(intoUnits)));
    error.candidates = std::move(fromUnits);
    error.candidates.insert(error.candidates.end(), intoUnits.begin(), intoUnits.end());
    return error;
}

QueryError locateFault(std::string_view text, const UnitsText& units)
{
    const std::size_t n = units.size();
    if (n == 0)
        return makeError(QueryErrorKind::MissingUnit, text, {text.size(), 0}, say("no unit after the value"));
    if (units.tokens[0].separator && units.lookUp(0, 1).empty())
        return makeError(QueryErrorKind::MissingUnit, text, units.span(0, 1), say("no unit to convert from"));

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
        return makeError(QueryErrorKind::MissingUnit, text, {text.size(), 0}, say("no unit to convert into"));
    // A separator word is never taken for an unknown unit: "24 ft to to m".
    if (intoBegin > fromEnd && units.tokens[intoBegin].separator && units.lookUp(intoBegin, intoBegin + 1).empty()) {
        const TextSpan where = units.span(fromEnd, fromEnd + 1);
        return makeError(QueryErrorKind::MissingUnit, text, where,
                         say("no unit after %s", quoted(text.substr(where.offset, where.length))));
    }
    const std::size_t intoEnd = longestName(units, intoBegin, n);
    if (intoEnd > intoBegin) {
        // Two units of different categories with words after them: the categories are the fault.
        const names::UnitMatch from = units.lookUp(0, fromEnd);
        const names::UnitMatch into = units.lookUp(intoBegin, intoEnd);
        bool related = false;
        for (const int f : from.codes())
            for (const int t : into.codes())
                related = related || names::placeOf(f).categoryIndex == names::placeOf(t).categoryIndex;
        if (!related)
            return incompatibleUnits(text, from, into, units.span(intoBegin, intoEnd));
    }
    if (intoEnd > intoBegin && intoEnd < n) {
        const TextSpan where = units.span(intoEnd, n);
        return makeError(QueryErrorKind::TrailingText, text, where,
                         say("unexpected %s", quoted(text.substr(where.offset, where.length))), say(" after the units"));
    }
    return unknownUnit(text, units, intoBegin, n);
}

} // namespace mezzurix::query_parts
