// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/number_digits.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace mezzurix {

using number_digits::roundToSignificant;
using number_digits::shortenDigits;
using number_digits::SignificantDigits;

std::string formatGeneral(double value, std::string_view decimalPoint, int significantDigits)
{
    std::string result;
    appendGeneral(result, value, decimalPoint, significantDigits);
    return result;
}

void appendGeneral(std::string& result, double value, std::string_view decimalPoint, int significantDigits)
{
    // Non-finite values have no general form; nothing is written rather than a made-up number.
    if (!std::isfinite(value))
        return;
    if (value == 0.0) {
        result += '0';
        return;
    }

    // Decimal exponents outside [-4, 15) are written in scientific form.
    constexpr int kLowestPlainExponent = -4;
    constexpr int kLowestScientificExponent = 15;

    int count = std::clamp(significantDigits, 1, kMaxSignificantDigits);
    SignificantDigits rounded = count > kSignificantDigits ? roundToSignificant(std::fabs(value), count)
                                                           : roundToSignificant(std::fabs(value));
    auto& digits = rounded.digits;
    if (count < kSignificantDigits) {
        // A whole number keeps all its digits: 1099511627776 is not 1099511630000.
        const bool whole = rounded.exponent >= count && rounded.exponent < kSignificantDigits &&
                           std::all_of(digits.begin() + rounded.exponent + 1, digits.begin() + kSignificantDigits,
                                       [](char digit) { return digit == '0'; });
        if (whole) {
            count = kSignificantDigits;
        } else {
            shortenDigits(rounded, count);
            std::fill(digits.begin() + count, digits.begin() + kSignificantDigits, '0');
        }
    }
    while (count > 1 && digits[count - 1] == '0')
        --count;
    const int exponent = rounded.exponent;

    if (std::signbit(value))
        result += '-';
    if (exponent >= kLowestScientificExponent || exponent < kLowestPlainExponent) {
        result += digits[0];
        if (count > 1) {
            result += decimalPoint;
            result.append(digits.data() + 1, count - 1);
        }
        result += 'E';
        result += exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            result += '0';
        std::array<char, 8> exponentText;
        result.append(exponentText.data(),
                      std::to_chars(exponentText.data(), exponentText.data() + exponentText.size(), magnitude).ptr);
    } else if (exponent >= 0) {
        result.append(digits.data(), exponent + 1);
        if (count > exponent + 1) {
            result += decimalPoint;
            result.append(digits.data() + exponent + 1, count - exponent - 1);
        }
    } else {
        result += '0';
        result += decimalPoint;
        result.append(-exponent - 1, '0');
        result.append(digits.data(), count);
    }
}

} // namespace mezzurix
