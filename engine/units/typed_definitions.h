// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The definitions of the units only typed conversions know, as data rows beside the window's.

#include <mezzurix/definitions.h>

namespace mezzurix::definition_rows {

using enum DefinitionSource;

constexpr bool kAmbiguous = true;
constexpr bool kPlain = false;
constexpr bool kReciprocal = true;

// code, singular, amount, SI unit, offset, description, source, whether the list text leaves the
// variant open, and whether the unit counts the other way round.
// Units only typed conversions know, category by category in the order of their codes.
inline constexpr UnitDefinition kTypedOnlyDefinitions[] = {
    // Distance
    {1000, "Micrometer", "0.000001", "m", "", "micrometer (micron)", SiBrochure, kPlain},
    {1001, "Nanometer", "0.000000001", "m", "", "nanometer", SiBrochure, kPlain},
    {1002, "Thou (mil)", "0.0000254", "m", "", "thou or mil (1/1,000 international inch)", NistSp811, kPlain},
    {1003, "Nautical mile", "1852", "m", "", "international nautical mile (1,852 meters)", NistSp811, kPlain},
    // Area
    {1020, "Acre", "4046.8564224", "m²", "", "international acre (43,560 square feet)", NistSp811, kPlain},
    {1021, "Hectare", "10000", "m²", "", "hectare (10,000 square meters)", SiBrochure, kPlain},
    // Flow Rate
    {1040, "Cubic meter/hour", "1/3600", "m³/s", "", "cubic meters per hour", SiBrochure, kPlain},
    {1041, "Liter/hour", "0.001/3600", "m³/s", "", "liters (cubic decimeters) per hour", SiBrochure, kPlain},
    {1042, "Cubic foot/minute", "0.028316846592/60", "m³/s", "", "cubic international feet per minute (cfm)",
     NistSp811, kPlain},
    {1043, "Gallon/hour", "0.003785411784/3600", "m³/s", "", "US liquid gallons (231 cubic inches) per hour",
     NistHandbook44, kAmbiguous},
    // Power
    {1060, "Metric horsepower", "735.49875", "W", "", "metric horsepower (75 kilogram-force meters per second; PS, CV)",
     NistSp811, kPlain},
    {1061, "BTU/hour", "1055.05585262/3600", "W", "", "International Table British thermal units per hour",
     NistSp811, kAmbiguous},
    {1062, "Milliwatt", "0.001", "W", "", "milliwatt", SiBrochure, kPlain},
    {1063, "Gigawatt", "1000000000", "W", "", "gigawatt", SiBrochure, kPlain},
    // Mass
    {1080, "Milligram", "0.000001", "kg", "", "milligram", SiBrochure, kPlain},
    {1081, "Microgram", "0.000000001", "kg", "", "microgram", SiBrochure, kPlain},
    {1082, "Stone", "6.35029318", "kg", "", "stone (14 avoirdupois pounds)", NistSp811, kPlain},
    {1083, "Long ton", "1016.0469088", "kg", "", "long ton (2,240 avoirdupois pounds)", NistSp811, kPlain},
    {1084, "Troy ounce", "0.0311034768", "kg", "", "troy ounce (480 grains), for precious metals", NistSp811, kPlain},
    {1085, "Carat", "0.0002", "kg", "", "metric carat (200 milligrams), for gems", NistSp811, kPlain},
    {1086, "Grain", "0.00006479891", "kg", "", "grain (1/7,000 avoirdupois pound)", NistSp811, kPlain},
    // Pressure
    {1100, "Atmosphere", "101325", "Pa", "", "standard atmosphere (101,325 pascals)", NistSp811, kPlain},
    {1101, "Torr", "101325/760", "Pa", "", "torr (1/760 standard atmosphere)", NistSp811, kPlain},
    {1102, "Millimeter of mercury", "133.322387415", "Pa", "", "conventional millimeter of mercury", NistSp811,
     kPlain},
    {1103, "Inch of mercury", "3386.389", "Pa", "", "conventional inch of mercury", NistSp811, kPlain},
    {1104, "Megapascal", "1000000", "Pa", "", "megapascal", SiBrochure, kPlain},
    {1105, "Kilogram-force/sq cm", "98066.5", "Pa", "", "kilogram-force per square centimeter (technical atmosphere)",
     NistSp811, kPlain},
    // Velocity
    {1120, "Knot", "1852/3600", "m/s", "", "knot (one nautical mile per hour)", NistSp811, kPlain},
    // Temperature
    {1140, "Kelvin", "1", "K", "", "kelvin, the SI unit of temperature (from absolute zero)", SiBrochure, kPlain},
    {1141, "Rankine", "5/9", "K", "", "degree Rankine (Fahrenheit-sized degrees from absolute zero)", NistSp811,
     kPlain},
    // Volume
    {1160, "US cup", "0.0002365882365", "m³", "", "US customary cup (8 US fluid ounces)", NistHandbook44, kPlain},
    {1161, "US tablespoon", "0.00001478676478125", "m³", "", "US tablespoon (1/2 US fluid ounce)", NistHandbook44,
     kPlain},
    {1162, "US teaspoon", "0.00000492892159375", "m³", "", "US teaspoon (1/6 US fluid ounce)", NistHandbook44,
     kPlain},
    {1163, "US fluid ounce", "0.0000295735295625", "m³", "", "US fluid ounce (1/128 US liquid gallon)",
     NistHandbook44, kPlain},
    {1164, "Imperial gallon", "0.00454609", "m³", "", "imperial (UK) gallon (4.54609 liters)", NistSp811, kPlain},
    {1165, "Imperial pint", "0.00056826125", "m³", "", "imperial (UK) pint (1/8 imperial gallon)", NistSp811, kPlain},
    {1166, "Imperial fluid ounce", "0.0000284130625", "m³", "", "imperial (UK) fluid ounce (1/160 imperial gallon)",
     NistSp811, kPlain},
    {1167, "Centiliter", "0.00001", "m³", "", "centiliter", SiBrochure, kPlain},
    {1168, "Deciliter", "0.0001", "m³", "", "deciliter", SiBrochure, kPlain},
    {1169, "Hectoliter", "0.1", "m³", "", "hectoliter", SiBrochure, kPlain},
    {1170, "Barrel of oil", "0.158987294928", "m³", "", "petroleum barrel (42 US liquid gallons)", NistHandbook44,
     kPlain},
    // Torque
    {1180, "Kilogram-force meter", "9.80665", "N·m", "", "kilogram-force meter (one kilogram-force at one meter)",
     NistSp811, kPlain},
    {1181, "Newton centimeter", "0.01", "N·m", "", "newton centimeter", SiBrochure, kPlain},
    // Energy
    {1200, "Kilocalorie", "4186.8", "J", "", "IT kilocalorie (the food Calorie, 1,000 IT calories)", NistSp811,
     kPlain},
    {1201, "Kilojoule", "1000", "J", "", "kilojoule", SiBrochure, kPlain},
    {1202, "Megajoule", "1000000", "J", "", "megajoule", SiBrochure, kPlain},
    {1203, "Watt-hour", "3600", "J", "", "watt-hour", SiBrochure, kPlain},
    {1204, "Megawatt-hour", "3600000000", "J", "", "megawatt-hour", SiBrochure, kPlain},
    // Computer Memory / Disk Capacity
    {1220, "Bit", "1/8", "B", "", "bit (1/8 byte)", Iec80000_13, kPlain},
    {1221, "Petabyte (PB)", "1125899906842624", "B", "", "binary petabyte (1,024⁵ bytes; pebibyte, PiB)",
     Iec80000_13, kAmbiguous},
    // Time
    {1240, "Millisecond", "0.001", "s", "", "millisecond", SiBrochure, kPlain},
    {1241, "Second", "1", "s", "", "second, the SI unit of time", SiBrochure, kPlain},
    {1242, "Minute", "60", "s", "", "minute (60 seconds)", SiBrochure, kPlain},
    {1243, "Hour", "3600", "s", "", "hour (60 minutes)", SiBrochure, kPlain},
    {1244, "Day", "86400", "s", "", "day (24 hours)", SiBrochure, kPlain},
    {1245, "Week", "604800", "s", "", "week (7 days)", NistSp811, kPlain},
    {1246, "Year", "31557600", "s", "", "Julian year (365.25 days), the average calendar year", Iau, kAmbiguous},
    // Fuel economy, as distance per volume of fuel
    {1260, "Mile/US gallon", "1609.344/0.003785411784", "m/m³", "", "international miles per US liquid gallon (mpg)",
     NistSp811, kAmbiguous},
    {1261, "Mile/imperial gallon", "1609.344/0.00454609", "m/m³", "", "international miles per imperial gallon",
     NistSp811, kPlain},
    {1262, "Liter/100 km", "100000/0.001", "m/m³", "", "liters used per 100 kilometers (the inverse of distance per fuel)",
     SiBrochure, kPlain, kReciprocal},
    {1263, "Kilometer/liter", "1000/0.001", "m/m³", "", "kilometers per liter", SiBrochure, kPlain},
};

} // namespace mezzurix::definition_rows
