// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One side of a query read as an expression of quantities and units:
//
//   side     = sum
//   sum      = product { ("+" | "-" | "−") product }          from side only: "5 ft + 3 in"
//   product  = group { ("×" | "x" | "*" | "·" | "⋅" | "/" | "÷" | "per") group }   left to right
//   group    = number [factor { factor }] | factor { factor }  "4 m", "2.7 g", "kW h"
//   number   = a number [power] { ("/" | "÷") a number [power] }  "3 / 4" is a fraction, "10^8"
//   factor   = (unit | "(" sum ")") [power] | ("sq" | "square" | "cu" | "cubic") unit
//   power    = "^" [sign] digits | superscripts | "2" or "3" glued to a unit's symbol
//
// A unit is a name or a prefixed unit (expression_atoms.h); a declared name always wins over a
// reading as a power ("g0") or a product ("N m"). A blank multiplies two units only where they
// spell a declared product ("kW h" is kW·h) or are SI symbols of different quantities ("A h");
// otherwise it ends the group, as units of one quantity written side by side ("5 ft 10 in") are
// the classic reader's. "/" and "÷" divide quantities only after a unit; a number over a number
// is a fraction. A number belongs to the value on the from side ("18 kWh/100km" is 0.18 kWh/km)
// and to the unit on the into side ("to kWh/100 km").

#include "expression_atoms.h"
#include "number_scan.h"
#include "value_reader.h"

#include <mezzurix/composed_unit.h>
#include <mezzurix/query.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace mezzurix::unit_expression {

// A value counted in a unit.
struct Quantity {
    ExactAmount value = ExactAmount::whole(1);
    ComposedUnit unit;
    std::optional<int> code;  // the unit is exactly this catalogue unit, as typed
};

struct Context {
    std::string_view text;  // the whole query
    const QueryOptions* options = nullptr;
    expression_atoms::Names names;
};

// Reads text[begin, end) whole as one side. The from side starts with `value`, the query's
// number, already read before `begin`; the into side (`value` null) counts no value. Where a
// whole side ends at a blank and text is left after it ("g/cm3 lb/in3"), `rest`, if given, gets
// where that text starts; otherwise it is left as it was.
std::variant<Quantity, QueryError> readSide(const Context& context, std::size_t begin, std::size_t end,
                                            const Quantity* value, std::size_t* rest = nullptr);

// "g/cm³ (density)": a unit's symbol and the category that holds what it measures, or the
// dimension where none does ("J/(kg·K) (m²/(s²·K))").
std::string describeTerm(const UnitTerm& term);

// The exact value of a number the one scanner found and the value reader read.
ExactAmount exactValue(const number_scan::Scan& scan, const value_reader::Value& value);

} // namespace mezzurix::unit_expression
