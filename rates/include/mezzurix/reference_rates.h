// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The euro reference rates of one day, as the European Central Bank publishes them
// (eurofxref-daily.xml): each currency's amount for one euro, kept as the decimal text published
// and as the double nearest it. Cross rates go through the euro.

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mezzurix::rates {

// The daily file is about 1.5 kB; anything past a megabyte is no rates file.
inline constexpr std::size_t kMaxResponseBytes = 1024 * 1024;
// ISO 4217 lists fewer than 200 currencies.
inline constexpr std::size_t kMaxCurrencies = 200;
// A rate's digits read as one whole number are then exact in a double (10^15 < 2^53), which
// makes every cross rate correctly rounded.
inline constexpr std::size_t kMaxRateDigits = 15;

struct Rate {
    std::string code;     // ISO 4217: three capital letters
    std::string text;     // the amount for one euro as published, such as "1.0830"
    double perEuro = 0.0; // the double nearest `text`
};

struct ReferenceRates {
    std::chrono::year_month_day date;
    std::vector<Rate> rates; // in the published order, the euro itself not among them

    // The rate of `code` (exact case); "EUR" gives the euro's own rate of 1.
    const Rate* find(std::string_view code) const;
};

struct RatesError {
    std::string message;
};

// Reads the bank's daily XML. The whole response is refused when it is larger than
// kMaxResponseBytes, is not well-formed (document type declarations and entities other than
// XML's own are refused, never expanded), holds no dated block of rates or more than one, or
// holds a currency code that is not three capital letters, is the euro or comes twice, or a rate
// that is not a positive decimal number of at most kMaxRateDigits digits.
std::variant<ReferenceRates, RatesError> parseDailyRates(std::string_view response);

// Adds one currency to `rates` after the checks above; the message when it is refused.
std::optional<std::string> addRate(ReferenceRates& rates, std::string_view code, std::string_view text);

// Units of `to` for one unit of `from`: the exact quotient of the two published texts, rounded
// once to the nearest double.
double crossRate(const Rate& from, const Rate& to);

// "2026-12-08"; nullopt for anything but a valid date in that form.
std::optional<std::chrono::year_month_day> parseDate(std::string_view text);
std::string dateText(std::chrono::year_month_day date);

} // namespace mezzurix::rates
