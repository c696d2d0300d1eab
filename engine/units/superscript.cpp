// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "superscript.h"

#include <string_view>

namespace mezzurix {

std::string superscript(int exponent)
{
    static constexpr std::string_view kDigits[] = {"\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074",
                                                   "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    std::string text;
    for (const char c : std::to_string(exponent))
        text += c == '-' ? std::string_view("\u207B") : kDigits[c - '0'];
    return text;
}

} // namespace mezzurix
