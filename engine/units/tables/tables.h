// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <mezzurix/conversion_table.h>

#include <span>

// Each factor group contributes its entries, row by row, in table order.
namespace mezzurix::tables {

std::span<const Entry> distanceArea();
std::span<const Entry> flowPowerMassPressureSpeed();
std::span<const Entry> temperatureVolume();
std::span<const Entry> torqueEnergyForce();
std::span<const Entry> lightMemory();

} // namespace mezzurix::tables
