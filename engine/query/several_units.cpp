// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "several_units.h"

#include "name_index.h"
#include "query_text.h"
#include "value_reader.h"

#include <mezzurix/catalogue.h>
#include <mezzurix/convert.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include <algorithm>
#include <cmath>
#include <span>

namespace mezzurix::several_units {

namespace {

using namespace query_parts;

// A unit followed by a bare number, and the unit of that number: 5'10 and "5 ft 10" are inches,
// "2h15" and "2 h 15" minutes.
struct ImpliedNext {
    int after;
    int next;
};
std::span<const ImpliedNext> impliedNext()
{
    static const ImpliedNext pairs[] = {{unitCode("foot"), unitCode("inch")}, {unitCode("hour"), unitCode("minute")}};
    return pairs;
}

// After an hour part, "m" is minutes ("1h45m"), not meters.
struct HoursAndMinutes {
    int hour = unitCode("hour");
    int meter = unitCode("meter");
    int minute = unitCode("minute");
};
const HoursAndMinutes& hoursAndMinutes()
{
    static const HoursAndMinutes codes;
    return codes;
}

struct Part {
    double value = 0.0;
    names::UnitMatch units;
    TextSpan span;  // number and unit
    TextSpan name;  // the unit alone
};

} // namespace

std::optional<double> sizeIn(int code, int last)
{
    const std::optional<double> zero = convertUnits(code, last, 0.0);
    if (!zero || *zero != 0.0)
        return std::nullopt;
    return convertUnits(code, last, 1.0);
}

namespace {

// The reading of `match` in the category, its other readings after its own: after a degree part
// the foot's ' and the inch's " are the arcminute and arcsecond (12°30'15").
int codeIn(const names::UnitMatch& match, std::size_t categoryIndex)
{
    for (const std::span<const int> codes : {match.codes(), match.others()})
        for (const int code : codes)
            if (names::placeOf(code).categoryIndex == categoryIndex)
                return code;
    return -1;
}

// The unit of a bare number after a part read as `match`, or -1 when it needs one of its own.
int impliedAfter(const names::UnitMatch& match)
{
    for (const ImpliedNext& pair : impliedNext())
        if (codeIn(match, names::placeOf(pair.after).categoryIndex) == pair.after)
            return pair.next;
    return -1;
}

// The unit name at `pos`, or `pos` when none. Before the into units, an "in" is a unit only
// where a quantity's part may end: before a number, "and", a separator or the end.
std::size_t nameAt(const UnitsText& units, std::size_t pos, bool into = false)
{
    const std::size_t end = longestName(units, pos, units.size());
    if (!into && end == pos + 1 && units.tokens[pos].separator && end < units.size()) {
        const Token& next = units.tokens[end];
        if (!next.number && !next.joiner && !next.separator)
            return pos;
    }
    return end;
}

QueryError orderError(std::string_view text, TextSpan where)
{
    return makeError(QueryErrorKind::IncompatibleUnits, text, where, say("the units of %s", query_text::quoted(text.substr(where.offset, where.length))),
                     say(" do not run from the largest to the smallest"));
}

// One into unit as typed.
struct IntoUnit {
    names::UnitMatch units;
    TextSpan span;
};

// What a step of the reading ends it with, or nullopt to go on.
using Stop = std::optional<Outcome>;

// FROM: the query's value and its unit, then each further number and its unit, "and" allowed
// between them ("5 ft 10 in", "5 feet and 10 inches"). A bare number after feet is inches
// ("5 ft 10"). Leaves `pos` after the quantity.
Stop readFromParts(std::string_view text, const UnitsText& units, const Query& query, std::vector<Part>& from,
                   std::size_t& pos)
{
    const std::size_t n = units.size();
    double value = query.value;
    std::size_t valueBegin = query.valueSpan.offset;
    while (true) {
        std::size_t end = nameAt(units, pos);
        // A later part's name that ends in "in" ("6 oz in kg") is read without it, the "in" then
        // a separator, where only the shorter name is of the first part's category.
        if (!from.empty() && end > pos + 1 && units.tokens[end - 1].separator) {
            const auto fits = [&](const names::UnitMatch& match) {
                return std::any_of(from.front().units.codes().begin(), from.front().units.codes().end(),
                                   [&](int code) { return codeIn(match, names::placeOf(code).categoryIndex) >= 0; });
            };
            if (!fits(units.lookUp(pos, end)) && fits(units.lookUp(pos, end - 1)))
                --end;
        }
        Part part{value, {}, {}, {}};
        if (end > pos) {
            part.units = units.lookUp(pos, end);
            const HoursAndMinutes& time = hoursAndMinutes();
            const auto names = [](const names::UnitMatch& match, int code) {
                return std::find(match.codes().begin(), match.codes().end(), code) != match.codes().end();
            };
            if (!from.empty() && names(from.back().units, time.hour) && names(part.units, time.meter))
                part.units.addOther(time.minute);
            part.span = {valueBegin, units.tokens[end - 1].end - valueBegin};
            part.name = units.span(pos, end);
        } else if (const int next = from.empty() ? -1 : impliedAfter(from.back().units); next >= 0) {
            part.units.add(next);
            part.span = {valueBegin, units.tokens[pos - 1].end - valueBegin};
        } else {
            if (from.empty())
                return NotSeveral{};
            const TextSpan number = units.span(pos - 1, pos);
            return makeError(QueryErrorKind::MissingUnit, text, number,
                             say("no unit after the number %s", query_text::quoted(text.substr(number.offset, number.length))));
        }
        from.push_back(part);
        pos = end;
        std::size_t next = pos;
        if (next < n && units.tokens[next].joiner)
            ++next;
        if (next >= n || !units.tokens[next].number)
            return std::nullopt;
        value = units.tokens[next].value;
        valueBegin = units.tokens[next].begin;
        pos = next + 1;
    }
}

// INTO: an optional separator, then unit names, "and" allowed between them ("to feet and
// inches"). After a quantity of several units, a word that is no unit is an unknown one.
Stop readIntoUnits(std::string_view text, const UnitsText& units, bool severalFrom, std::size_t pos,
                   std::vector<IntoUnit>& into)
{
    const std::size_t n = units.size();
    if (pos < n && units.tokens[pos].separator)
        ++pos;
    while (pos < n) {
        const std::size_t end = nameAt(units, pos, true);
        if (end == pos)
            return severalFrom ? Outcome(unknownUnit(text, units, pos, n)) : Outcome(NotSeveral{});
        into.push_back({units.lookUp(pos, end), units.span(pos, end)});
        pos = end;
        if (pos < n && units.tokens[pos].joiner)
            ++pos;
    }
    return std::nullopt;
}

// The one category every part and every into unit has a unit in: the first of the first part's
// readings that fits them all.
std::optional<std::size_t> commonCategory(const std::vector<Part>& from, const std::vector<IntoUnit>& into)
{
    for (const int code : from.front().units.codes()) {
        const std::size_t c = names::placeOf(code).categoryIndex;
        const auto inCategory = [&](const names::UnitMatch& units) { return codeIn(units, c) >= 0; };
        if (std::all_of(from.begin(), from.end(), [&](const Part& part) { return inCategory(part.units); }) &&
            std::all_of(into.begin(), into.end(), [&](const IntoUnit& unit) { return inCategory(unit.units); }))
            return c;
    }
    return std::nullopt;
}

// Why no category fits: the first part, else the first into unit, that has no unit in the
// category of the first part's first reading. (commonCategory() tried that category, so one of
// them has none.)
QueryError noCommonCategory(std::string_view text, const std::vector<Part>& from, const std::vector<IntoUnit>& into)
{
    const int first = from.front().units.codes().front();
    const std::size_t c = names::placeOf(first).categoryIndex;
    for (const Part& part : from)
        if (codeIn(part.units, c) < 0)
            return makeError(QueryErrorKind::IncompatibleUnits, text, part.span,
                             say("cannot add %s to %s", query_text::quoted(text.substr(part.span.offset, part.span.length)),
                                 describeUnit(first)));
    const auto lacking = std::find_if(into.begin(), into.end(),
                                      [&](const IntoUnit& unit) { return codeIn(unit.units, c) < 0; });
    return incompatibleUnits(text, from.front().units, lacking->units, lacking->span);
}

// Where the quantity stands: its unit's name for one part, from its first number to its last
// unit for several.
TextSpan quantitySpan(const Query& query, const std::vector<Part>& from)
{
    if (from.size() == 1)
        return from.front().name;
    const TextSpan& last = from.back().span;
    return {query.valueSpan.offset, last.offset + last.length - query.valueSpan.offset};
}

// The quantity in its last part's unit: each part converted into it and added, the first
// number's sign the quantity's (-5 ft 10 in is -(5 ft 10 in)). The parts' scales must share
// their zero and run from the largest unit to the smallest.
std::variant<double, QueryError> addUp(std::string_view text, const std::vector<Part>& from, std::size_t category,
                                       TextSpan fromSpan)
{
    const int lastFrom = codeIn(from.back().units, category);
    double sum = 0.0;
    for (std::size_t i = 0; i < from.size(); ++i) {
        const int code = codeIn(from[i].units, category);
        const std::optional<double> size = sizeIn(code, lastFrom);
        if (!size)
            return makeError(QueryErrorKind::IncompatibleUnits, text, fromSpan,
                             say("the units of %s", query_text::quoted(text.substr(fromSpan.offset, fromSpan.length))),
                             say(" do not add up: their scales have different zeros"));
        if (i + 1 < from.size() && *size <= sizeIn(codeIn(from[i + 1].units, category), lastFrom).value_or(0))
            return orderError(text, fromSpan);
        const double part = *convertUnits(code, lastFrom, from[i].value);
        sum += i == 0 || !std::signbit(from.front().value) ? part : -part;
    }
    if (!std::isfinite(sum))
        return makeError(QueryErrorKind::ValueOutOfRange, text, fromSpan, say("the quantity"), say(" is beyond the range of numbers"));
    return sum;
}

// Makes the quantity the query's from unit and value; several parts are kept, each with the
// quantity's sign.
void placeQuantity(Query& query, const std::vector<Part>& from, std::size_t category, double sum, TextSpan fromSpan)
{
    placeFrom(query, names::placeOf(codeIn(from.back().units, category)), fromSpan);
    if (from.size() < 2)
        return;
    query.value = sum == 0.0 ? 0.0 : sum;  // the window reads "-0" as 0
    query.valueText = value_reader::decimalText(query.value);
    for (const Part& part : from) {
        const double signedValue = &part == &from.front() || !std::signbit(from.front().value) ? part.value : -part.value;
        query.fromParts.push_back({signedValue, names::placeOf(codeIn(part.units, category)).position, part.span});
    }
}

// Makes the into units the query's, which must run from the largest unit to the smallest; the last
// is its into unit.
std::optional<QueryError> placeInto(std::string_view text, const std::vector<IntoUnit>& into, std::size_t category,
                                    Query& query)
{
    const TextSpan intoSpan = {into.front().span.offset, into.back().span.offset + into.back().span.length - into.front().span.offset};
    const int lastInto = codeIn(into.back().units, category);
    for (std::size_t i = 0; i + 1 < into.size(); ++i) {
        const std::optional<double> size = sizeIn(codeIn(into[i].units, category), lastInto);
        const std::optional<double> nextSize = sizeIn(codeIn(into[i + 1].units, category), lastInto);
        if (!size || !nextSize || *size <= *nextSize)
            return orderError(text, intoSpan);
    }
    if (into.size() > 1)
        for (const IntoUnit& unit : into)
            query.intoParts.push_back(names::placeOf(codeIn(unit.units, category)).position);
    query.intoPosition = names::placeOf(lastInto).position;
    query.intoSpan = intoSpan;
    return std::nullopt;
}

} // namespace

Outcome read(std::string_view text, const UnitsText& units, const QueryOptions& options, Query& query)
{
    std::vector<Part> from;
    std::size_t pos = 0;
    if (Stop stop = readFromParts(text, units, query, from, pos))
        return std::move(*stop);
    std::vector<IntoUnit> into;
    if (Stop stop = readIntoUnits(text, units, from.size() > 1, pos, into))
        return std::move(*stop);
    if (from.size() < 2 && into.size() < 2)
        return NotSeveral{};
    if (into.empty() && !options.allowMissingInto)
        return makeError(QueryErrorKind::MissingUnit, text, {text.size(), 0}, say("no unit to convert into"));

    const std::optional<std::size_t> category = commonCategory(from, into);
    if (!category)
        return noCommonCategory(text, from, into);
    const TextSpan fromSpan = quantitySpan(query, from);
    const std::variant<double, QueryError> sum = addUp(text, from, *category, fromSpan);
    if (const QueryError* error = std::get_if<QueryError>(&sum))
        return *error;
    placeQuantity(query, from, *category, std::get<double>(sum), fromSpan);
    if (into.empty())
        return std::monostate{};
    if (std::optional<QueryError> error = placeInto(text, into, *category, query))
        return std::move(*error);
    return std::monostate{};
}

std::optional<double> convert(const Query& query)
{
    if (query.fromParts.empty())
        return convertUnits(query.fromCode(), *query.intoCode(), query.value);
    double sum = 0.0;
    for (const QuantityPart& part : query.fromParts) {
        const std::optional<double> value =
            convertUnits(query.category().units[part.position].code, *query.intoCode(), part.value);
        if (!value)
            return std::nullopt;
        sum += *value;
    }
    return std::isfinite(sum) ? std::optional<double>(sum) : std::nullopt;
}

} // namespace mezzurix::several_units
