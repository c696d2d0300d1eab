// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact fractions for unit definitions: "0.3048", "5/18", "4.4482216152605/0.00064516". Every
// operation is exact or refuses (nullopt) when a term outgrows 128 bits; no unit definition
// comes near that.

#include <optional>
#include <string>
#include <string_view>

namespace mezzurix {

class ExactRatio {
public:
    __extension__ using Int = __int128;

    ExactRatio() = default;
    static ExactRatio whole(long long n) { return ExactRatio(n, 1); }

    // A decimal ("0.3048", "-1.5e3"), or two decimals separated by "/" ("1/0.09290304").
    static std::optional<ExactRatio> parse(std::string_view text);

    Int numerator() const { return numerator_; }
    Int denominator() const { return denominator_; }  // always positive
    bool isZero() const { return numerator_ == 0; }

    friend std::optional<ExactRatio> operator+(const ExactRatio& a, const ExactRatio& b);
    friend std::optional<ExactRatio> operator-(const ExactRatio& a, const ExactRatio& b);
    friend std::optional<ExactRatio> operator*(const ExactRatio& a, const ExactRatio& b);
    friend std::optional<ExactRatio> operator/(const ExactRatio& a, const ExactRatio& b);
    friend bool operator==(const ExactRatio&, const ExactRatio&) = default;

    // The double nearest the value (ties to even).
    double nearestDouble() const;

    // The value in decimals: all of them when it ends within `significantDigits`, otherwise that
    // many, cut off and followed by "…" ("1.05668820943259…").
    std::string decimalText(int significantDigits) const;

private:
    ExactRatio(Int numerator, Int denominator);
    static std::optional<ExactRatio> make(Int numerator, Int denominator);

    Int numerator_ = 0;
    Int denominator_ = 1;
};

// How far `value` lies from `exact`, relative to `exact`: |value - exact| / |exact|, to within a
// few units in the 16th digit (0 when both are zero, infinity when only `exact` is).
double relativeDeviation(double value, const ExactRatio& exact);

} // namespace mezzurix
