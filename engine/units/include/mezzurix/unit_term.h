// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A unit as typed conversions compose it: a declared unit, a prefixed one ("µs"), or a product,
// quotient or power of units ("g/cm³", "kW·h", "m²"), with its dimension and exact size.

#include <mezzurix/dimension.h>
#include <mezzurix/exact_amount.h>
#include <mezzurix/unit_record.h>

#include <string>

namespace mezzurix {

struct UnitTerm {
    std::string symbol;        // as the answer writes it: "g/cm³", "kW·h", "µs", "ft"
    Dimension dimension;
    UnitKind kind = UnitKind::None;
    ExactAmount amount = ExactAmount::whole(1);  // of the coherent SI unit of its dimension
    // A temperature scale standing alone ("°F"): x of it is (x + offset) × amount. Zero inside a
    // product or quotient, where a temperature is an interval ("°C/min").
    ExactAmount offset;
    bool reciprocal = false;   // x of it is amount / x (liters per 100 km)
};

} // namespace mezzurix
