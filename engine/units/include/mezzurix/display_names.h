// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How an answer names a unit: in the words the user typed it by where they have a form of their
// own ("ml" answers in milliliters, though the unit is the cubic centimeter), singular or plural
// by the language's rule for the number as printed.

#include <mezzurix/plural_rules.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include <optional>
#include <span>
#include <string_view>

namespace mezzurix {

// One group of UnitRecord::namedForms: names of the unit that answer in their own display name.
struct NamedForm {
    std::string_view singular;  // "Milliliter"
    std::string_view plural;    // "Milliliters"
    std::string_view names;     // as the record writes them: "ml|mL|milliliter|milliliters"
};

// The named forms of a unit, in the record's order; empty for a record whose text does not read
// (the tests check every record's).
std::span<const NamedForm> namedForms(const UnitRecord& unit);

// The form that a name of the unit answers in (`typed` compared in any case, blanks between words
// as one): an English name of the form, or one of `language`'s where it is given; nullptr where
// it answers in the unit's own display name.
const NamedForm* findNamedForm(const UnitRecord& unit, std::string_view typed,
                               const LanguageNames* language = nullptr);

// Whether the program has display names of its own in `language` (a code or a locale): English
// always, whatever the locale's region ("", "C", "en_GB"), and each language with a catalogue of
// unit names (unit_names.h).
bool hasDisplayNames(std::string_view language);

// The unit's display name in `language` for a number of plural `category`, in `form` where one
// is given (a form of this unit) and the language names it; nullopt for a language without
// display names of its own.
std::optional<std::string_view> displayName(const UnitRecord& unit, const NamedForm* form, std::string_view language,
                                            PluralCategory category);

// The unit's name in `language` for a number of plural `category`, as the answers write it: its
// display name in the language; else `caption`, a front end's translation of its list text, where
// there is one; else its English display name.
std::string_view unitName(const UnitRecord& unit, const NamedForm* form, std::string_view language,
                          PluralCategory category, std::string_view caption = {});

// The same after `number` as printed (with `decimalPoint`), singular or plural by the language's
// rule.
std::string_view nameAfterNumber(const UnitRecord& unit, const NamedForm* form, std::string_view language,
                                 std::string_view number, std::string_view decimalPoint,
                                 std::string_view caption = {});

} // namespace mezzurix
