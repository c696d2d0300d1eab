// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The units a value is most usefully converted into when only its own unit is known ("1 gal"),
// best first: mostly the other system's counterpart, then the same system's neighbours. Each
// unit's record names them by key (UnitRecord::targets); here they are resolved to unit codes.

#include <array>
#include <span>

namespace mezzurix {

// The longest order kept for one unit: more than a search shows at once.
constexpr std::size_t kMaxUsefulTargets = 6;

struct UsefulTargets {
    int fromCode;
    std::array<int, kMaxUsefulTargets> intoCodes;  // best first; unused places hold kNoUnit
};

// Fills the unused places of an order; no unit has a negative code.
constexpr int kNoUnit = -1;

// Every order, one per unit that has one, in the order of the unit table.
std::span<const UsefulTargets> usefulTargetTable();

// The order for `fromCode`, without the unused places; empty for a unit without one.
std::span<const int> usefulTargets(int fromCode);

} // namespace mezzurix
