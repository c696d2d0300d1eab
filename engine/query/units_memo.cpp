// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "units_memo.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace mezzurix::units_memo {

namespace {

// Direct-mapped: a units part has one slot, and a newer part of the same slot replaces it.
// Batches mix a few dozen unit pairs at most.
constexpr std::size_t kSlots = 256;
// Longer units parts are rare and not worth the copy.
constexpr std::size_t kMaxUnitsBytes = 64;

struct Slot {
    bool used = false;
    std::string units;
    std::string language;
    std::string decimalPoint;
    std::optional<std::size_t> category;
    Reading reading;
};

thread_local std::array<Slot, kSlots> slots;

std::size_t slotOf(std::string_view units)
{
    // FNV-1a
    std::uint32_t h = 2166136261u;
    for (const char c : units)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return (h ^ (h >> 16)) % kSlots;
}

// Everything of the options that a units part's reading depends on.
bool sameOptions(const Slot& slot, const QueryOptions& options)
{
    return slot.category == options.category && slot.language == options.language &&
           slot.decimalPoint == options.decimalPoint;
}

} // namespace

const Reading* find(std::string_view units, const QueryOptions& options)
{
    if (units.size() > kMaxUnitsBytes)
        return nullptr;
    const Slot& slot = slots[slotOf(units)];
    return slot.used && slot.units == units && sameOptions(slot, options) ? &slot.reading : nullptr;
}

void remember(std::string_view units, const QueryOptions& options, const Reading& reading)
{
    if (units.size() > kMaxUnitsBytes)
        return;
    Slot& slot = slots[slotOf(units)];
    slot.used = true;
    slot.units.assign(units);
    slot.language = options.language;
    slot.decimalPoint = options.decimalPoint;
    slot.category = options.category;
    slot.reading = reading;
}

void clear()
{
    for (Slot& slot : slots)
        slot.used = false;
}

} // namespace mezzurix::units_memo
