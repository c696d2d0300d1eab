// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace mezzurix {

// The length of the well-formed UTF-8 sequence that starts at `pos` (1 for ASCII), or 0 where the
// bytes are malformed: a stray continuation byte, an overlong form, a surrogate, a code point
// beyond U+10FFFF or a sequence cut short.
std::size_t utf8SequenceLength(std::string_view text, std::size_t pos);

} // namespace mezzurix
