// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/table_entry.h"
#include "tables/tables.h"

namespace mezzurix::tables {

namespace {

// Rows are the from unit, columns the to unit, both in list order. The values are used
// exactly as written; opposite entries are not always exact reciprocals.
constexpr Entry kEntries[] = {
    // Flow Rate
    // Gallons/Second
    factor("2020", 1), factor("2021", 60), factor("2022", 3.785411784),
    factor("2023", 227.12470704),
    // Gallons/Minute
    factor("2120", 0.0166666666666667), factor("2121", 1), factor("2122", 0.0630901964),
    factor("2123", 3.785411784),
    // Liters/Second
    factor("2220", 0.264172052358149), factor("2221", 15.8503231414889), factor("2222", 1),
    factor("2223", 60),
    // Liters/Minute
    factor("2320", 0.00440286753930248), factor("2321", 0.264172052358149),
    factor("2322", 0.0166666666666667), factor("2323", 1),
    // Power
    // Horsepower
    factor("2424", 1), factor("2425", 745.6998716), factor("2426", 0.7456998716),
    factor("2427", 0.0007456998716),
    // Watts
    factor("2524", 0.00134102209), factor("2525", 1), factor("2526", 0.001), factor("2527", 1e-06),
    // Kilowatts
    factor("2624", 1.34102209), factor("2625", 1000), factor("2626", 1), factor("2627", 0.001),
    // Megawatts
    factor("2724", 1341.02209), factor("2725", 1000000), factor("2726", 1000), factor("2727", 1),
    // Mass
    // Ounces(avdp)
    factor("3030", 1), factor("3031", 0.0625), factor("3032", 3.125e-05),
    factor("3033", 28.34952312), factor("3034", 0.02834952312), factor("3035", 2.8349523125e-05),
    // Pounds(avdp)
    factor("3130", 16), factor("3131", 1), factor("3132", 0.0005), factor("3133", 453.59237),
    factor("3134", 0.45359237), factor("3135", 0.00045359237),
    // Tons(avdp-2000#)
    factor("3230", 32000), factor("3231", 2000), factor("3232", 1), factor("3233", 907184.74),
    factor("3234", 907.18474), factor("3235", 0.90718474),
    // Grams
    factor("3330", 0.0352739619558018), factor("3331", 0.00220462262184878),
    factor("3332", 1.10231131092439e-06), factor("3333", 1), factor("3334", 0.001),
    factor("3335", 1e-06),
    // Kilograms
    factor("3430", 35.2739619558017), factor("3431", 2.20462262184878),
    factor("3432", 0.00110231131092439), factor("3433", 1000), factor("3434", 1),
    factor("3435", 0.001),
    // Megagrams
    factor("3530", 35273.96195), factor("3531", 2204.62262184878), factor("3532", 1.10231131092439),
    factor("3533", 1000000), factor("3534", 1000), factor("3535", 1),
    // Pressure
    // Millibar
    factor("4040", 1), factor("4041", 0.001), factor("4042", 0.0145037737733751),
    factor("4043", 100), factor("4044", 0.1),
    // Bar
    factor("4140", 1000), factor("4141", 1), factor("4142", 14.5037737733751),
    factor("4143", 100000), factor("4144", 100),
    // PSI
    factor("4240", 68.94757293), factor("4241", 0.06894757293), factor("4242", 1),
    factor("4243", 6894.757293), factor("4244", 6.894757293),
    // Pascal
    factor("4340", 0.01), factor("4341", 1e-05), factor("4342", 0.000145037737733751),
    factor("4343", 1), factor("4344", 0.001),
    // Kilopascal
    factor("4440", 10), factor("4441", 0.01), factor("4442", 0.145037737733751),
    factor("4443", 1000), factor("4444", 1),
    // Velocity
    // Feet/second
    factor("5050", 1), factor("5051", 60), factor("5052", 0.681818181663223),
    factor("5053", 0.3048), factor("5054", 18.2879999989584), factor("5055", 1.09727999997764),
    // Feet/minute
    factor("5150", 0.0166666666666667), factor("5151", 1), factor("5152", 0.0113636363636364),
    factor("5153", 0.00508), factor("5154", 0.30480000000122), factor("5155", 0.0182879999989584),
    // Miles/hour
    factor("5250", 1.466666667), factor("5251", 88), factor("5252", 1),
    factor("5253", 0.447040000010874), factor("5254", 26.8224000030505), factor("5255", 1.609344),
    // Meters/second
    factor("5350", 3.28083989501313), factor("5351", 196.850393700788), factor("5352", 2.236936292),
    factor("5353", 1), factor("5354", 60), factor("5355", 3.6),
    // Meters/minute
    factor("5450", 0.05468066492), factor("5451", 3.280839895), factor("5452", 0.03728227153),
    factor("5453", 0.0166666666666667), factor("5454", 1), factor("5455", 0.06),
    // Kilometers/hour
    factor("5550", 0.9113444153), factor("5551", 54.68066492), factor("5552", 0.621371192237332),
    factor("5553", 0.277777777777778), factor("5554", 16.6666666666667), factor("5555", 1),
};

} // namespace

std::span<const Entry> flowPowerMassPressureSpeed()
{
    return kEntries;
}

} // namespace mezzurix::tables
