// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lookup of unit names (list texts and aliases) for the query reader.

#include <mezzurix/typed_units.h>
#include <mezzurix/unit_names.h>

#include <array>
#include <optional>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mezzurix::names {

// The units one name stands for: one, or two for the names shared by Torque and Energy. Besides
// them, its other readings: units the name stands for only where the other side of a query asks
// for their category ("C" the coulomb, "degrees" Celsius), or whose symbol it spells in another
// case ("ps" the PS).
class UnitMatch {
public:
    static constexpr std::size_t kCapacity = 4;

    void add(int code) { addTo(codes_, count_, code); }
    void addOther(int code) { addTo(others_, otherCount_, code); }
    bool empty() const { return count_ == 0; }
    std::span<const int> codes() const { return {codes_.data(), count_}; }
    std::span<const int> others() const { return {others_.data(), otherCount_}; }

private:
    static void addTo(std::array<int, kCapacity>& codes, std::size_t& count, int code)
    {
        for (std::size_t i = 0; i < count; ++i)
            if (codes[i] == code)
                return;
        if (count < kCapacity)
            codes[count++] = code;
    }

    std::array<int, kCapacity> codes_{};
    std::array<int, kCapacity> others_{};
    std::size_t count_ = 0;
    std::size_t otherCount_ = 0;
};

// Where a unit stands in the typed catalogue.
using UnitPlace = TypedPlace;

// Each lookup reads the English names, and those of `language` when it is given.

// The names a query reads: found once for it, then looked up in directly.
struct Index;
const Index& indexFor(const LanguageNames* language);
// `text` is a normalised name (tokens joined by single spaces). An exact match wins; otherwise
// names that ignore case may match.
UnitMatch lookUp(const Index& names, std::string_view text);
// Only the names written exactly as `text`, in its case.
UnitMatch lookUpExact(const Index& names, std::string_view text);
// The most tokens any name has: longer token runs are never a name.
std::size_t maxNameTokens(const Index& names);


// What `text` names when it is exactly the symbol of a unit the catalogue lacks: "milligrams"
// for "mg".
std::optional<std::string> unsupportedUnit(std::string_view text, const LanguageNames* language);

// The place of a unit code of the catalogue (the code must exist).
UnitPlace placeOf(int code);

// Up to three names close to the typed text, whatever its case (one per unit, written names
// preferred), best first.
std::vector<std::string> suggestionsFor(std::string_view typed, const LanguageNames* language);

} // namespace mezzurix::names
