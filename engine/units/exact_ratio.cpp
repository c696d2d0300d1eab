// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/exact_ratio.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace mezzurix {

namespace {

using Int = ExactRatio::Int;

// Any double, and any point halfway between two doubles, is a decimal of at most 767 significant
// digits: with this many, and one more digit for whatever follows, rounding to a double is exact.
constexpr int kDigitsForRounding = 780;

Int absolute(Int n) { return n < 0 ? -n : n; }

Int greatestCommonDivisor(Int a, Int b)
{
    a = absolute(a);
    b = absolute(b);
    while (b != 0) {
        const Int r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// The largest magnitude kept; terms never reach the one negative value beyond it. (Checked by
// hand rather than with the overflow builtins, which need a runtime helper for 128 bits under clang.)
__extension__ constexpr Int kLargest = static_cast<Int>((static_cast<unsigned __int128>(1) << 127) - 1);

std::optional<Int> times(Int a, Int b)
{
    if (a == 0 || b == 0)
        return Int{0};
    if (absolute(a) > kLargest / absolute(b))
        return std::nullopt;
    return a * b;
}

std::optional<Int> plus(Int a, Int b)
{
    if ((b > 0 && a > kLargest - b) || (b < 0 && a < -kLargest - b))
        return std::nullopt;
    return a + b;
}

std::optional<Int> powerOfTen(int exponent)
{
    std::optional<Int> power = Int{1};
    for (int i = 0; i < exponent && power; ++i)
        power = times(*power, 10);
    return power;
}

struct Fraction {
    Int numerator;
    Int denominator;
};

// A decimal: optional sign, digits with an optional point, optional exponent.
std::optional<Fraction> parseDecimal(std::string_view text)
{
    // Beyond this the power of ten no longer fits, whatever the digits.
    constexpr int kMaxExponent = 38;
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    Int mantissa = 0;
    long long scale = 0;  // value = mantissa x 10^scale; wide enough for any int exponent and decimals
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            break;
        digits = true;
        const std::optional<Int> shifted = times(mantissa, 10);
        const std::optional<Int> next = shifted ? plus(*shifted, c - '0') : std::nullopt;
        if (!next)
            return std::nullopt;
        mantissa = *next;
        if (point)
            --scale;
    }
    if (!digits)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        int exponent = 0;
        const char* begin = text.data() + i + 1;
        if (begin < text.data() + text.size() && *begin == '+')
            ++begin;
        const auto [end, error] = std::from_chars(begin, text.data() + text.size(), exponent);
        if (error != std::errc() || end == begin)
            return std::nullopt;
        scale += exponent;
        i = static_cast<std::size_t>(end - text.data());
    }
    if (i != text.size() || scale < -kMaxExponent || scale > kMaxExponent)
        return std::nullopt;
    const std::optional<Int> power = powerOfTen(static_cast<int>(scale < 0 ? -scale : scale));
    if (!power)
        return std::nullopt;
    if (negative)
        mantissa = -mantissa;
    if (scale < 0)
        return Fraction{mantissa, *power};
    const std::optional<Int> whole = times(mantissa, *power);
    if (!whole)
        return std::nullopt;
    return Fraction{*whole, 1};
}

std::string wholeText(Int n)
{
    std::string text;
    do {
        text += static_cast<char>('0' + static_cast<int>(n % 10));
        n /= 10;
    } while (n != 0);
    std::reverse(text.begin(), text.end());
    return text;
}

// The significant digits of a positive n / d: the value is 0.digits x 10^(exponent + 1), and
// `ends` says whether the digits are all of it.
struct Digits {
    std::string digits;
    int exponent = 0;
    bool ends = true;
};

// The next digit of rest / d (0 <= rest < d): 10 rest / d, and 10 rest mod d. Ten times rest may
// not fit in a term, so rest is added ten times, taking d off whenever the sum reaches it: in
// unsigned 128 bits the sum of two values below d never wraps.
std::pair<int, Int> nextDigit(Int rest, Int d)
{
    __extension__ using Unsigned = unsigned __int128;
    constexpr int kBase = 10;
    const auto step = static_cast<Unsigned>(rest);
    const auto limit = static_cast<Unsigned>(d);
    Unsigned sum = 0;
    int digit = 0;
    for (int i = 0; i < kBase; ++i) {
        sum += step;
        if (sum >= limit) {
            sum -= limit;
            ++digit;
        }
    }
    return {digit, static_cast<Int>(sum)};
}

Digits digitsOf(Int n, Int d, int count)
{
    Digits result;
    const Int whole = n / d;
    Int rest = n % d;
    if (whole != 0) {
        result.digits = wholeText(whole);
        result.exponent = static_cast<int>(result.digits.size()) - 1;
    } else {
        result.exponent = -1;
    }
    while (rest != 0 && static_cast<int>(result.digits.size()) < count) {
        const auto [digit, left] = nextDigit(rest, d);
        rest = left;
        if (result.digits.empty() && digit == 0) {
            --result.exponent;
            continue;
        }
        result.digits += static_cast<char>('0' + digit);
    }
    result.ends = rest == 0;
    return result;
}

} // namespace

ExactRatio::ExactRatio(Int numerator, Int denominator) : numerator_(numerator), denominator_(denominator) {}

std::optional<ExactRatio> ExactRatio::make(Int numerator, Int denominator)
{
    if (denominator == 0)
        return std::nullopt;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const Int divisor = greatestCommonDivisor(numerator, denominator);
    if (divisor > 1) {
        numerator /= divisor;
        denominator /= divisor;
    }
    return ExactRatio(numerator, denominator);
}

std::optional<ExactRatio> ExactRatio::parse(std::string_view text)
{
    const std::size_t slash = text.find('/');
    const std::optional<Fraction> top = parseDecimal(text.substr(0, slash));
    if (!top)
        return std::nullopt;
    const std::optional<ExactRatio> value = make(top->numerator, top->denominator);
    if (slash == std::string_view::npos)
        return value;
    const std::optional<Fraction> bottom = parseDecimal(text.substr(slash + 1));
    if (!bottom)
        return std::nullopt;
    const std::optional<ExactRatio> divisor = make(bottom->numerator, bottom->denominator);
    if (!divisor)
        return std::nullopt;
    return *value / *divisor;
}

std::optional<ExactRatio> operator+(const ExactRatio& a, const ExactRatio& b)
{
    const Int common = greatestCommonDivisor(a.denominator_, b.denominator_);
    const std::optional<Int> left = times(a.numerator_, b.denominator_ / common);
    const std::optional<Int> right = times(b.numerator_, a.denominator_ / common);
    const std::optional<Int> denominator = times(a.denominator_, b.denominator_ / common);
    if (!left || !right || !denominator)
        return std::nullopt;
    const std::optional<Int> numerator = plus(*left, *right);
    if (!numerator)
        return std::nullopt;
    return ExactRatio::make(*numerator, *denominator);
}

std::optional<ExactRatio> operator-(const ExactRatio& a, const ExactRatio& b)
{
    return a + ExactRatio(-b.numerator_, b.denominator_);
}

std::optional<ExactRatio> operator*(const ExactRatio& a, const ExactRatio& b)
{
    const Int g1 = std::max<Int>(greatestCommonDivisor(a.numerator_, b.denominator_), 1);
    const Int g2 = std::max<Int>(greatestCommonDivisor(b.numerator_, a.denominator_), 1);
    const std::optional<Int> numerator = times(a.numerator_ / g1, b.numerator_ / g2);
    const std::optional<Int> denominator = times(a.denominator_ / g2, b.denominator_ / g1);
    if (!numerator || !denominator)
        return std::nullopt;
    return ExactRatio::make(*numerator, *denominator);
}

std::optional<ExactRatio> operator/(const ExactRatio& a, const ExactRatio& b)
{
    if (b.numerator_ == 0)
        return std::nullopt;
    return a * ExactRatio(b.denominator_, b.numerator_);
}

double ExactRatio::nearestDouble() const
{
    if (numerator_ == 0)
        return 0.0;
    const Digits value = digitsOf(absolute(numerator_), denominator_, kDigitsForRounding);
    std::string text = numerator_ < 0 ? "-" : "";
    text += value.digits;
    if (!value.ends)
        text += '1';  // stands for the digits cut off: never a tie, always on the right side of one
    const int count = static_cast<int>(value.digits.size()) + (value.ends ? 0 : 1);
    text += 'e';
    text += std::to_string(value.exponent + 1 - count);
    double result = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (error == std::errc::result_out_of_range)
        return numerator_ < 0 ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    return result;
}

std::string ExactRatio::decimalText(int significantDigits) const
{
    if (numerator_ == 0)
        return "0";
    const Digits value = digitsOf(absolute(numerator_), denominator_, significantDigits);
    std::string text = numerator_ < 0 ? "-" : "";
    const int count = static_cast<int>(value.digits.size());
    if (value.exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-value.exponent - 1), '0');
        text += value.digits;
    } else {
        text.append(value.digits, 0, static_cast<std::size_t>(std::min(count, value.exponent + 1)));
        if (count > value.exponent + 1) {
            text += '.';
            text.append(value.digits, static_cast<std::size_t>(value.exponent + 1));
        }
    }
    if (!value.ends)
        text += "\u2026";
    return text;
}

double relativeDeviation(double value, const ExactRatio& exact)
{
    const double nearest = exact.nearestDouble();
    if (nearest == 0.0)
        return value == 0.0 ? 0.0 : std::numeric_limits<double>::infinity();
    return std::fabs(value - nearest) / std::fabs(nearest);
}

} // namespace mezzurix
