// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mezzurix {

// The length of the well-formed UTF-8 sequence that starts at `pos` (1 for ASCII), or 0 where the
// bytes are malformed: a stray continuation byte, an overlong form, a surrogate, a code point
// beyond U+10FFFF or a sequence cut short.
std::size_t utf8SequenceLength(std::string_view text, std::size_t pos);

// The length of the control character at `pos` (C0, DEL, or C1, U+0080 to U+009F), or 0: the
// characters that move a terminal's cursor or start its escape sequences.
std::size_t controlLength(std::string_view text, std::size_t pos);

// Appends `text` as messages and answers show what was typed: each control character and each
// byte outside well-formed UTF-8 written as \xNN, byte by byte, so that a carriage
// return or an escape sequence in a query never reaches a terminal raw. Stops before the first
// character that starts at byte `limit` or later, and returns false if it did.
bool appendShown(std::string& out, std::string_view text, std::size_t limit = std::string_view::npos);

} // namespace mezzurix
