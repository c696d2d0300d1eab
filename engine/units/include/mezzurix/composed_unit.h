// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Units composed of others: products, quotients and whole powers of units ("g/cm³", "kW·h",
// "kg/(m·s²)", "s⁻¹"), with their dimension and exact amount.

#include <mezzurix/unit_term.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace mezzurix {

// One factor: a unit standing alone (declared, or prefixed: "µs") to a whole power, or a number
// ("100" in "kWh/100 km"), which is dimensionless and whose amount is its value.
struct TermFactor {
    UnitTerm unit;
    int exponent = 1;
    bool number = false;
};

// A product of factors in the order they were typed; a unit met twice is one factor ("m·m" is
// m²), and one whose powers cancel is none.
class ComposedUnit {
public:
    ComposedUnit() = default;  // one: no factor at all
    explicit ComposedUnit(UnitTerm unit);
    // The number as a factor; `digits` as the symbol writes it.
    static ComposedUnit number(std::string digits, ExactAmount value);

    // nullopt where an exponent would pass Dimension::kMaxExponent.
    std::optional<ComposedUnit> times(const ComposedUnit& other) const;
    std::optional<ComposedUnit> dividedBy(const ComposedUnit& other) const;
    std::optional<ComposedUnit> power(int exponent) const;

    std::span<const TermFactor> factors() const { return factors_; }
    bool isOne() const { return factors_.empty(); }

    // The whole as one unit. A single unit to the first power keeps its kind, offset and
    // reciprocity; in any other composition a temperature is an interval (no offset) and the kind
    // is None. nullopt beyond the limits of dimensions and amounts, and for a reciprocal unit
    // ("L/100km") that does not stand alone.
    std::optional<UnitTerm> term() const;

private:
    std::optional<ComposedUnit> combined(const ComposedUnit& other, int sign) const;

    std::vector<TermFactor> factors_;
};

// The symbol of factors as answers write them: those with a positive power joined by "·", then
// "/" and those with a negative one, in parentheses when there are several: "kg/(m·s²)". Without
// a positive power the negative ones stand alone ("s⁻¹"). A number is joined to the unit after
// it by a space ("kWh/100 km"); a symbol with "/" of its own is put in parentheses among others.
// "1" for no factor.
std::string symbolOf(std::span<const TermFactor> factors);

} // namespace mezzurix
