// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The units typed conversions know beyond the window's: they follow the window's own in each
// category, and two categories (Time, Fuel economy) exist for typed conversions only. The
// window's lists never show them.

#include <mezzurix/catalogue.h>

#include <optional>
#include <span>
#include <string>

namespace mezzurix {

// Units from this code on are known to typed conversions only; no window unit reaches it.
constexpr int kFirstTypedOnlyCode = 1000;

// The window's categories in their order, each with its own units first in list order and then
// those only typed conversions know, followed by the categories only typed conversions know. A
// window unit has the same category index and position here as in categories().
std::span<const Category> typedCategories();

// Whether the window's lists show the unit.
constexpr bool inWindow(int unitCode)
{
    return unitCode < kFirstTypedOnlyCode;
}

// The typed category and position of a unit code, or nullopt for no unit.
struct TypedPlace {
    std::size_t categoryIndex = 0;
    std::size_t position = 0;
};
std::optional<TypedPlace> typedPlaceOf(int unitCode);

} // namespace mezzurix
