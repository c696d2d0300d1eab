// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Spanish: the names a Spanish user types, in the alias table's columns, with and without the
// written accent, which many leave out. Names that English already spells alike (bar, pascal)
// are read through the English rows.
#include <mezzurix/unit_names.h>

namespace mezzurix {

namespace {

using enum NameKind;
constexpr std::string_view es = "es";

constexpr UnitName kNames[] = {
    // Distance
    {0, "pulgada", Name, es}, {0, "pulgadas", Name, es},
    {1, "pie", Name, es}, {1, "pies", Name, es},
    {2, "yarda", Name, es}, {2, "yardas", Name, es},
    {3, "milla", Name, es}, {3, "millas", Name, es},
    {4, "milímetro", Name, es}, {4, "milímetros", Name, es}, {4, "milimetro", Name, es},
    {4, "milimetros", Name, es},
    {5, "centímetro", Name, es}, {5, "centímetros", Name, es}, {5, "centimetro", Name, es},
    {5, "centimetros", Name, es},
    {6, "metro", Name, es}, {6, "metros", Name, es},
    {7, "kilómetro", Name, es}, {7, "kilómetros", Name, es}, {7, "kilometro", Name, es},
    {7, "kilometros", Name, es},

    // Area
    {10, "pulgada cuadrada", Name, es}, {10, "pulgadas cuadradas", Name, es},
    {11, "pie cuadrado", Name, es}, {11, "pies cuadrados", Name, es},
    {12, "yarda cuadrada", Name, es}, {12, "yardas cuadradas", Name, es},
    {13, "milla cuadrada", Name, es}, {13, "millas cuadradas", Name, es},
    {14, "milímetro cuadrado", Name, es}, {14, "milímetros cuadrados", Name, es},
    {15, "centímetro cuadrado", Name, es}, {15, "centímetros cuadrados", Name, es},
    {16, "metro cuadrado", Name, es}, {16, "metros cuadrados", Name, es},
    {17, "kilómetro cuadrado", Name, es}, {17, "kilómetros cuadrados", Name, es},

    // Flow Rate; "por" reads as "/"
    {20, "galón/segundo", Name, es}, {20, "galones/segundo", Name, es},
    {21, "galón/minuto", Name, es}, {21, "galones/minuto", Name, es},
    {22, "litro/segundo", Name, es}, {22, "litros/segundo", Name, es},
    {23, "litro/minuto", Name, es}, {23, "litros/minuto", Name, es},

    // Power
    {25, "vatio", Name, es}, {25, "vatios", Name, es},
    {26, "kilovatio", Name, es}, {26, "kilovatios", Name, es},
    {27, "megavatio", Name, es}, {27, "megavatios", Name, es},

    // Mass
    {30, "onza", Name, es}, {30, "onzas", Name, es},
    {31, "libra", Name, es}, {31, "libras", Name, es},
    {32, "tonelada corta", Name, es}, {32, "toneladas cortas", Name, es},
    {33, "gramo", Name, es}, {33, "gramos", Name, es},
    {34, "kilogramo", Name, es}, {34, "kilogramos", Name, es},
    {35, "tonelada", Name, es}, {35, "toneladas", Name, es}, {35, "megagramo", Name, es},
    {35, "megagramos", Name, es},

    // Pressure
    {40, "milibar", Name, es}, {40, "milibares", Name, es},
    {41, "bares", Name, es},
    {42, "libra/pulgada cuadrada", Name, es}, {42, "libras/pulgada cuadrada", Name, es},
    {43, "pascales", Name, es},
    {44, "kilopascales", Name, es},

    // Velocity
    {50, "pie/segundo", Name, es}, {50, "pies/segundo", Name, es},
    {51, "pie/minuto", Name, es}, {51, "pies/minuto", Name, es},
    {52, "milla/hora", Name, es}, {52, "millas/hora", Name, es},
    {53, "metro/segundo", Name, es}, {53, "metros/segundo", Name, es},
    {54, "metro/minuto", Name, es}, {54, "metros/minuto", Name, es},
    {55, "kilómetro/hora", Name, es}, {55, "kilómetros/hora", Name, es}, {55, "kilometro/hora", Name, es},
    {55, "kilometros/hora", Name, es},

    // Temperature
    {60, "grado Celsius", Name, es}, {60, "grados Celsius", Name, es}, {60, "grado centígrado", Name, es},
    {60, "grados centígrados", Name, es},
    {61, "grado Fahrenheit", Name, es}, {61, "grados Fahrenheit", Name, es},

    // Volume
    {62, "pulgada cúbica", Name, es}, {62, "pulgadas cúbicas", Name, es},
    {63, "pie cúbico", Name, es}, {63, "pies cúbicos", Name, es},
    {64, "yarda cúbica", Name, es}, {64, "yardas cúbicas", Name, es},
    {65, "centímetro cúbico", Name, es}, {65, "centímetros cúbicos", Name, es},
    {65, "mililitro", Name, es}, {65, "mililitros", Name, es},
    {66, "metro cúbico", Name, es}, {66, "metros cúbicos", Name, es},
    {67, "pinta", Name, es}, {67, "pintas", Name, es},
    {68, "cuarto de galón", Name, es}, {68, "cuartos de galón", Name, es},
    {69, "galón", Name, es}, {69, "galones", Name, es},
    {690, "litro", Name, es}, {690, "litros", Name, es},

    // Torque; 72 and 73 share their names with Energy's 82 and 83
    {70, "onza-fuerza pulgada", Name, es}, {70, "onzas-fuerza pulgada", Name, es},
    {71, "onza-fuerza pie", Name, es}, {71, "onzas-fuerza pie", Name, es},
    {72, "libra-fuerza pulgada", Name, es}, {72, "libras-fuerza pulgada", Name, es},
    {73, "libra-fuerza pie", Name, es}, {73, "libras-fuerza pie", Name, es},
    {74, "newton-metro", Name, es}, {74, "newton-metros", Name, es}, {74, "newton metro", Name, es},
    {74, "newton metros", Name, es},

    // Energy
    {80, "unidad térmica británica", Name, es}, {80, "unidades térmicas británicas", Name, es},
    {81, "caloría", Name, es}, {81, "calorías", Name, es},
    {82, "libra-fuerza pulgada", Name, es}, {82, "libras-fuerza pulgada", Name, es},
    {83, "libra-fuerza pie", Name, es}, {83, "libras-fuerza pie", Name, es},
    {85, "julio", Name, es}, {85, "julios", Name, es},
    {86, "kilovatio hora", Name, es}, {86, "kilovatios hora", Name, es}, {86, "kilovatio-hora", Name, es},
    {86, "kilovatios-hora", Name, es},

    // Force
    {90, "dina", Name, es}, {90, "dinas", Name, es},
    {91, "gramo-fuerza", Name, es}, {91, "gramos-fuerza", Name, es},
    {92, "kilogramo-fuerza", Name, es}, {92, "kilogramos-fuerza", Name, es},
    {96, "onza-fuerza", Name, es}, {96, "onzas-fuerza", Name, es},
    {97, "libra-fuerza", Name, es}, {97, "libras-fuerza", Name, es},

    // Light
    {100, "llama", Name, es}, {100, "llamas", Name, es},
    {101, "pie-candela", Name, es}, {101, "pies-candela", Name, es},
    {103, "metro-candela", Name, es}, {103, "metros-candela", Name, es},

    // Units typed conversions know beyond the window's lists
    {1000, "micrómetro", Name, es}, {1000, "micrómetros", Name, es}, {1000, "micra", Name, es},
    {1000, "micras", Name, es},
    {1001, "nanómetro", Name, es}, {1001, "nanómetros", Name, es},
    {1003, "milla náutica", Name, es}, {1003, "millas náuticas", Name, es}, {1003, "milla marina", Name, es},
    {1003, "millas marinas", Name, es},
    {1021, "hectárea", Name, es}, {1021, "hectáreas", Name, es},
    {1040, "metro cúbico/hora", Name, es}, {1040, "metros cúbicos/hora", Name, es},
    {1041, "litro/hora", Name, es}, {1041, "litros/hora", Name, es},
    {1042, "pie cúbico/minuto", Name, es}, {1042, "pies cúbicos/minuto", Name, es},
    {1043, "galón/hora", Name, es}, {1043, "galones/hora", Name, es},
    {1060, "caballo de vapor", Name, es}, {1060, "caballos de vapor", Name, es},
    {1061, "BTU/hora", Name, es},
    {1062, "milivatio", Name, es}, {1062, "milivatios", Name, es},
    {1063, "gigavatio", Name, es}, {1063, "gigavatios", Name, es},
    {1080, "miligramo", Name, es}, {1080, "miligramos", Name, es},
    {1081, "microgramo", Name, es}, {1081, "microgramos", Name, es},
    {1083, "tonelada larga", Name, es}, {1083, "toneladas largas", Name, es},
    {1084, "onza troy", Name, es}, {1084, "onzas troy", Name, es},
    {1085, "quilate", Name, es}, {1085, "quilates", Name, es},
    {1086, "grano", Name, es}, {1086, "granos", Name, es},
    {1100, "atmósfera", Name, es}, {1100, "atmósferas", Name, es},
    {1102, "milímetro de mercurio", Name, es}, {1102, "milímetros de mercurio", Name, es},
    {1103, "pulgada de mercurio", Name, es}, {1103, "pulgadas de mercurio", Name, es},
    {1104, "megapascales", Name, es},
    {1105, "kilogramo-fuerza/centímetro cuadrado", Name, es},
    {1105, "kilogramos-fuerza/centímetro cuadrado", Name, es},
    {1120, "nudo", Name, es}, {1120, "nudos", Name, es},
    {1141, "grado Rankine", Name, es}, {1141, "grados Rankine", Name, es},
    {1160, "taza", Name, es}, {1160, "tazas", Name, es},
    {1161, "cucharada", Name, es}, {1161, "cucharadas", Name, es},
    {1162, "cucharadita", Name, es}, {1162, "cucharaditas", Name, es},
    {1163, "onza líquida", Name, es}, {1163, "onzas líquidas", Name, es},
    {1164, "galón imperial", Name, es}, {1164, "galones imperiales", Name, es},
    {1165, "pinta imperial", Name, es}, {1165, "pintas imperiales", Name, es},
    {1166, "onza líquida imperial", Name, es}, {1166, "onzas líquidas imperiales", Name, es},
    {1167, "centilitro", Name, es}, {1167, "centilitros", Name, es},
    {1168, "decilitro", Name, es}, {1168, "decilitros", Name, es},
    {1169, "hectolitro", Name, es}, {1169, "hectolitros", Name, es},
    {1170, "barril", Name, es}, {1170, "barriles", Name, es}, {1170, "barril de petróleo", Name, es},
    {1170, "barriles de petróleo", Name, es},
    {1180, "kilogramo-fuerza metro", Name, es}, {1180, "kilogramos-fuerza metro", Name, es},
    {1181, "newton-centímetro", Name, es}, {1181, "newton-centímetros", Name, es},
    {1181, "newton centímetro", Name, es}, {1181, "newton centímetros", Name, es},
    {1200, "kilocaloría", Name, es}, {1200, "kilocalorías", Name, es},
    {1201, "kilojulio", Name, es}, {1201, "kilojulios", Name, es},
    {1202, "megajulio", Name, es}, {1202, "megajulios", Name, es},
    {1203, "vatio hora", Name, es}, {1203, "vatios hora", Name, es}, {1203, "vatio-hora", Name, es},
    {1203, "vatios-hora", Name, es},
    {1204, "megavatio hora", Name, es}, {1204, "megavatios hora", Name, es}, {1204, "megavatio-hora", Name, es},
    {1204, "megavatios-hora", Name, es},
    {1240, "milisegundo", Name, es}, {1240, "milisegundos", Name, es},
    {1241, "segundo", Name, es}, {1241, "segundos", Name, es},
    {1242, "minuto", Name, es}, {1242, "minutos", Name, es},
    {1243, "hora", Name, es}, {1243, "horas", Name, es},
    {1244, "día", Name, es}, {1244, "días", Name, es}, {1244, "dia", Name, es}, {1244, "dias", Name, es},
    {1245, "semana", Name, es}, {1245, "semanas", Name, es},
    {1246, "año", Name, es}, {1246, "años", Name, es},
    {1260, "milla/galón", Name, es}, {1260, "millas/galón", Name, es},
    {1261, "millas/galón imperial", Name, es},
    {1262, "litro/100 km", Name, es}, {1262, "litros/100 km", Name, es},
    {1263, "kilómetro/litro", Name, es}, {1263, "kilómetros/litro", Name, es},
};

constexpr std::string_view kInto[] = {"a", "en"};
constexpr std::string_view kPer[] = {"por"};
constexpr std::string_view kAnd[] = {"y"};

} // namespace

extern const LanguageNames kUnitNames_es;
const LanguageNames kUnitNames_es{es, kNames, kInto, kPer, kAnd};

} // namespace mezzurix
