// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A conversion given as program arguments ("mezzurix-convert -40 C -> F"): its value and the
// words after it must reach the program as the conversion, although "-40" and "->" look like
// options to an option parser.

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mezzurix {

// True when `word` starts the way a typed value does, by the reader's own rule for a value's
// start: an optional sign, an optional decimal point, then a digit or a vulgar fraction ("-40",
// ".5", "+1e3", "-,5", "-½"). A comma counts as a point, since options such as --regional may
// yet make it one.
bool startsLikeValue(std::string_view word);

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
