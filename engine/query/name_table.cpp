// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_table.h"

#include "query_text.h"

#include <algorithm>
#include <bit>

namespace mezzurix::names {

namespace {

constexpr std::size_t kPackedBytes = sizeof(std::uint64_t);

// A text's first bytes with ASCII case ignored, packed in a word (most names fit in it whole, and
// then compare as one number), its length, and a hash of it all.
struct Key {
    std::uint64_t packed = 0;
    std::uint32_t size = 0;
    std::uint32_t hash = 0;
};

Key keyOf(std::string_view text)
{
    Key key;
    key.size = static_cast<std::uint32_t>(text.size());
    const std::size_t packed = std::min(text.size(), kPackedBytes);
    for (std::size_t i = 0; i < packed; ++i)
        key.packed |= std::uint64_t(static_cast<unsigned char>(query_text::foldByte(text[i]))) << (8 * i);
    // Fibonacci hashing of the packed bytes, then FNV-1a over any bytes beyond them.
    std::uint64_t h = (key.packed ^ text.size()) * 0x9E3779B97F4A7C15ull;
    for (std::size_t i = packed; i < text.size(); ++i)
        h = (h ^ static_cast<unsigned char>(query_text::foldByte(text[i]))) * 1099511628211ull;
    key.hash = static_cast<std::uint32_t>(h >> 32);
    return key;
}

std::uint64_t rawOf(std::string_view text)
{
    std::uint64_t raw = 0;
    for (std::size_t i = 0; i < std::min(text.size(), kPackedBytes); ++i)
        raw |= std::uint64_t(static_cast<unsigned char>(text[i])) << (8 * i);
    return raw;
}

// For texts of equal keys: the bytes beyond the packed ones, with ASCII case ignored.
bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() <= kPackedBytes ||
           std::equal(a.begin() + kPackedBytes, a.end(), b.begin() + kPackedBytes,
                      [](char x, char y) { return query_text::foldByte(x) == query_text::foldByte(y); });
}

} // namespace

NameTable::NameTable(std::span<const Entry> names)
{
    const std::size_t buckets = std::bit_ceil(2 * names.size() + 1);
    const std::size_t mask = buckets - 1;
    ownStarts_.assign(buckets + 1, 0);
    std::vector<Key> keys(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        keys[i] = keyOf(names[i].text);
        ++ownStarts_[(keys[i].hash & mask) + 1];
    }
    for (std::size_t b = 0; b < buckets; ++b)
        ownStarts_[b + 1] += ownStarts_[b];
    std::vector<std::uint32_t> order(names.size());  // the entries grouped by bucket
    std::vector<std::uint32_t> next(ownStarts_.begin(), ownStarts_.end() - 1);
    for (std::size_t i = 0; i < names.size(); ++i)
        order[next[keys[i].hash & mask]++] = static_cast<std::uint32_t>(i);

    // Drop the known symbols an earlier entry of the bucket spells exactly, closing the gaps.
    ownSlots_.reserve(names.size());
    std::uint32_t kept = 0;
    for (std::size_t b = 0; b < buckets; ++b) {
        const std::uint32_t first = ownStarts_[b];
        const std::uint32_t last = ownStarts_[b + 1];
        ownStarts_[b] = kept;
        for (std::uint32_t i = first; i < last; ++i) {
            const Entry& entry = names[order[i]];
            const bool repeated = entry.code < 0 && std::any_of(order.begin() + first, order.begin() + i, [&](std::uint32_t e) {
                return names[e].text == entry.text;
            });
            if (repeated)
                continue;
            const Key& key = keys[order[i]];
            const auto flags = static_cast<std::uint8_t>((entry.exactCase ? ExactCase : 0) | (entry.otherSide ? OtherSide : 0) |
                                                         (entry.translated ? Translated : 0));
            ownSlots_.push_back({key.packed, rawOf(entry.text), key.hash, static_cast<std::uint32_t>(ownText_.size()),
                                 entry.code, static_cast<std::uint16_t>(entry.text.size()), flags});
            ownText_.insert(ownText_.end(), entry.text.begin(), entry.text.end());
            ++kept;
        }
    }
    ownStarts_[buckets] = kept;
    slots_ = ownSlots_;
    starts_ = ownStarts_;
    text_ = std::string_view(ownText_.data(), ownText_.size());
}

UnitMatch NameTable::find(std::string_view text, int* unsupported, Tier* matched) const
{
    return search<false>(text, unsupported, matched);
}

UnitMatch NameTable::findExact(std::string_view text) const
{
    return search<true>(text, nullptr, nullptr);
}

template <bool exactOnly>
UnitMatch NameTable::search(std::string_view text, int* unsupported, Tier* matched) const
{
    if (slots_.empty())
        return {};
    const Key key = keyOf(text);
    const std::uint64_t raw = rawOf(text);
    const std::size_t b = key.hash & (starts_.size() - 2);
    using enum Tier;
    Tier tier = None;
    UnitMatch found;
    UnitMatch lower;   // symbols of another case, below a better match
    UnitMatch others;  // other-side names
    bool translated = false;  // `found` holds names of the user's language
    bool knownOtherCase = false;
    for (std::uint32_t i = starts_[b]; i < starts_[b + 1]; ++i) {
        const Slot& slot = slots_[i];
        if (slot.packed != key.packed || slot.size != key.size || slot.hash != key.hash ||
            !sameIgnoringCase(textOf(slot), text))
            continue;
        const bool exact = slot.raw == raw && (text.size() <= kPackedBytes || textOf(slot) == text);
        if (slot.code < 0) {
            if (exact) {
                if (unsupported)
                    *unsupported = slot.code;
                return {};
            }
            knownOtherCase = true;
            continue;
        }
        if (exactOnly && !exact)
            continue;
        const bool exactCase = (slot.flags & ExactCase) != 0;
        const bool isTranslated = (slot.flags & Translated) != 0;
        if ((slot.flags & OtherSide) != 0) {
            if (exact || !exactCase)
                others.add(slot.code);
            continue;
        }
        // A name of the user's language in another case ranks as the exact English one
        // ("grad" in German is Grad, the degree).
        const Tier slotTier = exact || (isTranslated && !exactCase) ? Exact
                              : !exactCase                          ? Loose
                                                                    : CaseFree;
        if (slotTier < tier) {
            if (tier == CaseFree)
                lower = found;
            tier = slotTier;
            found = {};
            translated = false;
        }
        if (slotTier == tier) {
            // Of one tier, the user's language's names win: German "Grad" is the degree, not
            // the English grad; the English readings become other readings.
            if (isTranslated && !translated) {
                for (const int code : found.codes())
                    others.add(code);
                found = {};
                translated = true;
            }
            if (isTranslated == translated)
                found.add(slot.code);
            else
                others.add(slot.code);
        } else if (slotTier == CaseFree) {
            lower.add(slot.code);
        }
    }
    if (tier == CaseFree && (found.codes().size() != 1 || knownOtherCase))
        return {};
    // A symbol in another case is another reading only beside a name in the exact case ("ps"
    // beside "PS"), as a name of any case reads every case already.
    if (tier == Exact)
        for (const int code : lower.codes())
            others.add(code);
    for (const int code : others.codes())
        found.addOther(code);
    if (matched != nullptr)
        *matched = tier;
    return found;
}

} // namespace mezzurix::names
