// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <string_view>

namespace mezzurix {

struct Unit {
    int code;               // unique across all categories
    std::string_view text;  // entry text as shown in the unit lists
};

struct Category {
    std::string_view name;         // menu caption without the '&'
    std::string_view menuCaption;  // with the access key, e.g. "Ener&gy"
    std::string_view menuItem;     // object name of the menu item, e.g. "mnuEnergy"
    char shortcut;                 // Ctrl+letter
    std::string_view leftList;     // object name of the left list
    std::string_view rightList;    // object name of the right list
    std::string_view description;  // the title's tooltip, with its surrounding blanks
    std::span<const Unit> units;   // in list order
};

// The 14 categories in the order of the "&Lists" menu.
std::span<const Category> categories();

// Decimal text of the from code followed by that of the to code: (0, 1) -> "01", (62, 690) -> "62690".
std::string pairCode(int fromCode, int toCode);

} // namespace mezzurix
