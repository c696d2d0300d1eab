// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// German: the names a German user types, by unit key. Names that English
// already spells alike (Meter, Liter, Watt, Bar, Joule) are read through the English rows.
#include "keyed_names.h"

namespace mezzurix {

namespace {

using enum NameKind;
constexpr std::string_view de = "de";

constexpr KeyedName kRows[] = {
    // Distance
    {"inch", "Zoll", Name},
    {"foot", "Fuß", Name}, {"foot", "Fuss", Name},
    {"mile", "Meile", Name}, {"mile", "Meilen", Name},
    {"centimeter", "Zentimeter", Name},

    // Area
    {"square_inch", "Quadratzoll", Name},
    {"square_foot", "Quadratfuß", Name}, {"square_foot", "Quadratfuss", Name},
    {"square_yard", "Quadratyard", Name},
    {"square_mile", "Quadratmeile", Name}, {"square_mile", "Quadratmeilen", Name},
    {"square_millimeter", "Quadratmillimeter", Name}, {"square_millimeter", "qmm", Symbol},
    {"square_centimeter", "Quadratzentimeter", Name}, {"square_centimeter", "qcm", Symbol},
    {"square_meter", "Quadratmeter", Name}, {"square_meter", "qm", Symbol},
    {"square_kilometer", "Quadratkilometer", Name}, {"square_kilometer", "qkm", Symbol},

    // Flow Rate; "pro" reads as "/"
    {"us_gallon_per_second", "Gallone/Sekunde", Name}, {"us_gallon_per_second", "Gallonen/Sekunde", Name},
    {"us_gallon_per_minute", "Gallone/Minute", Name}, {"us_gallon_per_minute", "Gallonen/Minute", Name},
    {"liter_per_second", "Liter/Sekunde", Name},

    // Mass
    {"ounce", "Unze", Name}, {"ounce", "Unzen", Name},
    {"pound", "Pfund", Name},
    {"short_ton", "US-Tonne", Name}, {"short_ton", "US-Tonnen", Name},
    {"gram", "Gramm", Name},
    {"kilogram", "Kilogramm", Name},
    {"megagram", "Megagramm", Name},

    // Pressure
    {"millibar", "Hektopascal", Name},
    {"psi", "Pfund/Quadratzoll", Name},

    // Velocity
    {"foot_per_second", "Fuß/Sekunde", Name}, {"foot_per_second", "Fuss/Sekunde", Name},
    {"foot_per_minute", "Fuß/Minute", Name}, {"foot_per_minute", "Fuss/Minute", Name},
    {"mile_per_hour", "Meile/Stunde", Name}, {"mile_per_hour", "Meilen/Stunde", Name},
    {"meter_per_second", "Meter/Sekunde", Name},
    {"kilometer_per_hour", "Kilometer/Stunde", Name}, {"kilometer_per_hour", "Stundenkilometer", Name},

    // Temperature
    {"celsius", "Grad Celsius", Name}, {"celsius", "Grad C", Name},
    {"fahrenheit", "Grad Fahrenheit", Name}, {"fahrenheit", "Grad F", Name},

    // Volume
    {"cubic_inch", "Kubikzoll", Name},
    {"cubic_foot", "Kubikfuß", Name}, {"cubic_foot", "Kubikfuss", Name},
    {"cubic_yard", "Kubikyard", Name},
    {"cubic_centimeter", "Kubikzentimeter", Name}, {"cubic_centimeter", "ccm", Symbol},
    {"cubic_meter", "Kubikmeter", Name}, {"cubic_meter", "cbm", Symbol},
    {"us_pint", "US-Pint", Name}, {"us_pint", "US-Pints", Name},
    {"us_quart", "US-Quart", Name}, {"us_quart", "US-Quarts", Name},
    {"us_gallon", "Gallone", Name}, {"us_gallon", "Gallonen", Name}, {"us_gallon", "US-Gallone", Name},
    {"us_gallon", "US-Gallonen", Name},

    // Torque; the pound-force inch and foot share their names with Energy's
    {"ounce_force_inch", "Unzenkraft-Zoll", Name},
    {"ounce_force_foot", "Unzenkraft-Fuß", Name},
    {"pound_force_inch", "Pfundkraft-Zoll", Name},
    {"pound_force_foot", "Pfundkraft-Fuß", Name},
    {"newton_meter", "Newtonmeter", Name},

    // Energy
    {"btu", "Britische Wärmeeinheit", Name}, {"btu", "Britische Wärmeeinheiten", Name},
    {"calorie", "Kalorie", Name}, {"calorie", "Kalorien", Name},
    {"inch_pound_force", "Pfundkraft-Zoll", Name},
    {"foot_pound_force", "Pfundkraft-Fuß", Name},
    {"kilowatt_hour", "Kilowattstunde", Name}, {"kilowatt_hour", "Kilowattstunden", Name},

    // Force
    {"gram_force", "Pond", Name},
    {"ounce_force", "Unzenkraft", Name},
    {"pound_force", "Pfundkraft", Name},

    // Light
    {"flame", "Flamme", Name}, {"flame", "Flammen", Name},
    {"meter_candle", "Meterkerze", Name}, {"meter_candle", "Meterkerzen", Name},

    // Units typed conversions know beyond the window's lists
    {"micrometer", "Mikrometer", Name},
    {"nautical_mile", "Seemeile", Name}, {"nautical_mile", "Seemeilen", Name},
    {"hectare", "Hektar", Name},
    {"cubic_meter_per_hour", "Kubikmeter/Stunde", Name},
    {"liter_per_hour", "Liter/Stunde", Name},
    {"cubic_foot_per_minute", "Kubikfuß/Minute", Name}, {"cubic_foot_per_minute", "Kubikfuss/Minute", Name},
    {"us_gallon_per_hour", "Gallone/Stunde", Name}, {"us_gallon_per_hour", "Gallonen/Stunde", Name},
    {"metric_horsepower", "Pferdestärke", Name}, {"metric_horsepower", "Pferdestärken", Name}, {"metric_horsepower", "metrische PS", Name},
    {"btu_per_hour", "BTU/Stunde", Name},
    {"milligram", "Milligramm", Name},
    {"microgram", "Mikrogramm", Name},
    {"long_ton", "britische Tonne", Name}, {"long_ton", "britische Tonnen", Name}, {"long_ton", "Langtonne", Name},
    {"long_ton", "Langtonnen", Name},
    {"troy_ounce", "Feinunze", Name}, {"troy_ounce", "Feinunzen", Name}, {"troy_ounce", "Troyunze", Name},
    {"troy_ounce", "Troyunzen", Name},
    {"carat", "Karat", Name},
    {"grain", "Gran", Name},
    {"atmosphere", "Atmosphäre", Name}, {"atmosphere", "Atmosphären", Name},
    {"millimeter_of_mercury", "Millimeter Quecksilbersäule", Name},
    {"inch_of_mercury", "Zoll Quecksilbersäule", Name},
    {"kilogram_force_per_square_centimeter", "Kilopond/Quadratzentimeter", Name}, {"kilogram_force_per_square_centimeter", "kp/cm²", CaseSymbol},
    {"knot", "Knoten", Name},
    {"rankine", "Grad Rankine", Name},
    {"us_cup", "Tasse", Name}, {"us_cup", "Tassen", Name}, {"us_cup", "US-Tasse", Name},
    {"us_cup", "US-Tassen", Name},
    {"us_tablespoon", "Esslöffel", Name}, {"us_tablespoon", "Eßlöffel", Name}, {"us_tablespoon", "EL", CaseSymbol},
    {"us_teaspoon", "Teelöffel", Name}, {"us_teaspoon", "TL", CaseSymbol},
    {"us_fluid_ounce", "Flüssigunze", Name}, {"us_fluid_ounce", "Flüssigunzen", Name}, {"us_fluid_ounce", "US-Flüssigunze", Name},
    {"us_fluid_ounce", "US-Flüssigunzen", Name},
    {"imperial_gallon", "britische Gallone", Name}, {"imperial_gallon", "britische Gallonen", Name},
    {"imperial_gallon", "imperiale Gallone", Name}, {"imperial_gallon", "imperiale Gallonen", Name},
    {"imperial_pint", "britisches Pint", Name}, {"imperial_pint", "britische Pints", Name},
    {"imperial_fluid_ounce", "britische Flüssigunze", Name}, {"imperial_fluid_ounce", "britische Flüssigunzen", Name},
    {"centiliter", "Zentiliter", Name},
    {"deciliter", "Deziliter", Name},
    {"hectoliter", "Hektoliter", Name},
    {"oil_barrel", "Ölbarrel", Name}, {"oil_barrel", "Barrel Rohöl", Name},
    {"kilogram_force_meter", "Kilopondmeter", Name},
    {"newton_centimeter", "Newtonzentimeter", Name},
    {"kilocalorie", "Kilokalorie", Name}, {"kilocalorie", "Kilokalorien", Name},
    {"watt_hour", "Wattstunde", Name}, {"watt_hour", "Wattstunden", Name},
    {"megawatt_hour", "Megawattstunde", Name}, {"megawatt_hour", "Megawattstunden", Name},
    {"millisecond", "Millisekunde", Name}, {"millisecond", "Millisekunden", Name},
    {"second", "Sekunde", Name}, {"second", "Sekunden", Name},
    {"minute", "Minuten", Name},
    {"hour", "Stunde", Name}, {"hour", "Stunden", Name}, {"hour", "Std", CaseSymbol},
    {"day", "Tag", Name}, {"day", "Tage", Name}, {"day", "Tagen", Name},
    {"week", "Woche", Name}, {"week", "Wochen", Name},
    {"year", "Jahr", Name}, {"year", "Jahre", Name}, {"year", "Jahren", Name},
    {"mile_per_us_gallon", "Meile/Gallone", Name}, {"mile_per_us_gallon", "Meilen/Gallone", Name}, {"mile_per_us_gallon", "Meilen/US-Gallone", Name},
    {"mile_per_imperial_gallon", "Meilen/britische Gallone", Name},

    // Angle, frequency, rates, density, acceleration, pace and electricity; "Grad" is the degree,
    // as German names win over the gradian's English "grad"
    {"degree", "Grad", Name}, {"degree", "Winkelgrad", Name},
    {"radian", "Radiant", Name}, {"radian", "Radianten", Name},
    {"gradian", "Neugrad", Name},
    {"arcminute", "Bogenminute", Name}, {"arcminute", "Bogenminuten", Name},
    {"arcminute", "Winkelminute", Name}, {"arcminute", "Winkelminuten", Name},
    {"arcsecond", "Bogensekunde", Name}, {"arcsecond", "Bogensekunden", Name},
    {"arcsecond", "Winkelsekunde", Name}, {"arcsecond", "Winkelsekunden", Name},
    {"turn", "Umdrehung", Name}, {"turn", "Umdrehungen", Name}, {"turn", "Vollwinkel", Name},
    {"revolution_per_minute", "U/min", Symbol}, {"revolution_per_minute", "Umdrehung/Minute", Name},
    {"revolution_per_minute", "Umdrehungen/Minute", Name},
    {"revolution_per_second", "U/s", Symbol}, {"revolution_per_second", "Umdrehung/Sekunde", Name},
    {"revolution_per_second", "Umdrehungen/Sekunde", Name},
    {"radian_per_second", "Radiant/Sekunde", Name},
    {"degree_per_second", "Grad/Sekunde", Name},
    {"bit_per_second", "Bit/Sekunde", Name},
    {"byte_per_second", "Byte/Sekunde", Name},
    {"kilogram_per_cubic_meter", "Kilogramm/Kubikmeter", Name},
    {"gram_per_cubic_centimeter", "Gramm/Kubikzentimeter", Name},
    {"gram_per_milliliter", "Gramm/Milliliter", Name},
    {"kilogram_per_liter", "Kilogramm/Liter", Name},
    {"pound_per_cubic_foot", "Pfund/Kubikfuß", Name}, {"pound_per_cubic_foot", "Pfund/Kubikfuss", Name},
    {"meter_per_second_squared", "Meter/Quadratsekunde", Name},
    {"foot_per_second_squared", "Fuß/Quadratsekunde", Name},
    {"foot_per_second_squared", "Fuss/Quadratsekunde", Name},
    {"standard_gravity", "Normfallbeschleunigung", Name}, {"standard_gravity", "Erdbeschleunigung", Name},
    {"minute_per_kilometer", "Minute/Kilometer", Name}, {"minute_per_kilometer", "Minuten/Kilometer", Name},
    {"minute_per_mile", "Minute/Meile", Name}, {"minute_per_mile", "Minuten/Meile", Name},
    {"second_per_kilometer", "Sekunde/Kilometer", Name}, {"second_per_kilometer", "Sekunden/Kilometer", Name},
    {"ampere_hour", "Amperestunde", Name}, {"ampere_hour", "Amperestunden", Name},
    {"milliampere_hour", "Milliamperestunde", Name}, {"milliampere_hour", "Milliamperestunden", Name},
    {"kilohm", "Kiloohm", Name}, {"megohm", "Megaohm", Name},
    {"microfarad", "Mikrofarad", Name}, {"picofarad", "Pikofarad", Name},

    // Units the unit table added
    {"fathom", "Faden", Name},
    {"astronomical_unit", "Astronomische Einheit", Name}, {"astronomical_unit", "Astronomische Einheiten", Name},
    {"astronomical_unit", "AE", CaseSymbol},
    {"light_year", "Lichtjahr", Name}, {"light_year", "Lichtjahre", Name}, {"light_year", "Lichtjahren", Name},
    {"light_year", "Lj", CaseSymbol},
    {"are", "Ar", Name},
    {"electronvolt", "Elektronenvolt", Name},
    {"thermochemical_calorie", "thermochemische Kalorie", Name},
    {"thermochemical_calorie", "thermochemische Kalorien", Name},
    {"microsecond", "Mikrosekunde", Name}, {"microsecond", "Mikrosekunden", Name},
    {"nanosecond", "Nanosekunde", Name}, {"nanosecond", "Nanosekunden", Name},
    {"picosecond", "Pikosekunde", Name}, {"picosecond", "Pikosekunden", Name},
    {"month", "Monat", Name}, {"month", "Monate", Name}, {"month", "Monaten", Name},
    {"decade", "Jahrzehnt", Name}, {"decade", "Jahrzehnte", Name}, {"decade", "Jahrzehnten", Name},
    {"decade", "Dekade", Name}, {"decade", "Dekaden", Name},
    {"century", "Jahrhundert", Name}, {"century", "Jahrhunderte", Name}, {"century", "Jahrhunderten", Name},
};

constexpr auto kNames = withCodes(kRows, de);

constexpr std::string_view kInto[] = {"in", "nach"};
constexpr std::string_view kPer[] = {"pro"};
constexpr std::string_view kAnd[] = {"und"};

} // namespace

extern const LanguageNames kUnitNames_de;
const LanguageNames kUnitNames_de{de, kNames, kInto, kPer, kAnd};

} // namespace mezzurix
