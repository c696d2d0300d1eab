// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// French: the names a French user types, in the alias table's columns. Names that English
// already spells alike (yard, gramme, tonne, litre, joule) are read through the English rows.
#include <mezzurix/unit_names.h>

namespace mezzurix {

namespace {

using enum NameKind;
constexpr std::string_view fr = "fr";

constexpr UnitName kNames[] = {
    // Distance
    {0, "pouce", Name, fr}, {0, "pouces", Name, fr},
    {1, "pied", Name, fr}, {1, "pieds", Name, fr},
    {3, "mille", Name, fr}, {3, "milles", Name, fr},
    {4, "millimètre", Name, fr}, {4, "millimètres", Name, fr},
    {5, "centimètre", Name, fr}, {5, "centimètres", Name, fr},
    {6, "mètre", Name, fr}, {6, "mètres", Name, fr},
    {7, "kilomètre", Name, fr}, {7, "kilomètres", Name, fr},

    // Area
    {10, "pouce carré", Name, fr}, {10, "pouces carrés", Name, fr},
    {11, "pied carré", Name, fr}, {11, "pieds carrés", Name, fr},
    {12, "yard carré", Name, fr}, {12, "yards carrés", Name, fr},
    {13, "mille carré", Name, fr}, {13, "milles carrés", Name, fr},
    {14, "millimètre carré", Name, fr}, {14, "millimètres carrés", Name, fr},
    {15, "centimètre carré", Name, fr}, {15, "centimètres carrés", Name, fr},
    {16, "mètre carré", Name, fr}, {16, "mètres carrés", Name, fr},
    {17, "kilomètre carré", Name, fr}, {17, "kilomètres carrés", Name, fr},

    // Flow Rate; "par" reads as "/"
    {20, "gallon/seconde", Name, fr}, {20, "gallons/seconde", Name, fr},
    {22, "litre/seconde", Name, fr}, {22, "litres/seconde", Name, fr},

    // Power
    {27, "mégawatt", Name, fr}, {27, "mégawatts", Name, fr},

    // Mass
    {30, "once", Name, fr}, {30, "onces", Name, fr},
    {31, "livre", Name, fr}, {31, "livres", Name, fr},
    {32, "tonne courte", Name, fr}, {32, "tonnes courtes", Name, fr},
    {35, "mégagramme", Name, fr}, {35, "mégagrammes", Name, fr},

    // Pressure
    {42, "livre/pouce carré", Name, fr}, {42, "livres/pouce carré", Name, fr},

    // Velocity
    {50, "pied/seconde", Name, fr}, {50, "pieds/seconde", Name, fr},
    {51, "pied/minute", Name, fr}, {51, "pieds/minute", Name, fr},
    {52, "mille/heure", Name, fr}, {52, "milles/heure", Name, fr},
    {53, "mètre/seconde", Name, fr}, {53, "mètres/seconde", Name, fr},
    {54, "mètre/minute", Name, fr}, {54, "mètres/minute", Name, fr},
    {55, "kilomètre/heure", Name, fr}, {55, "kilomètres/heure", Name, fr},

    // Temperature
    {60, "degré Celsius", Name, fr}, {60, "degrés Celsius", Name, fr},
    {61, "degré Fahrenheit", Name, fr}, {61, "degrés Fahrenheit", Name, fr},

    // Volume
    {62, "pouce cube", Name, fr}, {62, "pouces cubes", Name, fr},
    {63, "pied cube", Name, fr}, {63, "pieds cubes", Name, fr},
    {64, "yard cube", Name, fr}, {64, "yards cubes", Name, fr},
    {65, "centimètre cube", Name, fr}, {65, "centimètres cubes", Name, fr},
    {66, "mètre cube", Name, fr}, {66, "mètres cubes", Name, fr},
    {67, "pinte", Name, fr}, {67, "pintes", Name, fr},

    // Torque; 72 and 73 share their names with Energy's 82 and 83
    {70, "once-force pouce", Name, fr}, {70, "onces-force pouces", Name, fr},
    {71, "once-force pied", Name, fr}, {71, "onces-force pieds", Name, fr},
    {72, "livre-force pouce", Name, fr}, {72, "livres-force pouces", Name, fr},
    {73, "livre-force pied", Name, fr}, {73, "livres-force pieds", Name, fr},
    {74, "newton-mètre", Name, fr}, {74, "newtons-mètres", Name, fr}, {74, "newton-mètres", Name, fr},

    // Energy
    {80, "unité thermique britannique", Name, fr}, {80, "unités thermiques britanniques", Name, fr},
    {82, "livre-force pouce", Name, fr}, {82, "livres-force pouces", Name, fr},
    {83, "livre-force pied", Name, fr}, {83, "livres-force pieds", Name, fr},
    {86, "kilowattheure", Name, fr}, {86, "kilowattheures", Name, fr},

    // Force
    {91, "gramme-force", Name, fr}, {91, "grammes-force", Name, fr},
    {92, "kilogramme-force", Name, fr}, {92, "kilogrammes-force", Name, fr},
    {96, "once-force", Name, fr}, {96, "onces-force", Name, fr},
    {97, "livre-force", Name, fr}, {97, "livres-force", Name, fr},

    // Light
    {100, "flamme", Name, fr}, {100, "flammes", Name, fr},
    {101, "pied-bougie", Name, fr}, {101, "pieds-bougies", Name, fr},
    {103, "mètre-bougie", Name, fr}, {103, "mètres-bougies", Name, fr},

    // Computer Memory / Disk Capacity: octets; "To" is not read, as "to" separates the units
    {201, "o", CaseSymbol, fr}, {201, "octet", Name, fr}, {201, "octets", Name, fr},
    {202, "Ko", CaseSymbol, fr}, {202, "ko", CaseSymbol, fr}, {202, "kilooctet", Name, fr},
    {202, "kilooctets", Name, fr},
    {203, "Mo", CaseSymbol, fr}, {203, "mégaoctet", Name, fr}, {203, "mégaoctets", Name, fr},
    {204, "Go", CaseSymbol, fr}, {204, "gigaoctet", Name, fr}, {204, "gigaoctets", Name, fr},
    {205, "téraoctet", Name, fr}, {205, "téraoctets", Name, fr},
};

constexpr std::string_view kInto[] = {"en"};
constexpr std::string_view kPer[] = {"par"};
constexpr std::string_view kAnd[] = {"et"};

} // namespace

extern const LanguageNames kUnitNames_fr;
const LanguageNames kUnitNames_fr{fr, kNames, kInto, kPer, kAnd};

} // namespace mezzurix
