// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What each unit is: its exact size in SI terms, which variant of its name it is, where that
// definition comes from, and its name for exactly one.

#include <mezzurix/catalogue.h>
#include <mezzurix/exact_amount.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace mezzurix {

// Significant digits an answer is written with unless more are asked for: most constants of the
// conversion table carry 9 to 10 digits, and its worst factor lies 4.1e-10 from the exact ratio
// of the two units' definitions.
constexpr int kTableSignificantDigits = 9;

enum class DefinitionSource {
    SiBrochure,      // SI units and their decimal multiples
    NistSp811,       // units outside the SI, in SI terms
    NistHandbook44,  // US customary volumes
    Iec80000_13,     // bytes
    Iau,             // the Julian year
    OwnDefinition,   // no standard defines it; this program's own choice
};

// "SI Brochure", "NIST SP 811", ..., "this program's own".
std::string_view sourceName(DefinitionSource source);

// A value x of the unit is (x + offset) x amount of siUnit, or amount / x of it for a reciprocal
// unit (fuel used over a distance, against distance per fuel). Only temperatures have an offset.
struct UnitDefinition {
    int code;
    std::string_view singular;     // the display name of one: "Foot", "Square foot", "Kilobyte"
    std::string_view amount;       // exact, ExactAmount::parse reads it: "0.3048", "5/18", "648000/pi"
    std::string_view siUnit;       // "m", "m²", "K", "bit": its category's
    std::string_view offset;       // exact decimal, or empty for none
    std::string_view description;  // plain words naming the variant: "US liquid gallon (231 cubic inches)"
    DefinitionSource source;
    bool nameIsAmbiguous;          // the display name alone does not say which variant it is
    bool reciprocal = false;       // x of the unit is amount / x of siUnit
};

// One row per unit, in the order of the unit table (unitRecords()).
std::span<const UnitDefinition> unitDefinitions();

// The row of `unitCode`, or nullptr.
const UnitDefinition* findDefinition(int unitCode);

// The unit's English display name after a written number, by the English plural rule: the singular
// after exactly "1" or "-1" (also with "+" or the minus sign U+2212), the plural otherwise ("1 Foot",
// "1.0 Feet", "2 Pounds" for the window's "Pounds(avdp)"). See display_names.h for other languages
// and the names the user typed.
std::string_view nameAfterNumber(const Unit& unit, std::string_view numberText);
// Whether a written number is exactly "1" or "-1", as above: where a name takes the singular.
bool isExactlyOne(std::string_view numberText);

// "0.3048 m", "(x + 273.15) × 1 K" for a unit with an offset, "… m/m³ ÷ x" for a reciprocal one.
std::string definitionText(const UnitDefinition& definition);

// The exact factor that turns a value of `fromCode` into one of `intoCode`: the ratio of their
// amounts. nullopt when either unit has an offset, is reciprocal or has no definition.
std::optional<ExactAmount> exactFactor(int fromCode, int intoCode);

// The exact value of `x` of `fromCode` in `intoCode`, offsets and reciprocals included; nullopt
// for 0 of a unit whose reciprocal the other is.
std::optional<ExactAmount> exactConversion(int fromCode, int intoCode, const ExactAmount& x);

// Whether one of the two units is the reciprocal of the other's kind: 0 of the first has no value
// in the second.
bool reciprocalPair(int fromCode, int intoCode);

// `x` of `fromCode` in `intoCode` through the two definitions, in doubles: within a few units in
// the last place of the exact value, but for the cancellation of a temperature's offsets near
// zero. nullopt for no definition or a result beyond the double range.
std::optional<double> convertByDefinitions(int fromCode, int intoCode, double x);

// `x` through an exact factor `k` rounded once (as convertByDefinitions() does): k / x when
// `reciprocal`, (x + fromOffset) × k − intoOffset otherwise, a result that an offset leaves within
// the rounding of the offsets counted as zero. nullopt beyond the double range.
std::optional<double> applyFactor(double k, bool reciprocal, double fromOffset, double intoOffset, double x);

} // namespace mezzurix
