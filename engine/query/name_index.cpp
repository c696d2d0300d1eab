// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_index.h"

#include "english_name_table.h"
#include "name_sources.h"
#include "name_table.h"
#include "prefix_reading.h"
#include "query_text.h"

#include <mezzurix/catalogue_terms.h>
#include <mezzurix/per_language.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_prefixes.h>

#include <algorithm>
#include <array>
#include <cstdint>
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

} // namespace

struct Index {
    NameTable table;              // every name, case ignored
    std::size_t maxTokens = 1;

    // The names of the units, list texts first, then aliases and the language's names, and the
    // folded text of each, for suggestions: made on the first error that asks, not by every run
    // that never meets one.
    const std::vector<UnitName>& all() const
    {
        std::call_once(allOnce_, [this] { forEachName(language_, [this](const UnitName& name) { all_.push_back(name); }); });
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

    // English's names come as the build wrote their table out; a language's are added to them here.
    explicit Index(const LanguageNames* language) : language_(language)
    {
        if (language == nullptr) {
            table = NameTable(english::bucketSlots(), english::starts(), english::text());
            maxTokens = english::maxTokens();
            return;
        }
        const TableSource source = tableSource(language);
        table = NameTable(source.entries);
        maxTokens = source.maxTokens;
    }

private:
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
[[gnu::noinline]] bool prefixedSymbol(const Index& names, std::string_view text, NameTable::Tier tier, const UnitMatch& match)
{
    if (const std::optional<prefix_reading::Reading> reading = prefix_reading::read(text); reading && reading->bySymbol) {
        const CatalogueUnit* base = catalogueUnit(reading->code);
        const CatalogueUnit* named = match.codes().size() == 1 ? catalogueUnit(match.codes().front()) : nullptr;
        return base == nullptr || named == nullptr || named->term.dimension != base->term.dimension ||
               named->term.amount != prefixFactor(*reading->prefix) * base->term.amount;
    }
    if (tier == NameTable::Tier::CaseFree)
        for (const std::string& prefixed : prefix_reading::symbolsInAnyCase(text))
            if (names.table.findExact(prefixed).empty())
                return true;
    return false;
}

} // namespace

UnitMatch lookUp(const Index& names, std::string_view text)
{
    NameTable::Tier tier = NameTable::Tier::Exact;
    UnitMatch match = names.table.find(text, nullptr, &tier);
    if (tier != NameTable::Tier::Exact && !match.empty() && prefixedSymbol(names, text, tier, match))
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
    return knownSymbols().plurals[static_cast<std::size_t>(-1 - code)];
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
