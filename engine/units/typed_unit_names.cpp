// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "typed_unit_names.h"

namespace mezzurix {

namespace {

using enum NameKind;

// As for the window's units. Decided clashes: "m" stays meters, "min" is minutes, "mi" miles;
// "t" stays megagrams; "Cal" is the kilocalorie, "cal" the IT calorie; "pint", "quart" and
// "gallon" alone stay US, the imperial ones take "imperial", "imp" or "UK"; "b" is bits, "B"
// bytes (no megabits: "Mb" would meet millibar's "mb"); "K" is kelvin, never kilo; "R" alone is
// no unit, "°R" and "degR" are Rankine; "ton" stays the short ton; "nm" nanometers, "NM"
// nautical miles, "Nm" newton meters; "kn" knots, "kN" kilonewtons.
constexpr UnitName kAliases[] = {
    // Distance
    {1000, "µm", CaseSymbol}, {1000, "μm", CaseSymbol}, {1000, "um", CaseSymbol}, {1000, "micron", Name},
    {1000, "microns", Name}, {1000, "micrometer", Name}, {1000, "micrometre", Name}, {1000, "micrometres", Name},
    {1001, "nm", CaseSymbol}, {1001, "nanometer", Name}, {1001, "nanometre", Name}, {1001, "nanometres", Name},
    {1002, "thou", Name}, {1002, "mil", Name}, {1002, "mils", Name},
    {1003, "nmi", Symbol}, {1003, "NM", CaseSymbol}, {1003, "nautical mile", Name},

    // Area
    {1020, "ac", Symbol}, {1020, "acre", Name},
    {1021, "ha", CaseSymbol}, {1021, "hectare", Name},

    // Flow Rate
    {1040, "m³/h", CaseSymbol}, {1040, "m³/hr", CaseSymbol},
    {1040, "cubic meter/hour", Name}, {1040, "cubic meter per hour", Name}, {1040, "cubic meters per hour", Name},
    {1040, "cubic metre per hour", Name}, {1040, "cubic metres per hour", Name},
    {1041, "L/h", CaseSymbol}, {1041, "l/h", CaseSymbol}, {1041, "L/hr", CaseSymbol}, {1041, "l/hr", CaseSymbol},
    {1041, "lph", Symbol}, {1041, "liter/hour", Name}, {1041, "liter per hour", Name}, {1041, "liters per hour", Name},
    {1041, "litre per hour", Name}, {1041, "litres per hour", Name}, {1041, "L/hour", CaseSymbol},
    {1042, "cfm", Symbol}, {1042, "ft³/min", Symbol}, {1042, "cu ft/min", Symbol},
    {1042, "cubic foot/minute", Name}, {1042, "cubic foot per minute", Name}, {1042, "cubic feet per minute", Name},
    {1043, "gph", Symbol}, {1043, "gal/h", Symbol}, {1043, "gal/hr", Symbol}, {1043, "gallon/hour", Name},
    {1043, "gallon per hour", Name}, {1043, "gallons per hour", Name},

    // Power
    {1060, "PS", CaseSymbol}, {1060, "CV", CaseSymbol}, {1060, "metric hp", Name},
    {1061, "BTU/h", Symbol}, {1061, "BTU/hr", Symbol}, {1061, "BTUh", Symbol}, {1061, "BTU per hour", Name},
    {1061, "BTUs per hour", Name},
    {1062, "mW", CaseSymbol}, {1062, "milliwatt", Name},
    {1063, "GW", CaseSymbol}, {1063, "gigawatt", Name},

    // Mass
    {1080, "mg", CaseSymbol}, {1080, "milligram", Name}, {1080, "milligramme", Name}, {1080, "milligrammes", Name},
    {1081, "µg", CaseSymbol}, {1081, "μg", CaseSymbol}, {1081, "ug", CaseSymbol}, {1081, "mcg", Symbol},
    {1081, "microgram", Name}, {1081, "microgramme", Name}, {1081, "microgrammes", Name},
    {1082, "st", Symbol}, {1082, "stones", Name},
    {1083, "long ton", Name}, {1083, "imperial ton", Name}, {1083, "imperial tons", Name},
    {1084, "ozt", Symbol}, {1084, "oz t", Symbol}, {1084, "troy ounce", Name}, {1084, "troy oz", Symbol},
    {1085, "ct", Symbol}, {1085, "carat", Name},
    {1086, "gr", Symbol}, {1086, "grain", Name},

    // Pressure
    {1100, "atm", Symbol}, {1100, "atmosphere", Name},
    {1102, "mmHg", Symbol}, {1102, "mm Hg", Symbol}, {1102, "millimeter of mercury", Name},
    {1102, "millimetre of mercury", Name}, {1102, "millimetres of mercury", Name},
    {1103, "inHg", Symbol}, {1103, "in Hg", Symbol}, {1103, "inch of mercury", Name},
    {1104, "MPa", CaseSymbol}, {1104, "megapascal", Name},
    {1105, "kgf/cm²", Symbol}, {1105, "kgf/cm2", Symbol}, {1105, "kg/cm²", Symbol}, {1105, "kg/cm2", Symbol},
    {1105, "kilogram-force per square centimeter", Name}, {1105, "kilogram-force per square centimetre", Name},

    // Velocity
    {1120, "kn", CaseSymbol}, {1120, "kt", Symbol}, {1120, "kts", Symbol}, {1120, "knot", Name},

    // Temperature
    {1140, "K", CaseSymbol}, {1140, "°K", Symbol}, {1140, "degK", Symbol}, {1140, "deg K", Symbol},
    {1140, "kelvins", Name}, {1140, "degree kelvin", Name}, {1140, "degrees kelvin", Name},
    {1141, "°R", Symbol}, {1141, "° R", Symbol}, {1141, "degR", Symbol}, {1141, "deg R", Symbol},
    {1141, "°Ra", Symbol}, {1141, "degree Rankine", Name}, {1141, "degrees Rankine", Name},

    // Volume
    {1160, "cup", Name}, {1160, "cups", Name}, {1160, "US cup", Name},
    {1161, "tbsp", Symbol}, {1161, "tbs", Symbol}, {1161, "tbsps", Symbol}, {1161, "tablespoon", Name},
    {1161, "tablespoons", Name}, {1161, "US tablespoon", Name},
    {1162, "tsp", Symbol}, {1162, "tsps", Symbol}, {1162, "teaspoon", Name}, {1162, "teaspoons", Name},
    {1162, "US teaspoon", Name},
    {1163, "fl oz", Symbol}, {1163, "floz", Symbol}, {1163, "fl.oz", Symbol}, {1163, "US fl oz", Symbol},
    {1163, "fluid ounce", Name}, {1163, "fluid ounces", Name}, {1163, "US fluid ounce", Name},
    {1164, "imperial gallon", Name}, {1164, "imp gal", Symbol}, {1164, "gal imp", Symbol},
    {1164, "UK gal", Symbol}, {1164, "imp gallon", Name}, {1164, "imp gallons", Name}, {1164, "UK gallon", Name},
    {1164, "UK gallons", Name},
    {1165, "imperial pint", Name}, {1165, "imp pt", Symbol}, {1165, "UK pt", Symbol}, {1165, "imp pint", Name},
    {1165, "imp pints", Name}, {1165, "UK pint", Name}, {1165, "UK pints", Name},
    {1166, "imperial fluid ounce", Name}, {1166, "imperial fl oz", Symbol}, {1166, "imp fl oz", Symbol},
    {1166, "UK fl oz", Symbol}, {1166, "UK fluid ounce", Name}, {1166, "UK fluid ounces", Name},
    {1167, "cL", CaseSymbol}, {1167, "cl", CaseSymbol}, {1167, "centiliter", Name}, {1167, "centilitre", Name},
    {1167, "centilitres", Name},
    {1168, "dL", CaseSymbol}, {1168, "dl", CaseSymbol}, {1168, "deciliter", Name}, {1168, "decilitre", Name},
    {1168, "decilitres", Name},
    {1169, "hL", CaseSymbol}, {1169, "hl", CaseSymbol}, {1169, "hectoliter", Name}, {1169, "hectolitre", Name},
    {1169, "hectolitres", Name},
    {1170, "bbl", Symbol}, {1170, "bbls", Symbol}, {1170, "barrel", Name}, {1170, "barrels", Name},
    {1170, "barrel of oil", Name}, {1170, "oil barrel", Name}, {1170, "oil barrels", Name},

    // Torque
    {1180, "kgf·m", Symbol}, {1180, "kgf m", Symbol}, {1180, "kgf-m", Symbol}, {1180, "kgfm", Symbol},
    {1180, "kilogram-force meter", Name}, {1180, "kilogram-force metre", Name},
    {1180, "kilogram-force metres", Name},
    {1181, "N·cm", CaseSymbol}, {1181, "N cm", CaseSymbol}, {1181, "Ncm", CaseSymbol}, {1181, "N-cm", CaseSymbol},
    {1181, "newton centimeter", Name}, {1181, "newton centimetre", Name}, {1181, "newton centimetres", Name},

    // Energy
    {1200, "kcal", Symbol}, {1200, "Cal", CaseSymbol}, {1200, "kilocalorie", Name}, {1200, "food calorie", Name},
    {1200, "food calories", Name},
    {1201, "kJ", CaseSymbol}, {1201, "kilojoule", Name},
    {1202, "MJ", CaseSymbol}, {1202, "megajoule", Name},
    {1203, "Wh", CaseSymbol}, {1203, "W·h", CaseSymbol}, {1203, "watt-hour", Name}, {1203, "watt hour", Name},
    {1203, "watt hours", Name},
    {1204, "MWh", CaseSymbol}, {1204, "MW·h", CaseSymbol}, {1204, "megawatt-hour", Name},
    {1204, "megawatt hour", Name}, {1204, "megawatt hours", Name},

    // Computer Memory / Disk Capacity
    {1220, "b", CaseSymbol}, {1220, "bit", Name},
    {1221, "PB", CaseSymbol}, {1221, "PiB", CaseSymbol}, {1221, "petabyte", Name}, {1221, "petabytes", Name},
    {1221, "pebibyte", Name}, {1221, "pebibytes", Name},

    // Time
    {1240, "ms", CaseSymbol}, {1240, "msec", Symbol}, {1240, "msecs", Symbol}, {1240, "millisecond", Name},
    {1241, "s", CaseSymbol}, {1241, "sec", Symbol}, {1241, "secs", Symbol}, {1241, "second", Name},
    {1242, "min", Symbol}, {1242, "mins", Symbol}, {1242, "minute", Name},
    {1243, "h", Symbol}, {1243, "hr", Symbol}, {1243, "hrs", Symbol}, {1243, "hour", Name},
    {1244, "d", Symbol}, {1244, "day", Name},
    {1245, "wk", Symbol}, {1245, "wks", Symbol}, {1245, "week", Name},
    {1246, "yr", Symbol}, {1246, "yrs", Symbol}, {1246, "year", Name}, {1246, "Julian year", Name},
    {1246, "Julian years", Name},

    // Fuel economy
    {1260, "mpg", Symbol}, {1260, "US mpg", Symbol}, {1260, "mpg US", Symbol}, {1260, "mi/gal", Symbol},
    {1260, "mile/gallon", Name}, {1260, "miles/gallon", Name}, {1260, "mile per gallon", Name},
    {1260, "miles per gallon", Name}, {1260, "mile/US gallon", Name}, {1260, "miles per US gallon", Name},
    {1261, "mpg imp", Symbol}, {1261, "imp mpg", Symbol}, {1261, "mpg UK", Symbol}, {1261, "UK mpg", Symbol},
    {1261, "mile/imperial gallon", Name}, {1261, "miles per imperial gallon", Name},
    {1261, "miles per imp gallon", Name}, {1261, "miles per UK gallon", Name},
    {1262, "L/100km", CaseSymbol}, {1262, "l/100km", CaseSymbol}, {1262, "L/100 km", CaseSymbol},
    {1262, "l/100 km", CaseSymbol}, {1262, "liter/100 km", Name}, {1262, "litre/100 km", Name},
    {1262, "litres/100 km", Name},
    {1263, "km/L", CaseSymbol}, {1263, "km/l", CaseSymbol}, {1263, "kmpl", Symbol}, {1263, "kilometer/liter", Name},
    {1263, "kilometers per liter", Name}, {1263, "kilometres per litre", Name}, {1263, "kilometer per liter", Name},
};

} // namespace

std::span<const UnitName> typedOnlyAliases()
{
    return kAliases;
}

} // namespace mezzurix
