// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_vocabulary.h"

#include "number_words.h"
#include "query_text.h"

#include <mezzurix/per_language.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <span>

namespace mezzurix::number_words {

namespace {

struct NumberWord {
    std::string_view word;
    double value;
};

constexpr std::array<NumberWord, 28> kCardinals = {{
    {"zero", 0},     {"one", 1},        {"two", 2},       {"three", 3},     {"four", 4},       {"five", 5},
    {"six", 6},      {"seven", 7},      {"eight", 8},     {"nine", 9},      {"ten", 10},       {"eleven", 11},
    {"twelve", 12},  {"thirteen", 13},  {"fourteen", 14}, {"fifteen", 15},  {"sixteen", 16},   {"seventeen", 17},
    {"eighteen", 18}, {"nineteen", 19}, {"twenty", 20},   {"thirty", 30},   {"forty", 40},     {"fifty", 50},
    {"sixty", 60},   {"seventy", 70},   {"eighty", 80},   {"ninety", 90},
}};

// Words that multiply the number before them, one if there is none ("a hundred", "two dozen").
constexpr std::array<NumberWord, 2> kMultipliers = {{{"hundred", 100}, {"dozen", 12}}};
// Words that close a group of three digits ("two thousand five hundred").
constexpr std::array<NumberWord, 3> kScales = {{{"thousand", 1e3}, {"million", 1e6}, {"billion", 1e9}}};
// The parts a whole is cut into: "a half", "two thirds", "three quarters".
constexpr std::array<NumberWord, 8> kParts = {{{"half", 2}, {"halves", 2}, {"third", 3}, {"thirds", 3},
                                               {"quarter", 4}, {"quarters", 4}, {"fourth", 4}, {"fourths", 4}}};

template <std::size_t N>
void addEnglish(WordList& list, const std::array<NumberWord, N>& words)
{
    for (const NumberWord& each : words)
        list.push_back({std::string(each.word), each.value});
}

void addListed(WordList& list, std::span<const std::string_view> listed)
{
    for (const std::string_view each : listed)
        if (const std::optional<Entry> entry = entryOf(each))
            list.push_back({query_text::fold(entry->word), entry->value});
}

void addWords(std::vector<std::string>& list, std::span<const std::string_view> listed)
{
    for (const std::string_view each : listed)
        list.push_back(query_text::fold(each));
}

Vocabulary vocabularyFor(const LanguageNames* language)
{
    Vocabulary words;
    addEnglish(words.cardinals, kCardinals);
    addEnglish(words.multipliers, kMultipliers);
    addEnglish(words.scales, kScales);
    addEnglish(words.parts, kParts);
    words.articles = {"a", "an"};
    words.ands = {"and"};
    words.ofs = {"of"};
    if (language != nullptr) {
        addListed(words.cardinals, language->numberWords);
        addListed(words.multipliers, language->multiplierWords);
        addListed(words.scales, language->scaleWords);
        addListed(words.parts, language->partWords);
        addWords(words.articles, language->articles);
        addWords(words.ands, language->andWords);
        addWords(words.ofs, language->ofWords);
    }
    for (const WordList* list : {&words.scales, &words.multipliers})
        for (const FoldedWord& each : *list)
            if (!each.word.empty())
                words.afterDigitsStarts.set(static_cast<unsigned char>(each.word.front()));
    for (const std::string& each : words.ands)
        if (!each.empty())
            words.afterDigitsStarts.set(static_cast<unsigned char>(each.front()));
    return words;
}

} // namespace

const Vocabulary& vocabularyOf(const LanguageNames* language)
{
    static const Vocabulary english = vocabularyFor(nullptr);
    const Vocabulary* own = madeOnFirstUse(language, [](const LanguageNames& each) { return vocabularyFor(&each); });
    return own != nullptr ? *own : english;
}

bool Vocabulary::mayFollowDigits(std::string_view text, std::size_t pos) const
{
    return pos < text.size() && afterDigitsStarts.test(static_cast<unsigned char>(query_text::foldByte(text[pos])));
}

const FoldedWord* find(const WordList& words, std::string_view folded)
{
    for (const FoldedWord& each : words)
        if (!folded.empty() && each.word == folded)
            return &each;
    return nullptr;
}

bool holds(const std::vector<std::string>& words, std::string_view folded)
{
    return !folded.empty() && std::find(words.begin(), words.end(), folded) != words.end();
}

std::optional<Entry> entryOf(std::string_view listed)
{
    const std::size_t equals = listed.rfind('=');
    if (equals == std::string_view::npos || equals == 0)
        return std::nullopt;
    const std::string_view digits = listed.substr(equals + 1);
    Entry entry{listed.substr(0, equals)};
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), entry.value);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return entry;
}

} // namespace mezzurix::number_words
