// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "enclosure.h"

#include <cstdlib>

namespace mezzurix::exact {

namespace {

// Digits computed beyond those asked, so that the rounding errors of the series stay below the
// last one asked: each term is off by less than one unit of the last digit computed.
constexpr int kGuardDigits = 10;

struct Series {
    BigInteger sum;
    BigInteger terms;  // how many terms were summed: the sum is off by less than terms + 1 units
};

// arctan(1/x) × scale: the sum of (-1)^i scale / (x^(2i+1) (2i+1)) over every term that is not
// zero when cut to a whole number. Each term is floor(scale / x^(2i+1)) / (2i+1) cut again, which
// is the exact term cut once (floor(floor(a / b) / c) = floor(a / (b c))): off by less than 1, as
// is the rest of the series once the terms are below 1.
Series arctanOfInverse(const BigInteger& scale, std::int64_t x)
{
    Series series;
    const BigInteger square = x * x;
    BigInteger power = BigInteger::divide(scale, x)->quotient;  // scale / x^(2i+1), cut
    for (std::int64_t i = 0; !power.isZero(); ++i) {
        const BigInteger term = BigInteger::divide(power, 2 * i + 1)->quotient;
        series.sum = i % 2 == 0 ? series.sum + term : series.sum - term;
        series.terms = series.terms + 1;
        power = BigInteger::divide(power, square)->quotient;
    }
    return series;
}

Fraction scaled(const Fraction& fraction, const BigInteger& numerator, const BigInteger& denominator)
{
    return {fraction.numerator * numerator, fraction.denominator * denominator};
}

} // namespace

// Machin's formula: π = 16 arctan(1/5) - 4 arctan(1/239).
Enclosure piBounds(int decimals)
{
    const BigInteger scale = BigInteger::power(10, static_cast<unsigned>(decimals + kGuardDigits));
    const Series fifth = arctanOfInverse(scale, 5);
    const Series inverse239 = arctanOfInverse(scale, 239);
    const BigInteger pi = 16 * fifth.sum - 4 * inverse239.sum;
    const BigInteger error = 16 * (fifth.terms + 1) + 4 * (inverse239.terms + 1);
    return {{pi - error, scale}, {pi + error, scale}};
}

Enclosure enclose(const ExactAmount& amount, int decimals)
{
    const Fraction magnitude{amount.numerator().magnitude(), amount.denominator()};
    const int k = amount.piPower();
    if (k == 0)
        return {magnitude, magnitude};
    const Enclosure pi = piBounds(decimals);
    const auto times = static_cast<unsigned>(std::abs(k));  // within ±kMaxPiPower
    const auto raised = [times](const Fraction& bound) {
        return Fraction{BigInteger::power(bound.numerator, times), BigInteger::power(bound.denominator, times)};
    };
    const Fraction low = raised(pi.lower);
    const Fraction high = raised(pi.upper);
    if (k > 0)
        return {scaled(magnitude, low.numerator, low.denominator), scaled(magnitude, high.numerator, high.denominator)};
    return {scaled(magnitude, high.denominator, high.numerator), scaled(magnitude, low.denominator, low.numerator)};
}

} // namespace mezzurix::exact
