// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quoted.h"

#include <mezzurix/reference_rates.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <system_error>

namespace mezzurix::rates {

namespace {

constexpr std::string_view kEuro = "EUR";

const Rate& euroRate()
{
    static const Rate euro{std::string(kEuro), "1", 1.0};
    return euro;
}

bool isCode(std::string_view code)
{
    return code.size() == 3 && std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// A rate's digits read as one whole number, and how many of them follow the point: "1.0830" is
// 10830 and 4.
struct ScaledRate {
    std::uint64_t digits = 0;
    int decimals = 0;
};

// Digits with at most one '.' between digits; nullopt for anything else or more than
// kMaxRateDigits digits.
std::optional<ScaledRate> scaled(std::string_view text)
{
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto allDigits = [](std::string_view part) {
        return !part.empty() && std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!allDigits(whole) || (point != std::string_view::npos && !allDigits(fraction)) ||
        whole.size() + fraction.size() > kMaxRateDigits)
        return std::nullopt;
    ScaledRate out;
    for (const char c : std::string(whole) + std::string(fraction))
        out.digits = out.digits * 10 + static_cast<std::uint64_t>(c - '0');
    out.decimals = static_cast<int>(fraction.size());
    return out;
}

double powerOfTen(int exponent)
{
    double p = 1.0;
    for (int i = 0; i < exponent; ++i)
        p *= 10.0;
    return p;
}

} // namespace

const Rate* ReferenceRates::find(std::string_view code) const
{
    if (code == kEuro)
        return &euroRate();
    const auto it = std::find_if(rates.begin(), rates.end(), [&](const Rate& r) { return r.code == code; });
    return it == rates.end() ? nullptr : &*it;
}

std::optional<std::string> addRate(ReferenceRates& rates, std::string_view code, std::string_view text)
{
    if (!isCode(code))
        return quoted(code) + " is not a currency code (three capital letters)";
    if (code == kEuro)
        return std::string("a rate for the euro itself");
    if (rates.find(code) != nullptr)
        return std::string(code) + " comes twice";
    if (rates.rates.size() == kMaxCurrencies)
        return "more than " + std::to_string(kMaxCurrencies) + " currencies";
    const std::optional<ScaledRate> digits = scaled(text);
    if (!digits || digits->digits == 0)
        return "the rate of " + std::string(code) + " is not a positive decimal number of at most " +
               std::to_string(kMaxRateDigits) + " digits: " + quoted(text);
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    rates.rates.push_back({std::string(code), std::string(text), value});
    return std::nullopt;
}

double crossRate(const Rate& from, const Rate& to)
{
    const std::optional<ScaledRate> a = scaled(from.text);
    const std::optional<ScaledRate> b = scaled(to.text);
    if (!a || !b || a->digits == 0)
        return to.perEuro / from.perEuro;
    // to / from = (b.digits / 10^b.decimals) / (a.digits / 10^a.decimals): the power of ten goes
    // onto one side. While both sides stay below 2^53 they are exact, and the one division rounds
    // the exact quotient.
    constexpr double kExactIntegers = 9007199254740992.0; // 2^53
    const int shift = a->decimals - b->decimals;
    const double numerator = static_cast<double>(b->digits) * powerOfTen(std::max(shift, 0));
    const double denominator = static_cast<double>(a->digits) * powerOfTen(std::max(-shift, 0));
    if (numerator > kExactIntegers || denominator > kExactIntegers)
        return to.perEuro / from.perEuro;
    return numerator / denominator;
}

std::optional<std::chrono::year_month_day> parseDate(std::string_view text)
{
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    const auto field = [&](std::size_t at, std::size_t length, auto& out) {
        const char* first = text.data() + at;
        const auto [end, ec] = std::from_chars(first, first + length, out);
        return ec == std::errc() && end == first + length && *first != '+' && *first != '-';
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !field(0, 4, year) || !field(5, 2, month) ||
        !field(8, 2, day))
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)};
    if (!date.ok())
        return std::nullopt;
    return date;
}

std::string dateText(std::chrono::year_month_day date)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()));
    return buf;
}

} // namespace mezzurix::rates
