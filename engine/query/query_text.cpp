// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "query_text.h"

#include "query_parts.h"

#include <mezzurix/utf8.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace mezzurix::query_text {

namespace {

// Names are short; a longer typed text is no misspelling of one, and the distance table
// stays small.
constexpr std::size_t kMaxDistanceBytes = 64;

// Enough of a long unknown text to recognise it in a one-line message.
constexpr std::size_t kMaxQuotedBytes = 40;

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

bool startsWith(std::string_view text, std::size_t pos, std::string_view prefix)
{
    return text.substr(pos, prefix.size()) == prefix;
}

} // namespace

std::optional<std::size_t> firstInvalidUtf8(std::string_view text)
{
    constexpr std::size_t kBlock = sizeof(std::uint64_t);
    const auto asciiBlock = [&](std::size_t at) {
        std::uint64_t eight = 0;
        std::memcpy(&eight, text.data() + at, kBlock);
        return (eight & 0x8080808080808080ull) == 0;
    };
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        // Eight ASCII bytes at a time: most queries are nothing else. Near the end, the last
        // eight bytes of the text cover the rest.
        if (i + kBlock <= n) {
            if (asciiBlock(i)) {
                i += kBlock;
                continue;
            }
        } else if (n >= kBlock && asciiBlock(n - kBlock)) {
            return std::nullopt;
        }
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0)
            return i;
        i += length;
    }
    return std::nullopt;
}

std::size_t separatorSymbolLength(std::string_view text, std::size_t pos)
{
    for (const std::string_view symbol : {"->", "=>", "\u2192", ">", "="})
        if (startsWith(text, pos, symbol))
            return symbol.size();
    return 0;
}

std::string fold(std::string_view text)
{
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), foldByte);
    return folded;
}

namespace {

// Whether the bytes of `a` and `b`, counted by their low five bits, differ by at most `bound`
// either way: an edit adds at most one byte and takes away at most one, a swap neither, so this
// rules out most names far cheaper than the distance itself.
bool countsWithin(std::string_view a, std::string_view b, int bound)
{
    constexpr std::size_t kBuckets = 32;
    std::array<int, kBuckets> count{};
    for (const char c : a)
        ++count[static_cast<unsigned char>(c) % kBuckets];
    for (const char c : b)
        --count[static_cast<unsigned char>(c) % kBuckets];
    int more = 0;
    int fewer = 0;
    for (const int n : count) {
        if (n > 0)
            more += n;
        else
            fewer -= n;
    }
    return more <= bound && fewer <= bound;
}

} // namespace

std::uint32_t byteSet(std::string_view text)
{
    std::uint32_t set = 0;
    for (const char c : text)
        set |= std::uint32_t{1} << (static_cast<unsigned char>(c) % 32);
    return set;
}

int editDistance(std::string_view a, std::string_view b, int bound)
{
    const auto sizeGap = static_cast<int>(a.size() > b.size() ? a.size() - b.size() : b.size() - a.size());
    if (sizeGap > bound || a.size() > kMaxDistanceBytes || b.size() > kMaxDistanceBytes || !countsWithin(a, b, bound))
        return bound + 1;
    // Three rows of the dynamic programme, turned round each step: two back for transpositions.
    // Only the cells written are read.
    constexpr std::size_t kRow = kMaxDistanceBytes + 1;
    std::array<std::array<int, kRow>, 3> rows;
    int* before = rows[0].data();
    int* previous = rows[1].data();
    int* current = rows[2].data();
    for (std::size_t j = 0; j <= b.size(); ++j)
        previous[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = static_cast<int>(i);
        int rowMinimum = current[0];
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int best = std::min(previous[j], current[j - 1]) + 1;
            best = std::min(best, previous[j - 1] + cost);
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                best = std::min(best, before[j - 2] + 1);
            current[j] = best;
            rowMinimum = std::min(rowMinimum, best);
        }
        if (rowMinimum > bound)
            return bound + 1;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return std::min(previous[b.size()], bound + 1);
}

std::size_t columnOf(std::string_view text, std::size_t offset)
{
    std::size_t column = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i)
        if (!isContinuation(static_cast<unsigned char>(text[i])))
            ++column;
    return column;
}

std::string quoted(std::string_view text)
{
    std::string shown;
    if (!appendShown(shown, text, kMaxQuotedBytes))
        shown += "\u2026";
    // In the quotes of the messages' language: „Zoll“, « pouce ».
    return query_parts::say("\"%s\"", {shown});
}

} // namespace mezzurix::query_text
