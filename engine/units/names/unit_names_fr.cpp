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

    // Units typed conversions know beyond the window's lists
    {1000, "micromètre", Name, fr}, {1000, "micromètres", Name, fr},
    {1001, "nanomètre", Name, fr}, {1001, "nanomètres", Name, fr},
    {1003, "mille marin", Name, fr}, {1003, "milles marins", Name, fr}, {1003, "mille nautique", Name, fr},
    {1003, "milles nautiques", Name, fr},
    {1040, "mètre cube/heure", Name, fr}, {1040, "mètres cubes/heure", Name, fr},
    {1041, "litre/heure", Name, fr}, {1041, "litres/heure", Name, fr},
    {1042, "pied cube/minute", Name, fr}, {1042, "pieds cubes/minute", Name, fr},
    {1043, "gallon/heure", Name, fr}, {1043, "gallons/heure", Name, fr},
    {1060, "cheval-vapeur", Name, fr}, {1060, "chevaux-vapeur", Name, fr}, {1060, "cheval vapeur", Name, fr},
    {1060, "chevaux vapeur", Name, fr}, {1060, "ch", CaseSymbol, fr},
    {1061, "BTU/heure", Name, fr},
    {1083, "tonne longue", Name, fr}, {1083, "tonnes longues", Name, fr},
    {1084, "once troy", Name, fr}, {1084, "onces troy", Name, fr},
    {1100, "atmosphère", Name, fr}, {1100, "atmosphères", Name, fr},
    {1102, "millimètre de mercure", Name, fr}, {1102, "millimètres de mercure", Name, fr},
    {1103, "pouce de mercure", Name, fr}, {1103, "pouces de mercure", Name, fr},
    {1104, "mégapascal", Name, fr}, {1104, "mégapascals", Name, fr},
    {1105, "kilogramme-force/centimètre carré", Name, fr}, {1105, "kilogrammes-force/centimètre carré", Name, fr},
    {1120, "nœud", Name, fr}, {1120, "nœuds", Name, fr}, {1120, "noeud", Name, fr}, {1120, "noeuds", Name, fr},
    {1141, "degré Rankine", Name, fr}, {1141, "degrés Rankine", Name, fr},
    {1160, "tasse", Name, fr}, {1160, "tasses", Name, fr},
    {1161, "cuillère à soupe", Name, fr}, {1161, "cuillères à soupe", Name, fr},
    {1161, "cuillerée à soupe", Name, fr}, {1161, "cuillerées à soupe", Name, fr},
    {1162, "cuillère à café", Name, fr}, {1162, "cuillères à café", Name, fr},
    {1162, "cuillerée à café", Name, fr}, {1162, "cuillerées à café", Name, fr},
    {1162, "cuillère à thé", Name, fr}, {1162, "cuillères à thé", Name, fr},
    {1163, "once liquide", Name, fr}, {1163, "onces liquides", Name, fr},
    {1164, "gallon impérial", Name, fr}, {1164, "gallons impériaux", Name, fr},
    {1165, "pinte impériale", Name, fr}, {1165, "pintes impériales", Name, fr},
    {1166, "once liquide impériale", Name, fr}, {1166, "onces liquides impériales", Name, fr},
    {1168, "décilitre", Name, fr}, {1168, "décilitres", Name, fr},
    {1170, "baril", Name, fr}, {1170, "barils", Name, fr}, {1170, "baril de pétrole", Name, fr},
    {1170, "barils de pétrole", Name, fr},
    {1180, "kilogramme-force mètre", Name, fr}, {1180, "kilogrammes-force mètres", Name, fr},
    {1181, "newton-centimètre", Name, fr}, {1181, "newtons-centimètres", Name, fr},
    {1181, "newton-centimètres", Name, fr},
    {1203, "wattheure", Name, fr}, {1203, "wattheures", Name, fr},
    {1204, "mégawattheure", Name, fr}, {1204, "mégawattheures", Name, fr},
    {1240, "milliseconde", Name, fr}, {1240, "millisecondes", Name, fr},
    {1241, "seconde", Name, fr}, {1241, "secondes", Name, fr},
    {1243, "heure", Name, fr}, {1243, "heures", Name, fr},
    {1244, "jour", Name, fr}, {1244, "jours", Name, fr},
    {1245, "semaine", Name, fr}, {1245, "semaines", Name, fr},
    {1246, "année", Name, fr}, {1246, "années", Name, fr}, {1246, "an", Name, fr}, {1246, "ans", Name, fr},
    {1260, "mille/gallon", Name, fr}, {1260, "milles/gallon", Name, fr}, {1260, "milles/gallon US", Name, fr},
    {1261, "milles/gallon impérial", Name, fr},
    {1263, "kilomètre/litre", Name, fr}, {1263, "kilomètres/litre", Name, fr},
};

constexpr std::string_view kInto[] = {"en"};
constexpr std::string_view kPer[] = {"par"};
constexpr std::string_view kAnd[] = {"et"};

} // namespace

extern const LanguageNames kUnitNames_fr;
const LanguageNames kUnitNames_fr{fr, kNames, kInto, kPer, kAnd};

} // namespace mezzurix
