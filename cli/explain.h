// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// --explain: what the two units are, the factor the table used and how far it lies from the
// exact ratio of their definitions.

#include <mezzurix/query.h>

#include <string>
#include <string_view>

namespace mezzurix::cli {

// Appends the lines after the answer's sentence, each ending in a line feed. `typed` is the query
// as typed; the numbers are written with `decimalPoint`, as the answer is.
void appendExplanation(std::string& text, std::string_view typed, const Query& query, double result,
                       std::string_view decimalPoint);

} // namespace mezzurix::cli
