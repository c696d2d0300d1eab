// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <mezzurix/plural_rules.h>

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace mezzurix {

// How a name is compared with typed text.
enum class NameKind : unsigned char {
    ListText,    // the unit's entry text in the lists; any case
    Name,        // a written-out name, singular or plural; any case
    Symbol,      // an abbreviation whose case means nothing; any case
    CaseSymbol,  // a symbol whose case means something (SI prefixes, bytes, cal): exact case only
};

struct UnitName {
    int unitCode;
    std::string_view text;  // tokens separated by single spaces
    NameKind kind;
    bool translated = false;  // a name of a language's catalogue; false for English, which is always read
};

// How a unit is named after a number: "1 Fuß", "2 Fuß"; "1 pouce", "2 pouces".
struct DisplayName {
    int unitCode = -1;
    std::string_view singular;  // after a number the language's plural rule calls "one"
    std::string_view plural;    // after any other number
};

// A form of its own that a language names a unit in, as English answers "ml" in milliliters though
// the unit is the cubic centimeter: the names that ask for it ("mililitro|mililitros") and its
// display names. `form` counts the unit record's forms from 1.
struct FormName {
    int unitCode = -1;
    int form = 0;
    std::string_view names;
    std::string_view singular;
    std::string_view plural;
};

// A currency in a language: the names it is read by besides English's and its code, and how an
// answer names it after a number.
struct CurrencyName {
    std::string_view code;      // ISO 4217: "USD"
    std::string_view names;     // '|'-separated, read in any case
    std::string_view singular;  // after a number the language's plural rule calls "one"
    std::string_view plural;    // after any other number
    std::string_view beside;    // '|'-separated: read as it only beside another currency ("Pfund")
};

// A name several currencies are written with, in a language: the words it is read by besides
// English's ("Krone|Kronen"), by the key of the shared name.
struct SharedCurrencyWords {
    std::string_view key;    // "krone"
    std::string_view names;  // '|'-separated, read in any case
};

// A unit's description in a language: "avoirdupois pound (7000 grains)", in its words.
struct UnitDescription {
    int unitCode = -1;
    std::string_view text;
};

// A category's name in a language, by the category record's key.
struct CategoryName {
    std::string_view key;
    std::string_view text;
};

// A language whose names are read and shown besides English: its rows of the alias table, its
// display names, and the words a query is written with in it. Each language is one translation
// catalogue, names/<code>.po, turned into its table when the program is built.
struct LanguageNames {
    std::string_view code;                        // "de", "pt_BR"
    std::span<const UnitName> names;              // rows whose language column is `code`
    std::span<const std::string_view> intoWords;  // "in", "nach": between the two units
    std::span<const std::string_view> perWords;   // "pro": read as "/" within a name
    std::span<const std::string_view> andWords;   // "und": between the parts of a quantity
    std::span<const DisplayName> displayNames;    // in the catalogue's order
    // Words the language spells as English does ("Meter", "watt"): a display name or name equal
    // to the English one is no untranslated text when it is one of these.
    std::span<const std::string_view> spelledAlike;
    std::span<const UnitDescription> descriptions;  // in the catalogue's order
    std::span<const CategoryName> categoryNames;    // every category's, typed-only ones too
    // The words a value is written with where one is expected, each "word=value": whole numbers
    // added up ("zwanzig=20", "anderthalb=1.5"), words multiplying the number before them
    // ("hundert=100"), words closing a group of three digits ("mille=1000"), and the parts a whole
    // is cut into, by their denominator ("demi=2", "Viertel=4").
    std::span<const std::string_view> numberWords;
    std::span<const std::string_view> multiplierWords;
    std::span<const std::string_view> scaleWords;
    std::span<const std::string_view> partWords;
    std::span<const std::string_view> articles;  // "ein", "une": one, only before another word
    std::span<const std::string_view> ofWords;   // "de": what follows names the substance
    // Questions whose value is written in words, X for the unit asked for and Y for the value
    // and its unit, tried in order: "wie viele X hat Y".
    std::span<const std::string_view> questions;
    std::span<const FormName> formNames;  // every form of a unit record, in the catalogue's order
    std::span<const CurrencyName> currencyNames;  // every currency, in the catalogue's order
    std::span<const SharedCurrencyWords> sharedCurrencyNames;  // those the language has words for
};

// Every language with names, in the order of their codes. A language's tables are made on the
// first call that asks for it: this makes them all.
std::span<const LanguageNames* const> unitNameLanguages();

// How many languages have names, and where `language` stands among them, without making the
// others' tables; nullopt for a language not among them.
std::size_t unitNameLanguageCount();
std::optional<std::size_t> unitNameLanguageIndex(const LanguageNames& language);

// The language of a locale or language name ("de_DE.UTF-8", "de_AT", "de", "pt_BR"): the one of
// its language and territory, else of its language alone, else another territory's of its
// language ("pt_PT" reads Brazilian names); nullptr for English, "C", "POSIX" and languages
// without names.
const LanguageNames* findNameLanguage(std::string_view locale);

// Every name beyond the list texts, grouped by unit in the order of the unit codes: the window's
// units first, then those only typed conversions know.
std::span<const UnitName> unitAliases();
// Those of one unit, in table order.
std::span<const UnitName> aliasesOf(int unitCode);

// The names read as a unit only where a query's other side asks for its category (see
// UnitRecord::byOtherSide), in the order of the unit codes: kinds CaseSymbol and Symbol.
std::span<const UnitName> otherSideNames();

// The same in `language`: its names of the units whose English written names a unit's other-side
// list holds. "degree" is the angle's name, so German "Grad", French "degrés" and Spanish
// "grados" beside a temperature are degrees Celsius, as "degrees" is in English.
std::span<const UnitName> otherSideNames(const LanguageNames& language);

// Every name a unit is read by: its list text first, then its aliases in table order, then
// those of `language` when given.
std::vector<UnitName> namesOf(int unitCode, const LanguageNames* language = nullptr);

// A unit's display names in `language`, English's (the unit record's) for nullptr or a unit the
// language has none for.
DisplayName displayNames(int unitCode, const LanguageNames* language = nullptr);
// The one of them a number of `category` takes: pluralCategory() of the number as printed.
std::string_view unitDisplayName(int unitCode, const LanguageNames* language, PluralCategory category);

// A unit's description in `language`, English's (the unit record's) for nullptr or a unit the
// language has none for.
std::string_view unitDescription(int unitCode, const LanguageNames* language);

// The name of the category with this key in `language`, English's (the category record's) for
// nullptr or a category the language has none for; empty for a key of no category.
std::string_view categoryName(std::string_view categoryKey, const LanguageNames* language);

} // namespace mezzurix
