// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/query.h>

#include "name_index.h"
#include <mezzurix/number_digits.h>
#include "query_parts.h"
#include "query_text.h"

#include <mezzurix/number_rules.h>

#include <algorithm>
#include <vector>

namespace mezzurix {

namespace {

using namespace query_parts;
using number_digits::isDigit;
using query_text::quoted;

// [sign] digits [point digits] [e [sign] digits], with at least one digit before the exponent.
// The digits go straight into the exact decimal reader behind the window's leading-number rule,
// in one pass: the rule would read the value text written from them to the same number.
// Fills a new query's value, valueText and valueSpan.
std::optional<QueryError> readValue(std::string_view text, std::size_t start, const QueryOptions& options,
                                    Query& query)
{
    const auto at = [&](std::size_t p) { return p < text.size() ? text[p] : '\0'; };
    const std::string_view regional = options.decimalPoint == "." ? std::string_view() : options.decimalPoint;
    const auto pointLength = [&](std::size_t p) -> std::size_t {
        if (at(p) == '.')
            return 1;
        if (!regional.empty() && text.substr(p, regional.size()) == regional)
            return regional.size();
        return 0;
    };

    number_digits::DecimalReader reader;
    std::size_t pos = start;
    std::string_view sign;
    if (at(pos) == '+' || at(pos) == '-')
        sign = text.substr(pos, 1);
    else if (text.substr(pos).starts_with("\u2212"))
        sign = "\u2212";
    pos += sign.size();
    const bool negative = !sign.empty() && sign != "+";
    reader.setNegative(negative);
    const std::size_t integerStart = pos;
    for (; isDigit(at(pos)); ++pos)
        reader.integerDigit(text[pos]);
    const std::size_t integerEnd = pos;
    const std::size_t point = pointLength(pos);
    pos += point;
    if (point > 0)
        for (; isDigit(at(pos)); ++pos)
            reader.fractionDigit(text[pos]);
    const std::size_t mantissaEnd = pos;
    const bool anyDigit = integerEnd > integerStart || mantissaEnd > integerEnd + point;
    if (!anyDigit) {
        if (pos > start)
            return makeError(QueryErrorKind::BadValue, text, {start, pos - start}, "no digits in the number");
        std::size_t word = start;
        while (word < text.size() && query_text::blankLength(text, word) == 0)
            ++word;
        return makeError(QueryErrorKind::NoValue, text, {start, word - start}, "no value",
                         "; a query starts with a number, as in \"24 in to ft\"");
    }
    if (at(pos) == 'e' || at(pos) == 'E') {
        std::size_t exponentEnd = pos + 1;
        if (at(exponentEnd) == '+' || at(exponentEnd) == '-')
            ++exponentEnd;
        if (isDigit(at(exponentEnd))) {
            reader.setExponentNegative(at(exponentEnd - 1) == '-');
            for (; isDigit(at(exponentEnd)); ++exponentEnd)
                reader.exponentDigit(text[exponentEnd]);
            pos = exponentEnd;
        }
    }

    // A group separator, a second point or a blank followed by more digits: grouping is never
    // guessed, so 1,234 is an error rather than 1 or 1234.
    std::size_t gap = pointLength(pos);
    if (gap == 0 && (at(pos) == ',' || at(pos) == '_' || at(pos) == '\''))
        gap = 1;
    if (gap == 0)
        while (pos + gap < text.size() && query_text::blankLength(text, pos + gap) > 0)
            gap += query_text::blankLength(text, pos + gap);
    if (gap > 0 && isDigit(at(pos + gap))) {
        std::string detail = "; digit grouping is not read, and the decimal point is \".\"";
        if (!options.decimalPoint.empty() && options.decimalPoint != ".")
            detail += " or " + quoted(options.decimalPoint);
        return makeError(QueryErrorKind::BadValue, text, {pos, gap},
                         "unexpected " + quoted(text.substr(pos, gap)) + " in the number", detail);
    }

    query.valueSpan = {start, pos - start};
    const std::optional<double> value = reader.value();
    if (!value)
        return makeError(QueryErrorKind::ValueOutOfRange, text, query.valueSpan,
                         "the value " + quoted(text.substr(start, pos - start)), " is beyond the range of numbers");
    query.value = *value;

    // The value text: the number as typed, with "-" for its sign, "." for its point and "e" before
    // its exponent. Digits and a "." point are copied in one piece.
    std::string& valueText = query.valueText;
    if (negative)
        valueText += '-';
    if (point == 0 || text[integerEnd] == '.') {
        valueText.append(text.substr(integerStart, mantissaEnd - integerStart));
    } else {
        valueText.append(text.substr(integerStart, integerEnd - integerStart));
        valueText += '.';
        valueText.append(text.substr(integerEnd + point, mantissaEnd - integerEnd - point));
    }
    if (pos > mantissaEnd) {
        valueText += 'e';
        valueText.append(text.substr(mantissaEnd + 1, pos - mantissaEnd - 1));
    }
    return std::nullopt;
}

// A run of tokens and the units it names.
struct Side {
    std::size_t first = 0;
    std::size_t last = 0;
    names::UnitMatch units;
};

struct Pair {
    int from = 0;
    int into = 0;
    names::UnitPlace fromPlace;
    names::UnitPlace intoPlace;
    TextSpan fromSpan;
    TextSpan intoSpan;
};

// Every way to split the units part into FROM, an optional separator and INTO.
struct Readings {
    std::vector<Pair> compatible;  // distinct unit pairs of one category
    std::optional<std::pair<Side, Side>> incompatible;  // the first split into two named sides
    std::optional<Side> fromOnly;            // all of it names one unit
    std::optional<Side> fromThenSeparator;   // one unit and a separator

    void clear()
    {
        compatible.clear();
        incompatible.reset();
        fromOnly.reset();
        fromThenSeparator.reset();
    }
};

void pairUp(const UnitsText& units, const Side& from, std::size_t intoFirst, Readings& readings)
{
    const Side into{intoFirst, units.size(), units.lookUp(intoFirst, units.size())};
    if (into.units.empty())
        return;
    bool any = false;
    for (const int f : from.units.codes()) {
        const names::UnitPlace fromPlace = names::placeOf(f);
        for (const int t : into.units.codes()) {
            const names::UnitPlace intoPlace = names::placeOf(t);
            if (fromPlace.categoryIndex != intoPlace.categoryIndex)
                continue;
            any = true;
            const bool known = std::any_of(readings.compatible.begin(), readings.compatible.end(),
                                           [&](const Pair& p) { return p.from == f && p.into == t; });
            if (!known)
                readings.compatible.push_back({f, t, fromPlace, intoPlace, units.span(from.first, from.last),
                                               units.span(into.first, into.last)});
        }
    }
    if (!any && !readings.incompatible)
        readings.incompatible.emplace(from, into);
}

void collectReadings(const UnitsText& units, Readings& readings)
{
    readings.clear();
    const std::size_t n = units.size();
    const std::size_t longest = std::min(n, units.maxNameTokens);
    // No name holds a separator other than "in": the from unit ends before the first one, and
    // the into unit does not start with one.
    for (std::size_t i = 1; i <= longest && units.tokens[i - 1].inNames; ++i) {
        const Side from{0, i, units.lookUp(0, i)};
        if (from.units.empty())
            continue;
        if (i == n) {
            readings.fromOnly = from;
            continue;
        }
        if (units.tokens[i].inNames)
            pairUp(units, from, i, readings);
        if (units.tokens[i].separator) {
            if (i + 1 == n)
                readings.fromThenSeparator = from;
            else
                pairUp(units, from, i + 1, readings);
        }
    }
}

std::string listText(int code)
{
    const names::UnitPlace place = names::placeOf(code);
    return std::string(categories()[place.categoryIndex].units[place.position].text);
}

std::string categoryName(int code)
{
    return std::string(categories()[names::placeOf(code).categoryIndex].name);
}

QueryError ambiguous(std::string_view text, TextSpan where, std::vector<std::string> candidates,
                     std::string_view what)
{
    QueryError error = makeError(QueryErrorKind::AmbiguousUnit, text, where,
                                 std::string(what) + " " + quoted(text.substr(where.offset, where.length)),
                                 ": " + joinAlternatives(candidates));
    error.candidates = std::move(candidates);
    return error;
}

QueryError ambiguousPairs(std::string_view text, const std::vector<Pair>& pairs)
{
    std::vector<std::string> candidates;
    for (const Pair& p : pairs)
        candidates.push_back(listText(p.from) + " to " + listText(p.into) + " (" + categoryName(p.from) + ")");
    const std::size_t begin = pairs.front().fromSpan.offset;
    const TextSpan& into = pairs.front().intoSpan;
    return ambiguous(text, {begin, into.offset + into.length - begin}, std::move(candidates), "ambiguous units");
}

QueryError incompatible(const UnitsText& units, const Side& from, const Side& into)
{
    std::vector<std::string> fromUnits, intoUnits;
    for (const int code : from.units.codes())
        fromUnits.push_back(describeUnit(code));
    for (const int code : into.units.codes())
        intoUnits.push_back(describeUnit(code));
    QueryError error;
    error.kind = QueryErrorKind::IncompatibleUnits;
    error.where = units.span(into.first, into.last);
    error.message = "cannot convert " + joinAlternatives(fromUnits) + " into " + joinAlternatives(intoUnits);
    error.candidates = std::move(fromUnits);
    error.candidates.insert(error.candidates.end(), intoUnits.begin(), intoUnits.end());
    return error;
}

void placeFrom(Query& query, int from, names::UnitPlace place, TextSpan span)
{
    query.categoryIndex = place.categoryIndex;
    query.category = &categories()[place.categoryIndex];
    query.fromPosition = place.position;
    query.fromCode = from;
    query.fromSpan = span;
}

void placeUnits(Query& query, const Pair& pair)
{
    placeFrom(query, pair.from, pair.fromPlace, pair.fromSpan);
    query.intoPosition = pair.intoPlace.position;
    query.intoCode = pair.into;
    query.pairCode = pairCode(pair.from, pair.into);
    query.intoSpan = pair.intoSpan;
}

// readQuery() into `query`, built where it stands; nullopt once it is complete.
std::optional<QueryError> readInto(std::string_view text, const QueryOptions& options, Query& query)
{
    if (text.size() > kMaxQueryBytes) {
        QueryError error;
        error.kind = QueryErrorKind::TooLong;
        error.where = {kMaxQueryBytes, text.size() - kMaxQueryBytes};
        error.message = "the query is longer than " + std::to_string(kMaxQueryBytes) + " bytes";
        return error;
    }
    if (const std::optional<std::size_t> bad = query_text::firstInvalidUtf8(text))
        return makeError(QueryErrorKind::InvalidUtf8, text, {*bad, 1}, "invalid UTF-8");

    std::size_t start = 0;
    while (start < text.size() && query_text::blankLength(text, start) > 0)
        start += query_text::blankLength(text, start);
    if (start == text.size()) {
        QueryError error;
        error.where = {0, text.size()};
        error.message = "empty query";
        return error;
    }

    if (std::optional<QueryError> error = readValue(text, start, options, query))
        return error;

    // Kept from query to query, so that a batch of them allocates nothing here.
    thread_local UnitsText units;
    thread_local Readings readings;
    tokenise(text, query.valueSpan.offset + query.valueSpan.length, units);
    collectReadings(units, readings);

    if (readings.compatible.size() == 1) {
        placeUnits(query, readings.compatible.front());
        return std::nullopt;
    }
    if (readings.compatible.size() > 1)
        return ambiguousPairs(text, readings.compatible);

    // A whole units part naming one unit beats a split of it into two unrelated ones; a unit
    // followed by a dangling separator ("24 kg in") does not.
    std::optional<Side> fromOnly = readings.fromOnly;
    if (!fromOnly && (options.allowMissingInto || !readings.incompatible))
        fromOnly = readings.fromThenSeparator;
    if (fromOnly) {
        if (!options.allowMissingInto)
            return makeError(QueryErrorKind::MissingUnit, text, {text.size(), 0}, "no unit to convert into");
        const TextSpan fromSpan = units.span(fromOnly->first, fromOnly->last);
        const auto codes = fromOnly->units.codes();
        if (codes.size() == 1) {
            placeFrom(query, codes.front(), names::placeOf(codes.front()), fromSpan);
            return std::nullopt;
        }
        std::vector<std::string> candidates;
        for (const int code : codes)
            candidates.push_back(describeUnit(code));
        return ambiguous(text, fromSpan, std::move(candidates), "ambiguous unit");
    }
    if (readings.incompatible)
        return incompatible(units, readings.incompatible->first, readings.incompatible->second);
    return locateFault(text, units);
}

} // namespace

std::string_view errorKindName(QueryErrorKind kind)
{
    switch (kind) {
    case QueryErrorKind::Empty: return "empty";
    case QueryErrorKind::TooLong: return "too-long";
    case QueryErrorKind::InvalidUtf8: return "invalid-utf8";
    case QueryErrorKind::NoValue: return "no-value";
    case QueryErrorKind::BadValue: return "bad-value";
    case QueryErrorKind::ValueOutOfRange: return "value-out-of-range";
    case QueryErrorKind::MissingUnit: return "missing-unit";
    case QueryErrorKind::UnknownUnit: return "unknown-unit";
    case QueryErrorKind::AmbiguousUnit: return "ambiguous-unit";
    case QueryErrorKind::IncompatibleUnits: return "incompatible-units";
    case QueryErrorKind::TrailingText: return "trailing-text";
    case QueryErrorKind::ResultOutOfRange: return "result-out-of-range";
    }
    return "unknown";
}

QueryReading readQuery(std::string_view text, const QueryOptions& options)
{
    // Returned as it stands: the query is not moved on its way out.
    QueryReading reading(std::in_place_type<Query>);
    if (std::optional<QueryError> error = readInto(text, options, std::get<Query>(reading)))
        reading = std::move(*error);
    return reading;
}

} // namespace mezzurix
