// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Byte-level helpers of the query reader: UTF-8, blanks, case folding, edit distance.

#include <mezzurix/blanks.h>
#include <mezzurix/query.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mezzurix::query_text {

// The offset of the first byte that does not start a well-formed UTF-8 sequence (overlong
// forms, surrogates and code points above U+10FFFF included), or nullopt.
std::optional<std::size_t> firstInvalidUtf8(std::string_view text);

// The length of the blank at `pos`, or 0.
using blanks::queryBlankLength;
inline std::size_t blankLength(std::string_view text, std::size_t pos)
{
    return queryBlankLength(text, pos);
}

// The length of a run of dots at `pos` that ends at `end` or at a blank, or 0: dots standing
// alone after the value ("4:30. min/km", "5 . m/s^3"), which belong to no unit, as abbreviation
// dots belong to none.
inline std::size_t loneDotsLength(std::string_view text, std::size_t pos, std::size_t end)
{
    std::size_t dots = pos;
    while (dots < end && text[dots] == '.')
        ++dots;
    return dots > pos && (dots == end || blankLength(text, dots) > 0) ? dots - pos : 0;
}

// The length of the separator symbol at `pos` (->, =>, →, >, =), or 0.
std::size_t separatorSymbolLength(std::string_view text, std::size_t pos);

// Whether two spans of a text share a byte; an empty span shares none.
inline bool overlaps(TextSpan a, TextSpan b)
{
    return a.length > 0 && b.length > 0 && a.offset < b.offset + b.length && b.offset < a.offset + a.length;
}

// ASCII letters lowered; every other byte kept.
inline char foldByte(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string fold(std::string_view text);

// Whether `text` with its ASCII letters lowered is `folded`.
inline bool equalsFolded(std::string_view text, std::string_view folded)
{
    return text.size() == folded.size() &&
           std::equal(text.begin(), text.end(), folded.begin(), [](char t, char f) { return foldByte(t) == f; });
}

// Restricted Damerau-Levenshtein distance (adjacent transpositions), or `bound` + 1 when it
// would exceed `bound`.
int editDistance(std::string_view a, std::string_view b, int bound);

// The bytes of `text` as a set of their low five bits: byteSetsWithin() is a cheaper, weaker form
// of the count of bytes editDistance() starts with, for a text compared with many.
std::uint32_t byteSet(std::string_view text);
inline bool byteSetsWithin(std::uint32_t a, std::uint32_t b, int bound)
{
    return std::popcount(a & ~b) <= bound && std::popcount(b & ~a) <= bound;
}

// 1-based column of byte `offset`, counted in code points.
std::size_t columnOf(std::string_view text, std::size_t offset);

// `text` between double quotes for a message, as appendShown() shows it; long texts shortened.
std::string quoted(std::string_view text);

} // namespace mezzurix::query_text
