// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Values made for a language with names on its first use, and kept: a run most often reads one
// language, or English alone.

#include <mezzurix/unit_names.h>

#include <cstddef>
#include <mutex>
#include <optional>
#include <vector>

namespace mezzurix {

// `make(*language)`, made on the first call for `language`, one of unitNameLanguages(), and kept,
// safely from any thread; nullptr for any other language (English). Each call site, whose `make`
// is a type of its own, keeps values of its own.
template <typename Make>
auto madeOnFirstUse(const LanguageNames* language, Make make)
{
    using Value = decltype(make(*language));
    struct Slot {
        std::once_flag made;
        std::optional<Value> value;
    };
    const std::optional<std::size_t> index = language != nullptr ? unitNameLanguageIndex(*language) : std::nullopt;
    if (!index)
        return static_cast<const Value*>(nullptr);
    static std::vector<Slot> made(unitNameLanguageCount());
    Slot& slot = made[*index];
    std::call_once(slot.made, [&] { slot.value.emplace(make(*language)); });
    return static_cast<const Value*>(&*slot.value);
}

} // namespace mezzurix
