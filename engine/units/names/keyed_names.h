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
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

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

// The text fields of each kind of row, for `each(row, f)` to call f with every one in turn.
template <typename Row>
struct TextFields;
#define MEZZURIX_TEXT_FIELDS(Row, ...)                                                                       \
    template <>                                                                                              \
    struct TextFields<Row> {                                                                                 \
        template <typename RowRef, typename F>                                                               \
        static constexpr void each(RowRef& row, F f)                                                         \
        {                                                                                                    \
            for (auto field : {__VA_ARGS__})                                                                 \
                f(row.*field);                                                                               \
        }                                                                                                    \
    }
MEZZURIX_TEXT_FIELDS(UnitName, &UnitName::text);
MEZZURIX_TEXT_FIELDS(DisplayName, &DisplayName::singular, &DisplayName::plural);
MEZZURIX_TEXT_FIELDS(FormName, &FormName::names, &FormName::singular, &FormName::plural);
MEZZURIX_TEXT_FIELDS(UnitDescription, &UnitDescription::text);
MEZZURIX_TEXT_FIELDS(CategoryName, &CategoryName::key, &CategoryName::text);
MEZZURIX_TEXT_FIELDS(CurrencyName, &CurrencyName::code, &CurrencyName::names, &CurrencyName::singular,
                     &CurrencyName::plural, &CurrencyName::beside);
MEZZURIX_TEXT_FIELDS(SharedCurrencyWords, &SharedCurrencyWords::key, &SharedCurrencyWords::names);
#undef MEZZURIX_TEXT_FIELDS

// Rows whose texts are kept as places in one array of characters. A table of pointers is written
// by the loader at every start, a page fault for each of its pages, while a language's rows are
// read only in that language: packed, they are read from the file where and when they are needed.
// Each text field of a row is left empty, and unpacked() gives the rows back.
template <typename Row, std::size_t Rows, std::size_t Texts, std::size_t Chars>
struct PackedRows {
    std::array<Row, Rows> rows{};  // every text field empty
    std::array<std::array<std::uint32_t, 2>, Texts> places{};  // offset and size of each text, row by row
    std::array<char, Chars> chars{};
};

template <typename Row, std::size_t N>
constexpr std::span<const Row> withoutEnd(const Row (&rows)[N])
{
    return std::span(rows).first(N - 1);
}

// The rows of `rows`: a C array's last row, the empty one that ends it, left out.
template <const auto& Rows>
consteval auto rowsToPack()
{
    if constexpr (std::is_array_v<std::remove_cvref_t<decltype(Rows)>>)
        return withoutEnd(Rows);
    else
        return std::span(Rows);
}

// How many texts the rows have, and how many characters with a null character after each.
template <typename Row, std::size_t N>
consteval std::array<std::size_t, 2> textsOf(std::span<const Row, N> rows)
{
    std::size_t texts = 0;
    std::size_t chars = 0;
    for (const Row& row : rows)
        TextFields<Row>::each(row, [&](std::string_view text) { ++texts, chars += text.size() + 1; });
    return {texts, chars};
}

template <const auto& Rows>
consteval auto packed()
{
    constexpr auto rows = rowsToPack<Rows>();
    using Row = std::remove_cv_t<typename decltype(rows)::element_type>;
    constexpr auto count = textsOf(rows);
    PackedRows<Row, rows.size(), count[0], count[1]> packed;
    std::size_t offset = 0;
    std::size_t place = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        packed.rows[r] = rows[r];
        TextFields<Row>::each(packed.rows[r], [&](std::string_view& text) {
            std::copy(text.begin(), text.end(), packed.chars.begin() + static_cast<std::ptrdiff_t>(offset));
            packed.places[place++] = {static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(text.size())};
            offset += text.size() + 1;  // each text ends in a null character, as a literal does
            text = {};
        });
    }
    return packed;
}

template <typename Row, std::size_t Rows, std::size_t Texts, std::size_t Chars>
std::vector<Row> unpacked(const PackedRows<Row, Rows, Texts, Chars>& packed)
{
    std::vector<Row> rows(packed.rows.begin(), packed.rows.end());
    std::size_t place = 0;
    for (Row& row : rows)
        TextFields<Row>::each(row, [&](std::string_view& text) {
            const auto [offset, size] = packed.places[place++];
            text = std::string_view(packed.chars.data() + offset, size);
        });
    return rows;
}

} // namespace mezzurix
