// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/table_entry.h"
#include "tables/tables.h"

namespace mezzurix::tables {

namespace {

// Feet into Yards keeps its historical rounded third, which differs from 1.0 / 3 in the
// last digit.
double feetToYards(double x)
{
    return x * 0.333333333333334;
}

// Rows are the from unit, columns the to unit, both in list order. The values are used
// exactly as written; opposite entries are not always exact reciprocals.
constexpr Entry kEntries[] = {
    // Distance
    // Inches
    factor("00", 1), factor("01", 1.0 / 12), factor("02", 1.0 / 36), factor("03", 1.0 / 63360),
    factor("04", 25.4), factor("05", 2.54), factor("06", 0.0254), factor("07", 2.54e-05),
    // Feet
    factor("10", 12), factor("11", 1), formula("12", feetToYards),
    factor("13", 0.00018939393939394), factor("14", 304.8), factor("15", 30.48),
    factor("16", 0.3048), factor("17", 0.0003048),
    // Yards
    factor("20", 36), factor("21", 3), factor("22", 1), factor("23", 1.0 / 1760),
    factor("24", 914.4), factor("25", 91.44), factor("26", 0.9144), factor("27", 0.0009144),
    // Miles
    factor("30", 63360), factor("31", 5280), factor("32", 1760), factor("33", 1),
    factor("34", 1609344), factor("35", 160934.4), factor("36", 1609.344), factor("37", 1.609344),
    // Millimeters
    factor("40", 0.0393700787401575), factor("41", 0.00328083989501313),
    factor("42", 0.00109361329833771), factor("43", 6.21371192237334e-07), factor("44", 1),
    factor("45", 0.1), factor("46", 0.001), factor("47", 1e-06),
    // Centimeters
    factor("50", 0.393700787401575), factor("51", 0.0328083989501313),
    factor("52", 0.0109361329833771), factor("53", 6.21371192237334e-06), factor("54", 10),
    factor("55", 1), factor("56", 0.01), factor("57", 1e-05),
    // Meters
    factor("60", 39.3700787401575), factor("61", 3.28083989501313), factor("62", 1.09361329833771),
    factor("63", 0.000621371192237334), factor("64", 1000), factor("65", 100), factor("66", 1),
    factor("67", 0.001),
    // Kilometers
    factor("70", 39370.0787401575), factor("71", 3280.83989501313), factor("72", 1093.61329833771),
    factor("73", 0.621371192237334), factor("74", 1000000), factor("75", 100000),
    factor("76", 1000), factor("77", 1),
    // Area
    // Sq Inches
    factor("1010", 1), factor("1011", 0.00694444444444445), factor("1012", 0.000771604938271605),
    factor("1013", 2.49097668605245e-10), factor("1014", 645.16), factor("1015", 6.4516),
    factor("1016", 0.00064516), factor("1017", 6.4516e-10),
    // Sq Feet
    factor("1110", 144), factor("1111", 1), factor("1112", 0.111111111111112),
    factor("1113", 3.58700642791552e-08), factor("1114", 92903.0400000003),
    factor("1115", 929.030400000003), factor("1116", 0.0929030400000003),
    factor("1117", 9.29030400000003e-08),
    // Sq Yards
    factor("1210", 1296), factor("1211", 9), factor("1212", 1),
    factor("1213", 3.22830578512397e-07), factor("1214", 836127.36), factor("1215", 8361.2736),
    factor("1216", 0.83612736), factor("1217", 8.3612736e-07),
    // Sq Miles
    factor("1310", 4014489600), factor("1311", 27878400), factor("1312", 3097600),
    factor("1313", 1), factor("1314", 2589988110000), factor("1315", 25899881100),
    factor("1316", 2589988.11), factor("1317", 2.58998811),
    // Sq Millimeters
    factor("1410", 0.0015500031000062), factor("1411", 1.07639104167097e-05),
    factor("1412", 1.19599004630108e-06), factor("1413", 3.86102158592535e-13), factor("1414", 1),
    factor("1415", 0.01), factor("1416", 1e-06), factor("1417", 1e-12),
    // Sq Centimeters
    factor("1510", 0.15500031000062), factor("1511", 0.00107639104167097),
    factor("1512", 0.000119599004630108), factor("1513", 3.86102158592535e-11), factor("1514", 100),
    factor("1515", 1), factor("1516", 0.0001), factor("1517", 1e-10),
    // Sq Meters
    factor("1610", 1550.0031000062), factor("1611", 10.7639104167097),
    factor("1612", 1.19599004630108), factor("1613", 3.86102158592535e-07), factor("1614", 1000000),
    factor("1615", 10000), factor("1616", 1), factor("1617", 1e-06),
    // Sq Kilometers
    factor("1710", 1550003100.0062), factor("1711", 10763910.4167097),
    factor("1712", 1195990.04630108), factor("1713", 0.386102158592535),
    factor("1714", 1000000000000), factor("1715", 10000000000), factor("1716", 1000000),
    factor("1717", 1),
};

} // namespace

std::span<const Entry> distanceArea()
{
    return kEntries;
}

} // namespace mezzurix::tables
