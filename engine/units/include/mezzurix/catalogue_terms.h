// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The catalogue's units and categories as unit terms compose them: what each unit measures, its
// exact amount, the prefixes it takes, and which category holds a dimension.

#include <mezzurix/unit_term.h>

#include <cstddef>
#include <string>
#include <optional>
#include <string_view>

namespace mezzurix {

// The prefixes a unit takes, and what they stand before.
struct PrefixForms {
    Prefixes prefixes = Prefixes::None;
    // Separated by '|': the symbols a prefix symbol stands before ("L|l": kL, ml) and the
    // written names a prefix word stands before ("meter|meters|metre|metres": kilometre).
    std::string symbols;
    std::string names;
};

struct CatalogueUnit {
    UnitTerm term;  // its symbol the unit's own first symbol ("ft", "cm³"), or empty for none
    PrefixForms prefixForms;
    bool si = false;  // an SI unit or one accepted for use with it (hour, liter): its symbols
                      // multiply with a space ("kW h")
};

// The unit of catalogue code `code`, or nullptr for no such unit.
const CatalogueUnit* catalogueUnit(int code);

// Its prefix forms alone, without the exact amounts catalogueUnit() reads: what the name lookups
// of every query ask. nullptr for a unit that takes no prefix.
const PrefixForms* prefixFormsOf(int code);

// The first typed category (in the order of typedCategories()) whose units measure `dimension`
// with a kind compatible with `kind`, or nullopt.
std::optional<std::size_t> categoryHolding(const Dimension& dimension, UnitKind kind);

} // namespace mezzurix
