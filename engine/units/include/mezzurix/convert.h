// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <mezzurix/number_rules.h>

#include <optional>
#include <string>
#include <string_view>

namespace mezzurix {

// The result of converting `x` through the entry for `pairCode`. A pair code without an entry
// multiplies by 0. nullopt when the result overflows or is not a number.
std::optional<double> convertValue(std::string_view pairCode, double x);

// `x` of unit `fromCode` in unit `intoCode` of the same category: through the table's entry when
// the window shows both units (the window's answer), through their definitions otherwise.
std::optional<double> convertUnits(int fromCode, int intoCode, double x);

// The whole conversion: reads `input` by the leading-number rule (taking `regionalInput`'s decimal
// point and minus sign as well as "." and "-"), converts, and formats with `decimals` decimals.
// nullopt when the input's number or the result is beyond the double range.
std::optional<std::string> convert(std::string_view pairCode, std::string_view input, int decimals,
                                   const NumberFormat& format, const NumberFormat& regionalInput = {});

} // namespace mezzurix
