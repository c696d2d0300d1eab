// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/conversion_table.h>

#include "tables/tables.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace mezzurix {

namespace {

// Pair codes are at most six characters; up to seven pack losslessly into one integer key
// together with their length.
constexpr std::size_t kMaxPackedLength = 7;

std::optional<std::uint64_t> packKey(std::string_view text)
{
    if (text.size() > kMaxPackedLength)
        return std::nullopt;
    std::uint64_t key = 0;
    for (const char c : text)
        key = (key << 8) | static_cast<unsigned char>(c);
    return (key << 8) | text.size();
}

struct Table {
    std::vector<Entry> entries;  // table order
    std::vector<std::uint64_t> keys;  // sorted packed pair codes
    std::vector<const Entry*> byKey;  // the entry of each key

    Table()
    {
        for (const auto group : {tables::distanceArea(), tables::flowPowerMassPressureSpeed(),
                                 tables::temperatureVolume(), tables::torqueEnergyForce(),
                                 tables::lightMemory()})
            entries.insert(entries.end(), group.begin(), group.end());

        std::vector<std::pair<std::uint64_t, const Entry*>> index;
        index.reserve(entries.size());
        for (const Entry& entry : entries)
            index.emplace_back(packKey(entry.pairCode).value_or(0), &entry);
        // Stable, so that a duplicated code would still resolve to its first entry.
        std::stable_sort(index.begin(), index.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        keys.reserve(index.size());
        byKey.reserve(index.size());
        for (const auto& [key, entry] : index) {
            keys.push_back(key);
            byKey.push_back(entry);
        }
    }
};

const Table& table()
{
    static const Table instance;
    return instance;
}

} // namespace

std::span<const Entry> conversionTable()
{
    return table().entries;
}

const Entry* findEntry(std::string_view pairCode)
{
    const std::optional<std::uint64_t> key = packKey(pairCode);
    if (!key)
        return nullptr;
    const Table& t = table();
    const auto it = std::lower_bound(t.keys.begin(), t.keys.end(), *key);
    if (it == t.keys.end() || *it != *key)
        return nullptr;
    return t.byKey[static_cast<std::size_t>(it - t.keys.begin())];
}

} // namespace mezzurix
