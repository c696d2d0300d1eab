// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/typed_units.h>

#include <algorithm>
#include <string_view>
#include <vector>

namespace mezzurix {

namespace {

// Units beyond the window's, each in the order it follows the window's units of its category.
// Codes are fixed: other tables (names in other languages) refer to them.
constexpr Unit kMoreDistance[] = {
    {1000, "Micrometers"}, {1001, "Nanometers"}, {1002, "Thou (mil)"}, {1003, "Nautical miles"},
};
constexpr Unit kMoreArea[] = {{1020, "Acres"}, {1021, "Hectares"}};
constexpr Unit kMoreFlowRate[] = {
    {1040, "Cubic meters/hour"}, {1041, "Liters/hour"}, {1042, "Cubic feet/minute"}, {1043, "Gallons/hour"},
};
constexpr Unit kMorePower[] = {
    {1060, "Metric horsepower"}, {1061, "BTU/hour"}, {1062, "Milliwatts"}, {1063, "Gigawatts"},
};
constexpr Unit kMoreMass[] = {
    {1080, "Milligrams"}, {1081, "Micrograms"}, {1082, "Stone"}, {1083, "Long tons"},
    {1084, "Troy ounces"}, {1085, "Carats"}, {1086, "Grains"},
};
constexpr Unit kMorePressure[] = {
    {1100, "Atmospheres"}, {1101, "Torr"}, {1102, "Millimeters of mercury"}, {1103, "Inches of mercury"},
    {1104, "Megapascals"}, {1105, "Kilogram-force/sq cm"},
};
constexpr Unit kMoreVelocity[] = {{1120, "Knots"}};
constexpr Unit kMoreTemperature[] = {{1140, "Kelvin"}, {1141, "Rankine"}};
constexpr Unit kMoreVolume[] = {
    {1160, "US cups"}, {1161, "US tablespoons"}, {1162, "US teaspoons"}, {1163, "US fluid ounces"},
    {1164, "Imperial gallons"}, {1165, "Imperial pints"}, {1166, "Imperial fluid ounces"},
    {1167, "Centiliters"}, {1168, "Deciliters"}, {1169, "Hectoliters"}, {1170, "Barrels of oil"},
};
constexpr Unit kMoreTorque[] = {{1180, "Kilogram-force meters"}, {1181, "Newton centimeters"}};
constexpr Unit kMoreEnergy[] = {
    {1200, "Kilocalories"}, {1201, "Kilojoules"}, {1202, "Megajoules"}, {1203, "Watt-hours"},
    {1204, "Megawatt-hours"},
};
constexpr Unit kMoreMemory[] = {{1220, "Bits"}, {1221, "Petabytes (PB)"}};
constexpr Unit kTime[] = {
    {1240, "Milliseconds"}, {1241, "Seconds"}, {1242, "Minutes"}, {1243, "Hours"}, {1244, "Days"},
    {1245, "Weeks"}, {1246, "Years"},
};
constexpr Unit kFuelEconomy[] = {
    {1260, "Miles/US gallon"}, {1261, "Miles/imperial gallon"}, {1262, "Liters/100 km"},
    {1263, "Kilometers/liter"},
};

struct MoreUnits {
    std::string_view category;  // a window category's name
    std::span<const Unit> units;
};
constexpr MoreUnits kMore[] = {
    {"Distance", kMoreDistance}, {"Area", kMoreArea},         {"Flow Rate", kMoreFlowRate},
    {"Power", kMorePower},       {"Mass", kMoreMass},         {"Pressure", kMorePressure},
    {"Velocity", kMoreVelocity}, {"Temperature", kMoreTemperature}, {"Volume", kMoreVolume},
    {"Torque", kMoreTorque},     {"Energy", kMoreEnergy},     {"Computer Memory / Disk Capacity", kMoreMemory},
};

// Categories of typed conversions only: no menu, no lists.
constexpr Category kTypedOnlyCategories[] = {
    {"Time", "", "", '\0', "", "", " Durations, from milliseconds to years. ", kTime},
    {"Fuel economy", "", "", '\0', "", "", " Distance driven on a measure of fuel, or fuel used over a distance. ",
     kFuelEconomy},
};

struct TypedCatalogue {
    std::vector<std::vector<Unit>> units;  // by category
    std::vector<Category> all;
    std::vector<std::optional<TypedPlace>> places;  // by unit code

    TypedCatalogue()
    {
        for (const Category& window : categories()) {
            std::vector<Unit>& list = units.emplace_back(window.units.begin(), window.units.end());
            for (const MoreUnits& more : kMore)
                if (more.category == window.name)
                    list.insert(list.end(), more.units.begin(), more.units.end());
        }
        for (const Category& typedOnly : kTypedOnlyCategories)
            units.emplace_back(typedOnly.units.begin(), typedOnly.units.end());
        for (std::size_t c = 0; c < units.size(); ++c) {
            Category category = c < categories().size() ? categories()[c]
                                                         : kTypedOnlyCategories[c - categories().size()];
            category.units = units[c];
            all.push_back(category);
            for (std::size_t p = 0; p < units[c].size(); ++p) {
                const auto code = static_cast<std::size_t>(units[c][p].code);
                if (places.size() <= code)
                    places.resize(code + 1);
                places[code] = TypedPlace{c, p};
            }
        }
    }
};

// Built on first use, so that it is complete whenever it is asked for, from the initialiser of
// a global in another file too.
const TypedCatalogue& catalogue()
{
    static const TypedCatalogue catalogue;
    return catalogue;
}

} // namespace

std::span<const Category> typedCategories()
{
    return catalogue().all;
}

std::optional<TypedPlace> typedPlaceOf(int unitCode)
{
    const auto& places = catalogue().places;
    if (unitCode < 0 || static_cast<std::size_t>(unitCode) >= places.size())
        return std::nullopt;
    return places[static_cast<std::size_t>(unitCode)];
}

} // namespace mezzurix
