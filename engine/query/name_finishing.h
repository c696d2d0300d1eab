// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finishing the name being typed at the end of a query: "24 in to f" as each unit whose name starts
// with "f", "5 ga" as the most everyday unit whose name starts so.

#include <mezzurix/query.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mezzurix::typing {

// `text` with each run of blanks as one space, as names are written.
std::string singleSpaced(std::string_view text);

// The unfinished words are at most the words of the longest name, completed from the English ones.
std::size_t maxUnfinishedWords();

// Where each of the last `count` words starts, the last first; by default as far back as a name
// or separator reaches.
std::vector<std::size_t> lastWordStarts(std::string_view text, std::size_t count = maxUnfinishedWords());

// The end of `text` before any blanks that end it; blanks may be several bytes long (U+2007).
std::size_t endBeforeBlanks(std::string_view text);

// The queries the text becomes with its words from `cut` on finished as some unit's name: into
// each unit whose name they start, best first; or as the from unit, the most everyday one.
std::vector<Query> finishedAt(std::string_view text, std::size_t cut, const QueryOptions& options);

// The readings of the ambiguous from unit at `where` in each category it may belong to, in the
// order of the unit codes, which puts Torque before Energy.
std::vector<Query> inEachCategory(std::string_view text, QueryOptions options, TextSpan where);

} // namespace mezzurix::typing
