// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/query.h>

#include "corrections.h"
#include "expression_query.h"
#include "filler_words.h"
#include "name_index.h"
#include "named_forms.h"
#include "phrasing.h"
#include "query_parts.h"
#include "query_text.h"
#include "readings.h"
#include "several_units.h"
#include "units_memo.h"
#include "value_reader.h"

#include <mezzurix/convert.h>
#include <mezzurix/definitions.h>
#include <mezzurix/number_rules.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace mezzurix {

namespace {

using namespace query_parts;
using namespace readings;
using query_text::quoted;

// A value of hours, minutes and seconds ("1:05:30") with no unit of its own is hours.
constexpr std::string_view kClockUnit = "h";

// Fills a new query's value, valueText and valueSpan from the number at `start`; `clock` tells
// whether it is written as h:mm:ss.
std::optional<QueryError> readValue(std::string_view text, std::size_t start, const QueryOptions& options,
                                    Query& query, bool& clock)
{
    value_reader::Value value;
    if (std::optional<QueryError> error = value_reader::readValue(text, start, options, value))
        return error;
    clock = value.clockFields == value_reader::kMaxClockFields;
    query.value = value.value;
    query.valueText = std::move(value.text);
    query.valueSpan = value.span;
    query.valueInWords = value.words;
    query.valueColumn = query_text::columnOf(text, value.span.offset);
    return std::nullopt;
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

// Why `text` cannot be a query at all, or nullopt; `start` is then its first non-blank byte.
std::optional<QueryError> checkText(std::string_view text, std::size_t& start)
{
    if (text.size() > kMaxQueryBytes)
        return makeError(QueryErrorKind::TooLong, text.substr(0, kMaxQueryBytes), {kMaxQueryBytes, text.size() - kMaxQueryBytes},
                         say("the query is longer than %s bytes", std::to_string(kMaxQueryBytes)));
    if (const std::optional<std::size_t> bad = query_text::firstInvalidUtf8(text))
        return makeError(QueryErrorKind::InvalidUtf8, text, {*bad, 1}, say("invalid UTF-8"));
    start = phrasing::skipBlanks(text, 0);
    if (start == text.size())
        return makeError(QueryErrorKind::Empty, text, {0, text.size()}, say("empty query"));
    return std::nullopt;
}

// The units part of a plain query: the text between the value and the closing marks. Parts that
// read as one unit into another are kept in the units memo, and the next queries take them.
struct UnitsPart {
    std::size_t start = 0;
    std::size_t end = 0;
    bool memorable = false;
    std::string_view text;  // when memorable
};

UnitsPart unitsPartOf(std::string_view text, const phrasing::Phrasing& phrasing, const Query& query, bool clock)
{
    UnitsPart part;
    part.start = query.valueSpan.offset + query.valueSpan.length;
    part.end = phrasing::questionEnd(text);
    // The units of an h:mm:ss value depend on the value: "in min" is not read alike after "24".
    part.memorable = phrasing.into.length == 0 && part.end >= part.start && !clock;
    if (part.memorable)
        part.text = text.substr(part.start, part.end - part.start);
    return part;
}

// The tokens of the units part, and for "how many INTO in ...", of the into units after them.
void tokeniseUnits(std::string_view text, const phrasing::Phrasing& phrasing, const UnitsPart& part,
                   const QueryOptions& options, bool clock, UnitsText& units)
{
    tokenise(text, part.start, part.end, options, units);
    // h:mm:ss before no unit, or before a separator: hours.
    if (clock && (units.size() == 0 || units.tokens.front().separator)) {
        units.tokens.clear();
        units.norm.clear();
        addImpliedName(units, kClockUnit, part.start);
        tokenise(text, part.start, part.end, options, units, true);
    }
    if (phrasing.into.length > 0) {
        addSeparator(units, phrasing.separator);
        tokenise(text, phrasing.into.offset, phrasing.into.offset + phrasing.into.length, options, units, true);
    }
}

// One pair of units, or several that all give the same number ("24 lbf ft to lbf in"), places
// them in the query.
std::optional<QueryError> placePairs(std::string_view text, const Readings& readings, const UnitsPart& part,
                                     const QueryOptions& options, Query& query)
{
    const Pair& first = readings.compatible.front();
    if (readings.compatible.size() == 1) {
        const units_memo::Reading reading = readingOf(first, part.start);
        placeUnits(query, reading, part.start);
        if (part.memorable)
            units_memo::remember(part.text, options, reading);
        return std::nullopt;
    }
    const std::optional<double> answer = convertUnits(first.from, first.into, query.value);
    const bool same = answer && std::all_of(readings.compatible.begin(), readings.compatible.end(), [&](const Pair& p) {
        return convertUnits(p.from, p.into, query.value) == answer;
    });
    if (!same)
        return ambiguousPairs(text, readings.compatible);
    placeUnits(query, readingOf(first, 0), 0);
    return std::nullopt;
}

// A units part that names a from unit alone, when the front end asks for no into unit. A whole
// units part naming one unit beats a split of it into two unrelated ones; a unit followed by a
// dangling separator ("24 kg in") does not. nullopt in `error` and false when it is no such part.
bool placeFromAlone(std::string_view text, const Readings& readings, const UnitsText& units,
                    const QueryOptions& options, Query& query, std::optional<QueryError>& error)
{
    std::optional<Side> fromOnly = readings.fromOnly;
    if (!fromOnly && (options.allowMissingInto || !readings.incompatible))
        fromOnly = readings.fromThenSeparator;
    if (!fromOnly)
        return false;
    if (!options.allowMissingInto) {
        error = makeError(QueryErrorKind::MissingUnit, text, {text.size(), 0}, say("no unit to convert into"));
        return true;
    }
    const TextSpan fromSpan = units.span(fromOnly->first, fromOnly->last);
    const auto codes = fromOnly->units.codes();
    if (codes.size() == 1) {
        placeFrom(query, names::placeOf(codes.front()), fromSpan);
        return true;
    }
    std::vector<std::string> candidates;
    for (const int code : codes)
        candidates.push_back(describeUnit(code));
    error = ambiguous(text, "ambiguous unit %s", fromSpan, std::move(candidates));
    return true;
}

// The readings of the units part other than one unit into one other: several units, a from unit
// alone, or the fault.
std::optional<QueryError> classicFault(std::string_view text, const Readings& readings, const UnitsText& units,
                                       const QueryOptions& options, Query& query)
{
    const auto several = several_units::read(text, units, options, query);
    if (const QueryError* error = std::get_if<QueryError>(&several))
        return *error;
    if (std::holds_alternative<std::monostate>(several))
        return std::nullopt;

    std::optional<QueryError> error;
    if (placeFromAlone(text, readings, units, options, query, error))
        return error;
    if (readings.incompatible)
        return incompatible(text, units, readings.incompatible->first, readings.incompatible->second);
    return locateFault(text, units);
}

// Where no unit reads into one other: the classic readings of several units or of a from unit
// alone, and where they fail, the units part read as expressions ("2.7 g/cm3", "4 m x 3 m"). Out
// of line, so that the common reading stays small.
[[gnu::noinline]] std::optional<QueryError> readOtherwise(std::string_view text, const phrasing::Phrasing& phrasing,
                                                          const UnitsPart& part, const Readings& readings,
                                                          const UnitsText& units, const QueryOptions& options,
                                                          Query& query)
{
    const Query typed = query;
    std::optional<QueryError> error = classicFault(text, readings, units, options, query);
    if (!error || error->kind == QueryErrorKind::AmbiguousUnit)
        return error;
    query = typed;
    const expression_query::Outcome expression =
        expression_query::read(text, part.start, part.end, phrasing.into, options, query);
    if (expression.read)
        return std::nullopt;
    // The more telling error: the classic one where it named both units or the expression got no
    // farther than it; but the expression's where it read both sides and only the value has no
    // answer ("0 min/km to km/h": both units name a category, and the two convert).
    const bool farther = expression.error &&
                         (expression.error->kind == QueryErrorKind::ResultOutOfRange ||
                          (error->kind != QueryErrorKind::IncompatibleUnits && expression.progress > error->where.offset));
    return farther ? expression_query::explained(text, *expression.error, options) : error;
}

std::optional<QueryError> readInto(std::string_view text, const QueryOptions& options, Query& query);

// The query read again with the words of `blanked` made blanks, where it reads and they lie between
// its units, never inside a name ("24 lbf inbf in" is no "lbf in"); `still` gets why it does not
// read.
std::optional<Query> readBlanked(const filler_words::Blanked& blanked, const QueryOptions& options,
                                 std::optional<QueryError>& still)
{
    Query again;
    still = readInto(blanked.text, options, again);
    if (still || query_text::overlaps(again.fromSpan, blanked.words) || query_text::overlaps(again.intoSpan, blanked.words))
        return std::nullopt;
    return again;
}

// Where the units part does not read, the query with its words that name no unit left out ("2
// cups of water to ml"), unless one of them is a near miss of a unit that would fit; `error`
// becomes nullopt when that reads, or says why a volume and a mass do not convert.
[[gnu::noinline]] void leaveOutFiller(std::string_view text, const UnitsPart& part, const QueryOptions& options,
                                      Query& query, std::optional<QueryError>& error)
{
    const std::optional<filler_words::Blanked> blanked =
        filler_words::withoutFiller(text, part.start, part.end, options);
    if (!blanked)
        return;
    std::optional<QueryError> still;
    std::optional<Query> again = readBlanked(*blanked, options, still);
    if (still && still->kind == QueryErrorKind::IncompatibleUnits)
        if (const std::optional<std::string> why = filler_words::needsDensity(blanked->from, blanked->into))
            error = makeError(QueryErrorKind::IncompatibleUnits, text, still->where, *why);
    if (!again || (!blanked->afterOf && again->categoryIndex != kNoCategory &&
                   filler_words::nearMissOf(text, blanked->words, again->categoryIndex, options)))
        return;
    again->ignoredWords = blanked->words;
    again->ignoredText = std::string(text.substr(blanked->words.offset, blanked->words.length));
    query = std::move(*again);
    error.reset();
}

// Where the units part does not read, a fraction after the from unit adds that part of the unit:
// "an hour and a half" is 1.5 hours, "2 feet and a half" 2.5 feet, "une heure et demie" 1.5 heures.
// `error` becomes nullopt when the query reads with it.
[[gnu::noinline]] void addFractionAfterUnit(std::string_view text, const UnitsPart& part, const QueryOptions& options,
                                            Query& query, std::optional<QueryError>& error)
{
    const std::optional<filler_words::Fraction> fraction =
        filler_words::withoutFraction(text, part.start, part.end, options);
    if (!fraction)
        return;
    std::optional<QueryError> still;
    std::optional<Query> again = readBlanked(fraction->blanked, options, still);
    if (!again || !again->fromParts.empty())
        return;
    again->value += std::signbit(again->value) ? -fraction->value : fraction->value;
    again->valueText = value_reader::decimalText(again->value);
    again->valueInWords = true;
    query = std::move(*again);
    error.reset();
}

// readQuery() into `query`, built where it stands; nullopt once it is complete.
std::optional<QueryError> readInto(std::string_view text, const QueryOptions& options, Query& query)
{
    std::size_t start = 0;
    if (std::optional<QueryError> error = checkText(text, start))
        return error;
    const phrasing::Phrasing phrasing = phrasing::readPhrasing(text, start, options);
    bool clock = false;
    if (std::optional<QueryError> error = readValue(text, phrasing.valueStart, options, query, clock))
        return error;

    const UnitsPart part = unitsPartOf(text, phrasing, query, clock);
    if (part.memorable)
        if (const units_memo::Reading* known = units_memo::find(part.text, options)) {
            placeUnits(query, *known, part.start);
            return std::nullopt;
        }

    // Kept from query to query, so that a batch of them allocates nothing here.
    thread_local UnitsText units;
    thread_local Readings readings;
    tokeniseUnits(text, phrasing, part, options, clock, units);
    collectReadings(units, options.category, readings);
    if (!readings.compatible.empty())
        return placePairs(text, readings, part, options, query);

    std::optional<QueryError> error = readOtherwise(text, phrasing, part, readings, units, options, query);
    if (error && phrasing.into.length == 0)
        addFractionAfterUnit(text, part, options, query, error);
    if (error && phrasing.into.length == 0)
        leaveOutFiller(text, part, options, query, error);
    return error;
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
    case QueryErrorKind::AmbiguousNumber: return "ambiguous-number";
    }
    return "unknown";
}

QueryReading readQuery(std::string_view text, const QueryOptions& options)
{
    // Returned as it stands: the query is not moved on its way out.
    QueryReading reading(std::in_place_type<Query>);
    const LanguageNames* language = findNameLanguage(options.language);
    std::optional<QueryError> error = readInto(text, options, std::get<Query>(reading));
    if (error && error->kind == QueryErrorKind::UnknownUnit && options.correctTypos) {
        const auto read = [&options](std::string_view corrected, Query& query) {
            return readInto(corrected, options, query);
        };
        if (corrections::readCorrected(text, *error, read, std::get<Query>(reading), language))
            error.reset();
    }
    if (!error)
        error = reciprocalOfZero(text, std::get<Query>(reading));
    if (error)
        reading = std::move(*error);
    else
        named_forms::note(text, std::get<Query>(reading), language);
    return reading;
}

} // namespace mezzurix
