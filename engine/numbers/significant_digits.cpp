// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/number_digits.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace mezzurix::number_digits {

namespace {

// Room for the exact fixed form of a possible tie: up to 309 integer digits, or "0." and up to
// 340 decimals for the smallest subnormals.
constexpr int kFixedBufferSize = 400;

// Fraction bits of a finite positive double: it is m / 2^q with m an odd integer (q = 0 for
// integers).
int fractionBits(double magnitude)
{
    constexpr int kMantissaBits = 52;
    constexpr int kExponentBias = 1075;
    const auto raw = std::bit_cast<std::uint64_t>(magnitude);
    const int biased = static_cast<int>((raw >> kMantissaBits) & 0x7FF);
    std::uint64_t mantissa = raw & ((std::uint64_t{1} << kMantissaBits) - 1);
    int exponent = 1 - kExponentBias;
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << kMantissaBits;
        exponent = biased - kExponentBias;
    }
    exponent += std::countr_zero(mantissa);
    return exponent >= 0 ? 0 : -exponent;
}

// to_chars breaks exact ties to even; ties go away from zero here. A tie needs the exact value
// to have exactly 16 significant digits, which is rare and cheap to rule out from its bits.
void roundTiesAwayFromZero(double magnitude, SignificantDigits& rounded, int count)
{
    const int q = fractionBits(magnitude);
    const int exponentIfTie = count - q;  // count + 1 digits, the last one 10^-q
    const bool candidate = q == 0 ? magnitude >= kPowersOfTen[static_cast<std::size_t>(count)]
                                  : rounded.exponent == exponentIfTie || rounded.exponent == exponentIfTie + 1;
    if (!candidate)
        return;

    // With q decimals the fixed form is exact.
    std::array<char, kFixedBufferSize> exact;
    const char* end =
        std::to_chars(exact.data(), exact.data() + exact.size(), magnitude, std::chars_format::fixed, q).ptr;
    const char* pointAt = std::find(static_cast<const char*>(exact.data()), end, '.');
    std::array<char, kMaxSignificantDigits + 1> digits;
    int found = 0;
    int exponent = 0;
    for (const char* p = exact.data(); p != end; ++p) {
        if (*p == '.' || (found == 0 && *p == '0'))
            continue;
        if (found == 0)
            exponent = p < pointAt ? static_cast<int>(pointAt - p) - 1 : -static_cast<int>(p - pointAt);
        if (found == count + 1) {
            if (*p != '0')
                return;
            continue;
        }
        digits[static_cast<std::size_t>(found++)] = *p;
    }
    if (found != count + 1 || digits[static_cast<std::size_t>(count)] != '5')
        return;

    if (incrementDigits(digits.data(), count))
        ++exponent;
    std::copy_n(digits.begin(), count, rounded.digits.begin());
    rounded.exponent = exponent;
}

// The rare path: exact rounding from the precise form with `count` digits, ties away from zero.
SignificantDigits roundToSignificantExactly(double magnitude, int count = kSignificantDigits)
{
    // d.dddddddddddddde+ddd
    std::array<char, 32> text;
    const auto end = std::to_chars(text.data(), text.data() + text.size(), magnitude, std::chars_format::scientific,
                                   count - 1).ptr;
    SignificantDigits result{};
    result.digits[0] = text[0];
    std::copy_n(text.begin() + 2, count - 1, result.digits.begin() + 1);
    const char* exponentSign = text.data() + count + 2;
    int exponent = 0;
    std::from_chars(exponentSign + 1, end, exponent);
    result.exponent = *exponentSign == '-' ? -exponent : exponent;
    roundTiesAwayFromZero(magnitude, result, count);
    return result;
}

// Rounds from the shortest round-trip digits, which are cheaper to get than exact ones. They
// lie within half an ulp of the value, and an ulp is below a unit of the 15th digit, so up to
// 15 of them are the answer. With 16 or 17 of them, rounding them gives the same result as rounding the
// value itself, except when the 16th is a 5 as the last digit: the value may then be a tie or
// sit just beside one, and only the exact path can tell. Subnormals have wider ulps and take
// the exact path too.
SignificantDigits roundFromShortest(double magnitude)
{
    if (magnitude < std::numeric_limits<double>::min())
        return roundToSignificantExactly(magnitude);
    constexpr int kMaxShortestDigits = 17;
    std::array<char, 32> text;  // d.ddddddddddddddddde-ddd
    const char* end =
        std::to_chars(text.data(), text.data() + text.size(), magnitude, std::chars_format::scientific).ptr;

    std::array<char, kMaxShortestDigits> digits;
    digits[0] = text[0];
    int count = 1;
    const char* p = text.data() + 1;
    if (*p == '.')
        for (++p; *p != 'e'; ++p)
            digits[count++] = *p;
    int exponent = 0;
    for (const char* e = p + 2; e != end; ++e)
        exponent = exponent * 10 + (*e - '0');
    if (p[1] == '-')
        exponent = -exponent;

    if (count == kSignificantDigits + 1 && digits[kSignificantDigits] == '5')
        return roundToSignificantExactly(magnitude);

    SignificantDigits result;
    result.exponent = exponent;
    if (count <= kSignificantDigits) {
        std::copy_n(digits.begin(), count, result.digits.begin());
        std::fill(result.digits.begin() + count, result.digits.end(), '0');
    } else {
        std::copy_n(digits.begin(), kSignificantDigits, result.digits.begin());
        if (digits[kSignificantDigits] >= '5' && incrementDigits(result.digits.data(), kSignificantDigits))
            ++result.exponent;
    }
    return result;
}

// Writes the `count` lowest decimal digits of `n`, two at a time.
void writeDigits(std::uint32_t n, char* out, int count)
{
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                     "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                     "8081828384858687888990919293949596979899";
    int i = count;
    while (i >= 2) {
        const std::uint32_t pair = n % 100 * 2;
        n /= 100;
        out[--i] = kPairs[pair + 1];
        out[--i] = kPairs[pair];
    }
    if (i == 1)
        out[0] = static_cast<char>('0' + n % 10);
}

// The quickest way, for everyday magnitudes: one correctly rounded multiplication or division
// by an exact power of ten scales the value into [1e14, 1e15), off by less than 2^-52 of the
// scaled value. The nearest integer is then certain unless the fraction lies that close to
// one half; those few values, and the magnitudes out of reach, take the slower paths.
bool roundByScaling(double magnitude, SignificantDigits& result)
{
    constexpr double kLowestScaled = 1e14;
    constexpr double kScaledLimit = 1e15;
    constexpr int kLowestExponent = kSignificantDigits - 1 - kLargestExactPower;
    constexpr int kHighestExponent = kSignificantDigits - 1 + kLargestExactPower;
    constexpr int kExponentBias = 1023;
    constexpr int kLog10Of2Times4096 = 1233;  // floor(log10(2^e)) ~ (e * 1233) >> 12 here

    const int binaryExponent = static_cast<int>(std::bit_cast<std::uint64_t>(magnitude) >> 52) - kExponentBias;
    int exponent = (binaryExponent * kLog10Of2Times4096) >> 12;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (exponent < kLowestExponent || exponent > kHighestExponent)
            return false;
        const int shift = kSignificantDigits - 1 - exponent;
        const double scaled = shift >= 0 ? magnitude * kPowersOfTen[shift] : magnitude / kPowersOfTen[-shift];
        if (scaled >= kScaledLimit) {
            ++exponent;
            continue;
        }
        if (scaled < kLowestScaled) {
            --exponent;
            continue;
        }
        // The integer part of a positive value below 2^53: exact, no rounding involved.
        const auto whole = static_cast<std::uint64_t>(scaled);
        const double fraction = scaled - static_cast<double>(whole);
        if (std::fabs(fraction - 0.5) <= scaled * 0x1p-52)
            return false;
        std::uint64_t digits = whole + (fraction > 0.5 ? 1 : 0);
        if (digits == static_cast<std::uint64_t>(kScaledLimit)) {
            digits /= 10;
            ++exponent;
        }
        // Two independent halves keep the division chains short.
        constexpr int kLowDigits = 8;
        constexpr int kHighDigits = kSignificantDigits - kLowDigits;
        constexpr std::uint64_t kLowHalf = 100'000'000;
        writeDigits(static_cast<std::uint32_t>(digits / kLowHalf), result.digits.data(), kHighDigits);
        writeDigits(static_cast<std::uint32_t>(digits % kLowHalf), result.digits.data() + kHighDigits, kLowDigits);
        result.exponent = exponent;
        return true;
    }
    return false;
}

} // namespace

bool incrementDigits(char* digits, int count)
{
    int i = count - 1;
    while (i >= 0 && digits[i] == '9')
        digits[i--] = '0';
    if (i >= 0) {
        ++digits[i];
        return false;
    }
    digits[0] = '1';
    return true;
}

SignificantDigits roundToSignificant(double magnitude)
{
    SignificantDigits result;
    if (roundByScaling(magnitude, result))
        return result;
    return roundFromShortest(magnitude);
}

SignificantDigits roundToSignificant(double magnitude, int count)
{
    return roundToSignificantExactly(magnitude, std::clamp(count, kSignificantDigits, kMaxSignificantDigits));
}

bool shortenDigits(SignificantDigits& rounded, int keep)
{
    if (rounded.digits[static_cast<std::size_t>(keep)] < '5' || !incrementDigits(rounded.digits.data(), keep))
        return false;
    ++rounded.exponent;
    return true;
}

} // namespace mezzurix::number_digits
