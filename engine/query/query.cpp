// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/query.h>

#include "name_index.h"
#include <mezzurix/number_digits.h>
#include "query_parts.h"
#include "query_text.h"
#include "several_units.h"
#include "units_memo.h"
#include "value_reader.h"

#include <mezzurix/convert.h>
#include <mezzurix/definitions.h>
#include <mezzurix/number_rules.h>

#include <algorithm>
#include <vector>

namespace mezzurix {

namespace {

using namespace query_parts;
using query_text::quoted;

// Fills a new query's value, valueText and valueSpan from the number at `start`.
std::optional<QueryError> readValue(std::string_view text, std::size_t start, const QueryOptions& options,
                                    Query& query)
{
    value_reader::Value value;
    if (std::optional<QueryError> error = value_reader::readValue(text, start, options, value))
        return error;
    query.value = value.value;
    query.valueText = std::move(value.text);
    query.valueSpan = value.span;
    query.valueColumn = query_text::columnOf(text, value.span.offset);
    return std::nullopt;
}

// The phrasings around a plain query, as offsets into the text.
struct Phrasing {
    std::size_t valueStart = 0;  // where the value starts
    TextSpan into;               // "how many INTO in ...": the into units before the value
    TextSpan separator;          // and the "in" or "are in" after them
};

std::size_t skipBlanks(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && query_text::blankLength(text, pos) > 0)
        pos += query_text::blankLength(text, pos);
    return pos;
}

// The word or words `folded` at `pos`, followed by a blank: their end with the blanks after them.
std::optional<std::size_t> wordsAt(std::string_view text, std::size_t pos, std::string_view folded)
{
    std::size_t end = pos;
    for (std::size_t i = 0; i < folded.size(); ++i) {
        if (folded[i] == ' ') {
            const std::size_t after = skipBlanks(text, end);
            if (after == end)
                return std::nullopt;
            end = after;
            continue;
        }
        if (end >= text.size() || query_text::foldByte(text[end]) != folded[i])
            return std::nullopt;
        ++end;
    }
    const std::size_t after = skipBlanks(text, end);
    return after > end ? std::optional<std::size_t>(after) : std::nullopt;
}

// The end of the text without the blanks, question and exclamation marks and full stops that
// close a sentence: "24 in to ft?".
std::size_t questionEnd(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0) {
        const char c = text[end - 1];
        if (c == '?' || c == '!' || c == '.' || blanks::isNumberBlank(c) || c == '\v' || c == '\f')
            --end;
        else
            break;
    }
    return end;
}

bool valueMayStart(std::string_view text, std::size_t pos)
{
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+' || text[pos] == '.'))
        ++pos;
    return value_reader::startsNumber(text, pos);
}

Phrasing readPhrasing(std::string_view text, std::size_t start)
{
    Phrasing phrasing{start, {}, {}};
    // Every phrasing starts with "c", "w" or "h"; no number does.
    const char first = query_text::foldByte(text[start]);
    if (first != 'c' && first != 'w' && first != 'h')
        return phrasing;
    for (const std::string_view words : {"convert", "what is", "what's", "whats"})
        if (const std::optional<std::size_t> after = wordsAt(text, start, words)) {
            phrasing.valueStart = *after;
            return phrasing;
        }
    std::optional<std::size_t> units;
    for (const std::string_view words : {"how many", "how much"})
        if (!units)
            units = wordsAt(text, start, words);
    if (!units)
        return phrasing;
    // The into units run up to the first "in" or "are in" that a value follows.
    for (std::size_t pos = *units; pos < text.size(); ++pos) {
        if (pos == *units || query_text::blankLength(text, pos - 1) == 0)
            continue;
        for (const std::string_view words : {"in", "are in"}) {
            const std::optional<std::size_t> after = wordsAt(text, pos, words);
            if (!after || !valueMayStart(text, *after))
                continue;
            std::size_t intoEnd = pos;
            while (intoEnd > *units && query_text::blankLength(text, intoEnd - 1) > 0)
                --intoEnd;
            phrasing.valueStart = *after;
            phrasing.into = {*units, intoEnd - *units};
            phrasing.separator = {pos, words.size()};
            return phrasing;
        }
    }
    return phrasing;
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

// `match` without the units outside `category`, when one is given.
names::UnitMatch within(const names::UnitMatch& match, std::optional<std::size_t> category)
{
    if (!category)
        return match;
    names::UnitMatch kept;
    for (const int code : match.codes())
        if (names::placeOf(code).categoryIndex == *category)
            kept.add(code);
    return kept;
}

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

void collectReadings(const UnitsText& units, std::optional<std::size_t> category, Readings& readings)
{
    readings.clear();
    const std::size_t n = units.size();
    const std::size_t longest = std::min(n, units.maxNameTokens);
    // No name holds a separator other than "in": the from unit ends before the first one, and
    // the into unit does not start with one.
    for (std::size_t i = 1; i <= longest && units.tokens[i - 1].inNames; ++i) {
        const Side from{0, i, within(units.lookUp(0, i), category)};
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
    return std::string(typedCategories()[place.categoryIndex].units[place.position].text);
}

std::string categoryName(int code)
{
    return std::string(typedCategories()[names::placeOf(code).categoryIndex].name);
}

// `what` is the message's format, marked for extraction by this function's name.
QueryError ambiguous(std::string_view text, const char* what, TextSpan where, std::vector<std::string> candidates)
{
    QueryError error = makeError(QueryErrorKind::AmbiguousUnit, text, where,
                                 say(what, quoted(text.substr(where.offset, where.length))),
                                 say(": %s", joinAlternatives(candidates)));
    error.candidates = std::move(candidates);
    return error;
}

QueryError ambiguousPairs(std::string_view text, const std::vector<Pair>& pairs)
{
    std::vector<std::string> candidates;
    for (const Pair& p : pairs)
        candidates.push_back(say("%s to %s (%s)", listText(p.from), listText(p.into), categoryName(p.from)));
    const std::size_t begin = pairs.front().fromSpan.offset;
    const TextSpan& into = pairs.front().intoSpan;
    return ambiguous(text, "ambiguous units %s", {begin, into.offset + into.length - begin}, std::move(candidates));
}

QueryError incompatible(std::string_view text, const UnitsText& units, const Side& from, const Side& into)
{
    return incompatibleUnits(text, from.units, into.units, units.span(into.first, into.last));
}

// A pair as the units memo keeps it, its spans counted from `origin` in the text.
units_memo::Reading readingOf(const Pair& pair, std::size_t origin)
{
    return {pair.fromPlace.categoryIndex, pair.fromPlace.position, pair.intoPlace.position,
            {pair.fromSpan.offset - origin, pair.fromSpan.length},
            {pair.intoSpan.offset - origin, pair.intoSpan.length}};
}

void placeUnits(Query& query, const units_memo::Reading& reading, std::size_t origin)
{
    placeFrom(query, {reading.categoryIndex, reading.fromPosition},
              {origin + reading.fromSpan.offset, reading.fromSpan.length});
    query.intoPosition = reading.intoPosition;
    query.intoSpan = {origin + reading.intoSpan.offset, reading.intoSpan.length};
}

// readQuery() into `query`, built where it stands; nullopt once it is complete.
std::optional<QueryError> readInto(std::string_view text, const QueryOptions& options, Query& query)
{
    if (text.size() > kMaxQueryBytes)
        return makeError(QueryErrorKind::TooLong, text.substr(0, kMaxQueryBytes), {kMaxQueryBytes, text.size() - kMaxQueryBytes},
                         say("the query is longer than %s bytes", std::to_string(kMaxQueryBytes)));
    if (const std::optional<std::size_t> bad = query_text::firstInvalidUtf8(text))
        return makeError(QueryErrorKind::InvalidUtf8, text, {*bad, 1}, say("invalid UTF-8"));

    const std::size_t start = skipBlanks(text, 0);
    if (start == text.size())
        return makeError(QueryErrorKind::Empty, text, {0, text.size()}, say("empty query"));

    const Phrasing phrasing = readPhrasing(text, start);
    if (std::optional<QueryError> error = readValue(text, phrasing.valueStart, options, query))
        return error;

    const std::size_t unitsStart = query.valueSpan.offset + query.valueSpan.length;
    const std::size_t unitsEnd = questionEnd(text);
    // Units parts that read as one unit into another are kept, and their next queries take them.
    const bool plain = phrasing.into.length == 0 && unitsEnd >= unitsStart;
    const std::string_view unitsPart = plain ? text.substr(unitsStart, unitsEnd - unitsStart) : std::string_view();
    if (plain)
        if (const units_memo::Reading* known = units_memo::find(unitsPart, options)) {
            placeUnits(query, *known, unitsStart);
            return std::nullopt;
        }

    // Kept from query to query, so that a batch of them allocates nothing here.
    thread_local UnitsText units;
    thread_local Readings readings;
    tokenise(text, unitsStart, unitsEnd, options, units);
    if (phrasing.into.length > 0) {
        addSeparator(units, phrasing.separator);
        tokenise(text, phrasing.into.offset, phrasing.into.offset + phrasing.into.length, options, units, true);
    }
    collectReadings(units, options.category, readings);

    if (readings.compatible.size() == 1) {
        const units_memo::Reading reading = readingOf(readings.compatible.front(), unitsStart);
        placeUnits(query, reading, unitsStart);
        if (plain)
            units_memo::remember(unitsPart, options, reading);
        return std::nullopt;
    }
    if (readings.compatible.size() > 1) {
        // Readings that all give the same number are one answer: "24 lbf ft to lbf in".
        const Pair& first = readings.compatible.front();
        const std::optional<double> answer = convertUnits(first.from, first.into, query.value);
        const bool same = answer && std::all_of(readings.compatible.begin(), readings.compatible.end(), [&](const Pair& p) {
            return convertUnits(p.from, p.into, query.value) == answer;
        });
        if (!same)
            return ambiguousPairs(text, readings.compatible);
        placeUnits(query, readingOf(first, 0), 0);
        return std::nullopt;
    }

    const auto several = several_units::read(text, units, options, query);
    if (const QueryError* error = std::get_if<QueryError>(&several))
        return *error;
    if (std::holds_alternative<std::monostate>(several))
        return std::nullopt;

    // A whole units part naming one unit beats a split of it into two unrelated ones; a unit
    // followed by a dangling separator ("24 kg in") does not.
    std::optional<Side> fromOnly = readings.fromOnly;
    if (!fromOnly && (options.allowMissingInto || !readings.incompatible))
        fromOnly = readings.fromThenSeparator;
    if (fromOnly) {
        if (!options.allowMissingInto)
            return makeError(QueryErrorKind::MissingUnit, text, {text.size(), 0}, say("no unit to convert into"));
        const TextSpan fromSpan = units.span(fromOnly->first, fromOnly->last);
        const auto codes = fromOnly->units.codes();
        if (codes.size() == 1) {
            placeFrom(query, names::placeOf(codes.front()), fromSpan);
            return std::nullopt;
        }
        std::vector<std::string> candidates;
        for (const int code : codes)
            candidates.push_back(describeUnit(code));
        return ambiguous(text, "ambiguous unit %s", fromSpan, std::move(candidates));
    }
    if (readings.incompatible)
        return incompatible(text, units, readings.incompatible->first, readings.incompatible->second);
    return locateFault(text, units);
}

// Zero of a unit whose reciprocal the other is has no answer: "0 mpg" drives no distance on any
// fuel, "0 L/100km" uses no fuel over any distance.
std::optional<QueryError> reciprocalOfZero(std::string_view text, const Query& query)
{
    if (query.value != 0.0 || !query.intoCode() || !reciprocalPair(query.fromCode(), *query.intoCode()))
        return std::nullopt;
    const UnitDefinition* from = findDefinition(query.fromCode());
    const std::string typed(text.substr(query.valueSpan.offset, query.fromSpan.offset + query.fromSpan.length -
                                                                    query.valueSpan.offset));
    return makeError(QueryErrorKind::ResultOutOfRange, text, query.valueSpan,
                     "no answer: " + typed + (from->reciprocal ? " is no fuel" : " is no distance"));
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
    std::optional<QueryError> error = readInto(text, options, std::get<Query>(reading));
    if (!error)
        error = reciprocalOfZero(text, std::get<Query>(reading));
    if (error)
        reading = std::move(*error);
    return reading;
}

} // namespace mezzurix
