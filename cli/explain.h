// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// --explain: what the two units are, the factor the table used and how far it lies from the
// exact ratio of their definitions.

#include <mezzurix/query.h>

#include <string>

namespace mezzurix::cli {

// Appends the lines after the answer's sentence, each ending in a line feed.
void appendExplanation(std::string& text, const Query& query, double result);

} // namespace mezzurix::cli
