// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Words around a quantity that name no unit: "2 cups of water to ml", "30 mph wind in km/h".

#include <mezzurix/query.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mezzurix::filler_words {

struct Blanked {
    std::string text;  // the query with the words made blanks: every offset stays where it was
    TextSpan words;    // the words left out
    int from = -1;     // a unit the words follow, and one after the separator, or -1
    int into = -1;
    bool afterOf = false;  // the words start with "of" ("of water"): they name the substance
};

// The query text[unitsStart, unitsEnd) with the words between a complete from unit and the
// separator left out, where there are such words: "of" and what follows it ("cups of water"), or
// words that are no unit name ("mph wind"). nullopt where there are none.
std::optional<Blanked> withoutFiller(std::string_view text, std::size_t unitsStart, std::size_t unitsEnd,
                                     const QueryOptions& options);

// The query text[unitsStart, unitsEnd) with the words between a complete from unit and the
// separator blanked where they are all a fraction, and the fraction: "an hour and a half", "une
// heure et demie", "un chilo e mezzo". nullopt where they are not.
struct Fraction {
    Blanked blanked;
    double value = 0.0;
};
std::optional<Fraction> withoutFraction(std::string_view text, std::size_t unitsStart, std::size_t unitsEnd,
                                        const QueryOptions& options);

// Whether one of the words is within a few edits of a name of a unit of `categoryIndex`: then it
// is more likely a misspelt unit than a word to leave out. (Not asked of words after "of".)
bool nearMissOf(std::string_view text, TextSpan words, std::size_t categoryIndex, const QueryOptions& options);

// Why `from` and `into` do not convert where what is left out may be the substance: a volume
// and a mass ("2 cups of flour to grams") need its density. nullopt for other pairs.
std::optional<std::string> needsDensity(int from, int into);

} // namespace mezzurix::filler_words
