// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace mezzurix {

// How a name is compared with typed text.
enum class NameKind {
    ListText,    // the unit's entry text in the lists; any case
    Name,        // a written-out name, singular or plural; any case
    Symbol,      // an abbreviation whose case means nothing; any case
    CaseSymbol,  // a symbol whose case means something (SI prefixes, bytes, cal): exact case only
};

struct UnitName {
    int unitCode;
    std::string_view text;  // tokens separated by single spaces
    NameKind kind;
};

// Every name beyond the list texts, grouped by unit in the order of the unit codes: the window's
// units first, then those only typed conversions know.
std::span<const UnitName> unitAliases();

// Every name a unit is read by: its list text first, then its aliases in table order.
std::vector<UnitName> namesOf(int unitCode);

} // namespace mezzurix
