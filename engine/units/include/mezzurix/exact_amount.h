// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact amounts of units: a fraction p/q in lowest terms (q > 0) times π^k for a whole k, so that
// a degree (π/180 rad) and a parsec (648000/π au) are as exact as a foot (0.3048 m), and SI
// prefixes from quecto to quetta compose with powers without overflow. Every operation is exact or
// refuses with nullopt; nothing rounds until toDouble() or decimalText().
//
// The texts parse() reads, as unit definitions are written (no spaces):
//
//     amount   = [ "+" | "-" ] factor { ( "*" | "·" | "/" ) factor }
//     factor   = decimal | "pi" | "π"
//     decimal  = ( digits [ "." [ digits ] ] | "." digits ) [ ( "e" | "E" ) [ "+" | "-" ] digits ]
//
// read left to right: "149597870700*648000/pi" is (149597870700 × 648000) / π, and "1/2*3" is 3/2.
// Examples: "0.3048", "-1.5e3", "5/18", "4.4482216152605/0.00064516", "pi/180", "648000/pi".

#include <mezzurix/big_integer.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mezzurix {

class ExactAmount {
public:
    // Limits past which parse() and the operations refuse, so that hostile input cannot make them
    // allocate or compute without bound:
    // any double, and any midpoint between two, is written exactly in 767 significant digits;
    static constexpr int kMaxDigits = 800;
    // beyond any double (1e±308) and any power a unit needs (a cubic quettameter is 1e90 m³);
    static constexpr int kMaxExponent = 1000;
    // 2466 decimal digits: room for kMaxDigits digits times 10^±kMaxExponent, and for products of
    // far more prefixes and powers than any unit has;
    static constexpr std::size_t kMaxBits = 8192;
    // definitions carry π at most squared (the square degree): their products and powers fit.
    static constexpr int kMaxPiPower = 24;

    ExactAmount() = default;  // zero
    static ExactAmount whole(std::int64_t value);
    static ExactAmount pi();
    // numerator / denominator × π^piPower; nullopt for a zero denominator or beyond the limits.
    static std::optional<ExactAmount> fraction(BigInteger numerator, BigInteger denominator, int piPower = 0);
    // See the grammar above; nullopt for anything else and anything beyond the limits.
    static std::optional<ExactAmount> parse(std::string_view text);

    const BigInteger& numerator() const { return numerator_; }
    const BigInteger& denominator() const { return denominator_; }  // always positive
    int piPower() const { return piPower_; }  // 0 for zero
    bool isZero() const { return numerator_.isZero(); }

    friend ExactAmount operator-(ExactAmount value);
    friend std::optional<ExactAmount> operator*(const ExactAmount& a, const ExactAmount& b);
    // nullopt when dividing by zero.
    friend std::optional<ExactAmount> operator/(const ExactAmount& a, const ExactAmount& b);
    // Exact only when both carry the same power of π (or one of them is zero); nullopt otherwise,
    // as a rational plus a multiple of π is no amount of this form. Unit definitions never add them.
    friend std::optional<ExactAmount> operator+(const ExactAmount& a, const ExactAmount& b);
    friend std::optional<ExactAmount> operator-(const ExactAmount& a, const ExactAmount& b);
    // Any whole exponent, negative too; nullopt for zero to a negative power, and beyond the limits.
    std::optional<ExactAmount> power(int exponent) const;

    friend bool operator==(const ExactAmount&, const ExactAmount&) = default;

    // The double nearest the value, ties to even; subnormals as IEEE 754 has them, and ±infinity
    // beyond the largest double. With π, the value lies between two fractions made from bounds on
    // π (Machin's formula) of 40 decimals, twice as many each time until both ends round alike, up
    // to 8192: so correctly rounded unless the value is within about 10^-8000 (relative) of a
    // midpoint between two doubles, and then off by at most one ulp.
    double toDouble() const;

    // The value in decimals: all of them when it ends within `significantDigits`, otherwise that
    // many, cut off (not rounded) and followed by "…" ("1.05668820943259…"). The whole part is
    // always written in full. With π, the digits come from bounds as with toDouble(), tightened
    // until both ends agree on every digit written: exact, for any count up to some thousands.
    std::string decimalText(int significantDigits) const;

    // The exact value as a definition would write it, π as a symbol and its powers in
    // superscripts: "0", "-5/18", "π/180", "96939420213600000/π", "4·π²/3", "1/(3·π²)". Read back
    // by parse() while the power of π is -1, 0 or 1.
    std::string definitionText() const;

private:
    ExactAmount(BigInteger numerator, BigInteger denominator, int piPower);

    BigInteger numerator_;
    BigInteger denominator_ = 1;
    int piPower_ = 0;
};

// How far `value` lies from `exact`, relative to `exact`: |value - exact| / |exact|, to within a
// few units in the 16th digit (0 when both are zero, infinity when only `exact` is).
double relativeDeviation(double value, const ExactAmount& exact);

} // namespace mezzurix
