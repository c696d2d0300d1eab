// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings.h"

#include <algorithm>

namespace mezzurix::readings {

namespace {

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
}


} // namespace mezzurix::readings
