// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shared helpers for the fuzz targets: number formats to try, exact reading of plain decimal
// text, and a check that reports what it saw before aborting.

#include <mezzurix/number_rules.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace mezzurix::fuzz {

[[noreturn]] inline void fail(const char* what, std::string_view detail)
{
    std::fprintf(stderr, "property violated: %s\n  %.*s\n", what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

// Plain ".", a comma as many European settings have it, and a comma with the Unicode minus.
inline NumberFormat formatFor(std::uint8_t choice)
{
    switch (choice % 3) {
    case 0: return {".", "-"};
    case 1: return {",", "-"};
    default: return {",", "\xE2\x88\x92"};
    }
}

inline double doubleFrom(const std::uint8_t* bytes)
{
    double v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

inline std::string show(double v)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

// std::from_chars over the whole text; nullopt unless all of it is one number.
inline std::optional<double> parsePlain(std::string_view text)
{
    double v = 0.0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size())
        return std::nullopt;
    return v;
}

// `text` with the regional minus sign and decimal separator put back to "-" and ".".
inline std::string toPlain(std::string_view text, const NumberFormat& format)
{
    std::string out;
    if (text.starts_with(format.minusSign)) {
        out += '-';
        text.remove_prefix(format.minusSign.size());
    }
    if (const auto pos = text.find(format.decimalPoint); pos != std::string_view::npos) {
        out += text.substr(0, pos);
        out += '.';
        out += text.substr(pos + format.decimalPoint.size());
    } else {
        out += text;
    }
    return out;
}

// A double rounded to 15 significant digits: digits[0].digits[1..14] times ten to `exponent`.
struct Rounded15 {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// How a value exactly halfway between two 15-digit neighbours is rounded is the formatter's
// choice; the checks accept either rule, so they compute both.
enum class Ties { AwayFromZero, ToEven };

// `value` (finite, non-zero) rounded to 15 significant digits from its exact decimal expansion.
inline Rounded15 round15(double value, Ties ties)
{
    constexpr int kExactDigits = 800;  // a double's exact decimal expansion has at most 767 digits
    char buf[kExactDigits + 16];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                                   kExactDigits);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    Rounded15 r;
    r.negative = sci[0] == '-';
    const std::size_t start = r.negative ? 1 : 0;
    const std::size_t ePos = sci.find('e');
    std::string all = std::string(sci.substr(start, 1)) + std::string(sci.substr(start + 2, ePos - start - 2));
    r.exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());
    const std::size_t keep = kSignificantDigits;
    r.digits = all.substr(0, keep);
    const std::string_view rest = std::string_view(all).substr(keep);
    bool up = false;
    if (!rest.empty() && rest[0] > '5') {
        up = true;
    } else if (!rest.empty() && rest[0] == '5') {
        const bool exactHalf = rest.find_first_not_of('0', 1) == std::string_view::npos;
        up = !exactHalf || ties == Ties::AwayFromZero || (r.digits.back() - '0') % 2 == 1;
    }
    if (up) {
        std::size_t i = keep;
        while (i > 0 && r.digits[i - 1] == '9')
            r.digits[--i] = '0';
        if (i == 0) {
            r.digits.insert(r.digits.begin(), '1');
            r.digits.pop_back();
            ++r.exponent;
        } else {
            ++r.digits[i - 1];
        }
    }
    return r;
}

// The rounded value as a double; nullopt when it lies beyond the double range (the rounding of
// the largest doubles does). strtod, unlike from_chars, also reads subnormals.
inline std::optional<double> toDouble(const Rounded15& r)
{
    const std::string text = std::string(r.negative ? "-" : "") + r.digits[0] + "." +
                             r.digits.substr(1) + "e" + std::to_string(r.exponent);
    const double v = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// True when `text` is: optional regional minus, one or more digits, and, only when decimals > 0,
// the regional separator followed by exactly `decimals` digits. Nothing else.
inline bool hasFixedShape(std::string_view text, int decimals, const NumberFormat& format)
{
    if (text.starts_with(format.minusSign))
        text.remove_prefix(format.minusSign.size());
    std::size_t i = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i == 0)
        return false;
    text.remove_prefix(i);
    if (decimals == 0)
        return text.empty();
    if (!text.starts_with(format.decimalPoint))
        return false;
    text.remove_prefix(format.decimalPoint.size());
    if (text.size() != static_cast<std::size_t>(decimals))
        return false;
    for (char c : text)
        if (!isDigit(c))
            return false;
    return true;
}

} // namespace mezzurix::fuzz
