// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names the reader looks units up by, and the symbols it knows beyond the catalogue.

#include "name_table.h"

#include <mezzurix/typed_units.h>
#include <mezzurix/unit_names.h>

#include <cstddef>
#include <string>
#include <vector>

namespace mezzurix::names {

// The names of the units, list texts first, then aliases, then those of `language` if given.
template <typename Each>
void forEachName(const LanguageNames* language, Each each)
{
    for (const Category& category : typedCategories())
        for (const Unit& unit : category.units)
            each(UnitName{unit.code, unit.text, NameKind::ListText});
    for (const UnitName& alias : unitAliases())
        each(alias);
    if (language != nullptr)
        for (const UnitName& name : language->names)
            each(name);
}

// Known symbols beyond the catalogue: prefixed metric symbols of no unit ("mcal", "kB") and a few
// others, and what each names ("millicalories"). The table's code of symbol i is -1 - i.
struct KnownSymbols {
    std::vector<std::string> symbols;
    std::vector<std::string> plurals;
};
const KnownSymbols& knownSymbols();

// What a table of the names of English and `language` is built from.
struct TableSource {
    std::vector<NameTable::Entry> entries;  // views of the names and of knownSymbols()
    std::size_t maxTokens = 1;              // the most tokens a name has
};
TableSource tableSource(const LanguageNames* language);

} // namespace mezzurix::names
