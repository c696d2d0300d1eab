// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Digit-level pieces the number rules share: the exact decimal reader behind both input rules,
// and the rounding to 15 significant digits behind both output forms.

#include <mezzurix/blanks.h>
#include <mezzurix/number_rules.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace mezzurix::number_digits {

using blanks::isNumberBlank;
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The minus sign U+2212, which numbers are written with besides "-".
inline constexpr std::string_view kMinusSign = "\u2212";

// The length of the sign that starts `text`: "+", "-" or the minus sign; 0 where none does.
inline std::size_t signLength(std::string_view text)
{
    if (text.starts_with('+') || text.starts_with('-'))
        return 1;
    return text.starts_with(kMinusSign) ? kMinusSign.size() : 0;
}

// The powers of ten that are exact doubles.
inline constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
inline constexpr int kLargestExactPower = 22;

// Collects the parts of a decimal number and reads it, correctly rounded, in constant space.
class DecimalReader {
public:
    void setNegative(bool negative) { negative_ = negative; }
    void setExponentNegative(bool negative) { exponentNegative_ = negative; }

    void integerDigit(char c)
    {
        if (kept_ == 0 && c == '0')
            return;
        ++integerDigits_;
        keep(c);
    }

    void fractionDigit(char c)
    {
        if (kept_ == 0 && c == '0') {
            ++fractionLeadingZeros_;
            return;
        }
        keep(c);
    }

    void exponentDigit(char c) { exponent_ = std::min(exponent_ * 10 + (c - '0'), kExponentCap); }

    // The number read so far; nullopt when it lies beyond the double range.
    std::optional<double> value() const;
    // Whether every digit read so far is a zero.
    bool isZero() const { return kept_ == 0; }

private:
    // The rounding of a decimal to a double can depend on up to 767 significant digits; keeping
    // more than that, plus one sticky digit for anything non-zero dropped, rounds exactly.
    static constexpr int kMaxKeptDigits = 800;

    // A decimal exponent beyond this makes any mantissa overflow or underflow; exponents are
    // saturated here so that arbitrarily long exponent digit runs cannot overflow the counter.
    static constexpr long long kExponentCap = 1'000'000'000;

    void keep(char c)
    {
        constexpr int kMantissaDigits = 19;  // still below 2^64
        if (kept_ < kMantissaDigits)
            mantissa_ = mantissa_ * 10 + static_cast<unsigned>(c - '0');
        if (kept_ < kMaxKeptDigits)
            digits_[kept_++] = c;
        else if (c != '0')
            sticky_ = true;
    }

    std::array<char, kMaxKeptDigits> digits_;
    int kept_ = 0;
    std::uint64_t mantissa_ = 0;
    bool sticky_ = false;
    bool negative_ = false;
    bool exponentNegative_ = false;
    long long integerDigits_ = 0;
    long long fractionLeadingZeros_ = 0;
    long long exponent_ = 0;
};

// A positive value rounded to 15 (or up to 17) significant digits: digits[0].digits[1..] x 10^exponent.
struct SignificantDigits {
    std::array<char, kMaxSignificantDigits> digits;
    int exponent;
};

// `magnitude` (finite and positive) rounded to 15 significant digits, ties away from zero.
SignificantDigits roundToSignificant(double magnitude);

// The same rounded to `count` (15 to 17) significant digits from the exact value.
SignificantDigits roundToSignificant(double magnitude, int count);

// Rounds 15 digits to their first `keep` (0 to 14), ties away from zero, the rule of every output
// form; true when that carried into a new first digit (the exponent is then one higher).
bool shortenDigits(SignificantDigits& rounded, int keep);

// Adds one unit in the last place of digits[0..count); returns true when it carried out of
// the first digit (the digits are then 1 followed by zeros, one decimal place higher).
bool incrementDigits(char* digits, int count);

} // namespace mezzurix::number_digits
