// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// French: the names a French user types, by unit key. Names that English
// already spells alike (yard, gramme, tonne, litre, joule) are read through the English rows.
#include "keyed_names.h"

namespace mezzurix {

namespace {

using enum NameKind;
constexpr std::string_view fr = "fr";

constexpr KeyedName kRows[] = {
    // Distance
    {"inch", "pouce", Name}, {"inch", "pouces", Name},
    {"foot", "pied", Name}, {"foot", "pieds", Name},
    {"mile", "mille", Name}, {"mile", "milles", Name},
    {"millimeter", "millimètre", Name}, {"millimeter", "millimètres", Name},
    {"centimeter", "centimètre", Name}, {"centimeter", "centimètres", Name},
    {"meter", "mètre", Name}, {"meter", "mètres", Name},
    {"kilometer", "kilomètre", Name}, {"kilometer", "kilomètres", Name},

    // Area
    {"square_inch", "pouce carré", Name}, {"square_inch", "pouces carrés", Name},
    {"square_foot", "pied carré", Name}, {"square_foot", "pieds carrés", Name},
    {"square_yard", "yard carré", Name}, {"square_yard", "yards carrés", Name},
    {"square_mile", "mille carré", Name}, {"square_mile", "milles carrés", Name},
    {"square_millimeter", "millimètre carré", Name}, {"square_millimeter", "millimètres carrés", Name},
    {"square_centimeter", "centimètre carré", Name}, {"square_centimeter", "centimètres carrés", Name},
    {"square_meter", "mètre carré", Name}, {"square_meter", "mètres carrés", Name},
    {"square_kilometer", "kilomètre carré", Name}, {"square_kilometer", "kilomètres carrés", Name},

    // Flow Rate; "par" reads as "/"
    {"us_gallon_per_second", "gallon/seconde", Name}, {"us_gallon_per_second", "gallons/seconde", Name},
    {"liter_per_second", "litre/seconde", Name}, {"liter_per_second", "litres/seconde", Name},

    // Power
    {"megawatt", "mégawatt", Name}, {"megawatt", "mégawatts", Name},

    // Mass
    {"ounce", "once", Name}, {"ounce", "onces", Name},
    {"pound", "livre", Name}, {"pound", "livres", Name},
    {"short_ton", "tonne courte", Name}, {"short_ton", "tonnes courtes", Name},
    {"megagram", "mégagramme", Name}, {"megagram", "mégagrammes", Name},

    // Pressure
    {"psi", "livre/pouce carré", Name}, {"psi", "livres/pouce carré", Name},

    // Velocity
    {"foot_per_second", "pied/seconde", Name}, {"foot_per_second", "pieds/seconde", Name},
    {"foot_per_minute", "pied/minute", Name}, {"foot_per_minute", "pieds/minute", Name},
    {"mile_per_hour", "mille/heure", Name}, {"mile_per_hour", "milles/heure", Name},
    {"meter_per_second", "mètre/seconde", Name}, {"meter_per_second", "mètres/seconde", Name},
    {"meter_per_minute", "mètre/minute", Name}, {"meter_per_minute", "mètres/minute", Name},
    {"kilometer_per_hour", "kilomètre/heure", Name}, {"kilometer_per_hour", "kilomètres/heure", Name},

    // Temperature
    {"celsius", "degré Celsius", Name}, {"celsius", "degrés Celsius", Name},
    {"fahrenheit", "degré Fahrenheit", Name}, {"fahrenheit", "degrés Fahrenheit", Name},

    // Volume
    {"cubic_inch", "pouce cube", Name}, {"cubic_inch", "pouces cubes", Name},
    {"cubic_foot", "pied cube", Name}, {"cubic_foot", "pieds cubes", Name},
    {"cubic_yard", "yard cube", Name}, {"cubic_yard", "yards cubes", Name},
    {"cubic_centimeter", "centimètre cube", Name}, {"cubic_centimeter", "centimètres cubes", Name},
    {"cubic_meter", "mètre cube", Name}, {"cubic_meter", "mètres cubes", Name},
    {"us_pint", "pinte", Name}, {"us_pint", "pintes", Name},

    // Torque; the pound-force inch and foot share their names with Energy's
    {"ounce_force_inch", "once-force pouce", Name}, {"ounce_force_inch", "onces-force pouces", Name},
    {"ounce_force_foot", "once-force pied", Name}, {"ounce_force_foot", "onces-force pieds", Name},
    {"pound_force_inch", "livre-force pouce", Name}, {"pound_force_inch", "livres-force pouces", Name},
    {"pound_force_foot", "livre-force pied", Name}, {"pound_force_foot", "livres-force pieds", Name},
    {"newton_meter", "newton-mètre", Name}, {"newton_meter", "newtons-mètres", Name}, {"newton_meter", "newton-mètres", Name},

    // Energy
    {"btu", "unité thermique britannique", Name}, {"btu", "unités thermiques britanniques", Name},
    {"inch_pound_force", "livre-force pouce", Name}, {"inch_pound_force", "livres-force pouces", Name},
    {"foot_pound_force", "livre-force pied", Name}, {"foot_pound_force", "livres-force pieds", Name},
    {"kilowatt_hour", "kilowattheure", Name}, {"kilowatt_hour", "kilowattheures", Name},

    // Force
    {"gram_force", "gramme-force", Name}, {"gram_force", "grammes-force", Name},
    {"kilogram_force", "kilogramme-force", Name}, {"kilogram_force", "kilogrammes-force", Name},
    {"ounce_force", "once-force", Name}, {"ounce_force", "onces-force", Name},
    {"pound_force", "livre-force", Name}, {"pound_force", "livres-force", Name},

    // Light
    {"flame", "flamme", Name}, {"flame", "flammes", Name},
    {"foot_candle", "pied-bougie", Name}, {"foot_candle", "pieds-bougies", Name},
    {"meter_candle", "mètre-bougie", Name}, {"meter_candle", "mètres-bougies", Name},

    // Computer Memory / Disk Capacity: octets; "To" is not read, as "to" separates the units
    {"byte", "o", CaseSymbol}, {"byte", "octet", Name}, {"byte", "octets", Name},
    {"kilobyte", "Ko", CaseSymbol}, {"kilobyte", "ko", CaseSymbol}, {"kilobyte", "kilooctet", Name},
    {"kilobyte", "kilooctets", Name},
    {"megabyte", "Mo", CaseSymbol}, {"megabyte", "mégaoctet", Name}, {"megabyte", "mégaoctets", Name},
    {"gigabyte", "Go", CaseSymbol}, {"gigabyte", "gigaoctet", Name}, {"gigabyte", "gigaoctets", Name},
    {"terabyte", "téraoctet", Name}, {"terabyte", "téraoctets", Name},

    // Units typed conversions know beyond the window's lists
    {"micrometer", "micromètre", Name}, {"micrometer", "micromètres", Name},
    {"nanometer", "nanomètre", Name}, {"nanometer", "nanomètres", Name},
    {"nautical_mile", "mille marin", Name}, {"nautical_mile", "milles marins", Name}, {"nautical_mile", "mille nautique", Name},
    {"nautical_mile", "milles nautiques", Name},
    {"cubic_meter_per_hour", "mètre cube/heure", Name}, {"cubic_meter_per_hour", "mètres cubes/heure", Name},
    {"liter_per_hour", "litre/heure", Name}, {"liter_per_hour", "litres/heure", Name},
    {"cubic_foot_per_minute", "pied cube/minute", Name}, {"cubic_foot_per_minute", "pieds cubes/minute", Name},
    {"us_gallon_per_hour", "gallon/heure", Name}, {"us_gallon_per_hour", "gallons/heure", Name},
    {"metric_horsepower", "cheval-vapeur", Name}, {"metric_horsepower", "chevaux-vapeur", Name}, {"metric_horsepower", "cheval vapeur", Name},
    {"metric_horsepower", "chevaux vapeur", Name}, {"metric_horsepower", "ch", CaseSymbol},
    {"btu_per_hour", "BTU/heure", Name},
    {"long_ton", "tonne longue", Name}, {"long_ton", "tonnes longues", Name},
    {"troy_ounce", "once troy", Name}, {"troy_ounce", "onces troy", Name},
    {"atmosphere", "atmosphère", Name}, {"atmosphere", "atmosphères", Name},
    {"millimeter_of_mercury", "millimètre de mercure", Name}, {"millimeter_of_mercury", "millimètres de mercure", Name},
    {"inch_of_mercury", "pouce de mercure", Name}, {"inch_of_mercury", "pouces de mercure", Name},
    {"megapascal", "mégapascal", Name}, {"megapascal", "mégapascals", Name},
    {"kilogram_force_per_square_centimeter", "kilogramme-force/centimètre carré", Name}, {"kilogram_force_per_square_centimeter", "kilogrammes-force/centimètre carré", Name},
    {"knot", "nœud", Name}, {"knot", "nœuds", Name}, {"knot", "noeud", Name}, {"knot", "noeuds", Name},
    {"rankine", "degré Rankine", Name}, {"rankine", "degrés Rankine", Name},
    {"us_cup", "tasse", Name}, {"us_cup", "tasses", Name},
    {"us_tablespoon", "cuillère à soupe", Name}, {"us_tablespoon", "cuillères à soupe", Name},
    {"us_tablespoon", "cuillerée à soupe", Name}, {"us_tablespoon", "cuillerées à soupe", Name},
    {"us_teaspoon", "cuillère à café", Name}, {"us_teaspoon", "cuillères à café", Name},
    {"us_teaspoon", "cuillerée à café", Name}, {"us_teaspoon", "cuillerées à café", Name},
    {"us_teaspoon", "cuillère à thé", Name}, {"us_teaspoon", "cuillères à thé", Name},
    {"us_fluid_ounce", "once liquide", Name}, {"us_fluid_ounce", "onces liquides", Name},
    {"imperial_gallon", "gallon impérial", Name}, {"imperial_gallon", "gallons impériaux", Name},
    {"imperial_pint", "pinte impériale", Name}, {"imperial_pint", "pintes impériales", Name},
    {"imperial_fluid_ounce", "once liquide impériale", Name}, {"imperial_fluid_ounce", "onces liquides impériales", Name},
    {"deciliter", "décilitre", Name}, {"deciliter", "décilitres", Name},
    {"oil_barrel", "baril", Name}, {"oil_barrel", "barils", Name}, {"oil_barrel", "baril de pétrole", Name},
    {"oil_barrel", "barils de pétrole", Name},
    {"kilogram_force_meter", "kilogramme-force mètre", Name}, {"kilogram_force_meter", "kilogrammes-force mètres", Name},
    {"newton_centimeter", "newton-centimètre", Name}, {"newton_centimeter", "newtons-centimètres", Name},
    {"newton_centimeter", "newton-centimètres", Name},
    {"watt_hour", "wattheure", Name}, {"watt_hour", "wattheures", Name},
    {"megawatt_hour", "mégawattheure", Name}, {"megawatt_hour", "mégawattheures", Name},
    {"millisecond", "milliseconde", Name}, {"millisecond", "millisecondes", Name},
    {"second", "seconde", Name}, {"second", "secondes", Name},
    {"hour", "heure", Name}, {"hour", "heures", Name},
    {"day", "jour", Name}, {"day", "jours", Name},
    {"week", "semaine", Name}, {"week", "semaines", Name},
    {"year", "année", Name}, {"year", "années", Name}, {"year", "an", Name}, {"year", "ans", Name},
    {"mile_per_us_gallon", "mille/gallon", Name}, {"mile_per_us_gallon", "milles/gallon", Name}, {"mile_per_us_gallon", "milles/gallon US", Name},
    {"mile_per_imperial_gallon", "milles/gallon impérial", Name},
    {"kilometer_per_liter", "kilomètre/litre", Name}, {"kilometer_per_liter", "kilomètres/litre", Name},

    // Angle, frequency, rates, density, acceleration, pace and electricity
    {"degree", "degré", Name}, {"degree", "degrés", Name},
    {"gradian", "grade", Name}, {"gradian", "grades", Name},
    {"arcminute", "minute d'arc", Name}, {"arcminute", "minutes d'arc", Name},
    {"arcsecond", "seconde d'arc", Name}, {"arcsecond", "secondes d'arc", Name},
    {"turn", "tour", Name}, {"turn", "tours", Name},
    {"revolution_per_minute", "tr/min", Symbol}, {"revolution_per_minute", "tour/minute", Name},
    {"revolution_per_minute", "tours/minute", Name},
    {"revolution_per_second", "tr/s", Symbol}, {"revolution_per_second", "tour/seconde", Name},
    {"revolution_per_second", "tours/seconde", Name},
    {"radian_per_second", "radian/seconde", Name}, {"radian_per_second", "radians/seconde", Name},
    {"degree_per_second", "degré/seconde", Name}, {"degree_per_second", "degrés/seconde", Name},
    {"bit_per_second", "bit/seconde", Name}, {"bit_per_second", "bits/seconde", Name},
    {"byte_per_second", "o/s", CaseSymbol}, {"byte_per_second", "octet/seconde", Name},
    {"byte_per_second", "octets/seconde", Name},
    {"kilobyte_per_second", "Ko/s", CaseSymbol}, {"kilobyte_per_second", "ko/s", CaseSymbol},
    {"megabyte_per_second", "Mo/s", CaseSymbol},
    {"gigabyte_per_second", "Go/s", CaseSymbol},
    {"kilogram_per_cubic_meter", "kilogramme/mètre cube", Name},
    {"kilogram_per_cubic_meter", "kilogrammes/mètre cube", Name},
    {"gram_per_cubic_centimeter", "gramme/centimètre cube", Name},
    {"gram_per_cubic_centimeter", "grammes/centimètre cube", Name},
    {"gram_per_milliliter", "gramme/millilitre", Name}, {"gram_per_milliliter", "grammes/millilitre", Name},
    {"kilogram_per_liter", "kilogramme/litre", Name}, {"kilogram_per_liter", "kilogrammes/litre", Name},
    {"pound_per_cubic_foot", "livre/pied cube", Name}, {"pound_per_cubic_foot", "livres/pied cube", Name},
    {"meter_per_second_squared", "mètre/seconde carrée", Name},
    {"meter_per_second_squared", "mètres/seconde carrée", Name},
    {"foot_per_second_squared", "pied/seconde carrée", Name},
    {"foot_per_second_squared", "pieds/seconde carrée", Name},
    {"standard_gravity", "pesanteur normale", Name},
    {"minute_per_kilometer", "minute/kilomètre", Name}, {"minute_per_kilometer", "minutes/kilomètre", Name},
    {"minute_per_mile", "minute/mille", Name}, {"minute_per_mile", "minutes/mille", Name},
    {"second_per_kilometer", "seconde/kilomètre", Name}, {"second_per_kilometer", "secondes/kilomètre", Name},
    {"ampere", "ampère", Name}, {"ampere", "ampères", Name},
    {"milliampere", "milliampère", Name}, {"milliampere", "milliampères", Name},
    {"ampere_hour", "ampère-heure", Name}, {"ampere_hour", "ampères-heures", Name},
    {"milliampere_hour", "milliampère-heure", Name}, {"milliampere_hour", "milliampères-heures", Name},

    // Units the unit table added
    {"fathom", "brasse", Name}, {"fathom", "brasses", Name},
    {"league", "lieue", Name}, {"league", "lieues", Name},
    {"chain", "chaîne", Name}, {"chain", "chaînes", Name},
    {"astronomical_unit", "unité astronomique", Name}, {"astronomical_unit", "unités astronomiques", Name},
    {"astronomical_unit", "ua", CaseSymbol},
    {"light_year", "année-lumière", Name}, {"light_year", "années-lumière", Name}, {"light_year", "al", CaseSymbol},
    {"electronvolt", "électronvolt", Name}, {"electronvolt", "électronvolts", Name},
    {"electronvolt", "électron-volt", Name}, {"electronvolt", "électrons-volts", Name},
    {"thermochemical_calorie", "calorie thermochimique", Name},
    {"thermochemical_calorie", "calories thermochimiques", Name},
    {"board_foot", "pied-planche", Name}, {"board_foot", "pieds-planche", Name},
    {"microsecond", "microseconde", Name}, {"microsecond", "microsecondes", Name},
    {"nanosecond", "nanoseconde", Name}, {"nanosecond", "nanosecondes", Name},
    {"picosecond", "picoseconde", Name}, {"picosecond", "picosecondes", Name},
    {"month", "mois", Name},
    {"decade", "décennie", Name}, {"decade", "décennies", Name},
    {"century", "siècle", Name}, {"century", "siècles", Name},
};

constexpr auto kNames = withCodes(kRows, fr);

constexpr std::string_view kInto[] = {"en"};
constexpr std::string_view kPer[] = {"par"};
constexpr std::string_view kAnd[] = {"et"};

} // namespace

extern const LanguageNames kUnitNames_fr;
const LanguageNames kUnitNames_fr{fr, kNames, kInto, kPer, kAnd};

} // namespace mezzurix
