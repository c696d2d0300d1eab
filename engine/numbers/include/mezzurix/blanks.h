// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What counts as a blank: for the window's number rules, and for a typed query, which also
// takes the blanks people paste from typeset text.

#include <cstddef>
#include <string_view>

namespace mezzurix::blanks {

// The blanks the number rules skip: spaces, tabs and line ends.
inline bool isNumberBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The length in bytes of the blank at `pos` of a typed query, or 0: the number rules' blanks,
// vertical tabs and form feeds, and the no-break, figure, thin and narrow no-break spaces.
inline std::size_t queryBlankLength(std::string_view text, std::size_t pos)
{
    const char c = text[pos];
    if (isNumberBlank(c) || c == '\v' || c == '\f')
        return 1;
    if (c == '\xC2')
        return text.substr(pos, 2) == "\u00A0" ? 2 : 0;
    if (c == '\xE2') {
        const std::string_view three = text.substr(pos, 3);
        return three == "\u2007" || three == "\u2009" || three == "\u202F" ? 3 : 0;
    }
    return 0;
}

// Whether a query blank may start with `byte`.
constexpr bool mayStartQueryBlank(unsigned char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' || byte == '\v' || byte == '\f' ||
           byte == 0xC2 || byte == 0xE2;
}

} // namespace mezzurix::blanks
