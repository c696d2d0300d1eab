// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Spanish: the names a Spanish user types, by unit key, with and without the
// written accent, which many leave out. Names that English already spells alike (bar, pascal)
// are read through the English rows.
#include "keyed_names.h"

namespace mezzurix {

namespace {

using enum NameKind;
constexpr std::string_view es = "es";

constexpr KeyedName kRows[] = {
    // Distance
    {"inch", "pulgada", Name}, {"inch", "pulgadas", Name},
    {"foot", "pie", Name}, {"foot", "pies", Name},
    {"yard", "yarda", Name}, {"yard", "yardas", Name},
    {"mile", "milla", Name}, {"mile", "millas", Name},
    {"millimeter", "milímetro", Name}, {"millimeter", "milímetros", Name}, {"millimeter", "milimetro", Name},
    {"millimeter", "milimetros", Name},
    {"centimeter", "centímetro", Name}, {"centimeter", "centímetros", Name}, {"centimeter", "centimetro", Name},
    {"centimeter", "centimetros", Name},
    {"meter", "metro", Name}, {"meter", "metros", Name},
    {"kilometer", "kilómetro", Name}, {"kilometer", "kilómetros", Name}, {"kilometer", "kilometro", Name},
    {"kilometer", "kilometros", Name},

    // Area
    {"square_inch", "pulgada cuadrada", Name}, {"square_inch", "pulgadas cuadradas", Name},
    {"square_foot", "pie cuadrado", Name}, {"square_foot", "pies cuadrados", Name},
    {"square_yard", "yarda cuadrada", Name}, {"square_yard", "yardas cuadradas", Name},
    {"square_mile", "milla cuadrada", Name}, {"square_mile", "millas cuadradas", Name},
    {"square_millimeter", "milímetro cuadrado", Name}, {"square_millimeter", "milímetros cuadrados", Name},
    {"square_centimeter", "centímetro cuadrado", Name}, {"square_centimeter", "centímetros cuadrados", Name},
    {"square_meter", "metro cuadrado", Name}, {"square_meter", "metros cuadrados", Name},
    {"square_kilometer", "kilómetro cuadrado", Name}, {"square_kilometer", "kilómetros cuadrados", Name},

    // Flow Rate; "por" reads as "/"
    {"us_gallon_per_second", "galón/segundo", Name}, {"us_gallon_per_second", "galones/segundo", Name},
    {"us_gallon_per_minute", "galón/minuto", Name}, {"us_gallon_per_minute", "galones/minuto", Name},
    {"liter_per_second", "litro/segundo", Name}, {"liter_per_second", "litros/segundo", Name},
    {"liter_per_minute", "litro/minuto", Name}, {"liter_per_minute", "litros/minuto", Name},

    // Power
    {"watt", "vatio", Name}, {"watt", "vatios", Name},
    {"kilowatt", "kilovatio", Name}, {"kilowatt", "kilovatios", Name},
    {"megawatt", "megavatio", Name}, {"megawatt", "megavatios", Name},

    // Mass
    {"ounce", "onza", Name}, {"ounce", "onzas", Name},
    {"pound", "libra", Name}, {"pound", "libras", Name},
    {"short_ton", "tonelada corta", Name}, {"short_ton", "toneladas cortas", Name},
    {"gram", "gramo", Name}, {"gram", "gramos", Name},
    {"kilogram", "kilogramo", Name}, {"kilogram", "kilogramos", Name},
    {"megagram", "tonelada", Name}, {"megagram", "toneladas", Name}, {"megagram", "megagramo", Name},
    {"megagram", "megagramos", Name},

    // Pressure
    {"millibar", "milibar", Name}, {"millibar", "milibares", Name},
    {"bar", "bares", Name},
    {"psi", "libra/pulgada cuadrada", Name}, {"psi", "libras/pulgada cuadrada", Name},
    {"pascal", "pascales", Name},
    {"kilopascal", "kilopascales", Name},

    // Velocity
    {"foot_per_second", "pie/segundo", Name}, {"foot_per_second", "pies/segundo", Name},
    {"foot_per_minute", "pie/minuto", Name}, {"foot_per_minute", "pies/minuto", Name},
    {"mile_per_hour", "milla/hora", Name}, {"mile_per_hour", "millas/hora", Name},
    {"meter_per_second", "metro/segundo", Name}, {"meter_per_second", "metros/segundo", Name},
    {"meter_per_minute", "metro/minuto", Name}, {"meter_per_minute", "metros/minuto", Name},
    {"kilometer_per_hour", "kilómetro/hora", Name}, {"kilometer_per_hour", "kilómetros/hora", Name}, {"kilometer_per_hour", "kilometro/hora", Name},
    {"kilometer_per_hour", "kilometros/hora", Name},

    // Temperature
    {"celsius", "grado Celsius", Name}, {"celsius", "grados Celsius", Name}, {"celsius", "grado centígrado", Name},
    {"celsius", "grados centígrados", Name},
    {"fahrenheit", "grado Fahrenheit", Name}, {"fahrenheit", "grados Fahrenheit", Name},

    // Volume
    {"cubic_inch", "pulgada cúbica", Name}, {"cubic_inch", "pulgadas cúbicas", Name},
    {"cubic_foot", "pie cúbico", Name}, {"cubic_foot", "pies cúbicos", Name},
    {"cubic_yard", "yarda cúbica", Name}, {"cubic_yard", "yardas cúbicas", Name},
    {"cubic_centimeter", "centímetro cúbico", Name}, {"cubic_centimeter", "centímetros cúbicos", Name},
    {"cubic_centimeter", "mililitro", Name}, {"cubic_centimeter", "mililitros", Name},
    {"cubic_meter", "metro cúbico", Name}, {"cubic_meter", "metros cúbicos", Name},
    {"us_pint", "pinta", Name}, {"us_pint", "pintas", Name},
    {"us_quart", "cuarto de galón", Name}, {"us_quart", "cuartos de galón", Name},
    {"us_gallon", "galón", Name}, {"us_gallon", "galones", Name},
    {"liter", "litro", Name}, {"liter", "litros", Name},

    // Torque; the pound-force inch and foot share their names with Energy's
    {"ounce_force_inch", "onza-fuerza pulgada", Name}, {"ounce_force_inch", "onzas-fuerza pulgada", Name},
    {"ounce_force_foot", "onza-fuerza pie", Name}, {"ounce_force_foot", "onzas-fuerza pie", Name},
    {"pound_force_inch", "libra-fuerza pulgada", Name}, {"pound_force_inch", "libras-fuerza pulgada", Name},
    {"pound_force_foot", "libra-fuerza pie", Name}, {"pound_force_foot", "libras-fuerza pie", Name},
    {"newton_meter", "newton-metro", Name}, {"newton_meter", "newton-metros", Name}, {"newton_meter", "newton metro", Name},
    {"newton_meter", "newton metros", Name},

    // Energy
    {"btu", "unidad térmica británica", Name}, {"btu", "unidades térmicas británicas", Name},
    {"calorie", "caloría", Name}, {"calorie", "calorías", Name},
    {"inch_pound_force", "libra-fuerza pulgada", Name}, {"inch_pound_force", "libras-fuerza pulgada", Name},
    {"foot_pound_force", "libra-fuerza pie", Name}, {"foot_pound_force", "libras-fuerza pie", Name},
    {"joule", "julio", Name}, {"joule", "julios", Name},
    {"kilowatt_hour", "kilovatio hora", Name}, {"kilowatt_hour", "kilovatios hora", Name}, {"kilowatt_hour", "kilovatio-hora", Name},
    {"kilowatt_hour", "kilovatios-hora", Name},

    // Force
    {"dyne", "dina", Name}, {"dyne", "dinas", Name},
    {"gram_force", "gramo-fuerza", Name}, {"gram_force", "gramos-fuerza", Name},
    {"kilogram_force", "kilogramo-fuerza", Name}, {"kilogram_force", "kilogramos-fuerza", Name},
    {"ounce_force", "onza-fuerza", Name}, {"ounce_force", "onzas-fuerza", Name},
    {"pound_force", "libra-fuerza", Name}, {"pound_force", "libras-fuerza", Name},

    // Light
    {"flame", "llama", Name}, {"flame", "llamas", Name},
    {"foot_candle", "pie-candela", Name}, {"foot_candle", "pies-candela", Name},
    {"meter_candle", "metro-candela", Name}, {"meter_candle", "metros-candela", Name},

    // Units typed conversions know beyond the window's lists
    {"micrometer", "micrómetro", Name}, {"micrometer", "micrómetros", Name}, {"micrometer", "micra", Name},
    {"micrometer", "micras", Name},
    {"nanometer", "nanómetro", Name}, {"nanometer", "nanómetros", Name},
    {"nautical_mile", "milla náutica", Name}, {"nautical_mile", "millas náuticas", Name}, {"nautical_mile", "milla marina", Name},
    {"nautical_mile", "millas marinas", Name},
    {"hectare", "hectárea", Name}, {"hectare", "hectáreas", Name},
    {"cubic_meter_per_hour", "metro cúbico/hora", Name}, {"cubic_meter_per_hour", "metros cúbicos/hora", Name},
    {"liter_per_hour", "litro/hora", Name}, {"liter_per_hour", "litros/hora", Name},
    {"cubic_foot_per_minute", "pie cúbico/minuto", Name}, {"cubic_foot_per_minute", "pies cúbicos/minuto", Name},
    {"us_gallon_per_hour", "galón/hora", Name}, {"us_gallon_per_hour", "galones/hora", Name},
    {"metric_horsepower", "caballo de vapor", Name}, {"metric_horsepower", "caballos de vapor", Name},
    {"btu_per_hour", "BTU/hora", Name},
    {"milliwatt", "milivatio", Name}, {"milliwatt", "milivatios", Name},
    {"gigawatt", "gigavatio", Name}, {"gigawatt", "gigavatios", Name},
    {"milligram", "miligramo", Name}, {"milligram", "miligramos", Name},
    {"microgram", "microgramo", Name}, {"microgram", "microgramos", Name},
    {"long_ton", "tonelada larga", Name}, {"long_ton", "toneladas largas", Name},
    {"troy_ounce", "onza troy", Name}, {"troy_ounce", "onzas troy", Name},
    {"carat", "quilate", Name}, {"carat", "quilates", Name},
    {"grain", "grano", Name}, {"grain", "granos", Name},
    {"atmosphere", "atmósfera", Name}, {"atmosphere", "atmósferas", Name},
    {"millimeter_of_mercury", "milímetro de mercurio", Name}, {"millimeter_of_mercury", "milímetros de mercurio", Name},
    {"inch_of_mercury", "pulgada de mercurio", Name}, {"inch_of_mercury", "pulgadas de mercurio", Name},
    {"megapascal", "megapascales", Name},
    {"kilogram_force_per_square_centimeter", "kilogramo-fuerza/centímetro cuadrado", Name},
    {"kilogram_force_per_square_centimeter", "kilogramos-fuerza/centímetro cuadrado", Name},
    {"knot", "nudo", Name}, {"knot", "nudos", Name},
    {"rankine", "grado Rankine", Name}, {"rankine", "grados Rankine", Name},
    {"us_cup", "taza", Name}, {"us_cup", "tazas", Name},
    {"us_tablespoon", "cucharada", Name}, {"us_tablespoon", "cucharadas", Name},
    {"us_teaspoon", "cucharadita", Name}, {"us_teaspoon", "cucharaditas", Name},
    {"us_fluid_ounce", "onza líquida", Name}, {"us_fluid_ounce", "onzas líquidas", Name},
    {"imperial_gallon", "galón imperial", Name}, {"imperial_gallon", "galones imperiales", Name},
    {"imperial_pint", "pinta imperial", Name}, {"imperial_pint", "pintas imperiales", Name},
    {"imperial_fluid_ounce", "onza líquida imperial", Name}, {"imperial_fluid_ounce", "onzas líquidas imperiales", Name},
    {"centiliter", "centilitro", Name}, {"centiliter", "centilitros", Name},
    {"deciliter", "decilitro", Name}, {"deciliter", "decilitros", Name},
    {"hectoliter", "hectolitro", Name}, {"hectoliter", "hectolitros", Name},
    {"oil_barrel", "barril", Name}, {"oil_barrel", "barriles", Name}, {"oil_barrel", "barril de petróleo", Name},
    {"oil_barrel", "barriles de petróleo", Name},
    {"kilogram_force_meter", "kilogramo-fuerza metro", Name}, {"kilogram_force_meter", "kilogramos-fuerza metro", Name},
    {"newton_centimeter", "newton-centímetro", Name}, {"newton_centimeter", "newton-centímetros", Name},
    {"newton_centimeter", "newton centímetro", Name}, {"newton_centimeter", "newton centímetros", Name},
    {"kilocalorie", "kilocaloría", Name}, {"kilocalorie", "kilocalorías", Name},
    {"kilojoule", "kilojulio", Name}, {"kilojoule", "kilojulios", Name},
    {"megajoule", "megajulio", Name}, {"megajoule", "megajulios", Name},
    {"watt_hour", "vatio hora", Name}, {"watt_hour", "vatios hora", Name}, {"watt_hour", "vatio-hora", Name},
    {"watt_hour", "vatios-hora", Name},
    {"megawatt_hour", "megavatio hora", Name}, {"megawatt_hour", "megavatios hora", Name}, {"megawatt_hour", "megavatio-hora", Name},
    {"megawatt_hour", "megavatios-hora", Name},
    {"erg", "ergio", Name}, {"erg", "ergios", Name},
    {"millisecond", "milisegundo", Name}, {"millisecond", "milisegundos", Name},
    {"second", "segundo", Name}, {"second", "segundos", Name},
    {"minute", "minuto", Name}, {"minute", "minutos", Name},
    {"hour", "hora", Name}, {"hour", "horas", Name},
    {"day", "día", Name}, {"day", "días", Name}, {"day", "dia", Name}, {"day", "dias", Name},
    {"week", "semana", Name}, {"week", "semanas", Name},
    {"year", "año", Name}, {"year", "años", Name},
    {"mile_per_us_gallon", "milla/galón", Name}, {"mile_per_us_gallon", "millas/galón", Name},
    {"mile_per_imperial_gallon", "millas/galón imperial", Name},
    {"liter_per_100_kilometers", "litro/100 km", Name}, {"liter_per_100_kilometers", "litros/100 km", Name},
    {"kilometer_per_liter", "kilómetro/litro", Name}, {"kilometer_per_liter", "kilómetros/litro", Name},

    // Angle, frequency, rates, density, acceleration, pace and electricity
    {"degree", "grado", Name}, {"degree", "grados", Name},
    {"radian", "radián", Name}, {"radian", "radianes", Name},
    {"gradian", "gradián", Name}, {"gradian", "gradianes", Name}, {"gradian", "grado centesimal", Name},
    {"gradian", "grados centesimales", Name},
    {"arcminute", "minuto de arco", Name}, {"arcminute", "minutos de arco", Name},
    {"arcsecond", "segundo de arco", Name}, {"arcsecond", "segundos de arco", Name},
    {"turn", "vuelta", Name}, {"turn", "vueltas", Name}, {"turn", "revolución", Name},
    {"turn", "revoluciones", Name},
    {"hertz", "hercio", Name}, {"hertz", "hercios", Name},
    {"kilohertz", "kilohercio", Name}, {"kilohertz", "kilohercios", Name},
    {"megahertz", "megahercio", Name}, {"megahertz", "megahercios", Name},
    {"gigahertz", "gigahercio", Name}, {"gigahertz", "gigahercios", Name},
    {"revolution_per_minute", "revolución/minuto", Name},
    {"revolution_per_minute", "revoluciones/minuto", Name}, {"revolution_per_minute", "vueltas/minuto", Name},
    {"revolution_per_second", "revolución/segundo", Name},
    {"revolution_per_second", "revoluciones/segundo", Name}, {"revolution_per_second", "vueltas/segundo", Name},
    {"radian_per_second", "radián/segundo", Name}, {"radian_per_second", "radianes/segundo", Name},
    {"degree_per_second", "grado/segundo", Name}, {"degree_per_second", "grados/segundo", Name},
    {"bit_per_second", "bit/segundo", Name}, {"bit_per_second", "bits/segundo", Name},
    {"byte_per_second", "byte/segundo", Name}, {"byte_per_second", "bytes/segundo", Name},
    {"kilogram_per_cubic_meter", "kilogramo/metro cúbico", Name},
    {"kilogram_per_cubic_meter", "kilogramos/metro cúbico", Name},
    {"gram_per_cubic_centimeter", "gramo/centímetro cúbico", Name},
    {"gram_per_cubic_centimeter", "gramos/centímetro cúbico", Name},
    {"gram_per_milliliter", "gramo/mililitro", Name}, {"gram_per_milliliter", "gramos/mililitro", Name},
    {"kilogram_per_liter", "kilogramo/litro", Name}, {"kilogram_per_liter", "kilogramos/litro", Name},
    {"pound_per_cubic_foot", "libra/pie cúbico", Name}, {"pound_per_cubic_foot", "libras/pie cúbico", Name},
    {"meter_per_second_squared", "metro/segundo al cuadrado", Name},
    {"meter_per_second_squared", "metros/segundo al cuadrado", Name},
    {"foot_per_second_squared", "pie/segundo al cuadrado", Name},
    {"foot_per_second_squared", "pies/segundo al cuadrado", Name},
    {"standard_gravity", "gravedad estándar", Name},
    {"minute_per_kilometer", "minuto/kilómetro", Name}, {"minute_per_kilometer", "minutos/kilómetro", Name},
    {"minute_per_mile", "minuto/milla", Name}, {"minute_per_mile", "minutos/milla", Name},
    {"second_per_kilometer", "segundo/kilómetro", Name}, {"second_per_kilometer", "segundos/kilómetro", Name},
    {"ampere", "amperio", Name}, {"ampere", "amperios", Name},
    {"milliampere", "miliamperio", Name}, {"milliampere", "miliamperios", Name},
    {"volt", "voltio", Name}, {"volt", "voltios", Name},
    {"millivolt", "milivoltio", Name}, {"millivolt", "milivoltios", Name},
    {"kilovolt", "kilovoltio", Name}, {"kilovolt", "kilovoltios", Name},
    {"ohm", "ohmio", Name}, {"ohm", "ohmios", Name},
    {"kilohm", "kiloohmio", Name}, {"kilohm", "kiloohmios", Name},
    {"megohm", "megaohmio", Name}, {"megohm", "megaohmios", Name},
    {"coulomb", "culombio", Name}, {"coulomb", "culombios", Name},
    {"farad", "faradio", Name}, {"farad", "faradios", Name},
    {"microfarad", "microfaradio", Name}, {"microfarad", "microfaradios", Name},
    {"nanofarad", "nanofaradio", Name}, {"nanofarad", "nanofaradios", Name},
    {"picofarad", "picofaradio", Name}, {"picofarad", "picofaradios", Name},
    {"ampere_hour", "amperio-hora", Name}, {"ampere_hour", "amperios-hora", Name},
    {"milliampere_hour", "miliamperio-hora", Name}, {"milliampere_hour", "miliamperios-hora", Name},

    // Units the unit table added
    {"fathom", "braza", Name}, {"fathom", "brazas", Name},
    {"league", "legua", Name}, {"league", "leguas", Name},
    {"chain", "cadena", Name}, {"chain", "cadenas", Name},
    {"astronomical_unit", "unidad astronómica", Name}, {"astronomical_unit", "unidades astronómicas", Name},
    {"astronomical_unit", "ua", CaseSymbol},
    {"light_year", "año luz", Name}, {"light_year", "años luz", Name},
    {"parsec", "pársec", Name}, {"parsec", "pársecs", Name},
    {"are", "área", Name}, {"are", "áreas", Name},
    {"electronvolt", "electronvoltio", Name}, {"electronvolt", "electronvoltios", Name},
    {"thermochemical_calorie", "caloría termoquímica", Name},
    {"thermochemical_calorie", "calorías termoquímicas", Name},
    {"board_foot", "pie tablar", Name}, {"board_foot", "pies tablares", Name},
    {"microsecond", "microsegundo", Name}, {"microsecond", "microsegundos", Name},
    {"nanosecond", "nanosegundo", Name}, {"nanosecond", "nanosegundos", Name},
    {"picosecond", "picosegundo", Name}, {"picosecond", "picosegundos", Name},
    {"month", "mes", Name}, {"month", "meses", Name},
    {"decade", "década", Name}, {"decade", "décadas", Name},
    {"century", "siglo", Name}, {"century", "siglos", Name},
};

constexpr auto kNames = withCodes(kRows, es);

constexpr std::string_view kInto[] = {"a", "en"};
constexpr std::string_view kPer[] = {"por"};
constexpr std::string_view kAnd[] = {"y"};

} // namespace

extern const LanguageNames kUnitNames_es;
const LanguageNames kUnitNames_es{es, kNames, kInto, kPer, kAnd};

} // namespace mezzurix
