// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <mezzurix/unit_names.h>

#include <span>

namespace mezzurix {

// The names of the units only typed conversions know, grouped by unit in the order of the codes.
std::span<const UnitName> typedOnlyAliases();

} // namespace mezzurix
