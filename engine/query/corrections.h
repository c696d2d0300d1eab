// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Misspelt unit names read as the one unit they are near that makes the query convert:
// "kilogarms" as "kilograms", "millimiters to in" as millimeters (milliliters would not convert).

#include <mezzurix/query.h>
#include <mezzurix/unit_names.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

namespace mezzurix::corrections {

// Words this short are never corrected, nor made into names this short: too many units differ
// from them by one letter.
constexpr std::size_t kShortestCorrected = 4;
// A word this long may be two edits from its name; shorter ones one.
constexpr std::size_t kTwoEditsFrom = 7;

// Reads one query text into a Query, or says why it cannot.
using Reader = std::function<std::optional<QueryError>(std::string_view text, Query& query)>;

// Where `error`, of reading `text`, is an unknown unit close to names of units: the query read
// with each such name in its place, and with those of a second unknown unit after it. Exactly one
// reading that converts (one pair of units) fills `query` with its corrections and spans of
// `text`, and gives true; none, or several, leave `query` as it was.
// `language`'s currency words are no misspelt units, as English's are not.
bool readCorrected(std::string_view text, const QueryError& error, const Reader& read, Query& query,
                   const LanguageNames* language);

} // namespace mezzurix::corrections
