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

// The query's value in its into unit; a quantity of several units as the sum of its parts
// converted one by one. nullopt beyond the double range.
std::optional<double> convert(const Query& query);

// The parts of `result` (in the query's into unit) into the query's several into units: all but
// the last whole, the last rounded to `decimals` (or in the general form with `significantDigits`),
// carries made.
std::vector<AnswerPart> split(const Query& query, double result, std::optional<int> decimals,
                              const NumberFormat& format, int significantDigits);

// "5 ft 10.87 in"
std::string partsText(const Query& query, const std::vector<AnswerPart>& parts);

} // namespace mezzurix::several_units
