// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_index.h"

#include "query_text.h"

#include <mezzurix/typed_units.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <tuple>
#include <unordered_set>

namespace mezzurix::names {

namespace {

// A suggestion this many edits away is still a plausible slip; short texts allow fewer, or
// every two-letter symbol would be suggested for every other.
constexpr int kMaxSuggestionDistance = 2;
constexpr std::size_t kShortTextBytes = 4;
constexpr std::size_t kMaxSuggestions = 3;

// Every name under its folded text, in open addressing: a few hundred keys in a table at
// most half full keeps the probes short. Most lookups of a query miss, so one probe decides
// both the exact and the case-free match.
class NameTable {
public:
    struct Entry {
        std::string_view text;
        int code;
        bool exactCase;
    };
    struct Keyed {
        std::string_view folded;
        Entry entry;
    };

    NameTable() = default;
    explicit NameTable(const std::vector<Keyed>& names) : slots_(std::bit_ceil(2 * names.size() + 1)), mask_(slots_.size() - 1)
    {
        // Two passes, no sort: count the names of each key, then place each group together.
        std::vector<std::size_t> slotOf(names.size());
        for (std::size_t n = 0; n < names.size(); ++n) {
            std::size_t i = hash(names[n].folded) & mask_;
            while (slots_[i].count != 0 && slots_[i].key != names[n].folded)
                i = (i + 1) & mask_;
            slots_[i].key = names[n].folded;
            ++slots_[i].count;
            slotOf[n] = i;
        }
        std::uint32_t next = 0;
        for (Slot& slot : slots_) {
            slot.first = next;
            next += slot.count;
        }
        entries_.resize(names.size());
        std::vector<std::uint32_t> placed(slots_.size(), 0);
        for (std::size_t n = 0; n < names.size(); ++n)
            entries_[slots_[slotOf[n]].first + placed[slotOf[n]]++] = names[n].entry;
    }

    // The units `text` names: in its exact case; else by a name whose case means nothing; else,
    // when `text` is no symbol the reader knows in its exact case, by the one unit whose symbol
    // differs from it only by case ("KG"). Codes below zero stand for known symbols of units the
    // catalogue lacks; `unsupported` gets the one `text` is exactly.
    UnitMatch find(std::string_view text, int* unsupported = nullptr) const
    {
        UnitMatch exact, loose, caseFree;
        bool knownOtherCase = false;
        for (std::size_t i = hash(text) & mask_; slots_[i].count != 0; i = (i + 1) & mask_) {
            if (!query_text::equalsFolded(text, slots_[i].key))
                continue;
            for (std::size_t k = slots_[i].first; k < slots_[i].first + slots_[i].count; ++k) {
                const Entry& entry = entries_[k];
                if (entry.code < 0) {
                    if (entry.text == text && unsupported)
                        *unsupported = entry.code;
                    if (entry.text == text)
                        return {};
                    knownOtherCase = true;
                } else if (entry.text == text) {
                    exact.add(entry.code);
                } else if (!entry.exactCase) {
                    loose.add(entry.code);
                } else {
                    caseFree.add(entry.code);
                }
            }
            break;
        }
        if (!exact.empty())
            return exact;
        if (!loose.empty())
            return loose;
        return caseFree.codes().size() == 1 && !knownOtherCase ? caseFree : UnitMatch{};
    }

private:
    // Of the folded text: a name hashes alike in any case.
    static std::size_t hash(std::string_view key)
    {
        // FNV-1a
        std::uint64_t h = 14695981039346656037ull;
        for (const char c : key)
            h = (h ^ static_cast<unsigned char>(query_text::foldByte(c))) * 1099511628211ull;
        return static_cast<std::size_t>(h ^ (h >> 32));
    }

    struct Slot {
        std::string_view key;
        std::uint32_t first = 0;  // entries_[first, first + count) fold to `key`
        std::uint32_t count = 0;  // 0: the slot is free
    };
    std::vector<Slot> slots_{1};
    std::vector<Entry> entries_;
    std::size_t mask_ = 0;
};

// The SI prefixes, for the symbols of prefixed units the catalogue lacks.
struct Prefix {
    std::string_view symbol;
    std::string_view name;
    bool small;  // below one: never put before a byte
};
constexpr Prefix kPrefixes[] = {
    {"Q", "quetta", false}, {"R", "ronna", false}, {"Y", "yotta", false}, {"Z", "zetta", false},
    {"E", "exa", false},    {"P", "peta", false},  {"T", "tera", false},  {"G", "giga", false},
    {"M", "mega", false},   {"k", "kilo", false},  {"h", "hecto", true},  {"da", "deca", true},
    {"d", "deci", true},    {"c", "centi", true},  {"m", "milli", true},  {"\u00B5", "micro", true},
    {"\u03BC", "micro", true}, {"u", "micro", true}, {"n", "nano", true},  {"p", "pico", true},
    {"f", "femto", true},   {"a", "atto", true},   {"z", "zepto", true},  {"y", "yocto", true},
    {"r", "ronto", true},   {"q", "quecto", true},
};

// The catalogue's metric units by symbol, with the plural of their name.
struct MetricBase {
    std::string_view symbol;
    std::string_view plural;
    bool bytes;
};
constexpr MetricBase kMetricBases[] = {
    {"m", "meters", false},   {"g", "grams", false},   {"W", "watts", false}, {"J", "joules", false},
    {"Pa", "pascals", false}, {"N", "newtons", false}, {"L", "liters", false}, {"l", "liters", false},
    {"bar", "bars", false},   {"lx", "lux", false},    {"cal", "calories", false}, {"Wh", "watt-hours", false},
    {"B", "bytes", true},
};

// Symbols outside the prefix scheme that must not be read as a unit of another case.
struct OtherSymbol {
    std::string_view symbol;
    std::string_view plural;
};
constexpr OtherSymbol kOtherSymbols[] = {{"Cal", "kilocalories"}, {"kcal", "kilocalories"}};

struct Index {
    std::vector<UnitName> all;             // list texts, then aliases
    std::vector<std::string> foldedTexts;  // folded text of each name in `all`
    NameTable table;                       // every name, by its folded text
    std::vector<std::string> unsupportedSymbols;  // known symbols the catalogue lacks, and
    std::vector<std::string> unsupportedPlurals;  // what they name: code -1 - i
    std::vector<UnitPlace> places;         // by unit code
    std::vector<std::size_t> unitOrder;    // by unit code: rank in catalogue order
    std::size_t maxTokens = 1;

    Index()
    {
        int highestCode = 0;
        for (const Category& category : typedCategories())
            for (const Unit& unit : category.units)
                highestCode = std::max(highestCode, unit.code);
        places.resize(static_cast<std::size_t>(highestCode) + 1);
        unitOrder.resize(places.size());

        std::size_t categoryIndex = 0;
        std::size_t rank = 0;
        for (const Category& category : typedCategories()) {
            for (std::size_t position = 0; position < category.units.size(); ++position) {
                const Unit& unit = category.units[position];
                places[static_cast<std::size_t>(unit.code)] = {categoryIndex, position};
                unitOrder[static_cast<std::size_t>(unit.code)] = rank++;
                all.push_back({unit.code, unit.text, NameKind::ListText});
            }
            ++categoryIndex;
        }
        all.insert(all.end(), unitAliases().begin(), unitAliases().end());

        foldedTexts.reserve(all.size());
        std::vector<NameTable::Keyed> keyed;
        for (const UnitName& name : all) {
            foldedTexts.push_back(query_text::fold(name.text));
            keyed.push_back({foldedTexts.back(), {name.text, name.unitCode, name.kind == NameKind::CaseSymbol}});
            maxTokens = std::max<std::size_t>(maxTokens, 1 + std::count(name.text.begin(), name.text.end(), ' '));
        }
        // Known symbols beyond the catalogue: prefixed metric symbols and a few others.
        std::vector<std::pair<std::string, std::string>> known;
        for (const MetricBase& base : kMetricBases)
            for (const Prefix& prefix : kPrefixes)
                if (!(base.bytes && prefix.small))
                    known.emplace_back(std::string(prefix.symbol) + std::string(base.symbol),
                                       std::string(prefix.name) + std::string(base.plural));
        for (const OtherSymbol& other : kOtherSymbols)
            known.emplace_back(std::string(other.symbol), std::string(other.plural));
        // Every name's text, to leave out the known symbols that name a unit after all.
        std::unordered_set<std::string_view> texts;
        for (const UnitName& name : all)
            texts.insert(name.text);
        std::unordered_set<std::string> seen;
        for (auto& entry : known) {
            std::string& symbol = entry.first;
            std::string& plural = entry.second;
            if (texts.contains(symbol) || !seen.insert(symbol).second)
                continue;
            unsupportedSymbols.push_back(std::move(symbol));
            unsupportedPlurals.push_back(std::move(plural));
        }
        unsupportedFolded.reserve(unsupportedSymbols.size());
        for (std::size_t i = 0; i < unsupportedSymbols.size(); ++i) {
            unsupportedFolded.push_back(query_text::fold(unsupportedSymbols[i]));
            keyed.push_back({unsupportedFolded.back(), {unsupportedSymbols[i], -1 - static_cast<int>(i), true}});
        }
        table = NameTable(keyed);
    }
    std::vector<std::string> unsupportedFolded;
};

const Index& index()
{
    static const Index instance;
    return instance;
}

int kindRank(NameKind kind)
{
    switch (kind) {
    case NameKind::Name: return 0;
    case NameKind::ListText: return 1;
    default: return 2;
    }
}

} // namespace

UnitMatch lookUp(std::string_view text)
{
    return index().table.find(text);
}

std::optional<std::string> unsupportedUnit(std::string_view text)
{
    int code = 0;
    index().table.find(text, &code);
    if (code >= 0)
        return std::nullopt;
    return index().unsupportedPlurals[static_cast<std::size_t>(-1 - code)];
}

std::size_t maxNameTokens()
{
    return index().maxTokens;
}

UnitPlace placeOf(int code)
{
    return index().places.at(static_cast<std::size_t>(code));
}

std::vector<std::string> suggestionsFor(std::string_view typed)
{
    const Index& idx = index();
    const std::string folded = query_text::fold(typed);
    // A single letter is a plausible slip for every other single letter: only its case may differ.
    const int bound = std::min(folded.size() <= kShortTextBytes ? 1 : kMaxSuggestionDistance,
                               static_cast<int>(folded.size()) - 1);

    // The best name of each unit: fewest edits, then written names, then the longest shared
    // ending (SI symbols end in their base unit: "mg" is nearer "g" and "kg" than "mi"), then
    // table order.
    struct Best {
        int distance;
        int rank;
        int sharedEnding;
        std::size_t unitOrder;
        std::size_t name;
        auto key() const { return std::tie(distance, rank, sharedEnding, unitOrder); }
    };
    std::vector<Best> best;
    for (std::size_t i = 0; i < idx.all.size(); ++i) {
        const std::string_view candidateText = idx.foldedTexts[i];
        // A name differing only by case was refused for a reason: another unit, perhaps a
        // thousand times larger or smaller, has the typed symbol.
        if (candidateText == folded)
            continue;
        const int distance = query_text::editDistance(folded, candidateText, bound);
        if (distance > bound)
            continue;
        int shared = 0;
        while (static_cast<std::size_t>(shared) < std::min(folded.size(), candidateText.size()) &&
               folded[folded.size() - 1 - shared] == candidateText[candidateText.size() - 1 - shared])
            ++shared;
        const Best candidate{distance, kindRank(idx.all[i].kind), -shared,
                             idx.unitOrder[static_cast<std::size_t>(idx.all[i].unitCode)], i};
        const auto same = std::find_if(best.begin(), best.end(), [&](const Best& b) {
            return idx.all[b.name].unitCode == idx.all[i].unitCode;
        });
        if (same == best.end())
            best.push_back(candidate);
        else if (candidate.key() < same->key())
            *same = candidate;
    }
    std::sort(best.begin(), best.end(), [](const Best& a, const Best& b) { return a.key() < b.key(); });

    // List texts ignore case, so one typed in lower case is offered in lower case.
    const bool lowerCase = std::none_of(typed.begin(), typed.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    std::vector<std::string> names;
    for (const Best& b : best) {
        const UnitName& name = idx.all[b.name];
        const std::string text = lowerCase && name.kind == NameKind::ListText ? idx.foldedTexts[b.name]
                                                                               : std::string(name.text);
        if (std::find(names.begin(), names.end(), text) == names.end())
            names.push_back(text);
        if (names.size() == kMaxSuggestions)
            break;
    }
    return names;
}

} // namespace mezzurix::names
