// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fractions on either side of an amount's magnitude, for rounding and writing amounts that carry
// π: the amount's fraction times bounds on π^k. Without π both ends are the fraction itself.

#include <mezzurix/exact_amount.h>

#include <algorithm>

namespace mezzurix::exact {

struct Fraction {
    BigInteger numerator;    // positive
    BigInteger denominator;  // positive
};

struct Enclosure {
    Fraction lower;
    Fraction upper;
};

// Bounds on π that differ by less than 10^-decimals.
Enclosure piBounds(int decimals);

// lower ≤ |amount| ≤ upper, from bounds on π of `decimals` decimals.
Enclosure enclose(const ExactAmount& amount, int decimals);

// Bounds on π start with at least this many decimals: more than the 17 digits of a double, so
// that the first try nearly always settles it.
constexpr int kMinPiDecimals = 40;
// Where more decimals of π stop being worth their cost: enough for every digit of the largest
// term (kMaxBits has 2466 digits) with a wide margin.
constexpr int kMaxPiDecimals = 8192;

// `read` applied to both ends of |amount|'s enclosure, with bounds on π of `digits` decimals and a
// few more, made ever tighter until both ends read alike; past kMaxPiDecimals, the lower end's
// reading.
template <typename Read>
auto readEnclosed(const ExactAmount& amount, int digits, Read read)
{
    constexpr int kGuardDigits = 10;  // most amounts need no second try
    const int first = std::clamp(digits, kMinPiDecimals - kGuardDigits, kMaxPiDecimals) + kGuardDigits;
    for (int decimals = first;; decimals = std::min(decimals * 2, kMaxPiDecimals)) {
        const Enclosure enclosure = enclose(amount, decimals);
        auto lower = read(enclosure.lower);
        if (amount.piPower() == 0 || decimals >= kMaxPiDecimals || lower == read(enclosure.upper))
            return lower;
    }
}

} // namespace mezzurix::exact
