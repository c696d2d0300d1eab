// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings.h"

#include <algorithm>

namespace mezzurix::readings {

namespace {

// `match` without the units outside `category`, when one is given: its codes, or its other
// readings.
names::UnitMatch within(const names::UnitMatch& match, std::optional<std::size_t> category)
{
    if (!category)
        return match;
    names::UnitMatch kept;
    for (const int code : match.codes())
        if (names::placeOf(code).categoryIndex == *category)
            kept.add(code);
    for (const int code : match.others())
        if (names::placeOf(code).categoryIndex == *category)
            kept.addOther(code);
    return kept;
}

void addPair(std::vector<Pair>& pairs, const UnitsText& units, const Side& from, const Side& into, int f, int t)
{
    const bool known = std::any_of(pairs.begin(), pairs.end(), [&](const Pair& p) { return p.from == f && p.into == t; });
    if (!known)
        pairs.push_back({f, t, names::placeOf(f), names::placeOf(t), units.span(from.first, from.last),
                         units.span(into.first, into.last)});
}

bool sameCategory(int from, int into)
{
    return names::placeOf(from).categoryIndex == names::placeOf(into).categoryIndex;
}

// The pairs of one category the two sides read as, where one side takes another reading of its
// name: never a unit into itself, which no one asks for ("100 degrees to F" is Celsius).
void pairOtherReadings(const UnitsText& units, const Side& from, const Side& into, Readings& readings)
{
    const auto pairEach = [&](std::span<const int> fromCodes, std::span<const int> intoCodes) {
        for (const int f : fromCodes)
            for (const int t : intoCodes)
                if (f != t && sameCategory(f, t))
                    addPair(readings.byOtherSide, units, from, into, f, t);
    };
    pairEach(from.units.codes(), into.units.others());
    pairEach(from.units.others(), into.units.codes());
    pairEach(from.units.others(), into.units.others());
}

void pairUp(const UnitsText& units, const Side& from, std::size_t intoFirst, Readings& readings)
{
    const Side into{intoFirst, units.size(), units.lookUp(intoFirst, units.size())};
    if (into.units.empty())
        return;
    bool any = false;
    for (const int f : from.units.codes())
        for (const int t : into.units.codes())
            if (sameCategory(f, t)) {
                any = true;
                addPair(readings.compatible, units, from, into, f, t);
            }
    if (!any)
        pairOtherReadings(units, from, into, readings);
    if (!any && !readings.incompatible)
        readings.incompatible.emplace(from, into);
}

} // namespace

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
    // A whole units part that names one unit is that unit: "2 degrees Celsius" is no Fahrenheit
    // (by the other reading of "degrees") into Celsius.
    if (readings.compatible.empty() && !readings.fromOnly)
        readings.compatible.swap(readings.byOtherSide);
}


} // namespace mezzurix::readings
