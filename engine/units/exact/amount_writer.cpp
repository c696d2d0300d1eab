// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "enclosure.h"
#include "superscript.h"

namespace mezzurix {

namespace {

using exact::Fraction;

constexpr std::string_view kPi = "\u03C0";

// The significant digits of a positive fraction: the value is 0.digits × 10^(exponent + 1). The
// whole part comes in full, then digits after the point until there are `count`; `ends` says
// whether they are all of it.
struct Digits {
    std::string digits;
    int exponent = -1;
    bool ends = true;

    bool operator==(const Digits&) const = default;
};

Digits digitsOf(const Fraction& value, int count)
{
    Digits result;
    BigInteger::Division step = *BigInteger::divide(value.numerator, value.denominator);
    if (!step.quotient.isZero()) {
        result.digits = step.quotient.toDecimal();
        result.exponent = static_cast<int>(result.digits.size()) - 1;
    }
    while (!step.remainder.isZero() && static_cast<int>(result.digits.size()) < count) {
        step = *BigInteger::divide(step.remainder * 10, value.denominator);
        const auto digit = static_cast<char>('0' + step.quotient.low64());
        if (result.digits.empty() && digit == '0')
            --result.exponent;
        else
            result.digits += digit;
    }
    result.ends = step.remainder.isZero();
    return result;
}

std::string piText(int power)
{
    return power == 1 ? std::string(kPi) : std::string(kPi) + superscript(power);
}

} // namespace

std::string ExactAmount::decimalText(int significantDigits) const
{
    if (isZero())
        return "0";
    // With π, the ends of the enclosure have more decimals than are asked: never a text that ends.
    const Digits value = exact::readEnclosed(*this, significantDigits,
                                             [significantDigits](const Fraction& end) { return digitsOf(end, significantDigits); });
    std::string text = numerator_.isNegative() ? "-" : "";
    const int count = static_cast<int>(value.digits.size());
    if (value.exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-value.exponent - 1), '0');
        text += value.digits;
    } else {
        const auto whole = static_cast<std::size_t>(value.exponent + 1);
        text.append(value.digits, 0, whole);
        if (count > value.exponent + 1)
            text += '.' + value.digits.substr(whole);
    }
    if (!value.ends)
        text += "\u2026";
    return text;
}

std::string ExactAmount::definitionText() const
{
    if (isZero())
        return "0";
    const BigInteger magnitude = numerator_.magnitude();
    std::string above = magnitude.toDecimal();
    std::string below = denominator_ == 1 ? "" : denominator_.toDecimal();
    if (piPower_ > 0)
        above = magnitude == 1 ? piText(piPower_) : above + "\u00B7" + piText(piPower_);
    if (piPower_ < 0)
        below = below.empty() ? piText(-piPower_) : "(" + below + "\u00B7" + piText(-piPower_) + ")";
    return (numerator_.isNegative() ? "-" : "") + above + (below.empty() ? "" : "/" + below);
}

} // namespace mezzurix
