// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Units parts already read, for queries that repeat them with other values: a batch converting a
// column of figures reads "in to ft" once. Only readings of one unit into one other, with nothing
// left over, are kept; each thread keeps its own.

#include <mezzurix/query.h>

#include <cstddef>
#include <string_view>

namespace mezzurix::units_memo {

// Where the units of a units part stand, from the part's first byte.
struct Reading {
    std::size_t categoryIndex = 0;
    std::size_t fromPosition = 0;
    std::size_t intoPosition = 0;
    TextSpan fromSpan;
    TextSpan intoSpan;
};

// The reading of `units` under `options`, if it was kept.
const Reading* find(std::string_view units, const QueryOptions& options);

void remember(std::string_view units, const QueryOptions& options, const Reading& reading);

// Forgets every reading of this thread.
void clear();

} // namespace mezzurix::units_memo
