// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/number_rules.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace mezzurix {

namespace {

// The rounding of a decimal to a double can depend on up to 767 significant digits; keeping
// more than that, plus one sticky digit for anything non-zero dropped, rounds exactly.
constexpr int kMaxKeptDigits = 800;

// A decimal exponent beyond this makes any mantissa overflow or underflow; exponents are
// saturated here so that arbitrarily long exponent digit runs cannot overflow the counter.
constexpr long long kExponentCap = 1'000'000'000;

// Decimal exponents of the first significant digit outside which a double can only be
// infinite or zero; inside them the library reader decides.
constexpr long long kSurelyOverflows = 309;
constexpr long long kSurelyUnderflows = -400;

// 16^256 = 2^1024 and 8^342 = 2^1026: one more significant digit always overflows a double.
constexpr int kMaxHexDigits = 256;
constexpr int kMaxOctalDigits = 342;

// Room for the exact fixed form of a possible tie: up to 309 integer digits, or "0." and up to
// 340 decimals for the smallest subnormals.
constexpr int kFixedBufferSize = 400;

// The powers of ten that are exact doubles.
constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                                 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kLargestExactPower = 22;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Walks a text with blanks invisible wherever they stand.
class BlankSkippingCursor {
public:
    explicit BlankSkippingCursor(std::string_view text) : text_(text) {}

    // The next non-blank character, or '\0' at the end of the text.
    char peek()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void advance(std::size_t count = 1) { pos_ += count; }
    // Whether `piece` starts at the next non-blank character; call after peek().
    bool at(std::string_view piece) const { return text_.substr(pos_).starts_with(piece); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

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

    std::optional<double> value() const
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

private:
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

int hexDigitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The &H / &O integer after its prefix: non-negative, of any length, correctly rounded.
std::optional<double> readRadixInteger(BlankSkippingCursor& cursor, int radix)
{
    static constexpr char kHexDigits[] = "0123456789abcdef";
    const int maxDigits = radix == 16 ? kMaxHexDigits : kMaxOctalDigits;
    std::array<int, kMaxOctalDigits> values;
    int count = 0;
    for (;;) {
        const int digit = hexDigitValue(cursor.peek());
        if (digit < 0 || digit >= radix)
            break;
        cursor.advance();
        if (count == 0 && digit == 0)
            continue;
        if (count == maxDigits)
            return std::nullopt;
        values[count++] = digit;
    }
    if (count == 0)
        return 0.0;

    std::array<char, kMaxHexDigits + 1> hex;
    int hexCount = 0;
    if (radix == 16) {
        for (int i = 0; i < count; ++i)
            hex[hexCount++] = kHexDigits[values[i]];
    } else {
        // Regroup the 3-bit digits into 4-bit ones, zero-padded at the top.
        unsigned bits = 0;
        int bitCount = (4 - (3 * count) % 4) % 4;
        for (int i = 0; i < count; ++i) {
            bits = (bits << 3) | static_cast<unsigned>(values[i]);
            bitCount += 3;
            if (bitCount >= 4) {
                bitCount -= 4;
                hex[hexCount++] = kHexDigits[(bits >> bitCount) & 0xF];
                bits &= (1u << bitCount) - 1;
            }
        }
    }

    double result = 0.0;
    const auto [end, ec] = std::from_chars(hex.data(), hex.data() + hexCount, result, std::chars_format::hex);
    if (ec != std::errc{})
        return std::nullopt;
    return result;
}

// A positive value rounded to 15 significant digits: digits[0].digits[1..14] x 10^exponent.
struct SignificantDigits {
    std::array<char, kSignificantDigits> digits;
    int exponent;
};

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

// Adds one unit in the last place of digits[0..count); returns true when it carried out of
// the first digit (the digits are then 1 followed by zeros, one decimal place higher).
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

// to_chars breaks exact ties to even; ties go away from zero here. A tie needs the exact value
// to have exactly 16 significant digits, which is rare and cheap to rule out from its bits.
void roundTiesAwayFromZero(double magnitude, SignificantDigits& rounded)
{
    constexpr double kSixteenDigitIntegers = 1e15;
    const int q = fractionBits(magnitude);
    const int exponentIfTie = kSignificantDigits - q;  // 16 digits, the last one 10^-q
    const bool candidate = q == 0 ? magnitude >= kSixteenDigitIntegers
                                  : rounded.exponent == exponentIfTie || rounded.exponent == exponentIfTie + 1;
    if (!candidate)
        return;

    // With q decimals the fixed form is exact.
    std::array<char, kFixedBufferSize> exact;
    const char* end =
        std::to_chars(exact.data(), exact.data() + exact.size(), magnitude, std::chars_format::fixed, q).ptr;
    const char* pointAt = std::find(static_cast<const char*>(exact.data()), end, '.');
    std::array<char, kSignificantDigits + 1> digits;
    int count = 0;
    int exponent = 0;
    for (const char* p = exact.data(); p != end; ++p) {
        if (*p == '.' || (count == 0 && *p == '0'))
            continue;
        if (count == 0)
            exponent = p < pointAt ? static_cast<int>(pointAt - p) - 1 : -static_cast<int>(p - pointAt);
        if (count == kSignificantDigits + 1) {
            if (*p != '0')
                return;
            continue;
        }
        digits[count++] = *p;
    }
    if (count != kSignificantDigits + 1 || digits[kSignificantDigits] != '5')
        return;

    if (incrementDigits(digits.data(), kSignificantDigits))
        ++exponent;
    std::copy_n(digits.begin(), kSignificantDigits, rounded.digits.begin());
    rounded.exponent = exponent;
}

// The rare path: exact rounding from the precise 15-digit form, with ties away from zero.
SignificantDigits roundToSignificantExactly(double magnitude)
{
    // d.dddddddddddddde+ddd
    std::array<char, 32> text;
    const auto end = std::to_chars(text.data(), text.data() + text.size(), magnitude, std::chars_format::scientific,
                                   kSignificantDigits - 1).ptr;
    SignificantDigits result{};
    result.digits[0] = text[0];
    std::copy_n(text.begin() + 2, kSignificantDigits - 1, result.digits.begin() + 1);
    const char* exponentSign = text.data() + kSignificantDigits + 2;
    int exponent = 0;
    std::from_chars(exponentSign + 1, end, exponent);
    result.exponent = *exponentSign == '-' ? -exponent : exponent;
    roundTiesAwayFromZero(magnitude, result);
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

SignificantDigits roundToSignificant(double magnitude)
{
    SignificantDigits result;
    if (roundByScaling(magnitude, result))
        return result;
    return roundFromShortest(magnitude);
}

} // namespace

std::optional<double> readLeadingNumber(std::string_view text, std::string_view regionalPoint)
{
    // "." itself and separators the blank skipping would tear apart are read as before.
    if (regionalPoint == "." || std::any_of(regionalPoint.begin(), regionalPoint.end(), isBlank))
        regionalPoint = {};
    BlankSkippingCursor cursor(text);
    char c = cursor.peek();
    if (c == '&') {
        cursor.advance();
        c = cursor.peek();
        if (c == 'H' || c == 'h') {
            cursor.advance();
            return readRadixInteger(cursor, 16);
        }
        if (c == 'O' || c == 'o') {
            cursor.advance();
            return readRadixInteger(cursor, 8);
        }
        return 0.0;
    }

    DecimalReader reader;
    if (c == '+' || c == '-') {
        reader.setNegative(c == '-');
        cursor.advance();
        c = cursor.peek();
    }
    bool anyDigit = false;
    for (; isDigit(c); c = cursor.peek()) {
        reader.integerDigit(c);
        anyDigit = true;
        cursor.advance();
    }
    const bool regional = !regionalPoint.empty() && cursor.at(regionalPoint);
    if (c == '.' || regional) {
        cursor.advance(regional ? regionalPoint.size() : 1);
        for (c = cursor.peek(); isDigit(c); c = cursor.peek()) {
            reader.fractionDigit(c);
            anyDigit = true;
            cursor.advance();
        }
    }
    if (!anyDigit)
        return 0.0;
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        // A marker without digits is not part of the number; nothing after it is read then.
        cursor.advance();
        c = cursor.peek();
        if (c == '+' || c == '-') {
            reader.setExponentNegative(c == '-');
            cursor.advance();
            c = cursor.peek();
        }
        if (!isDigit(c))
            reader.setExponentNegative(false);
        for (; isDigit(c); c = cursor.peek()) {
            reader.exponentDigit(c);
            cursor.advance();
        }
    }
    return reader.value();
}

std::string formatFixed(double value, int decimals, const NumberFormat& format)
{
    // Non-finite values have no fixed form; the result is empty rather than a made-up number.
    if (!std::isfinite(value))
        return {};
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
            if (digits[keep] >= '5' && incrementDigits(digits.data(), keep)) {
                count = std::max(count, 1);
                ++exponent;
            }
        }
    }

    // Sized once and zero-filled, so that only the significant digits need writing.
    const bool negative = count > 0 && std::signbit(value);
    const int integerDigits = count > 0 && exponent >= 0 ? exponent + 1 : 1;
    const std::size_t minusSize = negative ? format.minusSign.size() : 0;
    const std::size_t pointSize = places > 0 ? format.decimalPoint.size() : 0;
    const std::size_t size = minusSize + static_cast<std::size_t>(integerDigits) + pointSize + places;
    std::string result(size, '0');
    // Byte loops: these pieces are a few bytes long, shorter than a library call is worth.
    char* out = result.data();
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
    return result;
}

std::optional<double> readWholeNumber(std::string_view text, const NumberFormat& format)
{
    std::size_t pos = 0;
    const auto skipBlanks = [&] {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
    };
    const auto startsWith = [&](std::string_view prefix) {
        return !prefix.empty() && text.substr(pos, prefix.size()) == prefix;
    };
    const auto at = [&] { return pos < text.size() ? text[pos] : '\0'; };

    DecimalReader reader;
    skipBlanks();
    if (at() == '-' || at() == '+') {
        reader.setNegative(at() == '-');
        ++pos;
    } else if (startsWith(format.minusSign)) {
        reader.setNegative(true);
        pos += format.minusSign.size();
    }
    bool anyDigit = false;
    for (; isDigit(at()); ++pos) {
        reader.integerDigit(at());
        anyDigit = true;
    }
    if (startsWith(format.decimalPoint)) {
        pos += format.decimalPoint.size();
        for (; isDigit(at()); ++pos) {
            reader.fractionDigit(at());
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (at() == 'E' || at() == 'e') {
        ++pos;
        if (at() == '-' || at() == '+') {
            reader.setExponentNegative(at() == '-');
            ++pos;
        }
        if (!isDigit(at()))
            return std::nullopt;
        for (; isDigit(at()); ++pos)
            reader.exponentDigit(at());
    }
    skipBlanks();
    if (pos != text.size())
        return std::nullopt;
    return reader.value();
}

std::string formatGeneral(double value, const NumberFormat& format)
{
    // Non-finite values have no general form; the result is empty rather than a made-up number.
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return "0";

    // Decimal exponents outside [-4, 15) are written in scientific form.
    constexpr int kLowestPlainExponent = -4;
    constexpr int kLowestScientificExponent = 15;

    const SignificantDigits rounded = roundToSignificant(std::fabs(value));
    const auto& digits = rounded.digits;
    int count = kSignificantDigits;
    while (count > 1 && digits[count - 1] == '0')
        --count;
    const int exponent = rounded.exponent;

    std::string result;
    result.reserve(32);
    if (std::signbit(value))
        result += '-';
    if (exponent >= kLowestScientificExponent || exponent < kLowestPlainExponent) {
        result += digits[0];
        if (count > 1) {
            result += format.decimalPoint;
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
            result += format.decimalPoint;
            result.append(digits.data() + exponent + 1, count - exponent - 1);
        }
    } else {
        result += '0';
        result += format.decimalPoint;
        result.append(-exponent - 1, '0');
        result.append(digits.data(), count);
    }
    return result;
}

} // namespace mezzurix
