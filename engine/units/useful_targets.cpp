// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/useful_targets.h>

#include <algorithm>

namespace mezzurix {

namespace {

// from unit, then its targets best first (unit codes as in the catalogue).
constexpr UsefulTargets kOrders[] = {
    // Distance: in ft yd mi | mm cm m km
    {0, {5, 4, 1, 2, 6, kNoUnit}},   // Inches: Centimeters, Millimeters, Feet, Yards, Meters
    {1, {6, 0, 5, 2, 3, kNoUnit}},   // Feet: Meters, Inches, Centimeters, Yards, Miles
    {2, {6, 1, 0, 3, 5, kNoUnit}},   // Yards: Meters, Feet, Inches, Miles, Centimeters
    {3, {7, 1, 6, 2, 0, kNoUnit}},   // Miles: Kilometers, Feet, Meters, Yards, Inches
    {4, {0, 5, 6, 1, 2, 1000}},   // Millimeters: Inches, Centimeters, Meters, Feet, Yards
    {5, {0, 4, 6, 1, 2, kNoUnit}},   // Centimeters: Inches, Millimeters, Meters, Feet, Yards
    {6, {1, 5, 0, 2, 7, kNoUnit}},   // Meters: Feet, Centimeters, Inches, Yards, Kilometers
    {7, {3, 6, 1, 2, 5, kNoUnit}},   // Kilometers: Miles, Meters, Feet, Yards, Centimeters
    // Area: the same pattern, squared.
    {10, {15, 14, 11, 12, 16, kNoUnit}},
    {11, {16, 12, 10, 15, 13, kNoUnit}},
    {12, {16, 11, 10, 13, 15, kNoUnit}},
    {13, {17, 11, 16, 1020, 12, 10}},
    {14, {10, 15, 16, 11, 12, kNoUnit}},
    {15, {10, 14, 16, 11, 12, kNoUnit}},
    {16, {11, 15, 10, 12, 17, 1021}},
    {17, {13, 16, 1021, 11, 12, 15}},
    // Flow Rate: gal/s gal/min | L/s L/min
    {20, {22, 21, 23, 1043, 1040, kNoUnit}},
    {21, {23, 20, 22, 1043, 1042, kNoUnit}},
    {22, {20, 23, 21, 1040, 1042, kNoUnit}},
    {23, {21, 22, 20, 1042, 1040, 1041}},
    // Power: hp | W kW MW
    {24, {26, 25, 1060, 27, 1061, kNoUnit}},
    {25, {24, 26, 27, 1061, 1062, kNoUnit}},
    {26, {24, 25, 1060, 27, 1061, kNoUnit}},
    {27, {24, 26, 25, 1063, 1060, kNoUnit}},
    // Mass: oz lb ton | g kg Mg
    {30, {33, 31, 34, 32, 35, kNoUnit}},  // Ounces: Grams, Pounds, Kilograms, Tons, Megagrams
    {31, {34, 30, 33, 32, 35, 1082}},  // Pounds: Kilograms, Ounces, Grams, Tons, Megagrams
    {32, {35, 34, 31, 30, 33, 1083}},  // Tons: Megagrams, Kilograms, Pounds, Ounces, Grams
    {33, {30, 34, 31, 35, 32, 1080}},  // Grams: Ounces, Kilograms, Pounds, Megagrams, Tons
    {34, {31, 33, 30, 32, 35, 1082}},  // Kilograms: Pounds, Grams, Ounces, Tons, Megagrams
    {35, {32, 34, 31, 33, 30, 1083}},  // Megagrams: Tons, Kilograms, Pounds, Grams, Ounces
    // Pressure: PSI | mbar bar Pa kPa
    {40, {42, 43, 44, 41, 1103, 1102}},
    {41, {42, 44, 40, 43, 1100, 1105}},
    {42, {41, 44, 40, 43, 1100, 1104}},
    {43, {42, 44, 40, 41, 1101, 1100}},
    {44, {42, 41, 43, 40, 1100, 1102}},
    // Velocity: ft/s ft/min mph | m/s m/min km/h
    {50, {53, 52, 51, 55, 54, kNoUnit}},
    {51, {54, 50, 52, 53, 55, kNoUnit}},
    {52, {55, 53, 50, 51, 54, 1120}},
    {53, {50, 55, 52, 54, 51, 1120}},
    {54, {51, 53, 55, 50, 52, kNoUnit}},
    {55, {52, 53, 50, 54, 51, 1120}},  // Kilometers/hour: Miles/hour first
    // Temperature
    {60, {61, 1140, 1141, kNoUnit, kNoUnit, kNoUnit}},
    {61, {60, 1140, 1141, kNoUnit, kNoUnit, kNoUnit}},
    // Volume: cu in, cu ft, cu yd, pt, qt, gal | cc, cu m, L
    {62, {65, 690, 63, 67, 66, kNoUnit}},
    {63, {690, 66, 62, 69, 64, kNoUnit}},
    {64, {66, 63, 690, 69, 62, kNoUnit}},
    {65, {690, 1160, 1163, 1161, 1162, 67}},  // Cubic centimeters (and so ml): Liters, then cooking measures
    {66, {63, 690, 64, 69, 65, kNoUnit}},
    {67, {690, 68, 65, 69, 62, kNoUnit}},
    {68, {690, 67, 69, 65, 62, kNoUnit}},
    {69, {690, 68, 67, 66, 63, kNoUnit}},  // Gallons: Liters first
    {690, {69, 1164, 68, 67, 65, 1160}},
    // Torque: ozf/in ozf/ft lbf/in lbf/ft | N m
    {70, {74, 72, 71, 73, 1181, kNoUnit}},
    {71, {74, 70, 73, 72, 1180, kNoUnit}},
    {72, {74, 73, 70, 71, 1181, kNoUnit}},
    {73, {74, 72, 71, 70, 1180, kNoUnit}},
    {74, {73, 72, 70, 71, 1180, 1181}},
    // Energy: BTU cal lbf in, lbf ft, hp h | J kWh
    {80, {85, 86, 81, 84, 83, kNoUnit}},
    {81, {85, 80, 83, 86, 82, 1200}},
    {82, {85, 83, 81, 80, 86, kNoUnit}},
    {83, {85, 82, 81, 80, 86, kNoUnit}},
    {84, {86, 85, 80, 81, 83, kNoUnit}},
    {85, {81, 80, 83, 86, 82, 1201}},
    {86, {85, 80, 84, 81, 83, 1202}},
    // Force: ozf lbf | dyn gf kgf mN N kN
    {90, {94, 93, 91, 96, 97, kNoUnit}},
    {91, {94, 96, 93, 92, 90, kNoUnit}},
    {92, {94, 97, 95, 91, 96, kNoUnit}},
    {93, {94, 91, 96, 90, 97, kNoUnit}},
    {94, {97, 92, 96, 95, 93, kNoUnit}},
    {95, {97, 94, 92, 96, 91, kNoUnit}},
    {96, {94, 91, 97, 93, 92, kNoUnit}},
    {97, {94, 92, 96, 95, 91, kNoUnit}},
    // Light: foot-candles | lux, meter-candles; flame
    {100, {102, 101, 103, kNoUnit, kNoUnit, kNoUnit}},
    {101, {102, 103, 100, kNoUnit, kNoUnit, kNoUnit}},
    {102, {101, 103, 100, kNoUnit, kNoUnit, kNoUnit}},
    {103, {102, 101, 100, kNoUnit, kNoUnit, kNoUnit}},
    // Computer Memory: the neighbours, nearest first.
    {201, {202, 203, 204, 205, 1220, kNoUnit}},
    {202, {203, 201, 204, 205, 1220, kNoUnit}},
    {203, {202, 204, 201, 205, 1221, kNoUnit}},
    {204, {203, 205, 202, 201, 1221, kNoUnit}},
    {205, {204, 203, 202, 201, 1221, kNoUnit}},
    // Units only typed conversions know
    {1000, {4, 1001, 1002, 0, 5, kNoUnit}},       // Micrometers
    {1001, {1000, 4, 0, 1002, 5, kNoUnit}},       // Nanometers
    {1002, {4, 1000, 0, 5, 1001, kNoUnit}},       // Thou
    {1003, {7, 3, 6, 1, 2, kNoUnit}},             // Nautical miles
    {1020, {16, 1021, 11, 17, 13, kNoUnit}},      // Acres
    {1021, {1020, 16, 17, 11, 13, kNoUnit}},      // Hectares
    {1040, {23, 22, 1042, 21, 1041, kNoUnit}},    // Cubic meters/hour
    {1041, {23, 1043, 22, 1040, 21, kNoUnit}},    // Liters/hour
    {1042, {23, 1040, 21, 22, 20, kNoUnit}},      // Cubic feet/minute
    {1043, {1041, 21, 23, 20, 22, kNoUnit}},      // Gallons/hour
    {1060, {26, 24, 25, 1061, 27, kNoUnit}},      // Metric horsepower
    {1061, {25, 26, 24, 1062, 1060, kNoUnit}},    // BTU/hour
    {1062, {25, 1061, 26, 24, 1060, kNoUnit}},    // Milliwatts
    {1063, {27, 26, 24, 25, 1061, kNoUnit}},      // Gigawatts
    {1080, {33, 1081, 30, 1086, 1085, kNoUnit}},  // Milligrams
    {1081, {1080, 33, 1086, 30, 1085, kNoUnit}},  // Micrograms
    {1082, {34, 31, 30, 33, 32, kNoUnit}},        // Stone
    {1083, {35, 34, 31, 32, 33, kNoUnit}},        // Long tons
    {1084, {33, 30, 34, 1086, 31, kNoUnit}},      // Troy ounces
    {1085, {33, 1080, 30, 1086, 1084, kNoUnit}},  // Carats
    {1086, {1080, 33, 30, 1084, 1081, kNoUnit}},  // Grains
    {1100, {42, 44, 41, 40, 1102, kNoUnit}},      // Atmospheres
    {1101, {1102, 43, 40, 44, 1100, kNoUnit}},    // Torr
    {1102, {44, 40, 1101, 1103, 42, kNoUnit}},    // Millimeters of mercury
    {1103, {40, 44, 1102, 42, 1100, kNoUnit}},    // Inches of mercury
    {1104, {42, 41, 44, 1105, 1100, kNoUnit}},    // Megapascals
    {1105, {41, 42, 44, 1104, 1100, kNoUnit}},    // Kilogram-force/sq cm
    {1120, {55, 52, 53, 50, 51, kNoUnit}},        // Knots
    {1140, {60, 61, 1141, kNoUnit, kNoUnit, kNoUnit}},  // Kelvin
    {1141, {61, 60, 1140, kNoUnit, kNoUnit, kNoUnit}},  // Rankine
    {1160, {65, 1161, 1163, 690, 1162, 67}},      // US cups: milliliters, tablespoons, fluid ounces
    {1161, {65, 1162, 1160, 1163, 1166, kNoUnit}},  // US tablespoons
    {1162, {65, 1161, 1160, 1163, 1166, kNoUnit}},  // US teaspoons
    {1163, {65, 1160, 1161, 690, 1166, kNoUnit}},   // US fluid ounces
    {1164, {690, 69, 1165, 66, 1166, kNoUnit}},     // Imperial gallons
    {1165, {690, 65, 67, 1166, 1164, kNoUnit}},     // Imperial pints
    {1166, {65, 1163, 1165, 690, 1160, kNoUnit}},   // Imperial fluid ounces
    {1167, {65, 690, 1163, 1168, 1166, kNoUnit}},   // Centiliters
    {1168, {690, 65, 1160, 1167, 1163, kNoUnit}},   // Deciliters
    {1169, {690, 66, 69, 1164, 1170, kNoUnit}},     // Hectoliters
    {1170, {690, 69, 66, 1169, 63, kNoUnit}},       // Barrels of oil
    {1180, {74, 73, 72, 1181, 70, kNoUnit}},        // Kilogram-force meters
    {1181, {74, 72, 70, 1180, 71, kNoUnit}},        // Newton centimeters
    {1200, {1201, 81, 85, 86, 80, kNoUnit}},        // Kilocalories
    {1201, {1200, 85, 80, 86, 1203, kNoUnit}},      // Kilojoules
    {1202, {86, 1201, 80, 1200, 85, kNoUnit}},      // Megajoules
    {1203, {85, 86, 1201, 80, 1200, kNoUnit}},      // Watt-hours
    {1204, {86, 1202, 80, 85, 1203, kNoUnit}},      // Megawatt-hours
    {1220, {201, 202, 203, 204, 205, kNoUnit}},     // Bits
    {1221, {205, 204, 203, 202, 201, kNoUnit}},     // Petabytes
    // Time: the neighbours, nearest first.
    {1240, {1241, 1242, 1243, 1244, 1245, kNoUnit}},
    {1241, {1242, 1240, 1243, 1244, 1245, kNoUnit}},
    {1242, {1243, 1241, 1244, 1240, 1245, kNoUnit}},
    {1243, {1242, 1244, 1241, 1245, 1246, kNoUnit}},
    {1244, {1243, 1245, 1242, 1246, 1241, kNoUnit}},
    {1245, {1244, 1243, 1246, 1242, 1241, kNoUnit}},
    {1246, {1244, 1245, 1243, 1242, 1241, kNoUnit}},
    // Fuel economy: the other way of counting first.
    {1260, {1262, 1263, 1261, kNoUnit, kNoUnit, kNoUnit}},
    {1261, {1262, 1260, 1263, kNoUnit, kNoUnit, kNoUnit}},
    {1262, {1260, 1261, 1263, kNoUnit, kNoUnit, kNoUnit}},
    {1263, {1262, 1260, 1261, kNoUnit, kNoUnit, kNoUnit}},
};

} // namespace

std::span<const UsefulTargets> usefulTargetTable()
{
    return kOrders;
}

std::span<const int> usefulTargets(int fromCode)
{
    const auto* order = std::find_if(std::begin(kOrders), std::end(kOrders),
                                     [&](const UsefulTargets& entry) { return entry.fromCode == fromCode; });
    if (order == std::end(kOrders))
        return {};
    const auto end = std::find(order->intoCodes.begin(), order->intoCodes.end(), kNoUnit);
    return {order->intoCodes.begin(), end};
}

} // namespace mezzurix
