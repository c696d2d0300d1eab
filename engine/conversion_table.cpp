// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/conversion_table.h>

#include "tables/tables.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
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
    std::unordered_map<std::uint64_t, const Entry*> byKey;  // by packed pair code

    Table()
    {
        for (const auto group : {tables::distanceArea(), tables::flowPowerMassPressureSpeed(),
                                 tables::temperatureVolume(), tables::torqueEnergyForce(),
                                 tables::lightMemory()})
            entries.insert(entries.end(), group.begin(), group.end());
        // emplace keeps the first entry of a duplicated code.
        byKey.reserve(entries.size());
        for (const Entry& entry : entries)
            byKey.emplace(packKey(entry.pairCode).value_or(0), &entry);
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
    const auto& byKey = table().byKey;
    const auto it = byKey.find(*key);
    return it == byKey.end() ? nullptr : it->second;
}

} // namespace mezzurix
