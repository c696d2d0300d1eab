// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The units people mean most often, most useful first, by unit key. An unfinished from unit that
// starts the names of several units ("5 ga", "1 cu", "60 mp", "2000 sq") is read as the one
// earliest here. Only the order among units sharing the start of a name matters, so the list
// leads with the units of everyday life and names no unit that is rarely meant.

#include <string_view>

namespace mezzurix {

inline constexpr std::string_view kEverydayUnits[] = {
    // Lengths, masses and volumes of daily life.
    "meter", "kilogram", "liter", "centimeter", "kilometer", "gram", "foot", "inch", "mile", "pound",
    "ounce", "us_cup", "us_gallon",
    // Speed, area, temperature and time.
    "mile_per_hour", "kilometer_per_hour", "square_foot", "square_meter", "celsius", "fahrenheit",
    "minute", "hour", "second", "day", "week", "month", "year",
    // The kitchen and smaller lengths and masses.
    "us_tablespoon", "us_teaspoon", "us_fluid_ounce", "us_pint", "us_quart", "millimeter",
    "cubic_foot", "cubic_meter", "cubic_centimeter", "milligram", "yard", "stone", "short_ton",
    // Land and rooms.
    "acre", "hectare", "square_mile", "square_kilometer", "square_inch", "square_yard",
    "square_centimeter", "cubic_inch", "cubic_yard",
    // Energy, power, pressure, data, cars.
    "kilowatt_hour", "kilowatt", "watt", "horsepower", "kilocalorie", "calorie", "joule", "psi", "bar",
    "kilopascal", "atmosphere", "gigabyte", "megabyte", "kilobyte", "terabyte", "byte", "bit",
    "megabit_per_second", "mile_per_us_gallon", "liter_per_100_kilometers", "knot", "degree", "kelvin",
    "newton", "newton_meter", "pound_force_foot",
};

} // namespace mezzurix
