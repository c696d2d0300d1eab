// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbers written in words where a value is expected: "a", "one", "twenty-one", "two hundred
// fifty", "a dozen", "half a", "a quarter of a", "three quarters", "one and a half". English's
// words are always read; a language adds those of its catalogue ("anderthalb", "une demi").

#include <mezzurix/unit_names.h>

#include <cstddef>
#include <optional>
#include <string_view>

namespace mezzurix::number_words {

struct Words {
    double value = 0.0;
    std::size_t end = 0;  // just after the last word read, before any blank
};

// The number the words at text[start..] say, or nullopt. A word must end at a blank, a hyphen
// between tens and units ("twenty-one"), or the end of the text; "a" and "an" alone are one only
// before another word ("a mile"), never at the end.
std::optional<Words> read(std::string_view text, std::size_t start, const LanguageNames* language = nullptr);

// "and a half", "and a quarter", "and three quarters" at text[pos..] (after blanks) following a
// number: the fraction they add, and their end.
std::optional<Words> fractionAfter(std::string_view text, std::size_t pos, const LanguageNames* language = nullptr);

// "hundred", "thousand", "million", "dozen" (or a language's "mil") starting at text[pos], after a
// number in digits: what it multiplies the number by, and its end.
std::optional<Words> scaleAfter(std::string_view text, std::size_t pos, const LanguageNames* language = nullptr);

// A number word of a catalogue's list ("zwanzig=20"): the word, and its value; nullopt for an
// entry without a value.
struct Entry {
    std::string_view word;
    double value = 0.0;
};
std::optional<Entry> entryOf(std::string_view listed);

} // namespace mezzurix::number_words
