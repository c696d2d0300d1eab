// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace mezzurix {

// How a name is compared with typed text.
enum class NameKind {
    ListText,    // the unit's entry text in the lists; any case
    Name,        // a written-out name, singular or plural; any case
    Symbol,      // an abbreviation whose case means nothing; any case
    CaseSymbol,  // a symbol whose case means something (SI prefixes, bytes, cal): exact case only
};

struct UnitName {
    int unitCode;
    std::string_view text;  // tokens separated by single spaces
    NameKind kind;
    std::string_view language = {};  // "de", "fr", ...; empty for English, which is always read
};

// A language whose names are read besides English: its rows of the alias table, and the words
// a query is written with in it. Each language is one file, names/unit_names_<code>.cpp.
struct LanguageNames {
    std::string_view code;                        // "de"
    std::span<const UnitName> names;              // rows whose language column is `code`
    std::span<const std::string_view> intoWords;  // "in", "nach": between the two units
    std::span<const std::string_view> perWords;   // "pro": read as "/" within a name
    std::span<const std::string_view> andWords;   // "und": between the parts of a quantity
};

// Every language with names, in the order of their codes.
std::span<const LanguageNames* const> unitNameLanguages();

// The language of a locale or language name ("de_DE.UTF-8", "de_AT", "de"); nullptr for English,
// "C", "POSIX" and languages without names.
const LanguageNames* findNameLanguage(std::string_view locale);

// Every name beyond the list texts, grouped by unit in the order of the unit codes: the window's
// units first, then those only typed conversions know.
std::span<const UnitName> unitAliases();

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

} // namespace mezzurix
