// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The units part of a query read as unit expressions (unit_expression.h), where the classic
// reader found no reading: "2.7 g/cm3 to kg/m3", "4 m x 3 m to sq ft", "2 µs to ns".

#include <mezzurix/query.h>

#include <cstddef>
#include <optional>
#include <string_view>

namespace mezzurix::expression_query {

struct Outcome {
    bool read = false;
    // Unless read: the error of the reading that got farthest, and how far it got: to the end of
    // what it refused as not converting or beyond the range of numbers, and otherwise to the end
    // of the last side it read whole (0 for none). Without an error, no reading fits the
    // category the options keep to.
    std::optional<QueryError> error;
    std::size_t progress = 0;
};

// Reads text[begin, end), the units part after the query's value, as FROM [separator] INTO (or,
// for "how many INTO in VALUE FROM", as FROM with `phrasedInto` as INTO) into `query`, which
// holds its value already. Each side becomes its catalogue unit where it is exactly one, or a
// term.
Outcome read(std::string_view text, std::size_t begin, std::size_t end, TextSpan phrasedInto,
             const QueryOptions& options, Query& query);

// The error an Outcome gives, as the query reader returns it: an unknown unit with the names
// close to it.
QueryError explained(std::string_view text, QueryError error, const QueryOptions& options);

} // namespace mezzurix::expression_query
