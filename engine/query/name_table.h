// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every name of the units under its text with ASCII case ignored, so that one lookup finds the
// names of the exact case and those of any case together.

#include "name_index.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace mezzurix::names {

class NameTable {
public:
    // How a name matched a text: in its exact case first, then a name whose case means nothing,
    // then a symbol of another case.
    enum class Tier { Exact, Loose, CaseFree, None };
    struct Entry {
        std::string_view text;
        int code;  // below zero: a known symbol of a unit the catalogue lacks
        bool exactCase;
        bool otherSide = false;  // read only as another reading (UnitMatch::others())
        bool translated = false; // a name of the user's language, which wins over English ones
    };
    enum Flag : std::uint8_t { ExactCase = 1, OtherSide = 2, Translated = 4 };
    // One name as the table keeps it: no pointers, so that a table written out as source lies in
    // read-only memory that the loader never touches.
    struct Slot {
        std::uint64_t packed;  // the first bytes with ASCII case ignored (most names whole)
        std::uint64_t raw;     // the first bytes as they are, for telling the exact case
        std::uint32_t hash;    // of the text with ASCII case ignored
        std::uint32_t textOffset;
        std::int32_t code;
        std::uint16_t size;
        std::uint8_t flags;
        bool operator==(const Slot&) const = default;
    };

    NameTable() = default;
    // A table of `names`, in the order given. An entry of a known symbol is left out where an
    // earlier entry has its exact text.
    explicit NameTable(std::span<const Entry> names);
    // A table built before (written out as source): its parts outlive it.
    NameTable(std::span<const Slot> grouped, std::span<const std::uint32_t> starts, std::string_view text)
        : slots_(grouped), starts_(starts), text_(text)
    {
    }
    // The parts of a table built here live in its vectors, whose buffers a move keeps (a table is
    // never moved into itself).
    NameTable(NameTable&&) = default;
    NameTable& operator=(NameTable&&) = default;
    NameTable(const NameTable&) = delete;
    NameTable& operator=(const NameTable&) = delete;

    // The units `text` names: in its exact case; else by a name whose case means nothing; else,
    // when `text` is no symbol the reader knows in its exact case, by the one unit whose symbol
    // differs from it only by case ("KG"); `matched` gets which of these found it. `unsupported`
    // gets the code of the known symbol of a unit the catalogue lacks that `text` is exactly.
    UnitMatch find(std::string_view text, int* unsupported = nullptr, Tier* matched = nullptr) const;
    // Only the names in the exact case of `text`.
    UnitMatch findExact(std::string_view text) const;

    // The names grouped by bucket, in the order given within each: bucket b holds
    // bucketSlots()[starts()[b], starts()[b + 1]); the buckets are a power of two.
    std::span<const Slot> bucketSlots() const { return slots_; }
    std::span<const std::uint32_t> starts() const { return starts_; }
    // The names' texts, one after another.
    std::string_view text() const { return text_; }

private:
    template <bool exactOnly>
    UnitMatch search(std::string_view text, int* unsupported, Tier* matched) const;
    std::string_view textOf(const Slot& slot) const { return text_.substr(slot.textOffset, slot.size); }

    std::vector<Slot> ownSlots_;
    std::vector<std::uint32_t> ownStarts_;
    std::vector<char> ownText_;
    std::span<const Slot> slots_;
    std::span<const std::uint32_t> starts_;
    std::string_view text_;
};

} // namespace mezzurix::names
