// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading a query while it is still being typed: "24 in to f" already means feet, "100 km/"
// already means kilometers/hour, and "100 ft-lb" may be torque or energy.

#include <mezzurix/query.h>

#include <cstddef>
#include <string_view>
#include <vector>

namespace mezzurix {

// The queries the text may become, best first; each is complete except for a missing into unit.
// - A query that reads as it stands is the only one.
// - Where the last word or words start a name ("24 in to f", "5 kg to pounds av", "72 °F to °"),
//   one query into each unit of the category whose name starts so, in targetOrder().
// - Where they start the name of one unit only as the from unit ("100 km/"), that query; where
//   they start several, the most everyday of them (kEverydayUnits: "5 ga" is gallons).
// - Where no name starts so, each whose start they spell with one letter wrong or two swapped
//   ("5 kiloga"), where typos are read.
// - Where they start a separator ("24 in t"), the query of the value and from unit.
// - Where words that do not read yet follow a complete quantity, before any separator ("8 lbs 6",
//   "2 cups of w", "30 mph w"), the query of the quantity.
// - A from unit whose name is shared by several categories ("100 ft-lb"): one query in each.
// Otherwise the error of readQuery() for the text as it stands.
// With `fits`, how each query fits the text is written there, one per query.
enum class TypedFit {
    AsTyped,          // the text reads so as it stands: "24 in to ft", "100 ft-lb" as torque
    CompletesOthers,  // so as it stands, though its last name starts others': meters in "24 in to m"
    Guessed,          // an unfinished name finished or a misspelt one read: miles in "24 in to m"
};
std::variant<std::vector<Query>, QueryError> readWhileTyping(std::string_view text, const QueryOptions& options = {},
                                                             std::vector<TypedFit>* fits = nullptr);

// The other units of a category for a value in the unit at `fromPosition`: its most useful
// targets first, then any unit they leave out in list order.
std::vector<std::size_t> targetOrder(std::size_t categoryIndex, std::size_t fromPosition);

} // namespace mezzurix
