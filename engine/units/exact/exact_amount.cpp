// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/exact_amount.h>

#include <cstdlib>

namespace mezzurix {

namespace {

bool withinLimits(const BigInteger& numerator, const BigInteger& denominator, long long piPower)
{
    return numerator.bitLength() <= ExactAmount::kMaxBits && denominator.bitLength() <= ExactAmount::kMaxBits &&
           std::llabs(piPower) <= ExactAmount::kMaxPiPower;
}

BigInteger exactQuotient(const BigInteger& dividend, const BigInteger& divisor)
{
    return BigInteger::divide(dividend, divisor)->quotient;
}

} // namespace

ExactAmount::ExactAmount(BigInteger numerator, BigInteger denominator, int piPower)
    : numerator_(std::move(numerator)), denominator_(std::move(denominator)), piPower_(piPower)
{
}

ExactAmount ExactAmount::whole(std::int64_t value)
{
    return ExactAmount(value, 1, 0);
}

ExactAmount ExactAmount::pi()
{
    return ExactAmount(1, 1, 1);
}

std::optional<ExactAmount> ExactAmount::fraction(BigInteger numerator, BigInteger denominator, int piPower)
{
    if (denominator.isZero())
        return std::nullopt;
    if (numerator.isZero())
        return ExactAmount();
    if (denominator.isNegative()) {
        numerator = -std::move(numerator);
        denominator = -std::move(denominator);
    }
    const BigInteger divisor = BigInteger::gcd(numerator, denominator);
    if (divisor != 1) {
        numerator = exactQuotient(numerator, divisor);
        denominator = exactQuotient(denominator, divisor);
    }
    if (!withinLimits(numerator, denominator, piPower))
        return std::nullopt;
    return ExactAmount(std::move(numerator), std::move(denominator), piPower);
}

ExactAmount operator-(ExactAmount value)
{
    value.numerator_ = -std::move(value.numerator_);
    return value;
}

std::optional<ExactAmount> operator*(const ExactAmount& a, const ExactAmount& b)
{
    if (a.isZero() || b.isZero())
        return ExactAmount();
    // Cancelled crosswise first, the product is in lowest terms and its terms no larger than needed.
    const BigInteger g1 = BigInteger::gcd(a.numerator_, b.denominator_);
    const BigInteger g2 = BigInteger::gcd(b.numerator_, a.denominator_);
    BigInteger numerator = exactQuotient(a.numerator_, g1) * exactQuotient(b.numerator_, g2);
    BigInteger denominator = exactQuotient(a.denominator_, g2) * exactQuotient(b.denominator_, g1);
    const int piPower = a.piPower_ + b.piPower_;  // each within ±kMaxPiPower: the sum fits
    if (!withinLimits(numerator, denominator, piPower))
        return std::nullopt;
    return ExactAmount(std::move(numerator), std::move(denominator), piPower);
}

std::optional<ExactAmount> operator/(const ExactAmount& a, const ExactAmount& b)
{
    if (b.isZero())
        return std::nullopt;
    const ExactAmount reciprocal(b.numerator_.isNegative() ? -b.denominator_ : b.denominator_,
                                 b.numerator_.magnitude(), -b.piPower_);
    return a * reciprocal;
}

std::optional<ExactAmount> operator+(const ExactAmount& a, const ExactAmount& b)
{
    if (a.isZero())
        return b;
    if (b.isZero())
        return a;
    if (a.piPower_ != b.piPower_)
        return std::nullopt;
    const BigInteger common = BigInteger::gcd(a.denominator_, b.denominator_);
    const BigInteger bFactor = exactQuotient(b.denominator_, common);
    return ExactAmount::fraction(a.numerator_ * bFactor + b.numerator_ * exactQuotient(a.denominator_, common),
                                 a.denominator_ * bFactor, a.piPower_);
}

std::optional<ExactAmount> operator-(const ExactAmount& a, const ExactAmount& b)
{
    return a + -b;
}

std::optional<ExactAmount> ExactAmount::power(int exponent) const
{
    if (exponent == 0)
        return whole(1);
    if (isZero())
        return exponent > 0 ? std::optional(ExactAmount()) : std::nullopt;
    // Taken unsigned: the magnitude of the most negative int does not fit an int.
    const unsigned times = exponent < 0 ? 0U - static_cast<unsigned>(exponent) : static_cast<unsigned>(exponent);
    // A term of b bits raised to n has more than (b - 1) n bits: refuse before computing it.
    for (const BigInteger* term : {&numerator_, &denominator_})
        if ((term->bitLength() - 1) * times > kMaxBits)
            return std::nullopt;
    const long long piPower = static_cast<long long>(piPower_) * exponent;
    if (std::llabs(piPower) > kMaxPiPower)
        return std::nullopt;
    BigInteger numerator = BigInteger::power(numerator_, times);
    BigInteger denominator = BigInteger::power(denominator_, times);
    if (!withinLimits(numerator, denominator, piPower))
        return std::nullopt;
    if (exponent < 0)
        return fraction(std::move(denominator), std::move(numerator), static_cast<int>(piPower));
    return ExactAmount(std::move(numerator), std::move(denominator), static_cast<int>(piPower));
}

} // namespace mezzurix
