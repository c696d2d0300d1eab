// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pieces the query reader splits a query into, and the errors it builds from them.

#include "name_index.h"
#include "tokeniser.h"

#include <mezzurix/query.h>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace mezzurix::query_parts {

// The longest prefix [first, k) with first < k <= last that names a unit; `first` when none.
std::size_t longestName(const UnitsText& units, std::size_t first, std::size_t last);

// Puts the query's from unit at `place`, typed at `span`.
void placeFrom(Query& query, names::UnitPlace place, TextSpan span);

// "Inches (Distance)"
std::string describeUnit(int code);

// "a", "a or b", "a, b or c"
std::string joinAlternatives(const std::vector<std::string>& items);

// The message `format` in the user's language, through the translator the front end gave, with
// each "%s" replaced by the next of `values`. The formats are marked for extraction by this name.
std::string say(const char* format, std::initializer_list<std::string_view> values = {});
template <typename... Values>
std::string say(const char* format, const Values&... values)
{
    return say(format, {std::string_view(values)...});
}

// Builds an error of `kind` at `where` whose message is `what`, followed by " at column N"
// (the column of `where` in `text`) and by `detail` when it is not empty.
QueryError makeError(QueryErrorKind kind, std::string_view text, TextSpan where, std::string_view what,
                     std::string_view detail = {});
// The same with the column given, where the text is no longer at hand.
QueryError makeError(QueryErrorKind kind, std::size_t column, TextSpan where, std::string_view what,
                     std::string_view detail = {});

// The error for the unknown unit the tokens [first, last) stand for, with suggestions.
QueryError unknownUnit(std::string_view text, const UnitsText& units, std::size_t first, std::size_t last);

// The error for the unknown unit typed at `where`, offering `suggestions`.
QueryError unknownUnitError(std::string_view text, TextSpan where, std::vector<std::string> suggestions);

// "cannot convert Inches (Distance) into Kilograms (Mass)", at the into unit `where`.
QueryError incompatibleUnits(std::string_view text, const names::UnitMatch& from, const names::UnitMatch& into,
                             TextSpan where);

// The error for a units part that no reading fits: the unknown or missing unit, or text after
// a complete query.
QueryError locateFault(std::string_view text, const UnitsText& units);

} // namespace mezzurix::query_parts
