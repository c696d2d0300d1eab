// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_index.h"

#include "prefix_reading.h"
#include "query_text.h"

#include <mezzurix/catalogue_terms.h>
#include <mezzurix/per_language.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_prefixes.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <iterator>
#include <memory>
#include <mutex>
#include <span>
#include <tuple>

namespace mezzurix::names {

namespace {

// A suggestion this many edits away is still a plausible slip; short texts allow fewer, or
// every two-letter symbol would be suggested for every other.
constexpr int kMaxSuggestionDistance = 2;
constexpr std::size_t kShortTextBytes = 4;
constexpr std::size_t kMaxSuggestions = 3;

// How a name matched a text: in its exact case first, then a name whose case means nothing, then
// a symbol of another case.
enum Tier { Exact, Loose, CaseFree, None };

// Every name under its text with ASCII case ignored, so that one lookup finds the names of the
// exact case and those of any case together. The entries lie in one array, grouped by bucket, so
// that a lookup reads one short run of memory and building the table allocates twice.
class NameTable {
public:
    struct Entry {
        std::string_view text;
        int code;
        bool exactCase;
        bool otherSide = false;  // read only as another reading (UnitMatch::others())
        bool translated = false; // a name of the user's language, which wins over English ones
    };

    NameTable() = default;
    // Codes below zero stand for known symbols of units the catalogue lacks; such an entry is
    // left out where an earlier entry has its exact text.
    explicit NameTable(std::span<const Entry> names)
    {
        const std::size_t buckets = std::bit_ceil(2 * names.size() + 1);
        mask_ = buckets - 1;
        starts_.assign(buckets + 1, 0);
        std::vector<Key> keys(names.size());
        for (std::size_t i = 0; i < names.size(); ++i) {
            keys[i] = keyOf(names[i].text);
            ++starts_[(keys[i].hash & mask_) + 1];
        }
        for (std::size_t b = 0; b < buckets; ++b)
            starts_[b + 1] += starts_[b];
        entries_.resize(names.size());
        std::vector<std::uint32_t> next(starts_.begin(), starts_.end() - 1);
        for (std::size_t i = 0; i < names.size(); ++i)
            entries_[next[keys[i].hash & mask_]++] = {names[i], keys[i], rawOf(names[i].text)};

        // Drop the known symbols an earlier entry spells exactly, closing the gaps.
        std::uint32_t kept = 0;
        for (std::size_t b = 0; b < buckets; ++b) {
            const std::uint32_t first = starts_[b];
            const std::uint32_t last = starts_[b + 1];
            starts_[b] = kept;
            const std::uint32_t bucketStart = kept;
            for (std::uint32_t i = first; i < last; ++i) {
                const Keyed& entry = entries_[i];
                const bool repeated =
                    entry.name.code < 0 && std::any_of(entries_.begin() + bucketStart, entries_.begin() + kept,
                                                       [&](const Keyed& e) { return e.name.text == entry.name.text; });
                if (!repeated)
                    entries_[kept++] = entry;
            }
        }
        starts_[buckets] = kept;
        entries_.resize(kept);
    }

    // The units `text` names: in its exact case; else by a name whose case means nothing; else,
    // when `text` is no symbol the reader knows in its exact case, by the one unit whose symbol
    // differs from it only by case ("KG"); `matched` gets which of these found it. `unsupported`
    // gets the code of the known symbol of a unit the catalogue lacks that `text` is exactly.
    UnitMatch find(std::string_view text, int* unsupported = nullptr, Tier* matched = nullptr) const
    {
        return search<false>(text, unsupported, matched);
    }
    // Only the names in the exact case of `text`.
    UnitMatch findExact(std::string_view text) const { return search<true>(text, nullptr, nullptr); }

private:
    template <bool exactOnly>
    UnitMatch search(std::string_view text, int* unsupported, Tier* matched) const
    {
        if (entries_.empty())
            return {};
        const Key key = keyOf(text);
        const std::uint64_t raw = rawOf(text);
        const std::size_t b = key.hash & mask_;
        Tier tier = None;
        UnitMatch found;
        UnitMatch lower;   // symbols of another case, below a better match
        UnitMatch others;  // other-side names
        bool translated = false;  // `found` holds names of the user's language
        bool knownOtherCase = false;
        for (std::uint32_t i = starts_[b]; i < starts_[b + 1]; ++i) {
            const Keyed& keyed = entries_[i];
            if (!(keyed.key == key) || !sameIgnoringCase(keyed.name.text, text))
                continue;
            const Entry& entry = keyed.name;
            const bool exact = keyed.raw == raw && (text.size() <= kPackedBytes || entry.text == text);
            if (entry.code < 0) {
                if (exact) {
                    if (unsupported)
                        *unsupported = entry.code;
                    return {};
                }
                knownOtherCase = true;
                continue;
            }
            if (exactOnly && !exact)
                continue;
            if (entry.otherSide) {
                if (exact || !entry.exactCase)
                    others.add(entry.code);
                continue;
            }
            // A name of the user's language in another case ranks as the exact English one
            // ("grad" in German is Grad, the degree).
            const Tier entryTier = exact || (entry.translated && !entry.exactCase) ? Exact
                                   : !entry.exactCase                          ? Loose
                                                                               : CaseFree;
            if (entryTier < tier) {
                if (tier == CaseFree)
                    lower = found;
                tier = entryTier;
                found = {};
                translated = false;
            }
            if (entryTier == tier) {
                // Of one tier, the user's language's names win: German "Grad" is the degree, not
                // the English grad; the English readings become other readings.
                if (entry.translated && !translated) {
                    for (const int code : found.codes())
                        others.add(code);
                    found = {};
                    translated = true;
                }
                if (entry.translated == translated)
                    found.add(entry.code);
                else
                    others.add(entry.code);
            } else if (entryTier == CaseFree) {
                lower.add(entry.code);
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

    // A text's first bytes with ASCII case ignored, packed in a word (most names fit in it
    // whole, and then compare as one number), its length, and a hash of it all.
    static constexpr std::size_t kPackedBytes = sizeof(std::uint64_t);
    struct Key {
        std::uint64_t packed = 0;
        std::uint32_t size = 0;
        std::uint32_t hash = 0;
        bool operator==(const Key&) const = default;
    };
    static Key keyOf(std::string_view text)
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
    // The first bytes as they are, for telling the exact case.
    static std::uint64_t rawOf(std::string_view text)
    {
        std::uint64_t raw = 0;
        for (std::size_t i = 0; i < std::min(text.size(), kPackedBytes); ++i)
            raw |= std::uint64_t(static_cast<unsigned char>(text[i])) << (8 * i);
        return raw;
    }
    // For texts of equal keys: the bytes beyond the packed ones, with ASCII case ignored.
    static bool sameIgnoringCase(std::string_view a, std::string_view b)
    {
        return a.size() <= kPackedBytes ||
               std::equal(a.begin() + kPackedBytes, a.end(), b.begin() + kPackedBytes,
                          [](char x, char y) { return query_text::foldByte(x) == query_text::foldByte(y); });
    }

    struct Keyed {
        Entry name;
        Key key;
        std::uint64_t raw;
    };
    std::vector<Keyed> entries_;          // grouped by bucket, in the order given within each
    std::vector<std::uint32_t> starts_;   // bucket b holds entries_[starts_[b], starts_[b + 1])
    std::size_t mask_ = 0;
};

// Symbols that take SI prefixes without a unit to read them through: with a prefix they name no
// unit the catalogue has. The plural of their name.
struct MetricBase {
    std::string_view symbol;
    std::string_view plural;
    bool bytes;  // bytes take the binary prefixes, and none below one
};
constexpr MetricBase kMetricBases[] = {{"cal", "calories", false}, {"B", "bytes", true}};

// Symbols outside the prefix scheme that must not be read as a unit of another case.
struct OtherSymbol {
    std::string_view symbol;
    std::string_view plural;
};
constexpr OtherSymbol kOtherSymbols[] = {{"Cal", "kilocalories"}, {"kcal", "kilocalories"}, {"Ci", "curies"}};

} // namespace

struct Index {
    NameTable table;                       // every name, case ignored
    std::vector<std::string> unsupportedSymbols;  // known symbols the catalogue lacks, and
    std::vector<std::string> unsupportedPlurals;  // what they name: code -1 - i
    std::size_t maxTokens = 1;

    // The names of the units, list texts first, then aliases and the language's names, and the
    // folded text of each, for suggestions: made on the first error that asks, not by every run
    // that never meets one.
    const std::vector<UnitName>& all() const
    {
        std::call_once(allOnce_, [this] { forEachName([this](const UnitName& name) { all_.push_back(name); }); });
        return all_;
    }
    const std::vector<std::string>& foldedTexts() const
    {
        std::call_once(foldedOnce_, [this] {
            folded_.reserve(all().size());
            foldedSets_.reserve(all().size());
            for (const UnitName& name : all()) {
                folded_.push_back(query_text::fold(name.text));
                foldedSets_.push_back(query_text::byteSet(folded_.back()));
            }
        });
        return folded_;
    }
    // query_text::byteSet() of each folded text.
    const std::vector<std::uint32_t>& foldedByteSets() const
    {
        foldedTexts();
        return foldedSets_;
    }

    explicit Index(const LanguageNames* language) : language_(language)
    {

        // Known symbols beyond the catalogue: prefixed metric symbols of no unit and a few
        // others. The table leaves out those that name a unit after all, and repeats.
        const std::size_t knownSymbols = std::size(kMetricBases) * siPrefixes().size() + std::size(kOtherSymbols);
        unsupportedSymbols.reserve(knownSymbols);
        unsupportedPlurals.reserve(knownSymbols);
        for (const MetricBase& base : kMetricBases)
            for (const UnitPrefix& prefix : siPrefixes())
                if (!(base.bytes && prefix.exponent < 0)) {
                    unsupportedSymbols.push_back(std::string(prefix.symbol).append(base.symbol));
                    unsupportedPlurals.push_back(std::string(prefix.word).append(base.plural));
                }
        for (const OtherSymbol& other : kOtherSymbols) {
            unsupportedSymbols.emplace_back(other.symbol);
            unsupportedPlurals.emplace_back(other.plural);
        }

        std::vector<NameTable::Entry> keyed;
        std::size_t nameCount = 0;
        forEachName([&](const UnitName&) { ++nameCount; });
        keyed.reserve(nameCount + otherSideNames().size() + unsupportedSymbols.size() +
                      (language != nullptr ? otherSideNames(*language).size() : 0));
        forEachName([&](const UnitName& name) {
            keyed.push_back({name.text, name.unitCode, name.kind == NameKind::CaseSymbol, false, name.translated});
            maxTokens = std::max<std::size_t>(maxTokens, 1 + std::count(name.text.begin(), name.text.end(), ' '));
        });
        const std::span<const UnitName> translatedOtherSide =
            language != nullptr ? otherSideNames(*language) : std::span<const UnitName>();
        for (const std::span<const UnitName> names : {otherSideNames(), translatedOtherSide})
            for (const UnitName& name : names)
                keyed.push_back({name.text, name.unitCode, name.kind == NameKind::CaseSymbol, true});
        // The symbols are complete here: the table keeps views of them.
        for (std::size_t i = 0; i < unsupportedSymbols.size(); ++i)
            keyed.push_back({unsupportedSymbols[i], -1 - static_cast<int>(i), true});
        table = NameTable(keyed);
    }

private:
    template <typename Each>
    void forEachName(Each each) const
    {
        for (const Category& category : typedCategories())
            for (const Unit& unit : category.units)
                each(UnitName{unit.code, unit.text, NameKind::ListText});
        for (const UnitName& alias : unitAliases())
            each(alias);
        if (language_ != nullptr)
            for (const UnitName& name : language_->names)
                each(name);
    }

    const LanguageNames* language_;
    mutable std::once_flag allOnce_;
    mutable std::vector<UnitName> all_;
    mutable std::once_flag foldedOnce_;
    mutable std::vector<std::string> folded_;
    mutable std::vector<std::uint32_t> foldedSets_;
};

namespace {

const Index& index(const LanguageNames* language);

// English and one language, built on that language's first use.
[[gnu::noinline]] const Index& translatedIndex(const LanguageNames* language)
{
    // An index holds once flags, which cannot move: the slot keeps it on the heap.
    const auto* made = madeOnFirstUse(language, [](const LanguageNames& each) { return std::make_unique<Index>(&each); });
    return made != nullptr ? **made : index(nullptr);
}

// English alone, or English and one language: each built on its first use. English, which every
// query reads, takes no detour.
inline const Index& index(const LanguageNames* language)
{
    if (language != nullptr)
        return translatedIndex(language);
    static const Index english(nullptr);
    return english;
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

const Index& indexFor(const LanguageNames* language)
{
    return index(language);
}

namespace {

// Whether `text`, which names the units of `match` only by a name in another case (`tier`), is to
// be read with a prefix instead: a prefix reading as written comes before any name in another case
// of another size ("Gm" is no gm, "mHz" no MHz; "GHz" is the gigahertz either way), and a symbol is
// not read in another case where a prefixed symbol, no name, is spelled so in another case ("MM" is
// neither mm nor Mm, "Ms" no ms).
[[gnu::noinline]] bool prefixedSymbol(const Index& names, std::string_view text, Tier tier, const UnitMatch& match)
{
    if (const std::optional<prefix_reading::Reading> reading = prefix_reading::read(text); reading && reading->bySymbol) {
        const CatalogueUnit* base = catalogueUnit(reading->code);
        const CatalogueUnit* named = match.codes().size() == 1 ? catalogueUnit(match.codes().front()) : nullptr;
        return base == nullptr || named == nullptr || named->term.dimension != base->term.dimension ||
               named->term.amount != prefixFactor(*reading->prefix) * base->term.amount;
    }
    if (tier == CaseFree)
        for (const std::string& prefixed : prefix_reading::symbolsInAnyCase(text))
            if (names.table.findExact(prefixed).empty())
                return true;
    return false;
}

} // namespace

UnitMatch lookUp(const Index& names, std::string_view text)
{
    Tier tier = Exact;
    UnitMatch match = names.table.find(text, nullptr, &tier);
    if (tier != Exact && !match.empty() && prefixedSymbol(names, text, tier, match))
        return {};
    return match;
}

UnitMatch lookUpExact(const Index& names, std::string_view text)
{
    return names.table.findExact(text);
}

std::size_t maxNameTokens(const Index& names)
{
    return names.maxTokens;
}

std::optional<std::string> unsupportedUnit(std::string_view text, const LanguageNames* language)
{
    int code = 0;
    index(language).table.find(text, &code);
    if (code >= 0)
        return std::nullopt;
    return index(language).unsupportedPlurals[static_cast<std::size_t>(-1 - code)];
}

UnitPlace placeOf(int code)
{
    return typedPlaceOf(code).value();
}

namespace {

std::vector<std::string> nearestNames(std::string_view typed, const Index& idx);

// The last texts suggestions were asked for, and the suggestions: a query that fails is read
// again with each correction, and each name the last word may be finishing, and the same unknown
// word in each reading is looked for once.
constexpr std::size_t kRememberedSuggestions = 8;
struct RememberedSuggestions {
    const Index* index = nullptr;
    std::string typed;
    std::vector<std::string> names;
};

} // namespace

std::vector<std::string> suggestionsFor(std::string_view typed, const LanguageNames* language)
{
    thread_local std::array<RememberedSuggestions, kRememberedSuggestions> remembered;
    thread_local std::size_t next = 0;
    const Index& idx = index(language);
    for (const RememberedSuggestions& known : remembered)
        if (known.index == &idx && known.typed == typed)
            return known.names;
    RememberedSuggestions& slot = remembered[next];
    next = (next + 1) % kRememberedSuggestions;
    slot = {&idx, std::string(typed), nearestNames(typed, idx)};
    return slot.names;
}

namespace {

// The names nearest `typed`, by unit, best first.
std::vector<std::string> nearestNames(std::string_view typed, const Index& idx)
{
    const std::string folded = query_text::fold(typed);
    // A single letter is a plausible slip for every other single letter: only its case may differ.
    const int bound = std::min(folded.size() <= kShortTextBytes ? 1 : kMaxSuggestionDistance,
                               static_cast<int>(folded.size()) - 1);

    // The best name of each unit: fewest edits, then written names, then the longest shared
    // ending (SI symbols end in their base unit: "mg" is nearer "g" and "kg" than "mi"), then
    // catalogue order.
    struct Best {
        int distance;
        int rank;
        int sharedEnding;
        UnitPlace place;
        std::size_t name;
        auto key() const { return std::tie(distance, rank, sharedEnding, place.categoryIndex, place.position); }
    };
    std::vector<Best> best;
    const std::vector<UnitName>& all = idx.all();
    const std::vector<std::string>& foldedTexts = idx.foldedTexts();
    const std::vector<std::uint32_t>& foldedSets = idx.foldedByteSets();
    const std::uint32_t typedSet = query_text::byteSet(folded);
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!query_text::byteSetsWithin(typedSet, foldedSets[i], bound))
            continue;
        const std::string_view candidateText = foldedTexts[i];
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
        const Best candidate{distance, kindRank(all[i].kind), -shared,
                             placeOf(all[i].unitCode), i};
        const auto same = std::find_if(best.begin(), best.end(), [&](const Best& b) {
            return all[b.name].unitCode == all[i].unitCode;
        });
        // Between two names of the unit alike in all that, the language's own is the one named
        // ("Kilogrammx" is read as "Kilogramm", not as the English "kilogramme").
        if (same == best.end())
            best.push_back(candidate);
        else if (candidate.key() < same->key() ||
                 (candidate.key() == same->key() && all[i].translated && !all[same->name].translated))
            *same = candidate;
    }
    std::sort(best.begin(), best.end(), [](const Best& a, const Best& b) { return a.key() < b.key(); });

    // List texts ignore case, so one typed in lower case is offered in lower case.
    const bool lowerCase = std::none_of(typed.begin(), typed.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    std::vector<std::string> names;
    for (const Best& b : best) {
        const UnitName& name = all[b.name];
        const std::string text = lowerCase && name.kind == NameKind::ListText ? foldedTexts[b.name]
                                                                               : std::string(name.text);
        if (std::find(names.begin(), names.end(), text) == names.end())
            names.push_back(text);
        if (names.size() == kMaxSuggestions)
            break;
    }
    return names;
}

} // namespace

} // namespace mezzurix::names
