// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "query_parts.h"

#include "query_text.h"

#include <algorithm>

#include <mezzurix/typed_units.h>

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
    return fillMessage(format, std::span(values.begin(), values.size()));
}

std::string fillMessage(std::string_view format, std::span<const std::string_view> values)
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

using namespace query_text;

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
    return unknownUnitError(text, units.span(first, last), std::move(suggestions));
}

QueryError unknownUnitError(std::string_view text, TextSpan where, std::vector<std::string> suggestions)
{
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
