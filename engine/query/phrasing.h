// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sentences a query may stand in: "convert ...", "what is ...", "how many FT in 2 m".

#include <mezzurix/query.h>

#include <cstddef>
#include <string_view>

namespace mezzurix::phrasing {

// The phrasing around a plain query, as offsets into the text.
struct Phrasing {
    std::size_t valueStart = 0;  // where the value starts
    TextSpan into;               // "how many INTO in ...": the into units before the value
    TextSpan separator;          // and the "in" or "are in" after them
};

// The phrasing of the query whose first non-blank byte is text[start].
Phrasing readPhrasing(std::string_view text, std::size_t start, const QueryOptions& options);

// The end of the text without the blanks, question and exclamation marks and full stops that
// close a sentence: "24 in to ft?".
std::size_t questionEnd(std::string_view text);

// `pos` moved past the blanks there.
std::size_t skipBlanks(std::string_view text, std::size_t pos);

} // namespace mezzurix::phrasing
