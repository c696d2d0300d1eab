// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The unit table itself: one row per category and one per unit, the units' rows in
// records/<category>.inc. It is a header, not a source file, so that a table keyed by unit (the
// names of another language) reads a unit's code while compiling, and a misspelt key does not
// build. Everything else reads it through unit_record.h.

#include <mezzurix/typed_units.h>
#include <mezzurix/unit_record.h>

#include <cstddef>
#include <string_view>

namespace mezzurix::unit_table {

using enum DefinitionSource;

// The window's categories in the order of its "&Lists" menu, then those of typed conversions. The
// coherent unit of a quantity with a name of its own is written by that name (J, not kg·m²/s²).
inline constexpr CategoryRecord kCategories[] = {
    {.key = "area", .name = "Area", .dimension = Dimension({.length = 2}), .siUnit = "m²"},
    {.key = "memory", .name = "Computer Memory / Disk Capacity", .dimension = Dimension({.information = 1}),
     .siUnit = "bit"},
    {.key = "distance", .name = "Distance", .dimension = Dimension({.length = 1}), .siUnit = "m"},
    {.key = "energy", .name = "Energy", .dimension = Dimension({.length = 2, .mass = 1, .time = -2}),
     .kind = UnitKind::Energy, .siUnit = "J"},
    {.key = "flow_rate", .name = "Flow Rate", .dimension = Dimension({.length = 3, .time = -1}), .siUnit = "m³/s"},
    {.key = "force", .name = "Force", .dimension = Dimension({.length = 1, .mass = 1, .time = -2}), .siUnit = "N"},
    {.key = "light", .name = "Light", .dimension = Dimension({.length = -2, .luminousIntensity = 1}),
     .siUnit = "lx"},
    {.key = "mass", .name = "Mass", .dimension = Dimension({.mass = 1}), .siUnit = "kg"},
    {.key = "power", .name = "Power", .dimension = Dimension({.length = 2, .mass = 1, .time = -3}), .siUnit = "W"},
    {.key = "pressure", .name = "Pressure", .dimension = Dimension({.length = -1, .mass = 1, .time = -2}),
     .siUnit = "Pa"},
    {.key = "temperature", .name = "Temperature", .dimension = Dimension({.temperature = 1}), .siUnit = "K"},
    {.key = "torque", .name = "Torque", .dimension = Dimension({.length = 2, .mass = 1, .time = -2}),
     .kind = UnitKind::Torque, .siUnit = "N·m"},
    {.key = "velocity", .name = "Velocity", .dimension = Dimension({.length = 1, .time = -1}), .siUnit = "m/s"},
    {.key = "volume", .name = "Volume", .dimension = Dimension({.length = 3}), .siUnit = "m³"},
    {.key = "time", .name = "Time", .dimension = Dimension({.time = 1}), .siUnit = "s",
     .description = " Durations, from picoseconds to centuries. "},
    // Distance per volume of fuel; liters per 100 km count the other way round.
    {.key = "fuel_economy", .name = "Fuel economy", .dimension = Dimension({.length = -2}), .siUnit = "m/m³",
     .description = " Distance driven on a measure of fuel, or fuel used over a distance. "},
    {.key = "angle", .name = "Angle", .dimension = Dimension({.angle = 1}), .siUnit = "rad",
     .description = " Plane angles: degrees, radians, gradians, minutes and seconds of arc, turns. "},
    {.key = "frequency", .name = "Frequency", .dimension = Dimension({.time = -1, .cycles = 1}), .siUnit = "Hz",
     .description = " Cycles per time: hertz, revolutions per minute and per second. "},
    {.key = "angular_velocity", .name = "Angular velocity", .dimension = Dimension({.time = -1, .angle = 1}),
     .siUnit = "rad/s", .description = " Angle turned per time: radians and degrees per second. "},
    {.key = "data_rate", .name = "Data rate", .dimension = Dimension({.time = -1, .information = 1}),
     .siUnit = "bit/s", .description = " Information per time: bits and bytes per second. "},
    {.key = "density", .name = "Density", .dimension = Dimension({.length = -3, .mass = 1}), .siUnit = "kg/m³",
     .description = " Mass per volume, metric and customary. "},
    {.key = "acceleration", .name = "Acceleration", .dimension = Dimension({.length = 1, .time = -2}),
     .siUnit = "m/s²", .description = " Change of speed per time, and standard gravity. "},
    {.key = "pace", .name = "Pace", .dimension = Dimension({.length = -1, .time = 1}), .siUnit = "s/m",
     .description = " Time per distance, as runners and swimmers count it. "},
    {.key = "current", .name = "Electric current", .dimension = Dimension({.current = 1}), .siUnit = "A",
     .description = " Electric current, in amperes. "},
    {.key = "voltage", .name = "Voltage",
     .dimension = Dimension({.length = 2, .mass = 1, .time = -3, .current = -1}), .siUnit = "V", .description = " Electric potential difference, in volts. "},
    {.key = "resistance", .name = "Electric resistance",
     .dimension = Dimension({.length = 2, .mass = 1, .time = -3, .current = -2}), .siUnit = "Ω",
     .description = " Ohms, kilohms and megohms. "},
    {.key = "charge", .name = "Electric charge", .dimension = Dimension({.time = 1, .current = 1}), .siUnit = "C",
     .description = " Coulombs and ampere-hours. "},
    {.key = "capacitance", .name = "Capacitance",
     .dimension = Dimension({.length = -2, .mass = -1, .time = 4, .current = 2}), .siUnit = "F",
     .description = " Farads; the bare F is Fahrenheit. "},
};

// Customary units come from the international yard and pound (0.9144 m, 0.45359237 kg), force
// units from standard gravity (9.80665 m/s²).
//
// Names: symbols whose case carries a prefix or another unit (m and M, g and G, b and B, cal and
// Cal) are read in their exact case only. A name stands for two units only where one unit lives
// in two categories (the pound-force inch and foot of Torque and of Energy); the other unit of a
// query decides between them. Typed forms "^2", "^3", "*" and "⋅" are read as "²", "³" and "·"
// before the lookup. Decided clashes: "m" is meters, "min" minutes, "mi" miles; "t" megagrams;
// "Cal" the kilocalorie, "cal" the IT calorie; "pint", "quart" and "gallon" alone are US, the
// imperial ones take "imperial", "imp" or "UK"; "b" is bits, "B" bytes (no megabits: "Mb" would
// meet millibar's "mb"); "K" is kelvin, never kilo; "R" alone is no unit, "°R" and "degR" are
// Rankine; "ton" is the short ton; "nm" nanometers, "NM" nautical miles, "Nm" newton meters; "kn"
// knots, "kN" kilonewtons.
inline constexpr UnitRecord kUnits[] = {
#include "records/area.inc"
#include "records/memory.inc"
#include "records/distance.inc"
#include "records/energy.inc"
#include "records/flow_rate.inc"
#include "records/force.inc"
#include "records/light.inc"
#include "records/mass.inc"
#include "records/power.inc"
#include "records/pressure.inc"
#include "records/temperature.inc"
#include "records/torque.inc"
#include "records/velocity.inc"
#include "records/volume.inc"
#include "records/time.inc"
#include "records/fuel_economy.inc"
#include "records/angle.inc"
#include "records/frequency.inc"
#include "records/angular_velocity.inc"
#include "records/data_rate.inc"
#include "records/density.inc"
#include "records/acceleration.inc"
#include "records/pace.inc"
#include "records/current.inc"
#include "records/voltage.inc"
#include "records/resistance.inc"
#include "records/charge.inc"
#include "records/capacitance.inc"
};

// The row of the unit with this key; while compiling, a key of no unit does not build.
constexpr std::size_t indexOf(std::string_view key)
{
    for (std::size_t i = 0; i < std::size(kUnits); ++i)
        if (kUnits[i].key == key)
            return i;
    throw "no unit has this key";
}

// The window's code of its own units; the others are numbered in table order from
// kFirstTypedOnlyCode.
constexpr int codeAt(std::size_t index)
{
    if (kUnits[index].window.code >= 0)
        return kUnits[index].window.code;
    int before = 0;
    for (std::size_t i = 0; i < index; ++i)
        before += kUnits[i].window.code < 0 ? 1 : 0;
    return kFirstTypedOnlyCode + before;
}

consteval int codeOf(std::string_view key)
{
    return codeAt(indexOf(key));
}

} // namespace mezzurix::unit_table
