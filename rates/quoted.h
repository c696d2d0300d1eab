// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mezzurix::rates {

// A message names a text it refuses, not all of it.
inline constexpr std::size_t kMaxQuotedBytes = 40;

// `text` as messages show a piece of a response: each byte outside printable ASCII as \xNN (a
// response never reaches a terminal raw), cut after kMaxQuotedBytes of that with "...".
std::string shown(std::string_view text);
// The same between double quotes.
std::string quoted(std::string_view text);

} // namespace mezzurix::rates
