// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>

namespace mezzurix {

// One entry of the conversion table. A factor entry multiplies the input by `factor`;
// a formula entry (formula != nullptr) computes the result itself.
struct Entry {
    std::string_view pairCode;
    double factor;
    double (*formula)(double);
};

// All 521 entries, in table order (category by code, then from unit, then to unit).
std::span<const Entry> conversionTable();

// The entry whose pair code equals `pairCode` exactly, or nullptr.
const Entry* findEntry(std::string_view pairCode);

// The entry of the pair of units with these codes, or nullptr.
const Entry* findEntry(int fromCode, int intoCode);

} // namespace mezzurix
