// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The currencies of the euro reference rates, one row each: the euro, then the bank's daily
// list. Names that are one currency's alone go in its row; names several currencies are written
// with go in kSharedNames, read by the user's region.
#include "currency_words.h"

#include <mezzurix/currency.h>
#include <mezzurix/definitions.h>
#include <mezzurix/per_language.h>
#include <mezzurix/plural_rules.h>
#include <mezzurix/unit_names.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace mezzurix {

namespace {

constexpr Currency kCurrencies[] = {
    {"EUR", "euro", "euros", 2, "€|euro|euros",
     "AT|BE|BG|CY|DE|EE|ES|FI|FR|GR|HR|IE|IT|LT|LU|LV|MT|NL|PT|SI|SK", ""},
    {"USD", "US dollar", "US dollars", 2, "US$|us dollar|us dollars|american dollar|american dollars",
     "US|EC|SV|PR|PA", ""},
    {"JPY", "Japanese yen", "Japanese yen", 0, "yen|japanese yen|円", "JP", ""},
    {"CZK", "Czech koruna", "Czech korunas", 2, "Kč|koruna|koruny|korunas|czech koruna|czech korunas|czech crown|czech crowns",
     "CZ", ""},
    {"DKK", "Danish krone", "Danish kroner", 2, "danish krone|danish kroner", "DK|FO|GL", ""},
    {"GBP", "pound sterling", "pounds sterling", 2,
     "£|sterling|pound sterling|pounds sterling|british pound|british pounds", "GB|GG|IM|JE",
     "pound|pounds"},
    {"HUF", "Hungarian forint", "Hungarian forints", 2, "forint|forints|hungarian forint|hungarian forints", "HU", ""},
    {"PLN", "Polish złoty", "Polish złotys", 2,
     "zł|zl|zloty|zlotys|zlotych|złoty|złotys|złotych|polish zloty|polish zlotys|polish złoty|polish złotys", "PL", ""},
    {"RON", "Romanian leu", "Romanian lei", 2, "leu|lei|romanian leu|romanian lei", "RO", ""},
    {"SEK", "Swedish krona", "Swedish kronor", 2, "krona|kronor|swedish krona|swedish kronor", "SE", ""},
    {"CHF", "Swiss franc", "Swiss francs", 2, "Fr|SFr|franc|francs|swiss franc|swiss francs", "CH|LI", ""},
    {"ISK", "Icelandic króna", "Icelandic krónur", 0,
     "króna|krónur|icelandic krona|icelandic kronur|icelandic króna|icelandic krónur", "IS", ""},
    {"NOK", "Norwegian krone", "Norwegian kroner", 2, "norwegian krone|norwegian kroner", "NO|SJ", ""},
    {"TRY", "Turkish lira", "Turkish liras", 2, "₺|lira|liras|turkish lira|turkish liras", "TR", ""},
    {"AUD", "Australian dollar", "Australian dollars", 2, "A$|AU$|australian dollar|australian dollars", "AU", ""},
    {"BRL", "Brazilian real", "Brazilian reais", 2, "R$|real|reais|brazilian real|brazilian reais", "BR", ""},
    {"CAD", "Canadian dollar", "Canadian dollars", 2, "C$|CA$|CAN$|canadian dollar|canadian dollars", "CA", ""},
    {"CNY", "Chinese yuan", "Chinese yuan", 2, "CN¥|元|yuan|renminbi|rmb|chinese yuan", "CN", ""},
    {"HKD", "Hong Kong dollar", "Hong Kong dollars", 2, "HK$|hong kong dollar|hong kong dollars", "HK", ""},
    {"IDR", "Indonesian rupiah", "Indonesian rupiahs", 2,
     "Rp|rupiah|rupiahs|indonesian rupiah|indonesian rupiahs", "ID", ""},
    {"ILS", "Israeli new shekel", "Israeli new shekels", 2,
     "₪|NIS|shekel|shekels|sheqel|sheqalim|new shekel|new shekels|israeli shekel|israeli shekels|israeli new shekel|israeli new shekels",
     "IL|PS", ""},
    {"INR", "Indian rupee", "Indian rupees", 2, "₹|Rs|rupee|rupees|indian rupee|indian rupees", "IN|BT", ""},
    {"KRW", "South Korean won", "South Korean won", 0, "₩|won|korean won|south korean won", "KR", ""},
    {"MXN", "Mexican peso", "Mexican pesos", 2, "MX$|Mex$|mexican peso|mexican pesos", "MX", ""},
    {"MYR", "Malaysian ringgit", "Malaysian ringgits", 2, "RM|ringgit|ringgits|malaysian ringgit|malaysian ringgits",
     "MY", ""},
    {"NZD", "New Zealand dollar", "New Zealand dollars", 2, "NZ$|new zealand dollar|new zealand dollars", "NZ", ""},
    {"PHP", "Philippine peso", "Philippine pesos", 2, "₱|philippine peso|philippine pesos", "PH", ""},
    {"SGD", "Singapore dollar", "Singapore dollars", 2, "S$|singapore dollar|singapore dollars", "SG", ""},
    {"THB", "Thai baht", "Thai baht", 2, "฿|baht|thai baht", "TH", ""},
    {"ZAR", "South African rand", "South African rand", 2, "rand|rands|south african rand|south african rands",
     "ZA|LS|NA", ""},
};

constexpr SharedCurrencyName kSharedNames[] = {
    {"dollar-sign", "$", "USD|CAD|AUD|NZD|HKD|SGD|MXN", "USD"},
    {"dollar", "dollar|dollars", "USD|CAD|AUD|NZD|HKD|SGD", "USD"},
    {"yen-sign", "¥|￥", "JPY|CNY", "JPY"},
    {"peso", "peso|pesos", "MXN|PHP", "MXN"},
    {"kr", "kr", "SEK|NOK|DKK|ISK", ""},
    {"krone", "krone|kroner", "SEK|NOK|DKK|ISK|CZK", ""},
};

// Every word of every name in the tables, English's (other languages' are languageWords()), as a
// hash set of their hashes taken without regard to ASCII case: a query none of whose words is
// among them, or among its language's, is no currency query.
// Made by the compiler, so that the check costs a query a hash and a probe or two a word, and a
// one-shot process nothing more. The set keeps 64-bit hashes rather than the words, so that it
// is plain constant data that the loader need not relocate; with about a thousand words, another
// word shares the hash of one of them about once in 10^16.
constexpr char foldedByte(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr std::uint64_t foldedHash(std::string_view word)  // FNV-1a, 64 bits; never 0
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : word)
        hash = (hash ^ static_cast<unsigned char>(foldedByte(c))) * 1099511628211ULL;
    return hash == 0 ? 1 : hash;
}

// Calls `each` with every word of a "|"-separated list of names.
template <typename Each>
constexpr void forEachWordOf(std::string_view list, Each each)
{
    forEachListed(list, [&](std::string_view name) {
        for (std::size_t blank = 0; !name.empty(); name.remove_prefix(blank == std::string_view::npos ? name.size() : blank + 1)) {
            blank = name.find(' ');
            if (blank != 0)
                each(name.substr(0, blank));
        }
    });
}

// Calls `each` with every word of the English names of both tables.
template <typename Each>
constexpr void forEachWord(Each each)
{
    const auto words = [&](std::string_view list) { forEachWordOf(list, each); };
    for (const Currency& currency : kCurrencies)
        for (const std::string_view list : {currency.code, currency.names, currency.byOtherSide})
            words(list);
    for (const SharedCurrencyName& shared : kSharedNames)
        words(shared.names);
}

constexpr std::size_t kWordCount = [] {
    std::size_t count = 0;
    forEachWord([&](std::string_view) { ++count; });
    return count;
}();

// Slots of the word set: a power of two, at least four times the words, so that most probes of a
// word that is not there end at the first slot.
constexpr std::size_t kWordSlots = std::bit_ceil(kWordCount * 4);

struct WordSet {
    std::array<std::uint64_t, kWordSlots> slots{};  // 0: a free slot

    constexpr void add(std::string_view word)
    {
        const std::uint64_t hash = foldedHash(word);
        for (std::size_t i = hash & (kWordSlots - 1);; i = (i + 1) & (kWordSlots - 1)) {
            if (slots[i] == 0) {
                slots[i] = hash;
                return;
            }
            if (slots[i] == hash)
                return;
        }
    }

    constexpr bool holds(std::string_view word) const
    {
        const std::uint64_t hash = foldedHash(word);
        for (std::size_t i = hash & (kWordSlots - 1);; i = (i + 1) & (kWordSlots - 1)) {
            if (slots[i] == 0)
                return false;
            if (slots[i] == hash)
                return true;
        }
    }
};

constexpr WordSet kWords = [] {
    WordSet set;
    forEachWord([&](std::string_view word) { set.add(word); });
    return set;
}();

// The words of a language's currency names, as their hashes, sorted: made on the language's first
// use.
const std::vector<std::uint64_t>& languageWords(const LanguageNames& language)
{
    static const std::vector<std::uint64_t> none;
    const std::vector<std::uint64_t>* words = madeOnFirstUse(&language, [](const LanguageNames& each) {
        std::vector<std::uint64_t> hashes;
        const auto add = [&](std::string_view list) {
            forEachWordOf(list, [&](std::string_view word) { hashes.push_back(foldedHash(word)); });
        };
        for (const CurrencyName& currency : each.currencyNames)
            for (const std::string_view list : {currency.names, currency.singular, currency.plural, currency.beside})
                add(list);
        for (const SharedCurrencyWords& shared : each.sharedCurrencyNames)
            add(shared.names);
        std::sort(hashes.begin(), hashes.end());
        hashes.erase(std::unique(hashes.begin(), hashes.end()), hashes.end());
        return hashes;
    });
    return words != nullptr ? *words : none;
}

// The catalogue's row of the currency in `language`; nullptr for English and where it has none.
const CurrencyName* nameIn(const Currency& currency, const LanguageNames* language)
{
    if (language == nullptr)
        return nullptr;
    for (const CurrencyName& own : language->currencyNames)
        if (own.code == currency.code)
            return &own;
    return nullptr;
}

// A locale's region: "CA" of "fr_CA.UTF-8@euro".
std::string_view regionOf(std::string_view locale)
{
    const std::size_t underscore = locale.find('_');
    if (underscore == std::string_view::npos)
        return {};
    locale.remove_prefix(underscore + 1);
    return locale.substr(0, locale.find_first_of(".@"));
}

} // namespace

std::span<const Currency> currencies()
{
    return kCurrencies;
}

std::span<const SharedCurrencyName> sharedCurrencyNames()
{
    return kSharedNames;
}

const Currency* findCurrency(std::string_view code)
{
    const auto* found = std::find_if(std::begin(kCurrencies), std::end(kCurrencies),
                                     [&](const Currency& currency) { return currency.code == code; });
    return found != std::end(kCurrencies) ? found : nullptr;
}

const Currency* localCurrency(std::string_view monetaryLocale)
{
    const std::string_view region = regionOf(monetaryLocale);
    if (region.size() != 2)
        return nullptr;
    for (const Currency& currency : kCurrencies)
        for (std::size_t at = 0; at + 2 <= currency.territories.size(); at += 3)
            if (currency.territories.substr(at, 2) == region)
                return &currency;
    return nullptr;
}

bool isCurrencyWord(std::string_view word, const LanguageNames* language)
{
    if (word.empty())
        return false;
    if (kWords.holds(word))
        return true;
    if (language == nullptr)
        return false;
    const std::vector<std::uint64_t>& words = languageWords(*language);
    return std::binary_search(words.begin(), words.end(), foldedHash(word));
}

std::string_view currencyNamesIn(const Currency& currency, const LanguageNames* language)
{
    const CurrencyName* own = nameIn(currency, language);
    return own != nullptr ? own->names : std::string_view();
}

std::string_view besideCurrencyNamesIn(const Currency& currency, const LanguageNames* language)
{
    const CurrencyName* own = nameIn(currency, language);
    return own != nullptr ? own->beside : std::string_view();
}

std::string_view sharedCurrencyNamesIn(const SharedCurrencyName& shared, const LanguageNames* language)
{
    if (language != nullptr)
        for (const SharedCurrencyWords& own : language->sharedCurrencyNames)
            if (own.key == shared.key)
                return own.names;
    return {};
}

std::string_view currencyNameAfter(const Currency& currency, std::string_view number, std::string_view language,
                                   std::string_view decimalPoint)
{
    if (const CurrencyName* own = nameIn(currency, findNameLanguage(language)))
        return pluralCategory(language, number, decimalPoint) == PluralCategory::One ? own->singular : own->plural;
    return isExactlyOne(number) ? currency.singular : currency.plural;
}

} // namespace mezzurix
