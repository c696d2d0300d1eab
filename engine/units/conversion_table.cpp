// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/conversion_table.h>

#include "tables/tables.h"

#include <bit>
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

// Every entry under its packed pair code, in open addressing with at least twice as many slots
// as entries: a lookup seldom looks past its first slot, and finds it with a multiplication
// rather than a division.
class Table {
public:
    std::vector<Entry> entries;  // table order

    Table()
    {
        for (const auto group : {tables::distanceArea(), tables::flowPowerMassPressureSpeed(),
                                 tables::temperatureVolume(), tables::torqueEnergyForce(),
                                 tables::lightMemory()})
            entries.insert(entries.end(), group.begin(), group.end());
        slots_.resize(std::bit_ceil(2 * entries.size()));
        shift_ = 64 - std::countr_zero(slots_.size());
        // The first entry of a duplicated code keeps its slot.
        for (const Entry& entry : entries) {
            const std::uint64_t key = packKey(entry.pairCode).value_or(0);
            std::size_t i = firstSlot(key);
            while (slots_[i].entry != nullptr && slots_[i].key != key)
                i = (i + 1) & (slots_.size() - 1);
            if (slots_[i].entry == nullptr)
                slots_[i] = {key, &entry};
        }
    }

    const Entry* find(std::uint64_t key) const
    {
        for (std::size_t i = firstSlot(key); slots_[i].entry != nullptr; i = (i + 1) & (slots_.size() - 1))
            if (slots_[i].key == key)
                return slots_[i].entry;
        return nullptr;
    }

private:
    // Fibonacci hashing: the top bits of the key times 2^64 / golden ratio.
    std::size_t firstSlot(std::uint64_t key) const { return (key * 0x9E3779B97F4A7C15ull) >> shift_; }

    struct Slot {
        std::uint64_t key = 0;
        const Entry* entry = nullptr;  // nullptr: the slot is free
    };
    std::vector<Slot> slots_;
    int shift_ = 0;
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
    return table().find(*key);
}

} // namespace mezzurix
