// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rows of a language's table, generated from its catalogue, name their unit by key; the
// reader looks names up by code. Each array ends with an empty row, so that a catalogue without
// entries of a kind still builds.

#include <mezzurix/unit_names.h>

#include "unit_table.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <cstddef>
#include <span>
#include <string_view>

namespace mezzurix {

struct KeyedName {
    std::string_view unit;  // a unit record's key
    std::string_view text;
    NameKind kind;
};

struct KeyedDisplayName {
    std::string_view unit;
    std::string_view singular;
    std::string_view plural;
};

struct KeyedFormName {
    std::string_view unit;
    int form;
    std::string_view names;  // '|'-separated
    std::string_view singular;
    std::string_view plural;
};

struct KeyedText {
    std::string_view key;  // a unit record's key, or a category record's
    std::string_view text;
};

// The rows but the last as names of a language's catalogue, with their units' codes found while
// compiling: a key of no unit does not build.
template <std::size_t N>
consteval std::array<UnitName, N - 1> withCodes(const KeyedName (&rows)[N])
{
    std::array<UnitName, N - 1> names{};
    for (std::size_t i = 0; i + 1 < N; ++i)
        names[i] = {unit_table::codeOf(rows[i].unit), rows[i].text, rows[i].kind, true};
    return names;
}

template <std::size_t N>
consteval std::array<DisplayName, N - 1> withCodes(const KeyedDisplayName (&rows)[N])
{
    std::array<DisplayName, N - 1> names{};
    for (std::size_t i = 0; i + 1 < N; ++i)
        names[i] = {unit_table::codeOf(rows[i].unit), rows[i].singular, rows[i].plural};
    return names;
}

template <std::size_t N>
consteval std::array<FormName, N - 1> withCodes(const KeyedFormName (&rows)[N])
{
    std::array<FormName, N - 1> forms{};
    for (std::size_t i = 0; i + 1 < N; ++i)
        forms[i] = {unit_table::codeOf(rows[i].unit), rows[i].form, rows[i].names, rows[i].singular, rows[i].plural};
    return forms;
}

template <std::size_t N>
consteval std::array<UnitDescription, N - 1> withUnitCodes(const KeyedText (&rows)[N])
{
    std::array<UnitDescription, N - 1> descriptions{};
    for (std::size_t i = 0; i + 1 < N; ++i)
        descriptions[i] = {unit_table::codeOf(rows[i].key), rows[i].text};
    return descriptions;
}

// The rows but the last as category names: a key of no category does not build.
template <std::size_t N>
consteval std::array<CategoryName, N - 1> withCategoryKeys(const KeyedText (&rows)[N])
{
    std::array<CategoryName, N - 1> names{};
    for (std::size_t i = 0; i + 1 < N; ++i) {
        if (std::none_of(std::begin(unit_table::kCategories), std::end(unit_table::kCategories),
                         [&](const CategoryRecord& category) { return category.key == rows[i].key; }))
            throw "no category has this key";
        names[i] = {rows[i].key, rows[i].text};
    }
    return names;
}

template <typename Row, std::size_t N>
constexpr std::span<const Row> withoutEnd(const Row (&rows)[N])
{
    return std::span(rows).first(N - 1);
}

} // namespace mezzurix
