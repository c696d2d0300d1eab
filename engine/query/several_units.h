// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Quantities of several units of one category, "5 ft 10 in", and answers into several units,
// "to ft in".

#include "query_parts.h"

using mezzurix::query_parts::UnitsText;

#include <mezzurix/number_rules.h>
#include <mezzurix/query.h>

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace mezzurix::several_units {

struct NotSeveral {};

using Outcome = std::variant<NotSeveral, QueryError, std::monostate>;

// Reads the units part as FROM [separator] INTO where FROM or INTO has several units. The query
// already holds its first value. NotSeveral when neither side has several units.
Outcome read(std::string_view text, const UnitsText& units, const QueryOptions& options, Query& query);

// The size of unit `code` in units of `last` through the table; nullopt where the category's scale
// is not proportional (temperatures).
std::optional<double> sizeIn(int code, int last);

// The query's value in its into unit; a quantity of several units as the sum of its parts
// converted one by one. nullopt beyond the double range.
std::optional<double> convert(const Query& query);

// The parts of `result` (in the query's into unit) into the query's several into units. The total
// is rounded as the answer in one unit would show it, so that a carry reaches the larger parts
// (never "5 ft 12 in"), and split exactly: all but the last part are whole numbers, written in
// full, and the last is the remainder, written as the answer in one unit would be. The answer's
// sign, as that answer writes it, stands on the first part alone.
std::vector<AnswerPart> split(const Query& query, double result, std::optional<int> decimals,
                              const NumberFormat& format, int significantDigits);

// "5 ft 10.87 in"
std::string partsText(const Query& query, const std::vector<AnswerPart>& parts);

} // namespace mezzurix::several_units
