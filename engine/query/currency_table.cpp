// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The currencies of the euro reference rates, one row each: the euro, then the bank's daily
// list. Names that are one currency's alone go in its row; names several currencies are written
// with go in kSharedNames, read by the user's region.
#include "currency_words.h"

#include <mezzurix/currency.h>
#include <mezzurix/definitions.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace mezzurix {

namespace {

constexpr Currency kCurrencies[] = {
    {"EUR", "euro", "euros", 2, "€|euro|euros",
     "AT|BE|BG|CY|DE|EE|ES|FI|FR|GR|HR|IE|IT|LT|LU|LV|MT|NL|PT|SI|SK", "",
     "", "", ""},
    {"USD", "US dollar", "US dollars", 2, "US$|us dollar|us dollars|american dollar|american dollars",
     "US|EC|SV|PR|PA", "",
     "US-Dollar", "dollar américain|dollars américains|dollar US|dollars US",
     "dólar estadounidense|dólares estadounidenses"},
    {"JPY", "Japanese yen", "Japanese yen", 0, "yen|japanese yen|円", "JP", "",
     "japanischer Yen", "yen japonais|yens|yens japonais", "yen japonés|yenes"},
    {"CZK", "Czech koruna", "Czech korunas", 2, "Kč|koruna|koruny|korunas|czech koruna|czech korunas|czech crown|czech crowns",
     "CZ", "",
     "tschechische Krone|tschechische Kronen", "couronne tchèque|couronnes tchèques", "corona checa|coronas checas"},
    {"DKK", "Danish krone", "Danish kroner", 2, "danish krone|danish kroner", "DK|FO|GL", "",
     "dänische Krone|dänische Kronen", "couronne danoise|couronnes danoises", "corona danesa|coronas danesas"},
    {"GBP", "pound sterling", "pounds sterling", 2,
     "£|sterling|pound sterling|pounds sterling|british pound|british pounds", "GB|GG|IM|JE",
     "pound|pounds|pfund|livre|livres|libra|libras",
     "Pfund Sterling|britisches Pfund|britische Pfund", "livre sterling|livres sterling",
     "libra esterlina|libras esterlinas"},
    {"HUF", "Hungarian forint", "Hungarian forints", 2, "forint|forints|hungarian forint|hungarian forints", "HU", "",
     "ungarischer Forint|ungarische Forint", "forint hongrois|forints hongrois", "forinto|forintos|florín húngaro|florines húngaros"},
    {"PLN", "Polish złoty", "Polish złotys", 2,
     "zł|zl|zloty|zlotys|zlotych|złoty|złotys|złotych|polish zloty|polish zlotys|polish złoty|polish złotys", "PL", "",
     "polnischer Zloty|polnische Zloty", "zloty polonais|zlotys polonais", "esloti|eslotis|zloty polaco|zlotys polacos"},
    {"RON", "Romanian leu", "Romanian lei", 2, "leu|lei|romanian leu|romanian lei", "RO", "",
     "rumänischer Leu|rumänische Lei", "leu roumain|lei roumains", "leu rumano|leus rumanos"},
    {"SEK", "Swedish krona", "Swedish kronor", 2, "krona|kronor|swedish krona|swedish kronor", "SE", "",
     "schwedische Krone|schwedische Kronen", "couronne suédoise|couronnes suédoises", "corona sueca|coronas suecas"},
    {"CHF", "Swiss franc", "Swiss francs", 2, "Fr|SFr|franc|francs|swiss franc|swiss francs", "CH|LI", "",
     "Franken|Schweizer Franken", "franc suisse|francs suisses", "franco|francos|franco suizo|francos suizos"},
    {"ISK", "Icelandic króna", "Icelandic krónur", 0,
     "króna|krónur|icelandic krona|icelandic kronur|icelandic króna|icelandic krónur", "IS", "",
     "isländische Krone|isländische Kronen", "couronne islandaise|couronnes islandaises",
     "corona islandesa|coronas islandesas"},
    {"NOK", "Norwegian krone", "Norwegian kroner", 2, "norwegian krone|norwegian kroner", "NO|SJ", "",
     "norwegische Krone|norwegische Kronen", "couronne norvégienne|couronnes norvégiennes",
     "corona noruega|coronas noruegas"},
    {"TRY", "Turkish lira", "Turkish liras", 2, "₺|lira|liras|turkish lira|turkish liras", "TR", "",
     "türkische Lira", "livre turque|livres turques", "lira turca|liras turcas"},
    {"AUD", "Australian dollar", "Australian dollars", 2, "A$|AU$|australian dollar|australian dollars", "AU", "",
     "australischer Dollar|australische Dollar", "dollar australien|dollars australiens",
     "dólar australiano|dólares australianos"},
    {"BRL", "Brazilian real", "Brazilian reais", 2, "R$|real|reais|brazilian real|brazilian reais", "BR", "",
     "brasilianischer Real|brasilianische Real", "réal|réals|réal brésilien|réals brésiliens",
     "reales|real brasileño|reales brasileños"},
    {"CAD", "Canadian dollar", "Canadian dollars", 2, "C$|CA$|CAN$|canadian dollar|canadian dollars", "CA", "",
     "kanadischer Dollar|kanadische Dollar", "dollar canadien|dollars canadiens",
     "dólar canadiense|dólares canadienses"},
    {"CNY", "Chinese yuan", "Chinese yuan", 2, "CN¥|元|yuan|renminbi|rmb|chinese yuan", "CN", "",
     "chinesischer Yuan", "yuan chinois|yuans|yuans chinois", "yuan chino|yuanes|yuanes chinos"},
    {"HKD", "Hong Kong dollar", "Hong Kong dollars", 2, "HK$|hong kong dollar|hong kong dollars", "HK", "",
     "Hongkong-Dollar", "dollar de Hong Kong|dollars de Hong Kong", "dólar de Hong Kong|dólares de Hong Kong"},
    {"IDR", "Indonesian rupiah", "Indonesian rupiahs", 2,
     "Rp|rupiah|rupiahs|indonesian rupiah|indonesian rupiahs", "ID", "",
     "indonesische Rupiah", "roupie indonésienne|roupies indonésiennes", "rupia indonesia|rupias indonesias"},
    {"ILS", "Israeli new shekel", "Israeli new shekels", 2,
     "₪|NIS|shekel|shekels|sheqel|sheqalim|new shekel|new shekels|israeli shekel|israeli shekels|israeli new shekel|israeli new shekels",
     "IL|PS", "",
     "Schekel|neuer Schekel|neue Schekel|israelischer Schekel", "shékel|shékels|nouveau shekel|nouveaux shekels",
     "séquel|séqueles|nuevo séquel|nuevos séqueles"},
    {"INR", "Indian rupee", "Indian rupees", 2, "₹|Rs|rupee|rupees|indian rupee|indian rupees", "IN|BT", "",
     "Rupie|Rupien|indische Rupie|indische Rupien", "roupie|roupies|roupie indienne|roupies indiennes",
     "rupia|rupias|rupia india|rupias indias"},
    {"KRW", "South Korean won", "South Korean won", 0, "₩|won|korean won|south korean won", "KR", "",
     "südkoreanischer Won", "wons|won sud-coréen|wons sud-coréens", "wones|won surcoreano|wones surcoreanos"},
    {"MXN", "Mexican peso", "Mexican pesos", 2, "MX$|Mex$|mexican peso|mexican pesos", "MX", "",
     "mexikanischer Peso|mexikanische Pesos", "peso mexicain|pesos mexicains", "peso mexicano|pesos mexicanos"},
    {"MYR", "Malaysian ringgit", "Malaysian ringgits", 2, "RM|ringgit|ringgits|malaysian ringgit|malaysian ringgits",
     "MY", "",
     "malaysischer Ringgit", "ringgit malaisien|ringgits malaisiens", "ringit|ringits|ringgit malayo|ringgits malayos"},
    {"NZD", "New Zealand dollar", "New Zealand dollars", 2, "NZ$|new zealand dollar|new zealand dollars", "NZ", "",
     "Neuseeland-Dollar", "dollar néo-zélandais|dollars néo-zélandais", "dólar neozelandés|dólares neozelandeses"},
    {"PHP", "Philippine peso", "Philippine pesos", 2, "₱|philippine peso|philippine pesos", "PH", "",
     "philippinischer Peso|philippinische Pesos", "peso philippin|pesos philippins", "peso filipino|pesos filipinos"},
    {"SGD", "Singapore dollar", "Singapore dollars", 2, "S$|singapore dollar|singapore dollars", "SG", "",
     "Singapur-Dollar", "dollar de Singapour|dollars de Singapour", "dólar de Singapur|dólares de Singapur"},
    {"THB", "Thai baht", "Thai baht", 2, "฿|baht|thai baht", "TH", "",
     "thailändischer Baht", "bahts|baht thaïlandais|bahts thaïlandais", "bat|bats|baht tailandés"},
    {"ZAR", "South African rand", "South African rand", 2, "rand|rands|south african rand|south african rands",
     "ZA|LS|NA", "",
     "südafrikanischer Rand", "rand sud-africain|rands sud-africains", "rand sudafricano|rands sudafricanos"},
};

constexpr SharedCurrencyName kSharedNames[] = {
    {"$", "USD|CAD|AUD|NZD|HKD|SGD|MXN", "USD"},
    {"dollar|dollars|dólar|dólares", "USD|CAD|AUD|NZD|HKD|SGD", "USD"},
    {"¥|￥", "JPY|CNY", "JPY"},
    {"peso|pesos", "MXN|PHP", "MXN"},
    {"kr", "SEK|NOK|DKK|ISK", ""},
    {"krone|kroner|kronen|couronne|couronnes|corona|coronas", "SEK|NOK|DKK|ISK|CZK", ""},
};

// Every word of every name in the tables, in any language, as a hash set of their hashes taken
// without regard to ASCII case: a query none of whose words is among them is no currency query.
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

// Calls `each` with every word of the "|"-separated lists of names of both tables.
template <typename Each>
constexpr void forEachWord(Each each)
{
    const auto words = [&](std::string_view list) {
        forEachListed(list, [&](std::string_view name) {
            for (std::size_t blank = 0; !name.empty(); name.remove_prefix(blank == std::string_view::npos ? name.size() : blank + 1)) {
                blank = name.find(' ');
                if (blank != 0)
                    each(name.substr(0, blank));
            }
        });
    };
    for (const Currency& currency : kCurrencies)
        for (const std::string_view list : {currency.code, currency.names, currency.byOtherSide, currency.de, currency.fr, currency.es})
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

bool isCurrencyWord(std::string_view word)
{
    return !word.empty() && kWords.holds(word);
}

std::string_view currencyNameAfter(const Currency& currency, std::string_view number)
{
    return isExactlyOne(number) ? currency.singular : currency.plural;
}

} // namespace mezzurix
