// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whole numbers of any size, for exact unit amounts (see exact_amount.h). Sign and magnitude, the
// magnitude in 32-bit limbs. Written for clarity over speed: the numbers met here stay within a
// few thousand bits, and every operation is schoolbook. The size is the caller's to bound; the
// small ones allocate nothing (limb_vector.h).

#include <mezzurix/limb_vector.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mezzurix {

class BigInteger {
public:
    BigInteger() = default;  // zero
    BigInteger(std::int64_t value);  // implicit: a small number is a big one too

    // An optional '-' then one or more decimal digits, nothing else ("-0" is zero).
    static std::optional<BigInteger> fromDecimal(std::string_view text);
    // The decimal digits, with '-' before a negative value.
    std::string toDecimal() const;

    bool isZero() const { return limbs_.empty(); }
    bool isNegative() const { return negative_; }
    bool isOdd() const { return !limbs_.empty() && (limbs_.front() & 1U) != 0; }
    // Bits of the magnitude, without leading zeros: 0 for zero, 1 for ±1, 11 for ±1024.
    std::size_t bitLength() const;
    // The lowest 64 bits of the magnitude.
    std::uint64_t low64() const;
    BigInteger magnitude() const;

    friend BigInteger operator-(BigInteger value);
    friend BigInteger operator+(const BigInteger& a, const BigInteger& b);
    friend BigInteger operator-(const BigInteger& a, const BigInteger& b);
    friend BigInteger operator*(const BigInteger& a, const BigInteger& b);
    // Shift the magnitude and keep the sign: -5 >> 1 is -2, as with division by 2.
    friend BigInteger operator<<(const BigInteger& value, std::size_t bits);
    friend BigInteger operator>>(const BigInteger& value, std::size_t bits);

    // -1, 0 or 1 as a is less than, equal to or greater than b. (No <=>: Qt's moc cannot read
    // the standard header it needs.)
    static int compare(const BigInteger& a, const BigInteger& b);
    friend bool operator==(const BigInteger&, const BigInteger&) = default;
    friend bool operator<(const BigInteger& a, const BigInteger& b) { return compare(a, b) < 0; }
    friend bool operator>(const BigInteger& a, const BigInteger& b) { return compare(a, b) > 0; }
    friend bool operator<=(const BigInteger& a, const BigInteger& b) { return compare(a, b) <= 0; }
    friend bool operator>=(const BigInteger& a, const BigInteger& b) { return compare(a, b) >= 0; }

    struct Division;
    // The quotient truncated toward zero and the remainder with the dividend's sign, as C++ divides
    // its own integers; nullopt for a zero divisor.
    static std::optional<Division> divide(const BigInteger& dividend, const BigInteger& divisor);
    // The greatest common divisor of the magnitudes: never negative, zero only for gcd(0, 0).
    static BigInteger gcd(BigInteger a, BigInteger b);
    // base^exponent, with 0^0 = 1. The result has about bitLength() × exponent bits.
    static BigInteger power(const BigInteger& base, unsigned exponent);

private:
    using Limbs = LimbVector;  // least significant first, no leading zero limbs

    static BigInteger fromMagnitude(Limbs limbs, bool negative);
    static int compareMagnitudes(const Limbs& a, const Limbs& b);
    static Limbs addMagnitudes(const Limbs& a, const Limbs& b);
    static Limbs subtractMagnitudes(const Limbs& larger, const Limbs& smaller);
    static Limbs multiplyMagnitudes(const Limbs& a, const Limbs& b);
    static void divideMagnitudes(const Limbs& dividend, const Limbs& divisor, Limbs& quotient, Limbs& remainder);

    bool negative_ = false;  // never true for zero
    Limbs limbs_;
};

struct BigInteger::Division {
    BigInteger quotient;
    BigInteger remainder;
};

} // namespace mezzurix
