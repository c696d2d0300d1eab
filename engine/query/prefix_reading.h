// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A unit name as a prefix and a unit that takes it: "Mm", "kbit", "KiB", "microseconds".

#include <mezzurix/unit_prefixes.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mezzurix::prefix_reading {

struct Reading {
    const UnitPrefix* prefix = nullptr;
    int code = 0;           // of the catalogue unit it stands before
    bool bySymbol = false;  // a prefix symbol before a symbol, or a word before a written name
    std::string symbol;     // as answers write it: "Mm", "µs" for "us" and for "microseconds"
};

// `text` as a prefix symbol before a symbol of a unit that takes it, both as written ("Mm",
// "kbit"), or as a prefix word before one of its written names in any case ("microseconds");
// nullopt for neither.
std::optional<Reading> read(std::string_view text);

// Every prefix symbol before a symbol of a unit that takes it that is `text` with ASCII case
// ignored: "Mm" and "mm" for "MM".
std::vector<std::string> symbolsInAnyCase(std::string_view text);

} // namespace mezzurix::prefix_reading
