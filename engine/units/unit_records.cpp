// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/unit_record.h>

#include "unit_table.h"

#include <algorithm>
#include <vector>

namespace mezzurix {

namespace {

using unit_table::kCategories;
using unit_table::kUnits;

constexpr std::size_t categoryIndexOf(std::string_view key)
{
    for (std::size_t i = 0; i < std::size(kCategories); ++i)
        if (kCategories[i].key == key)
            return i;
    return std::size(kCategories);
}

// What the derived tables rely on: each category's units together, in the order of the
// categories, and its window units first.
constexpr bool groupedByCategory()
{
    std::size_t category = 0;
    bool windowUnitsGoOn = true;
    for (const UnitRecord& unit : kUnits) {
        const std::size_t at = categoryIndexOf(unit.category);
        if (at == std::size(kCategories) || at < category)
            return false;
        if (at > category) {
            category = at;
            windowUnitsGoOn = true;
        }
        if (unit.window.code >= 0 && !windowUnitsGoOn)
            return false;
        windowUnitsGoOn = unit.window.code >= 0;
    }
    return true;
}
static_assert(groupedByCategory(), "each category's units together, in category order, window units first");

// Each row's code, each code's row, and the rows in the order of their keys.
struct CodeIndex {
    std::vector<int> codes;                // by row
    std::vector<const UnitRecord*> rows;   // by code
    std::vector<const UnitRecord*> byKey;  // sorted by key

    CodeIndex()
    {
        for (std::size_t i = 0; i < std::size(kUnits); ++i) {
            const int code = unit_table::codeAt(i);
            codes.push_back(code);
            if (rows.size() <= static_cast<std::size_t>(code))
                rows.resize(static_cast<std::size_t>(code) + 1);
            rows[static_cast<std::size_t>(code)] = &kUnits[i];
            byKey.push_back(&kUnits[i]);
        }
        std::sort(byKey.begin(), byKey.end(), [](const UnitRecord* a, const UnitRecord* b) { return a->key < b->key; });
    }
};

// Built on first use, so that it is complete whenever it is asked for, from the initialiser of
// a global in another file too.
const CodeIndex& codeIndex()
{
    static const CodeIndex index;
    return index;
}

} // namespace

std::span<const CategoryRecord> categoryRecords()
{
    return kCategories;
}

std::span<const UnitRecord> unitRecords()
{
    return kUnits;
}

const UnitRecord* findUnitRecord(std::string_view key)
{
    const auto& byKey = codeIndex().byKey;
    const auto at = std::lower_bound(byKey.begin(), byKey.end(), key,
                                     [](const UnitRecord* unit, std::string_view k) { return unit->key < k; });
    return at != byKey.end() && (*at)->key == key ? *at : nullptr;
}

const CategoryRecord* findCategoryRecord(std::string_view key)
{
    const std::size_t at = categoryIndexOf(key);
    return at < std::size(kCategories) ? &kCategories[at] : nullptr;
}

int unitCode(const UnitRecord& unit)
{
    return codeIndex().codes[static_cast<std::size_t>(&unit - kUnits)];
}

int unitCode(std::string_view key)
{
    const UnitRecord* unit = findUnitRecord(key);
    return unit != nullptr ? unitCode(*unit) : -1;
}

const UnitRecord* findUnitRecord(int code)
{
    const auto& rows = codeIndex().rows;
    return code >= 0 && static_cast<std::size_t>(code) < rows.size() ? rows[static_cast<std::size_t>(code)] : nullptr;
}

} // namespace mezzurix
