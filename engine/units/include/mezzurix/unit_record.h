// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One record per unit and one per category: everything the program knows about a unit is written
// once, in the unit table, and every other table (the catalogues, the definitions, the name index,
// the useful targets, --list, the man page, the completion) is derived from it.
//
// The table is constexpr C++ rather than a data file compiled at build time: the compiler checks
// every field's type, a missing field or a misspelt enumerator does not build, the rows live in
// read-only data with nothing to parse at start-up, and no generator has to be built first. The
// texts that need reading (amounts, names, targets) are checked by tests over the whole table.

#include <mezzurix/definitions.h>
#include <mezzurix/dimension.h>
#include <mezzurix/exact_amount.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace mezzurix {

// Which of two quantities of one dimension a unit measures, where people keep them apart: a
// newton meter of torque is no joule of work. A composed unit takes the kind of the declared unit
// it spells ("N·m" is torque); otherwise it has none and converts into either.
enum class UnitKind : std::uint8_t {
    None,
    Torque,
    Energy,
};

// The prefixes a unit's symbols and names take.
enum class Prefixes : std::uint8_t {
    None,
    Si,              // quecto (q) to quetta (Q), as symbol and as word: km, kilometer, µs, microsecond
    SiOnlyPrefixed,  // as Si, but the bare symbol is another unit's: F is Fahrenheit, µF the farad
    Bits,            // decimal SI prefixes from kilo up and binary ones (Ki to Ei): kbit, Mbit, Kibit
    Bytes,           // binary ones (Ki to Ei); the memory units themselves keep KB to TB binary
};

struct CategoryRecord {
    std::string_view key;          // stable identity: "distance", "data_rate"
    std::string_view name;         // "Distance": the window's menu caption without '&', or the
                                   // typed-only category's name
    Dimension dimension;           // of every unit of the category (of the reciprocal of a
                                   // reciprocal unit)
    UnitKind kind = UnitKind::None;
    std::string_view siUnit;       // the coherent unit as definitions are written: "m", "N·m", "m³/s"
    std::string_view description = {};  // for a typed-only category; a window category's is the
                                        // window's
};

// Where the window's lists show a unit: only the window's 81 units have one.
struct WindowPlace {
    int code = -1;                // the list item's data, and the pair codes of the table: "01"
    std::string_view caption;     // the list text: "Feet", "Pounds(avdp)"
};

struct UnitRecord {
    std::string_view key;          // stable identity, lower case: "foot", "us_cup", "pound_force_inch"
    std::string_view category;     // a CategoryRecord's key
    // Exact amount of the category's coherent SI unit, as ExactAmount::parse() reads it: "0.3048",
    // "5/18", "pi/180"; a factor may be another unit's key, standing for its amount, so that a
    // definition is written once: "year/12" (see unitAmount()). A temperature scale's offset, exact
    // decimal or empty: x of the unit is (x + offset) × amount.
    std::string_view amount;
    std::string_view offset = {};
    // The names people type, separated by '|'. Symbols are read in their exact case (mm and Mm,
    // PS and ps); abbreviations and written names in any case. Written names hold singular and
    // plural: "foot|feet".
    std::string_view symbols = {};
    std::string_view abbreviations = {};
    std::string_view names = {};
    // Names read as this unit only where the other side of a query is of its category and no
    // reading of the name's own converts: "degrees" is the angle, but Celsius in "100 degrees to
    // F". Any case. A unit whose bare symbols are another unit's (Prefixes::SiOnlyPrefixed) reads
    // them so too: the C of "1 Ah to C" is the coulomb.
    std::string_view byOtherSide = {};
    std::string_view singular = {};  // display name: "Foot", "Pound-force foot"
    std::string_view plural = {};    // "Feet", "Pound-force feet"
    // Names of the unit that answer in display names of their own rather than in the unit's, so
    // that an answer names the unit as the user did: "Milliliter/Milliliters: ml|mL|milliliter".
    // Groups are separated by ';'; each name is one the unit is read by, written as above.
    std::string_view namedForms = {};
    std::string_view description = {};  // plain words naming the variant: "international foot (12 inches)"
    DefinitionSource source = DefinitionSource::SiBrochure;
    std::string_view targets = {};   // useful targets, best first, as unit keys: "meter inch centimeter"
    Prefixes prefixes = Prefixes::None;
    bool reciprocal = false;         // x of the unit is amount / x of the SI unit (liters per 100 km)
    bool nameIsAmbiguous = false;    // the display name alone does not say which variant it is
    WindowPlace window = {};         // the window's 81 units only; their table order is list order
};

// Whether the unit's symbols are read on their own, and not only after a prefix: the bare C is
// Celsius, so the coulomb's "C" reads only as mC, µC and so on.
constexpr bool readsBareSymbols(const UnitRecord& unit)
{
    return unit.prefixes != Prefixes::SiOnlyPrefixed;
}

// Every category: the window's in the order of its "&Lists" menu, then those of typed conversions.
std::span<const CategoryRecord> categoryRecords();

// Every unit, category by category in the order of categoryRecords(), each category's window units
// first in list order.
std::span<const UnitRecord> unitRecords();

// The record with this key, or nullptr.
const UnitRecord* findUnitRecord(std::string_view key);
const CategoryRecord* findCategoryRecord(std::string_view key);

// The name a unit is listed and read by: the window's caption for its own units ("Pounds(avdp)"),
// the display plural for the others.
constexpr std::string_view listText(const UnitRecord& unit)
{
    return unit.window.code >= 0 ? unit.window.caption : unit.plural;
}

// A unit's exact amount: its amount text read, each key in it standing for that unit's amount
// ("year/12", "astronomical_unit*648000/pi"). nullopt for a text that does not read, a key of no
// unit, or keys that name each other in a circle.
std::optional<ExactAmount> unitAmount(const UnitRecord& unit);
// Whether the unit's amount names another unit.
bool amountNamesUnits(const UnitRecord& unit);

// A unit's code, as the catalogues, the definitions and the query reader know units: the window's
// own for its 81 units, and for every other unit its count among them in table order from
// kFirstTypedOnlyCode on, so that no table writes it and adding a unit may renumber the others.
// `unit` is one of unitRecords().
int unitCode(const UnitRecord& unit);
// The code of the unit with this key, or -1.
int unitCode(std::string_view key);
// The record of a unit code, or nullptr.
const UnitRecord* findUnitRecord(int code);

} // namespace mezzurix
