// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/number_digits.h>

#include <algorithm>
#include <cmath>

namespace mezzurix {

using number_digits::shortenDigits;
using number_digits::roundToSignificant;
using number_digits::SignificantDigits;

std::string formatFixed(double value, int decimals, const NumberFormat& format)
{
    std::string result;
    appendFixed(result, value, decimals, format);
    return result;
}

void appendFixed(std::string& text, double value, int decimals, const NumberFormat& format)
{
    // Non-finite values have no fixed form; nothing is written rather than a made-up number.
    if (!std::isfinite(value))
        return;
    const int places = std::clamp(decimals, 0, kMaxDecimals);

    // The result is digits[0..count) with digits[0] worth 10^exponent; count == 0 means zero.
    SignificantDigits rounded{};
    auto& digits = rounded.digits;
    int count = 0;
    int& exponent = rounded.exponent;
    if (value != 0.0) {
        rounded = roundToSignificant(std::fabs(value));
        const int keep = exponent + places + 1;
        if (keep >= kSignificantDigits) {
            count = kSignificantDigits;
        } else if (keep >= 0) {
            count = keep;
            if (shortenDigits(rounded, keep))
                count = std::max(count, 1);
        }
    }

    // Grown once and zero-filled, so that only the significant digits need writing.
    const bool negative = count > 0 && std::signbit(value);
    const int integerDigits = count > 0 && exponent >= 0 ? exponent + 1 : 1;
    const std::size_t minusSize = negative ? format.minusSign.size() : 0;
    const std::size_t pointSize = places > 0 ? format.decimalPoint.size() : 0;
    const std::size_t size = minusSize + static_cast<std::size_t>(integerDigits) + pointSize + places;
    const std::size_t start = text.size();
    text.resize(start + size, '0');
    // Byte loops: these pieces are a few bytes long, shorter than a library call is worth.
    char* out = text.data() + start;
    for (std::size_t i = 0; i < minusSize; ++i)
        *out++ = format.minusSign[i];
    if (count > 0 && exponent >= 0)
        for (int i = 0, n = std::min(count, integerDigits); i < n; ++i)
            out[i] = digits[i];
    out += integerDigits;
    for (std::size_t i = 0; i < pointSize; ++i)
        *out++ = format.decimalPoint[i];
    // Decimal k (1-based) is digit exponent + k.
    const int firstDecimal = std::max(1, -exponent);
    const int lastDecimal = std::min(places, count - 1 - exponent);
    for (int k = firstDecimal; k <= lastDecimal; ++k)
        out[k - 1] = digits[exponent + k];
}

} // namespace mezzurix
