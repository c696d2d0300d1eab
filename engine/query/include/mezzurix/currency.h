// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Money: "100 usd to eur", "£50 in €", "20000 yen to dollars". The engine reads the query and
// does the arithmetic; the caller owns the rates (each currency's amount for one euro, as decimal
// text) and is asked for them only once a query has read as a currency query, so that queries
// without a currency never touch them.

#include <mezzurix/exact_amount.h>
#include <mezzurix/number_rules.h>
#include <mezzurix/query.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mezzurix {

struct LanguageNames;

// One currency the reference rates may hold. Name lists are "|"-separated and read in any case.
struct Currency {
    std::string_view code;         // ISO 4217
    std::string_view singular;     // "US dollar": the answer's name after 1
    std::string_view plural;       // "US dollars"
    int minorDigits = 2;           // decimals of its smallest coin: 0 for the yen
    std::string_view names;        // names and symbols that are this currency's alone (the code
                                   // reads too)
    std::string_view territories;  // ISO 3166 regions whose currency it is: where a locale's
                                   // LC_MONETARY names one, shared names read as it first
    std::string_view byOtherSide;  // read as it only beside another currency ("pound"); other
                                   // languages' are CurrencyName::beside
    // Its names in other languages, and how they name it after a number, are each language's
    // catalogue's (LanguageNames::currencyNames).
};

// A name several currencies are written with ("$", "¥", "kr"): read as the locale's currency when
// that is one of them, else as the default, else refused as ambiguous.
struct SharedCurrencyName {
    std::string_view key;       // "krone": its entry in each language's catalogue
    std::string_view names;     // "|"-separated, in any case: English's; other languages' are
                                // their catalogues' (LanguageNames::sharedCurrencyNames)
    std::string_view codes;     // "|"-separated: the currencies it may be
    std::string_view fallback;  // the code read outside their locales; empty: refused there
};

// Calls `each` with every name of a "|"-separated list of the tables.
template <typename Each>
constexpr void forEachListed(std::string_view list, Each each)
{
    while (!list.empty()) {
        const std::size_t bar = list.find('|');
        each(list.substr(0, bar));
        list.remove_prefix(bar == std::string_view::npos ? list.size() : bar + 1);
    }
}

// The names of such a list.
inline std::vector<std::string_view> listedNames(std::string_view list)
{
    std::vector<std::string_view> names;
    forEachListed(list, [&](std::string_view name) { names.push_back(name); });
    return names;
}

// The euro first, then the currencies of the bank's daily file.
std::span<const Currency> currencies();
std::span<const SharedCurrencyName> sharedCurrencyNames();
// By ISO code, exact case; nullptr for none.
const Currency* findCurrency(std::string_view code);
// In `language` (nullptr: English, which has none beyond the tables'), '|'-separated: the
// currency's names, those read as it only beside another currency, and the words for a shared
// name.
std::string_view currencyNamesIn(const Currency& currency, const LanguageNames* language);
std::string_view besideCurrencyNamesIn(const Currency& currency, const LanguageNames* language);
std::string_view sharedCurrencyNamesIn(const SharedCurrencyName& shared, const LanguageNames* language);
// The currency of a locale's region ("en_CA.UTF-8" is Canada's dollar); nullptr for none.
const Currency* localCurrency(std::string_view monetaryLocale);

struct CurrencyQuery {
    const Currency* from = nullptr;
    const Currency* into = nullptr;
    double value = 0.0;
    std::string valueText;  // a decimal the engine reads exactly ("-1250.5")
    TextSpan valueSpan;     // the number as typed
    TextSpan fromSpan;      // the currency as typed, before or after the number
    TextSpan intoSpan;
};

// The query names no currency: read it as units.
struct NotCurrency {};

using CurrencyReading = std::variant<NotCurrency, CurrencyQuery, QueryError>;

// Reads VALUE FROM [to|in|into|as|->|=...] INTO where FROM stands before or after the number and
// each side is a currency's code, name or symbol ("$20 to eur", "20 € in $", "100 US dollars in
// yen", "how many euros in 50 CHF"). NotCurrency, cheaply, when no word of the query could name a
// currency, and when the currency words read otherwise (the mass's "pound" of "1 pound to kg").
// `monetaryLocale` (LC_MONETARY) settles the shared names.
CurrencyReading readCurrencyQuery(std::string_view text, const QueryOptions& options,
                                  std::string_view monetaryLocale);

struct CurrencyAnswer {
    ExactAmount rate;    // units of `into` for one of `from`
    ExactAmount amount;  // the exact result
    double result = 0.0;
    std::string text;    // the result as written
};

// The answer from each currency's amount for one euro, as published ("1.0833"): exact through
// the euro, then written with `decimals` or, by default, the into currency's minor digits, or
// with `significantDigits` in the general form when given. nullopt when a rate is no positive
// decimal.
std::optional<CurrencyAnswer> answerCurrency(const CurrencyQuery& query, std::string_view fromPerEuro,
                                             std::string_view intoPerEuro, std::optional<int> decimals,
                                             std::optional<int> significantDigits, const NumberFormat& format = {});

// `amount` rounded to `decimals` decimals, halves away from zero
// (at most kMaxDecimals), exactly, with the format's decimal point and minus sign.
std::string roundedText(const ExactAmount& amount, int decimals, const NumberFormat& format = {});

// The currency's name after a number written as `number` (with `decimalPoint`), in `language` (a
// code or a locale) where its catalogue names it, else in English: singular or plural by the
// language's rule.
std::string_view currencyNameAfter(const Currency& currency, std::string_view number, std::string_view language = {},
                                   std::string_view decimalPoint = ".");

} // namespace mezzurix
