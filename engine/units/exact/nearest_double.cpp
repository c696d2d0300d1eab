// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "enclosure.h"

#include <cmath>
#include <limits>

namespace mezzurix {

namespace {

using exact::Fraction;

constexpr int kSignificandBits = std::numeric_limits<double>::digits;               // 53
constexpr int kMinBinaryExponent = std::numeric_limits<double>::min_exponent - 1;  // -1022: smallest normal
constexpr int kMaxBinaryExponent = std::numeric_limits<double>::max_exponent - 1;  // 1023

// The double nearest numerator / denominator (both positive), ties to even.
double nearest(const Fraction& value)
{
    // Scaled by 2^shift, the quotient has 54 or 55 bits: more than a significand, and few enough
    // for 64 bits. value = (quotient + remainder / divisor) × 2^-shift.
    const auto excess = static_cast<long long>(value.numerator.bitLength()) -
                        static_cast<long long>(value.denominator.bitLength());
    const long long shift = kSignificandBits + 1 - excess;
    const BigInteger dividend = shift > 0 ? value.numerator << static_cast<std::size_t>(shift) : value.numerator;
    const BigInteger divisor = shift < 0 ? value.denominator << static_cast<std::size_t>(-shift) : value.denominator;
    const BigInteger::Division division = *BigInteger::divide(dividend, divisor);
    const std::uint64_t quotient = division.quotient.low64();
    const auto quotientBits = static_cast<long long>(division.quotient.bitLength());

    // value lies in [2^exponent, 2^(exponent + 1)); below the normal range fewer bits are kept.
    const long long exponent = quotientBits - 1 - shift;
    if (exponent > kMaxBinaryExponent)
        return std::numeric_limits<double>::infinity();
    const long long kept = exponent >= kMinBinaryExponent ? kSignificandBits : kSignificandBits - (kMinBinaryExponent - exponent);
    if (kept < 0)
        return 0.0;  // below half the smallest subnormal
    const long long dropped = quotientBits - kept;  // 1 to 55
    const std::uint64_t significand = quotient >> dropped;
    const std::uint64_t rest = quotient & ((std::uint64_t{1} << dropped) - 1);
    const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
    const bool up = rest > half || (rest == half && (!division.remainder.isZero() || (significand & 1U) != 0));
    // Exact: the significand fits 53 bits; rounding up to 2^53 at the top gives infinity, as it should.
    return std::ldexp(static_cast<double>(significand + (up ? 1 : 0)), static_cast<int>(dropped - shift));
}

} // namespace

double ExactAmount::toDouble() const
{
    if (isZero())
        return 0.0;
    const double magnitude = exact::readEnclosed(*this, std::numeric_limits<double>::max_digits10, nearest);
    return numerator_.isNegative() ? -magnitude : magnitude;
}

double relativeDeviation(double value, const ExactAmount& exact)
{
    const double nearest = exact.toDouble();
    if (nearest == 0.0)
        return value == 0.0 ? 0.0 : std::numeric_limits<double>::infinity();
    return std::fabs(value - nearest) / std::fabs(nearest);
}

} // namespace mezzurix
