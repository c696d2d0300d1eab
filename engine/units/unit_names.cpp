// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_names.h>

#include "typed_unit_names.h"

namespace mezzurix {

namespace {

using enum NameKind;

// The names a unit is read by besides its list text. Symbols whose case carries a prefix or a
// different unit (m and M, g and G, b and B, cal and Cal) match in their exact case only.
// Names shared by two units occur only where one unit lives in two categories (pound-force
// inches and feet in Torque and Energy); the other unit of a query decides between them.
// Typed forms "^2", "^3", "*" and "⋅" are read as "²", "³" and "·" before the lookup.
constexpr UnitName kAliases[] = {
    // Distance
    {0, "in", Symbol}, {0, "″", Symbol}, {0, "\"", Symbol}, {0, "”", Symbol}, {0, "''", Symbol},
    {0, "inch", Name},
    {1, "ft", Symbol}, {1, "′", Symbol}, {1, "'", Symbol}, {1, "’", Symbol}, {1, "foot", Name},
    {2, "yd", Symbol}, {2, "yds", Symbol}, {2, "yard", Name},
    {3, "mi", Symbol}, {3, "mile", Name},
    {4, "mm", CaseSymbol}, {4, "millimeter", Name}, {4, "millimetre", Name}, {4, "millimetres", Name},
    {5, "cm", CaseSymbol}, {5, "centimeter", Name}, {5, "centimetre", Name}, {5, "centimetres", Name},
    {6, "m", CaseSymbol}, {6, "meter", Name}, {6, "metre", Name}, {6, "metres", Name},
    {7, "km", CaseSymbol}, {7, "kilometer", Name}, {7, "kilometre", Name}, {7, "kilometres", Name},

    // Area
    {10, "sq in", Symbol}, {10, "in²", Symbol}, {10, "in2", Symbol}, {10, "sq inch", Name},
    {10, "square inch", Name}, {10, "square inches", Name},
    {10, "sqin", Symbol},
    {11, "sq ft", Symbol}, {11, "ft²", Symbol}, {11, "ft2", Symbol}, {11, "sq foot", Name},
    {11, "square foot", Name}, {11, "square feet", Name},
    {11, "sqft", Symbol}, {11, "sq.ft", Symbol},
    {12, "sq yd", Symbol}, {12, "yd²", Symbol}, {12, "yd2", Symbol}, {12, "sq yard", Name},
    {12, "square yard", Name}, {12, "square yards", Name},
    {12, "sqyd", Symbol},
    {13, "sq mi", Symbol}, {13, "mi²", Symbol}, {13, "mi2", Symbol}, {13, "sq mile", Name},
    {13, "square mile", Name}, {13, "square miles", Name},
    {14, "mm²", CaseSymbol}, {14, "mm2", CaseSymbol}, {14, "sq mm", CaseSymbol},
    {14, "sq millimeter", Name}, {14, "square millimeter", Name}, {14, "square millimeters", Name},
    {14, "square millimetre", Name}, {14, "square millimetres", Name},
    {15, "cm²", CaseSymbol}, {15, "cm2", CaseSymbol}, {15, "sq cm", CaseSymbol},
    {15, "sq centimeter", Name}, {15, "square centimeter", Name}, {15, "square centimeters", Name},
    {15, "square centimetre", Name}, {15, "square centimetres", Name},
    {16, "m²", CaseSymbol}, {16, "m2", CaseSymbol}, {16, "sq m", CaseSymbol},
    {16, "sq meter", Name}, {16, "square meter", Name}, {16, "square meters", Name},
    {16, "square metre", Name}, {16, "square metres", Name},
    {16, "sqm", Symbol},
    {17, "km²", CaseSymbol}, {17, "km2", CaseSymbol}, {17, "sq km", CaseSymbol},
    {17, "sq kilometer", Name}, {17, "square kilometer", Name}, {17, "square kilometers", Name},
    {17, "square kilometre", Name}, {17, "square kilometres", Name},

    // Flow Rate
    {20, "gal/s", Symbol}, {20, "gal/sec", Symbol}, {20, "gallon/second", Name},
    {20, "gallon per second", Name}, {20, "gallons per second", Name},
    {21, "gal/min", Symbol}, {21, "gpm", Symbol}, {21, "gallon/minute", Name},
    {21, "gallon per minute", Name}, {21, "gallons per minute", Name},
    {21, "gal/minute", Symbol},
    {22, "L/s", CaseSymbol}, {22, "l/s", CaseSymbol}, {22, "liter/second", Name},
    {22, "litre/second", Name}, {22, "litres/second", Name}, {22, "liter per second", Name},
    {22, "liters per second", Name}, {22, "litre per second", Name}, {22, "litres per second", Name},
    {22, "L/second", CaseSymbol},
    {23, "L/min", CaseSymbol}, {23, "l/min", CaseSymbol}, {23, "lpm", Symbol},
    {23, "liter/minute", Name}, {23, "litre/minute", Name}, {23, "litres/minute", Name},
    {23, "liter per minute", Name}, {23, "liters per minute", Name}, {23, "litre per minute", Name},
    {23, "litres per minute", Name},
    {23, "L/minute", CaseSymbol},

    // Power
    {24, "hp", Symbol},
    {25, "W", CaseSymbol}, {25, "watt", Name},
    {26, "kW", CaseSymbol}, {26, "kilowatt", Name},
    {27, "MW", CaseSymbol}, {27, "megawatt", Name},

    // Mass
    {30, "oz", Symbol}, {30, "ounce", Name}, {30, "ounces", Name},
    {31, "lb", Symbol}, {31, "lbs", Symbol}, {31, "pound", Name}, {31, "pounds", Name},
    {32, "ton", Name}, {32, "tons", Name}, {32, "short ton", Name}, {32, "short tons", Name},
    {33, "g", CaseSymbol}, {33, "gram", Name}, {33, "gm", Symbol}, {33, "gms", Symbol}, {33, "gramme", Name}, {33, "grammes", Name},
    {34, "kg", CaseSymbol}, {34, "kilogram", Name}, {34, "kilogramme", Name},
    {34, "kilogrammes", Name}, {34, "kilo", Name}, {34, "kilos", Name}, {34, "kgs", Symbol},
    {35, "Mg", CaseSymbol}, {35, "t", CaseSymbol}, {35, "megagram", Name}, {35, "tonne", Name},
    {35, "tonnes", Name}, {35, "metric ton", Name}, {35, "metric tons", Name},

    // Pressure
    {40, "mbar", CaseSymbol}, {40, "mb", CaseSymbol}, {40, "hPa", CaseSymbol},
    {40, "millibars", Name}, {40, "hectopascal", Name}, {40, "hectopascals", Name},
    {41, "bars", Name},
    {42, "lbf/in²", Symbol}, {42, "pound per square inch", Name},
    {42, "pounds per square inch", Name},
    {43, "Pa", CaseSymbol}, {43, "pascals", Name},
    {44, "kPa", CaseSymbol}, {44, "kilopascals", Name},

    // Velocity
    {50, "ft/s", Symbol}, {50, "ft/sec", Symbol}, {50, "fps", Symbol}, {50, "foot/second", Name},
    {50, "foot per second", Name}, {50, "feet per second", Name},
    {51, "ft/min", Symbol}, {51, "fpm", Symbol}, {51, "foot/minute", Name},
    {51, "foot per minute", Name}, {51, "feet per minute", Name},
    {52, "mph", Symbol}, {52, "mi/h", Symbol}, {52, "mi/hr", Symbol}, {52, "mile/hour", Name},
    {52, "mile per hour", Name}, {52, "miles per hour", Name},
    {52, "mi/hour", Symbol},
    {53, "m/s", CaseSymbol}, {53, "meter/second", Name}, {53, "metre/second", Name},
    {53, "metres/second", Name}, {53, "meter per second", Name}, {53, "meters per second", Name},
    {53, "metre per second", Name}, {53, "metres per second", Name},
    {53, "mps", Symbol}, {53, "m/second", CaseSymbol},
    {54, "m/min", CaseSymbol}, {54, "meter/minute", Name}, {54, "metre/minute", Name},
    {54, "metres/minute", Name}, {54, "meter per minute", Name}, {54, "meters per minute", Name},
    {54, "metre per minute", Name}, {54, "metres per minute", Name},
    {55, "km/h", CaseSymbol}, {55, "km/hr", CaseSymbol}, {55, "kph", Symbol}, {55, "kmh", Symbol},
    {55, "kilometer/hour", Name}, {55, "kilometre/hour", Name}, {55, "kilometres/hour", Name},
    {55, "kilometer per hour", Name}, {55, "kilometers per hour", Name},
    {55, "kilometre per hour", Name}, {55, "kilometres per hour", Name},
    {55, "kmph", Symbol}, {55, "km/hour", CaseSymbol},

    // Temperature
    {60, "°C", Symbol}, {60, "℃", Symbol}, {60, "degC", Symbol}, {60, "deg C", Symbol},
    {60, "C", Symbol}, {60, "degree Celsius", Name}, {60, "degrees Celsius", Name},
    {60, "centigrade", Name}, {60, "° C", Symbol}, {60, "degree C", Name}, {60, "degrees C", Name}, {60, "degree centigrade", Name}, {60, "degrees centigrade", Name},
    {61, "°F", Symbol}, {61, "℉", Symbol}, {61, "degF", Symbol}, {61, "deg F", Symbol},
    {61, "F", Symbol}, {61, "° F", Symbol}, {61, "degree F", Name}, {61, "degrees F", Name}, {61, "degree Fahrenheit", Name}, {61, "degrees Fahrenheit", Name},

    // Volume
    {62, "cu in", Symbol}, {62, "cuin", Symbol}, {62, "in³", Symbol}, {62, "in3", Symbol}, {62, "cubic inch", Name},
    {63, "cu ft", Symbol}, {63, "cuft", Symbol}, {63, "ft³", Symbol}, {63, "ft3", Symbol}, {63, "cubic foot", Name},
    {64, "cu yd", Symbol}, {64, "yd³", Symbol}, {64, "yd3", Symbol}, {64, "cubic yard", Name},
    {65, "cm³", CaseSymbol}, {65, "cm3", CaseSymbol}, {65, "cc", Symbol}, {65, "mL", CaseSymbol},
    {65, "ml", CaseSymbol}, {65, "cubic centimeter", Name}, {65, "cubic centimetre", Name},
    {65, "cubic centimetres", Name}, {65, "milliliter", Name}, {65, "milliliters", Name},
    {65, "millilitre", Name}, {65, "millilitres", Name},
    {66, "m³", CaseSymbol}, {66, "m3", CaseSymbol}, {66, "cubic meter", Name},
    {66, "cubic metre", Name}, {66, "cubic metres", Name},
    {67, "pt", Symbol}, {67, "pint", Name},
    {68, "qt", Symbol}, {68, "quart", Name},
    {69, "gal", Symbol}, {69, "gallon", Name},
    {690, "L", CaseSymbol}, {690, "l", CaseSymbol}, {690, "liter", Name}, {690, "litre", Name},
    {690, "litres", Name}, {690, "ltr", Symbol}, {690, "ltrs", Symbol},

    // Torque; 72 and 73 share their symbols with Energy's 82 and 83
    {70, "ozf·in", Symbol}, {70, "ozf in", Symbol}, {70, "ozf-in", Symbol}, {70, "in·ozf", Symbol},
    {70, "in ozf", Symbol}, {70, "oz-in", Symbol}, {70, "oz·in", Symbol},
    {70, "oz in", Symbol}, {70, "in oz", Symbol}, {70, "in-oz", Symbol}, {70, "in·oz", Symbol},
    {70, "ounce-force inch", Name}, {70, "ounce-force inches", Name},
    {71, "ozf·ft", Symbol}, {71, "ozf ft", Symbol}, {71, "ozf-ft", Symbol}, {71, "ft·ozf", Symbol},
    {71, "ft ozf", Symbol}, {71, "oz-ft", Symbol}, {71, "oz·ft", Symbol},
    {71, "oz ft", Symbol}, {71, "ft oz", Symbol}, {71, "ft-oz", Symbol}, {71, "ft·oz", Symbol},
    {71, "ounce-force foot", Name}, {71, "ounce-force feet", Name},
    {72, "lbf·in", Symbol}, {72, "lbf in", Symbol}, {72, "lbf-in", Symbol}, {72, "in·lbf", Symbol},
    {72, "in lbf", Symbol}, {72, "in-lbf", Symbol}, {72, "lb-in", Symbol}, {72, "lb·in", Symbol},
    {72, "in-lb", Symbol}, {72, "in·lb", Symbol}, {72, "lb in", Symbol}, {72, "in lb", Symbol},
    {72, "in-lbs", Symbol}, {72, "in lbs", Symbol}, {72, "in·lbs", Symbol}, {72, "in.lb", Symbol}, {72, "in.lbs", Symbol},
    {72, "lbs-in", Symbol}, {72, "lbs in", Symbol}, {72, "lbs·in", Symbol},
    {72, "inch pound", Name},
    {72, "inch pounds", Name}, {72, "inch-pound", Name}, {72, "inch-pounds", Name},
    {72, "pound-force/inch", Name},
    {73, "lbf·ft", Symbol}, {73, "lbf ft", Symbol}, {73, "lbf-ft", Symbol}, {73, "ft·lbf", Symbol},
    {73, "ft lbf", Symbol}, {73, "ft-lbf", Symbol}, {73, "lb-ft", Symbol}, {73, "lb·ft", Symbol},
    {73, "ft-lb", Symbol}, {73, "ft·lb", Symbol}, {73, "lb ft", Symbol}, {73, "ft lb", Symbol},
    {73, "ft-lbs", Symbol}, {73, "ft lbs", Symbol}, {73, "ft·lbs", Symbol}, {73, "ft.lb", Symbol}, {73, "ft.lbs", Symbol},
    {73, "lbs-ft", Symbol}, {73, "lbs ft", Symbol}, {73, "lbs·ft", Symbol},
    {73, "foot pound", Name},
    {73, "foot pounds", Name}, {73, "foot-pound", Name}, {73, "foot-pounds", Name},
    {73, "pound-force/foot", Name},
    {74, "N·m", CaseSymbol}, {74, "N m", CaseSymbol}, {74, "Nm", CaseSymbol}, {74, "N-m", CaseSymbol},
    {74, "newton meter", Name}, {74, "newton metre", Name}, {74, "newton metres", Name},
    {74, "newton-meter", Name}, {74, "newton-meters", Name}, {74, "newton-metre", Name},
    {74, "newton-metres", Name},

    // Energy
    {80, "British thermal unit", Name}, {80, "British thermal units", Name},
    {81, "cal", CaseSymbol}, {81, "calorie", Name},
    {82, "lbf·in", Symbol}, {82, "lbf in", Symbol}, {82, "lbf-in", Symbol}, {82, "in·lbf", Symbol},
    {82, "in lbf", Symbol}, {82, "in-lbf", Symbol}, {82, "lb-in", Symbol}, {82, "lb·in", Symbol},
    {82, "in-lb", Symbol}, {82, "in·lb", Symbol}, {82, "lb in", Symbol}, {82, "in lb", Symbol},
    {82, "in-lbs", Symbol}, {82, "in lbs", Symbol}, {82, "in·lbs", Symbol}, {82, "in.lb", Symbol}, {82, "in.lbs", Symbol},
    {82, "lbs-in", Symbol}, {82, "lbs in", Symbol}, {82, "lbs·in", Symbol},
    {82, "inch pound", Name},
    {82, "inch pounds", Name}, {82, "inch-pound", Name}, {82, "inch-pounds", Name},
    {82, "pound-force inch", Name},
    {83, "lbf·ft", Symbol}, {83, "lbf ft", Symbol}, {83, "lbf-ft", Symbol}, {83, "ft·lbf", Symbol},
    {83, "ft lbf", Symbol}, {83, "ft-lbf", Symbol}, {83, "lb-ft", Symbol}, {83, "lb·ft", Symbol},
    {83, "ft-lb", Symbol}, {83, "ft·lb", Symbol}, {83, "lb ft", Symbol}, {83, "ft lb", Symbol},
    {83, "ft-lbs", Symbol}, {83, "ft lbs", Symbol}, {83, "ft·lbs", Symbol}, {83, "ft.lb", Symbol}, {83, "ft.lbs", Symbol},
    {83, "lbs-ft", Symbol}, {83, "lbs ft", Symbol}, {83, "lbs·ft", Symbol},
    {83, "foot pound", Name},
    {83, "foot pounds", Name}, {83, "foot-pound", Name}, {83, "foot-pounds", Name},
    {83, "pound-force foot", Name},
    {84, "hp·h", Symbol}, {84, "hp h", Symbol}, {84, "hp-h", Symbol}, {84, "hph", Symbol},
    {84, "horsepower-hour", Name}, {84, "horsepower hour", Name}, {84, "horsepower hours", Name},
    {85, "J", CaseSymbol}, {85, "joule", Name},
    {86, "kWh", CaseSymbol}, {86, "kW·h", CaseSymbol}, {86, "kilowatt-hour", Name},
    {86, "kilowatt hour", Name}, {86, "kilowatt hours", Name},

    // Force
    {90, "dyn", CaseSymbol}, {90, "dyne", Name},
    {91, "gf", CaseSymbol}, {91, "gram force", Name},
    {92, "kgf", CaseSymbol}, {92, "kp", CaseSymbol}, {92, "kilogram force", Name},
    {92, "kilopond", Name}, {92, "kiloponds", Name},
    {93, "mN", CaseSymbol}, {93, "millinewton", Name},
    {94, "N", CaseSymbol}, {94, "newton", Name},
    {95, "kN", CaseSymbol}, {95, "kilonewton", Name},
    {96, "ozf", Symbol}, {96, "ounce force", Name},
    {97, "lbf", Symbol}, {97, "pound force", Name},

    // Light
    {100, "flames", Name},
    {101, "fc", Symbol}, {101, "foot-candle", Name}, {101, "footcandle", Name},
    {101, "footcandles", Name}, {101, "foot candle", Name}, {101, "foot candles", Name},
    {102, "lx", CaseSymbol},
    {103, "meter-candle", Name}, {103, "metre-candle", Name}, {103, "metre-candles", Name},
    {103, "meter candle", Name}, {103, "meter candles", Name},

    // Computer Memory / Disk Capacity: the table's binary method makes KiB and KB the same
    {201, "B", CaseSymbol}, {201, "byte", Name}, {201, "bytes", Name},
    {202, "KB", CaseSymbol}, {202, "kB", CaseSymbol}, {202, "KiB", CaseSymbol},
    {202, "kilobyte", Name}, {202, "kilobytes", Name}, {202, "kibibyte", Name},
    {202, "kibibytes", Name},
    {203, "MB", CaseSymbol}, {203, "MiB", CaseSymbol}, {203, "megabyte", Name},
    {203, "megabytes", Name}, {203, "mebibyte", Name}, {203, "mebibytes", Name},
    {204, "GB", CaseSymbol}, {204, "GiB", CaseSymbol}, {204, "gigabyte", Name},
    {204, "gigabytes", Name}, {204, "gibibyte", Name}, {204, "gibibytes", Name},
    {205, "TB", CaseSymbol}, {205, "TiB", CaseSymbol}, {205, "terabyte", Name},
    {205, "terabytes", Name}, {205, "tebibyte", Name}, {205, "tebibytes", Name},
};

} // namespace

std::span<const UnitName> unitAliases()
{
    static const std::vector<UnitName> all = [] {
        std::vector<UnitName> names(std::begin(kAliases), std::end(kAliases));
        names.insert(names.end(), typedOnlyAliases().begin(), typedOnlyAliases().end());
        return names;
    }();
    return all;
}

const LanguageNames* findNameLanguage(std::string_view locale)
{
    if (locale.empty())
        return nullptr;
    // "de_DE.UTF-8@euro": the language is what comes before the territory, codeset and modifier.
    const std::string_view code = locale.substr(0, locale.find_first_of("_.@"));
    for (const LanguageNames* language : unitNameLanguages())
        if (language->code == code)
            return language;
    return nullptr;
}

std::vector<UnitName> namesOf(int unitCode, const LanguageNames* language)
{
    std::vector<UnitName> names;
    for (const Category& category : typedCategories())
        for (const Unit& unit : category.units)
            if (unit.code == unitCode)
                names.push_back({unitCode, unit.text, NameKind::ListText});
    for (const UnitName& alias : unitAliases())
        if (alias.unitCode == unitCode)
            names.push_back(alias);
    if (language != nullptr)
        for (const UnitName& name : language->names)
            if (name.unitCode == unitCode)
                names.push_back(name);
    return names;
}

} // namespace mezzurix
