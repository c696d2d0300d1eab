// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <mezzurix/conversion_table.h>

#include <string_view>

namespace mezzurix::tables {

// A factor entry: the output is the input multiplied by `value`.
constexpr Entry factor(std::string_view pairCode, double value)
{
    return {pairCode, value, nullptr};
}

// A formula entry: `compute` turns the input into the output by itself.
constexpr Entry formula(std::string_view pairCode, double (*compute)(double))
{
    return {pairCode, 0.0, compute};
}

} // namespace mezzurix::tables
