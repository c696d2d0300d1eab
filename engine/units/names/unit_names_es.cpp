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
};

constexpr std::string_view kInto[] = {"a", "en"};
constexpr std::string_view kPer[] = {"por"};
constexpr std::string_view kAnd[] = {"y"};

} // namespace

extern const LanguageNames kUnitNames_es;
const LanguageNames kUnitNames_es{es, kNames, kInto, kPer, kAnd};

} // namespace mezzurix
