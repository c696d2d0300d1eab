// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/number_digits.h>

#include <charconv>
#include <cstring>

namespace mezzurix::number_digits {

namespace {

// Decimal exponents of the first significant digit outside which a double can only be
// infinite or zero; inside them the library reader decides.
constexpr long long kSurelyOverflows = 309;
constexpr long long kSurelyUnderflows = -400;

} // namespace

std::optional<double> DecimalReader::value() const
{
    const double zero = negative_ ? -0.0 : 0.0;
    if (kept_ == 0)
        return zero;
    const long long firstDigitExponent = (integerDigits_ > 0 ? integerDigits_ - 1 : -(fractionLeadingZeros_ + 1))
                                         + (exponentNegative_ ? -exponent_ : exponent_);
    if (firstDigitExponent >= kSurelyOverflows)
        return std::nullopt;
    if (firstDigitExponent <= kSurelyUnderflows)
        return zero;

    // A mantissa and a power of ten that are both exact doubles give a correctly rounded
    // product or quotient.
    constexpr int kExactMantissaDigits = 15;
    const long long scale = firstDigitExponent - (kept_ - 1);
    if (kept_ <= kExactMantissaDigits && scale >= -kLargestExactPower && scale <= kLargestExactPower) {
        const auto mantissa = static_cast<double>(mantissa_);
        const double magnitude = scale >= 0 ? mantissa * kPowersOfTen[scale] : mantissa / kPowersOfTen[-scale];
        return negative_ ? -magnitude : magnitude;
    }

    // Normalised as d.ddd...e<exponent>
    std::array<char, kMaxKeptDigits + 32> buffer;
    char* out = buffer.data();
    if (negative_)
        *out++ = '-';
    *out++ = digits_[0];
    *out++ = '.';
    std::memcpy(out, digits_.data() + 1, kept_ - 1);
    out += kept_ - 1;
    if (sticky_)
        *out++ = '1';
    *out++ = 'e';
    out = std::to_chars(out, buffer.data() + buffer.size(), firstDigitExponent).ptr;

    double result = 0.0;
    const auto [end, ec] = std::from_chars(buffer.data(), out, result);
    if (ec == std::errc::result_out_of_range)
        return firstDigitExponent > 0 ? std::nullopt : std::optional<double>(zero);
    if (ec != std::errc{})
        return zero;
    return result;
}

} // namespace mezzurix::number_digits
