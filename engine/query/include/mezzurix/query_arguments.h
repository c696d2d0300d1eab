// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A conversion given as program arguments ("mezzurix-convert -40 C -> F"): its value and the
// words after it must reach the program as the conversion, although "-40" and "->" look like
// options to an option parser. Header only, so that every front end can share it whatever it
// links.

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mezzurix {

// True when `word` starts the way a typed value does: an optional sign ("-", "+" or U+2212), an
// optional decimal point or comma, then a digit ("-40", ".5", "+1e3", "-,5"); or a vulgar
// fraction ("½", "-¾").
inline bool startsLikeValue(std::string_view word)
{
    constexpr std::string_view kMinusSign = "\xE2\x88\x92";  // U+2212
    if (word.starts_with('-') || word.starts_with('+'))
        word.remove_prefix(1);
    else if (word.starts_with(kMinusSign))
        word.remove_prefix(kMinusSign.size());
    // ¼ ½ ¾ (U+00BC to U+00BE) and ⅐ to ⅞ (U+2150 to U+215E)
    if (word.size() >= 2 && word[0] == '\xC2' && word[1] >= '\xBC' && word[1] <= '\xBE')
        return true;
    if (word.size() >= 3 && word[0] == '\xE2' && word[1] == '\x85' && word[2] >= '\x90' && word[2] <= '\x9E')
        return true;
    if (word.starts_with('.') || word.starts_with(','))
        word.remove_prefix(1);
    return !word.empty() && word[0] >= '0' && word[0] <= '9';
}

// The arguments (the program's name first) with "--" put before the first one that starts like a
// value, so that an option parser takes it and every word after it ("-40", "->", "=>") for the
// conversion. Options stand before the conversion. An option named in `optionsWithValue` takes
// the argument after it as its value, which then never starts the conversion ("-d 2 24 in ft").
// An explicit "--" before the value is left alone.
inline std::vector<std::string> markConversionStart(std::vector<std::string> arguments,
                                                    std::span<const std::string_view> optionsWithValue)
{
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--")
            break;
        if (std::find(optionsWithValue.begin(), optionsWithValue.end(), word) != optionsWithValue.end()) {
            ++i;
            continue;
        }
        if (startsLikeValue(word)) {
            arguments.insert(arguments.begin() + std::ptrdiff_t(i), "--");
            break;
        }
    }
    return arguments;
}

} // namespace mezzurix
