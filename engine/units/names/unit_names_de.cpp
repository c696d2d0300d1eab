// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// German: the names a German user types, in the alias table's columns. Names that English
// already spells alike (Meter, Liter, Watt, Bar, Joule) are read through the English rows.
#include <mezzurix/unit_names.h>

namespace mezzurix {

namespace {

using enum NameKind;
constexpr std::string_view de = "de";

constexpr UnitName kNames[] = {
    // Distance
    {0, "Zoll", Name, de},
    {1, "Fuß", Name, de}, {1, "Fuss", Name, de},
    {3, "Meile", Name, de}, {3, "Meilen", Name, de},
    {5, "Zentimeter", Name, de},

    // Area
    {10, "Quadratzoll", Name, de},
    {11, "Quadratfuß", Name, de}, {11, "Quadratfuss", Name, de},
    {12, "Quadratyard", Name, de},
    {13, "Quadratmeile", Name, de}, {13, "Quadratmeilen", Name, de},
    {14, "Quadratmillimeter", Name, de}, {14, "qmm", Symbol, de},
    {15, "Quadratzentimeter", Name, de}, {15, "qcm", Symbol, de},
    {16, "Quadratmeter", Name, de}, {16, "qm", Symbol, de},
    {17, "Quadratkilometer", Name, de}, {17, "qkm", Symbol, de},

    // Flow Rate; "pro" reads as "/"
    {20, "Gallone/Sekunde", Name, de}, {20, "Gallonen/Sekunde", Name, de},
    {21, "Gallone/Minute", Name, de}, {21, "Gallonen/Minute", Name, de},
    {22, "Liter/Sekunde", Name, de},

    // Mass
    {30, "Unze", Name, de}, {30, "Unzen", Name, de},
    {31, "Pfund", Name, de},
    {32, "US-Tonne", Name, de}, {32, "US-Tonnen", Name, de},
    {33, "Gramm", Name, de},
    {34, "Kilogramm", Name, de},
    {35, "Megagramm", Name, de},

    // Pressure
    {40, "Hektopascal", Name, de},
    {42, "Pfund/Quadratzoll", Name, de},

    // Velocity
    {50, "Fuß/Sekunde", Name, de}, {50, "Fuss/Sekunde", Name, de},
    {51, "Fuß/Minute", Name, de}, {51, "Fuss/Minute", Name, de},
    {52, "Meile/Stunde", Name, de}, {52, "Meilen/Stunde", Name, de},
    {53, "Meter/Sekunde", Name, de},
    {55, "Kilometer/Stunde", Name, de}, {55, "Stundenkilometer", Name, de},

    // Temperature
    {60, "Grad Celsius", Name, de}, {60, "Grad C", Name, de},
    {61, "Grad Fahrenheit", Name, de}, {61, "Grad F", Name, de},

    // Volume
    {62, "Kubikzoll", Name, de},
    {63, "Kubikfuß", Name, de}, {63, "Kubikfuss", Name, de},
    {64, "Kubikyard", Name, de},
    {65, "Kubikzentimeter", Name, de}, {65, "ccm", Symbol, de},
    {66, "Kubikmeter", Name, de}, {66, "cbm", Symbol, de},
    {67, "US-Pint", Name, de}, {67, "US-Pints", Name, de},
    {68, "US-Quart", Name, de}, {68, "US-Quarts", Name, de},
    {69, "Gallone", Name, de}, {69, "Gallonen", Name, de}, {69, "US-Gallone", Name, de},
    {69, "US-Gallonen", Name, de},

    // Torque; 72 and 73 share their names with Energy's 82 and 83
    {70, "Unzenkraft-Zoll", Name, de},
    {71, "Unzenkraft-Fuß", Name, de},
    {72, "Pfundkraft-Zoll", Name, de},
    {73, "Pfundkraft-Fuß", Name, de},
    {74, "Newtonmeter", Name, de},

    // Energy
    {80, "Britische Wärmeeinheit", Name, de}, {80, "Britische Wärmeeinheiten", Name, de},
    {81, "Kalorie", Name, de}, {81, "Kalorien", Name, de},
    {82, "Pfundkraft-Zoll", Name, de},
    {83, "Pfundkraft-Fuß", Name, de},
    {86, "Kilowattstunde", Name, de}, {86, "Kilowattstunden", Name, de},

    // Force
    {91, "Pond", Name, de},
    {96, "Unzenkraft", Name, de},
    {97, "Pfundkraft", Name, de},

    // Light
    {100, "Flamme", Name, de}, {100, "Flammen", Name, de},
    {103, "Meterkerze", Name, de}, {103, "Meterkerzen", Name, de},

    // Units typed conversions know beyond the window's lists
    {1000, "Mikrometer", Name, de},
    {1003, "Seemeile", Name, de}, {1003, "Seemeilen", Name, de},
    {1021, "Hektar", Name, de},
    {1040, "Kubikmeter/Stunde", Name, de},
    {1041, "Liter/Stunde", Name, de},
    {1042, "Kubikfuß/Minute", Name, de}, {1042, "Kubikfuss/Minute", Name, de},
    {1043, "Gallone/Stunde", Name, de}, {1043, "Gallonen/Stunde", Name, de},
    {1060, "Pferdestärke", Name, de}, {1060, "Pferdestärken", Name, de}, {1060, "metrische PS", Name, de},
    {1061, "BTU/Stunde", Name, de},
    {1080, "Milligramm", Name, de},
    {1081, "Mikrogramm", Name, de},
    {1083, "britische Tonne", Name, de}, {1083, "britische Tonnen", Name, de}, {1083, "Langtonne", Name, de},
    {1083, "Langtonnen", Name, de},
    {1084, "Feinunze", Name, de}, {1084, "Feinunzen", Name, de}, {1084, "Troyunze", Name, de},
    {1084, "Troyunzen", Name, de},
    {1085, "Karat", Name, de},
    {1086, "Gran", Name, de},
    {1100, "Atmosphäre", Name, de}, {1100, "Atmosphären", Name, de},
    {1102, "Millimeter Quecksilbersäule", Name, de},
    {1103, "Zoll Quecksilbersäule", Name, de},
    {1105, "Kilopond/Quadratzentimeter", Name, de}, {1105, "kp/cm²", CaseSymbol, de},
    {1120, "Knoten", Name, de},
    {1141, "Grad Rankine", Name, de},
    {1160, "Tasse", Name, de}, {1160, "Tassen", Name, de}, {1160, "US-Tasse", Name, de},
    {1160, "US-Tassen", Name, de},
    {1161, "Esslöffel", Name, de}, {1161, "Eßlöffel", Name, de}, {1161, "EL", CaseSymbol, de},
    {1162, "Teelöffel", Name, de}, {1162, "TL", CaseSymbol, de},
    {1163, "Flüssigunze", Name, de}, {1163, "Flüssigunzen", Name, de}, {1163, "US-Flüssigunze", Name, de},
    {1163, "US-Flüssigunzen", Name, de},
    {1164, "britische Gallone", Name, de}, {1164, "britische Gallonen", Name, de},
    {1164, "imperiale Gallone", Name, de}, {1164, "imperiale Gallonen", Name, de},
    {1165, "britisches Pint", Name, de}, {1165, "britische Pints", Name, de},
    {1166, "britische Flüssigunze", Name, de}, {1166, "britische Flüssigunzen", Name, de},
    {1167, "Zentiliter", Name, de},
    {1168, "Deziliter", Name, de},
    {1169, "Hektoliter", Name, de},
    {1170, "Ölbarrel", Name, de}, {1170, "Barrel Rohöl", Name, de},
    {1180, "Kilopondmeter", Name, de},
    {1181, "Newtonzentimeter", Name, de},
    {1200, "Kilokalorie", Name, de}, {1200, "Kilokalorien", Name, de},
    {1203, "Wattstunde", Name, de}, {1203, "Wattstunden", Name, de},
    {1204, "Megawattstunde", Name, de}, {1204, "Megawattstunden", Name, de},
    {1240, "Millisekunde", Name, de}, {1240, "Millisekunden", Name, de},
    {1241, "Sekunde", Name, de}, {1241, "Sekunden", Name, de},
    {1242, "Minuten", Name, de},
    {1243, "Stunde", Name, de}, {1243, "Stunden", Name, de}, {1243, "Std", CaseSymbol, de},
    {1244, "Tag", Name, de}, {1244, "Tage", Name, de}, {1244, "Tagen", Name, de},
    {1245, "Woche", Name, de}, {1245, "Wochen", Name, de},
    {1246, "Jahr", Name, de}, {1246, "Jahre", Name, de}, {1246, "Jahren", Name, de},
    {1260, "Meile/Gallone", Name, de}, {1260, "Meilen/Gallone", Name, de}, {1260, "Meilen/US-Gallone", Name, de},
    {1261, "Meilen/britische Gallone", Name, de},
};

constexpr std::string_view kInto[] = {"in", "nach"};
constexpr std::string_view kPer[] = {"pro"};
constexpr std::string_view kAnd[] = {"und"};

} // namespace

extern const LanguageNames kUnitNames_de;
const LanguageNames kUnitNames_de{de, kNames, kInto, kPer, kAnd};

} // namespace mezzurix
