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
    {4, {0, 5, 6, 1, 2, kNoUnit}},   // Millimeters: Inches, Centimeters, Meters, Feet, Yards
    {5, {0, 4, 6, 1, 2, kNoUnit}},   // Centimeters: Inches, Millimeters, Meters, Feet, Yards
    {6, {1, 5, 0, 2, 7, kNoUnit}},   // Meters: Feet, Centimeters, Inches, Yards, Kilometers
    {7, {3, 6, 1, 2, 5, kNoUnit}},   // Kilometers: Miles, Meters, Feet, Yards, Centimeters
    // Area: the same pattern, squared.
    {10, {15, 14, 11, 12, 16, kNoUnit}},
    {11, {16, 12, 10, 15, 13, kNoUnit}},
    {12, {16, 11, 10, 13, 15, kNoUnit}},
    {13, {17, 11, 16, 12, 10, kNoUnit}},
    {14, {10, 15, 16, 11, 12, kNoUnit}},
    {15, {10, 14, 16, 11, 12, kNoUnit}},
    {16, {11, 15, 10, 12, 17, kNoUnit}},
    {17, {13, 16, 11, 12, 15, kNoUnit}},
    // Flow Rate: gal/s gal/min | L/s L/min
    {20, {22, 21, 23, kNoUnit, kNoUnit, kNoUnit}},
    {21, {23, 20, 22, kNoUnit, kNoUnit, kNoUnit}},
    {22, {20, 23, 21, kNoUnit, kNoUnit, kNoUnit}},
    {23, {21, 22, 20, kNoUnit, kNoUnit, kNoUnit}},
    // Power: hp | W kW MW
    {24, {26, 25, 27, kNoUnit, kNoUnit, kNoUnit}},
    {25, {24, 26, 27, kNoUnit, kNoUnit, kNoUnit}},
    {26, {24, 25, 27, kNoUnit, kNoUnit, kNoUnit}},
    {27, {24, 26, 25, kNoUnit, kNoUnit, kNoUnit}},
    // Mass: oz lb ton | g kg Mg
    {30, {33, 31, 34, 32, 35, kNoUnit}},  // Ounces: Grams, Pounds, Kilograms, Tons, Megagrams
    {31, {34, 30, 33, 32, 35, kNoUnit}},  // Pounds: Kilograms, Ounces, Grams, Tons, Megagrams
    {32, {35, 34, 31, 30, 33, kNoUnit}},  // Tons: Megagrams, Kilograms, Pounds, Ounces, Grams
    {33, {30, 34, 31, 35, 32, kNoUnit}},  // Grams: Ounces, Kilograms, Pounds, Megagrams, Tons
    {34, {31, 33, 30, 32, 35, kNoUnit}},  // Kilograms: Pounds, Grams, Ounces, Tons, Megagrams
    {35, {32, 34, 31, 33, 30, kNoUnit}},  // Megagrams: Tons, Kilograms, Pounds, Grams, Ounces
    // Pressure: PSI | mbar bar Pa kPa
    {40, {42, 43, 44, 41, kNoUnit, kNoUnit}},
    {41, {42, 44, 40, 43, kNoUnit, kNoUnit}},
    {42, {41, 44, 40, 43, kNoUnit, kNoUnit}},
    {43, {42, 44, 40, 41, kNoUnit, kNoUnit}},
    {44, {42, 41, 43, 40, kNoUnit, kNoUnit}},
    // Velocity: ft/s ft/min mph | m/s m/min km/h
    {50, {53, 52, 51, 55, 54, kNoUnit}},
    {51, {54, 50, 52, 53, 55, kNoUnit}},
    {52, {55, 53, 50, 51, 54, kNoUnit}},
    {53, {50, 55, 52, 54, 51, kNoUnit}},
    {54, {51, 53, 55, 50, 52, kNoUnit}},
    {55, {52, 53, 50, 54, 51, kNoUnit}},  // Kilometers/hour: Miles/hour first
    // Temperature
    {60, {61, kNoUnit, kNoUnit, kNoUnit, kNoUnit, kNoUnit}},
    {61, {60, kNoUnit, kNoUnit, kNoUnit, kNoUnit, kNoUnit}},
    // Volume: cu in, cu ft, cu yd, pt, qt, gal | cc, cu m, L
    {62, {65, 690, 63, 67, 66, kNoUnit}},
    {63, {690, 66, 62, 69, 64, kNoUnit}},
    {64, {66, 63, 690, 69, 62, kNoUnit}},
    {65, {690, 67, 62, 68, 66, kNoUnit}},  // Cubic centimeters (and so ml): Liters first
    {66, {63, 690, 64, 69, 65, kNoUnit}},
    {67, {690, 68, 65, 69, 62, kNoUnit}},
    {68, {690, 67, 69, 65, 62, kNoUnit}},
    {69, {690, 68, 67, 66, 63, kNoUnit}},  // Gallons: Liters first
    {690, {69, 68, 67, 65, 62, kNoUnit}},
    // Torque: ozf/in ozf/ft lbf/in lbf/ft | N m
    {70, {74, 72, 71, 73, kNoUnit, kNoUnit}},
    {71, {74, 70, 73, 72, kNoUnit, kNoUnit}},
    {72, {74, 73, 70, 71, kNoUnit, kNoUnit}},
    {73, {74, 72, 71, 70, kNoUnit, kNoUnit}},
    {74, {73, 72, 70, 71, kNoUnit, kNoUnit}},
    // Energy: BTU cal lbf in, lbf ft, hp h | J kWh
    {80, {85, 86, 81, 84, 83, kNoUnit}},
    {81, {85, 80, 83, 86, 82, kNoUnit}},
    {82, {85, 83, 81, 80, 86, kNoUnit}},
    {83, {85, 82, 81, 80, 86, kNoUnit}},
    {84, {86, 85, 80, 81, 83, kNoUnit}},
    {85, {81, 80, 83, 86, 82, kNoUnit}},
    {86, {85, 80, 84, 81, 83, kNoUnit}},
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
    {201, {202, 203, 204, 205, kNoUnit, kNoUnit}},
    {202, {203, 201, 204, 205, kNoUnit, kNoUnit}},
    {203, {202, 204, 201, 205, kNoUnit, kNoUnit}},
    {204, {203, 205, 202, 201, kNoUnit, kNoUnit}},
    {205, {204, 203, 202, 201, kNoUnit, kNoUnit}},
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
