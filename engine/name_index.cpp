// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_index.h"

#include "query_text.h"

#include <mezzurix/catalogue.h>

#include <algorithm>
#include <tuple>

namespace mezzurix::names {

namespace {

// A suggestion this many edits away is still a plausible slip; short texts allow fewer, or
// every two-letter symbol would be suggested for every other.
constexpr int kMaxSuggestionDistance = 2;
constexpr std::size_t kShortTextBytes = 4;
constexpr std::size_t kMaxSuggestions = 3;

struct Key {
    std::string_view text;
    int code;
    bool operator<(const Key& other) const { return std::tie(text, code) < std::tie(other.text, other.code); }
};

struct Index {
    std::vector<UnitName> all;            // list texts and aliases, units in code order
    std::vector<std::string> foldedTexts;  // folded text of each name in `all`
    std::vector<Key> exact;               // every name, sorted
    std::vector<Key> folded;              // names that ignore case, by folded text, sorted
    std::vector<UnitPlace> places;        // by unit code
    std::vector<std::size_t> unitOrder;   // by unit code: rank in catalogue order
    std::size_t maxTokens = 1;

    Index()
    {
        int highestCode = 0;
        for (const Category& category : categories())
            for (const Unit& unit : category.units)
                highestCode = std::max(highestCode, unit.code);
        places.resize(static_cast<std::size_t>(highestCode) + 1);
        unitOrder.resize(places.size());

        std::size_t categoryIndex = 0;
        std::size_t rank = 0;
        for (const Category& category : categories()) {
            for (std::size_t position = 0; position < category.units.size(); ++position) {
                const int code = category.units[position].code;
                places[static_cast<std::size_t>(code)] = {categoryIndex, position};
                unitOrder[static_cast<std::size_t>(code)] = rank++;
                for (const UnitName& name : namesOf(code))
                    all.push_back(name);
            }
            ++categoryIndex;
        }

        foldedTexts.reserve(all.size());
        for (const UnitName& name : all) {
            foldedTexts.push_back(query_text::fold(name.text));
            maxTokens = std::max<std::size_t>(maxTokens, 1 + std::count(name.text.begin(), name.text.end(), ' '));
        }
        for (std::size_t i = 0; i < all.size(); ++i) {
            exact.push_back({all[i].text, all[i].unitCode});
            if (all[i].kind != NameKind::CaseSymbol)
                folded.push_back({foldedTexts[i], all[i].unitCode});
        }
        std::sort(exact.begin(), exact.end());
        std::sort(folded.begin(), folded.end());
    }
};

const Index& index()
{
    static const Index instance;
    return instance;
}

void collect(const std::vector<Key>& keys, std::string_view text, UnitMatch& match)
{
    auto it = std::lower_bound(keys.begin(), keys.end(), Key{text, 0});
    for (; it != keys.end() && it->text == text; ++it)
        match.add(it->code);
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

UnitMatch lookUp(std::string_view text, std::string_view folded)
{
    UnitMatch match;
    collect(index().exact, text, match);
    if (match.empty())
        collect(index().folded, folded, match);
    return match;
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
