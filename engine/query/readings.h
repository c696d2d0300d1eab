// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ways a units part splits into a from unit, a separator and an into unit.

#include "tokeniser.h"

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace mezzurix::readings {

using query_parts::UnitsText;

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
    // Pairs of one category where a side is read as one of its name's other readings: taken
    // only where no split has a compatible pair ("100 ps in kW", "1 Ah to C").
    std::vector<Pair> byOtherSide;
    std::optional<std::pair<Side, Side>> incompatible;  // the first split into two named sides
    std::optional<Side> fromOnly;            // all of it names one unit
    std::optional<Side> fromThenSeparator;   // one unit and a separator

    void clear()
    {
        compatible.clear();
        byOtherSide.clear();
        incompatible.reset();
        fromOnly.reset();
        fromThenSeparator.reset();
    }
};

// Every reading of `units`, with the from units kept to `category` when one is given.
void collectReadings(const UnitsText& units, std::optional<std::size_t> category, Readings& readings);

} // namespace mezzurix::readings
