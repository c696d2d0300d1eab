// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "units_memo.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <type_traits>

namespace mezzurix::units_memo {

namespace {

// Direct-mapped: a units part has one slot, and a newer part of the same slot replaces it.
// Batches mix a few dozen unit pairs; with this many slots few of them share one.
constexpr std::size_t kSlots = 512;
// Longer units parts are rare and not worth the room.
constexpr std::size_t kMaxUnitsBytes = 64;

// All bytes zero is an empty slot.
struct Slot {
    std::uint32_t hash;
    std::uint8_t size;
    bool used;
    std::array<char, kMaxUnitsBytes> units;
    Reading reading;
};

// calloc makes an array of them (an aggregate), and free() ends it.
static_assert(std::is_aggregate_v<Slot> && std::is_trivially_destructible_v<Slot>);

struct FreeSlots {
    void operator()(Slot* slots) const { std::free(slots); }
};

// The memo holds the readings of one set of options, the options every query of a batch shares;
// other options start it afresh.
struct Memo {
    std::optional<std::size_t> category;
    std::string language;
    std::string decimalPoint = ".";
    // Made on the first reading kept, zeroed by calloc, which leaves fresh pages untouched until
    // a slot is used: a run that reads one query writes one slot, not all of them.
    std::unique_ptr<Slot[], FreeSlots> slots;

    bool sameOptions(const QueryOptions& options) const
    {
        return category == options.category && language == options.language && decimalPoint == options.decimalPoint;
    }
    Slot& slotOf(std::uint32_t hash)
    {
        if (!slots) {
            slots.reset(static_cast<Slot*>(std::calloc(kSlots, sizeof(Slot))));
            if (!slots)
                throw std::bad_alloc();
        }
        return slots[hash % kSlots];
    }
    void clear()
    {
        if (slots)
            std::memset(static_cast<void*>(slots.get()), 0, kSlots * sizeof(Slot));
    }
};

thread_local Memo memo;

// FNV-1a
std::uint32_t hashOf(std::string_view units)
{
    std::uint32_t h = 2166136261u;
    for (const char c : units)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h ^ (h >> 16);
}

} // namespace

const Reading* find(std::string_view units, const QueryOptions& options)
{
    if (units.size() > kMaxUnitsBytes || !memo.slots || !memo.sameOptions(options))
        return nullptr;
    const std::uint32_t hash = hashOf(units);
    const Slot& slot = memo.slots[hash % kSlots];
    return slot.used && slot.hash == hash && slot.size == units.size() &&
                   std::memcmp(slot.units.data(), units.data(), units.size()) == 0
               ? &slot.reading
               : nullptr;
}

void remember(std::string_view units, const QueryOptions& options, const Reading& reading)
{
    if (units.size() > kMaxUnitsBytes)
        return;
    if (!memo.sameOptions(options)) {
        memo.clear();
        memo.category = options.category;
        memo.language = options.language;
        memo.decimalPoint = options.decimalPoint;
    }
    const std::uint32_t hash = hashOf(units);
    Slot& slot = memo.slotOf(hash);
    slot.used = true;
    slot.hash = hash;
    slot.size = static_cast<std::uint8_t>(units.size());
    std::memcpy(slot.units.data(), units.data(), units.size());
    slot.reading = reading;
}

void clear()
{
    memo.clear();
}

} // namespace mezzurix::units_memo
