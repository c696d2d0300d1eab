// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The units a unit expression is built of: a name the name index knows, or a prefix and a unit
// that takes it ("µs", "kilobit", "KiB"), looked up in one order in every language: a name as
// written (exact case), then a prefix reading as written, then names in any case. So a named
// unit always wins over a prefix reading: "min", "mi", "Pa", "ft" and "nmi" stay what they are.

#include "name_index.h"

#include <mezzurix/unit_term.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mezzurix::expression_atoms {

// A power written with more digits than this ("^12345", "¹²³⁴⁵") is beyond any unit's and any
// double's.
constexpr std::size_t kMaxPowerDigits = 4;

struct Atom {
    UnitTerm unit;
    std::size_t end = 0;       // in the text, after the name
    std::optional<int> code;   // the one catalogue unit it names, unprefixed
    bool symbol = false;       // typed as a symbol ("kW", "µs"), not as a written name ("kilowatt")
    bool si = false;           // of an SI unit or one accepted for use with it (hour, liter)
};

// Where names may be looked up.
struct Names {
    const names::Index* index = nullptr;
    const LanguageNames* language = nullptr;
};

// The longest unit name at text[pos, limit), names of several words and names joined by "·"
// included ("sq ft", "kW h" as "kW·h"); nullopt when none starts there.
std::optional<Atom> atomAt(std::string_view text, std::size_t pos, std::size_t limit, const Names& names);

// The length of the operator at `pos` ("/", "·", "×", "+", "(", "^", ...), or 0: a name may end
// before one.
std::size_t operatorLength(std::string_view text, std::size_t pos);

// The length of the superscript digit or minus sign at `pos`, or 0.
std::size_t superscriptLength(std::string_view text, std::size_t pos);

// The whole power written at `pos` in superscripts ("⁻¹"), with its length; nullopt for none.
std::optional<int> superscriptPower(std::string_view text, std::size_t pos, std::size_t& length);

} // namespace mezzurix::expression_atoms
