// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words numbers are written with in a language: English's, which every language reads, and
// those of the language's catalogue ("zwanzig=20", "demi=2"), lowered.

#include <mezzurix/unit_names.h>

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

namespace mezzurix::number_words {

struct FoldedWord {
    std::string word;
    double value;
};
using WordList = std::vector<FoldedWord>;

// The lists of a language's catalogue (see LanguageNames), English's words first.
struct Vocabulary {
    WordList cardinals, multipliers, scales, parts;
    std::vector<std::string> articles, ands, ofs;
    // The first bytes of the words that may follow digits (scales, multipliers, "and"), so that
    // the unit name after most numbers is passed over without folding it.
    std::bitset<256> afterDigitsStarts;

    // Whether the word at `pos` of `text` may be a scale, multiplier or "and".
    bool mayFollowDigits(std::string_view text, std::size_t pos) const;
};

// The words of `language`, English's alone for nullptr, made once.
const Vocabulary& vocabularyOf(const LanguageNames* language);

// The word `folded` of `words`, or nullptr.
const FoldedWord* find(const WordList& words, std::string_view folded);
// Whether `words` holds `folded`.
bool holds(const std::vector<std::string>& words, std::string_view folded);

} // namespace mezzurix::number_words
