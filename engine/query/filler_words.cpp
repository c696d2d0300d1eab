// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filler_words.h"

#include "corrections.h"
#include "name_index.h"
#include "number_words.h"
#include "query_parts.h"
#include "query_text.h"
#include "tokeniser.h"

#include <mezzurix/catalogue_terms.h>
#include <mezzurix/unit_names.h>

#include <algorithm>

namespace mezzurix::filler_words {

namespace {

// A word of two letters or more: no operator ("x", "+") and no number.
bool isWord(std::string_view token)
{
    return token.size() >= 2 && std::all_of(token.begin(), token.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80;
           });
}

// "of", or the language's word for it ("de", "di"), or a word it starts with elided ("d'eau").
bool isOf(std::string_view word, const LanguageNames* language)
{
    if (query_text::equalsFolded(word, "of"))
        return true;
    if (language != nullptr)
        for (const std::string_view each : language->ofWords) {
            const bool elided = each.ends_with('\'') || each.ends_with("’");
            if (query_text::equalsFolded(elided ? word.substr(0, each.size()) : word, query_text::fold(each)))
                return !elided || word.size() > each.size();
        }
    return false;
}

// Where the longest from unit before the separator ends in the tokens of the units part, and the
// separator's token.
struct AfterFromUnit {
    std::size_t fromEnd;
    std::size_t separator;
};

// The units part text[unitsStart, unitsEnd) tokenised into `units`, and where its longest from
// unit leaves words before the separator; nullopt without a separator or such a unit.
std::optional<AfterFromUnit> wordsAfterFromUnit(std::string_view text, std::size_t unitsStart, std::size_t unitsEnd,
                                                const QueryOptions& options, query_parts::UnitsText& units)
{
    query_parts::tokenise(text, unitsStart, unitsEnd, options, units);
    const std::size_t n = units.size();
    std::size_t separator = 1;
    while (separator < n && !units.tokens[separator].separator)
        ++separator;
    if (separator >= n)
        return std::nullopt;
    for (std::size_t k = separator - 1; k >= 1; --k)
        if (!units.lookUp(0, k).empty())
            return AfterFromUnit{k, separator};
    return std::nullopt;
}

// `text` with `words` made blanks.
Blanked blankedOut(std::string_view text, TextSpan words)
{
    Blanked blanked{std::string(text), words};
    for (std::size_t i = words.offset; i < words.offset + words.length; ++i)
        blanked.text[i] = ' ';
    return blanked;
}

} // namespace

std::optional<Fraction> withoutFraction(std::string_view text, std::size_t unitsStart, std::size_t unitsEnd,
                                        const QueryOptions& options)
{
    query_parts::UnitsText units;
    const std::optional<AfterFromUnit> after = wordsAfterFromUnit(text, unitsStart, unitsEnd, options, units);
    if (!after)
        return std::nullopt;
    // The words are a fraction and nothing more.
    const TextSpan words = units.span(after->fromEnd, after->separator);
    const std::optional<number_words::Words> fraction =
        number_words::fractionAfter(text, words.offset, findNameLanguage(options.language));
    if (!fraction || fraction->end != words.offset + words.length)
        return std::nullopt;
    return Fraction{blankedOut(text, words), fraction->value};
}

std::optional<Blanked> withoutFiller(std::string_view text, std::size_t unitsStart, std::size_t unitsEnd,
                                     const QueryOptions& options)
{
    query_parts::UnitsText units;
    const std::optional<AfterFromUnit> after = wordsAfterFromUnit(text, unitsStart, unitsEnd, options, units);
    if (!after)
        return std::nullopt;
    const std::size_t k = after->fromEnd;
    const std::size_t separator = after->separator;
    const bool of = isOf(units.normRun(k, k + 1), findNameLanguage(options.language));
    bool fillers = true;
    for (std::size_t j = k; j < separator && fillers; ++j)
        fillers = !units.tokens[j].number && (of || (isWord(units.normRun(j, j + 1)) && units.lookUp(j, j + 1).empty()));
    if (!fillers)
        return std::nullopt;
    Blanked blanked = blankedOut(text, units.span(k, separator));
    blanked.afterOf = of;
    if (const names::UnitMatch from = units.lookUp(0, k); !from.empty())
        blanked.from = from.codes().front();
    if (separator + 1 < units.size())
        if (const names::UnitMatch into = units.lookUp(separator + 1, units.size()); !into.empty())
            blanked.into = into.codes().front();
    return blanked;
}

bool nearMissOf(std::string_view text, TextSpan words, std::size_t categoryIndex, const QueryOptions& options)
{
    const LanguageNames* language = findNameLanguage(options.language);
    const names::Index& index = names::indexFor(language);
    std::string_view rest = text.substr(words.offset, words.length);
    while (!rest.empty()) {
        const std::size_t blank = rest.find(' ');
        const std::string_view word = rest.substr(0, blank);
        rest.remove_prefix(blank == std::string_view::npos ? rest.size() : blank + 1);
        if (word.empty())
            continue;
        // A near miss as the typo reader takes one: "Wasser" is no "Tasse", nor "water" a "meter".
        if (word.size() < corrections::kShortestCorrected)
            continue;
        const int bound = word.size() >= corrections::kTwoEditsFrom ? 2 : 1;
        for (const std::string& suggestion : names::suggestionsFor(word, language)) {
            if (query_text::editDistance(query_text::fold(word), query_text::fold(suggestion), bound) > bound)
                continue;
            const names::UnitMatch match = names::lookUp(index, suggestion);
            for (const int code : match.codes())
                if (names::placeOf(code).categoryIndex == categoryIndex)
                    return true;
        }
    }
    return false;
}

std::optional<std::string> needsDensity(int from, int into)
{
    const CatalogueUnit* a = from >= 0 ? catalogueUnit(from) : nullptr;
    const CatalogueUnit* b = into >= 0 ? catalogueUnit(into) : nullptr;
    if (a == nullptr || b == nullptr)
        return std::nullopt;
    constexpr Dimension kVolume({.length = 3});
    constexpr Dimension kMass({.mass = 1});
    const bool volumeAndMass = (a->term.dimension == kVolume && b->term.dimension == kMass) ||
                               (a->term.dimension == kMass && b->term.dimension == kVolume);
    if (!volumeAndMass)
        return std::nullopt;
    const auto categoryOf = [](int code) {
        // As the front end names it, translated with the messages.
        const std::string name(typedCategories()[names::placeOf(code).categoryIndex].name);
        return query_parts::say(name.c_str());
    };
    return query_parts::say("%s cannot be converted into %s without a density", categoryOf(from), categoryOf(into));
}

} // namespace mezzurix::filler_words
