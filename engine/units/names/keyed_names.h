// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rows of a language's name file name their unit by key; the reader looks names up by code.

#include <mezzurix/unit_names.h>

#include "unit_table.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace mezzurix {

struct KeyedName {
    std::string_view unit;  // a unit record's key
    std::string_view text;
    NameKind kind;
};

// The rows as names of `language`, with their units' codes found while compiling: a key of no
// unit does not build.
template <std::size_t N>
consteval std::array<UnitName, N> withCodes(const KeyedName (&rows)[N], std::string_view language)
{
    std::array<UnitName, N> names{};
    for (std::size_t i = 0; i < N; ++i)
        names[i] = {unit_table::codeOf(rows[i].unit), rows[i].text, rows[i].kind, language};
    return names;
}

} // namespace mezzurix
