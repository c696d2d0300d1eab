// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/unit_record.h>

#include "unit_table.h"

#include <algorithm>
#include <array>

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

// What the derived tables rely on (the typed catalogue takes each category's units as one run):
// each category's units together, in the order of the categories, and its window units first.
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

constexpr std::size_t kUnitCount = std::size(kUnits);

// Each row's code, each code's row and the rows in the order of their keys, made while compiling.
constexpr std::array<int, kUnitCount> kCodes = [] {
    std::array<int, kUnitCount> codes{};
    for (std::size_t i = 0; i < kUnitCount; ++i)
        codes[i] = unit_table::codeAt(i);
    return codes;
}();

constexpr int kNoRow = -1;
constexpr std::size_t kCodeLimit = static_cast<std::size_t>(*std::max_element(kCodes.begin(), kCodes.end())) + 1;

constexpr std::array<int, kCodeLimit> kRowOfCode = [] {
    std::array<int, kCodeLimit> rows{};
    rows.fill(kNoRow);
    for (std::size_t i = 0; i < kUnitCount; ++i)
        rows[static_cast<std::size_t>(kCodes[i])] = static_cast<int>(i);
    return rows;
}();

constexpr std::array<const UnitRecord*, kUnitCount> kByKey = [] {
    std::array<const UnitRecord*, kUnitCount> rows{};
    for (std::size_t i = 0; i < kUnitCount; ++i)
        rows[i] = &kUnits[i];
    std::sort(rows.begin(), rows.end(), [](const UnitRecord* a, const UnitRecord* b) { return a->key < b->key; });
    return rows;
}();

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
    const auto at = std::lower_bound(kByKey.begin(), kByKey.end(), key,
                                     [](const UnitRecord* unit, std::string_view k) { return unit->key < k; });
    return at != kByKey.end() && (*at)->key == key ? *at : nullptr;
}

const CategoryRecord* findCategoryRecord(std::string_view key)
{
    const std::size_t at = categoryIndexOf(key);
    return at < std::size(kCategories) ? &kCategories[at] : nullptr;
}

int unitCode(const UnitRecord& unit)
{
    return kCodes[static_cast<std::size_t>(&unit - kUnits)];
}

int unitCode(std::string_view key)
{
    const UnitRecord* unit = findUnitRecord(key);
    return unit != nullptr ? unitCode(*unit) : -1;
}

const UnitRecord* findUnitRecord(int code)
{
    if (code < 0 || static_cast<std::size_t>(code) >= kCodeLimit)
        return nullptr;
    const int row = kRowOfCode[static_cast<std::size_t>(code)];
    return row == kNoRow ? nullptr : &kUnits[row];
}

} // namespace mezzurix
