// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/definitions.h>

#include "typed_definitions.h"

#include <array>
#include <cmath>

namespace mezzurix {

namespace {

using enum DefinitionSource;
using namespace definition_rows;

// code, singular, amount, SI unit, offset, description, source, whether the list text leaves the
// variant open. Amounts are exact: customary units from the international yard and pound
// (0.9144 m, 0.45359237 kg), force units under standard gravity (9.80665 m/s²).
constexpr UnitDefinition kWindowDefinitions[] = {
    // Distance
    {0, "Inch", "0.0254", "m", "", "international inch (2.54 centimeters)", NistSp811, kPlain},
    {1, "Foot", "0.3048", "m", "", "international foot (12 inches)", NistSp811, kPlain},
    {2, "Yard", "0.9144", "m", "", "international yard (3 feet)", NistSp811, kPlain},
    {3, "Mile", "1609.344", "m", "", "international mile (5,280 feet)", NistSp811, kPlain},
    {4, "Millimeter", "0.001", "m", "", "millimeter", SiBrochure, kPlain},
    {5, "Centimeter", "0.01", "m", "", "centimeter", SiBrochure, kPlain},
    {6, "Meter", "1", "m", "", "meter, the SI unit of length", SiBrochure, kPlain},
    {7, "Kilometer", "1000", "m", "", "kilometer", SiBrochure, kPlain},
    // Area
    {10, "Sq Inch", "0.00064516", "m²", "", "square international inch", NistSp811, kPlain},
    {11, "Sq Foot", "0.09290304", "m²", "", "square international foot (144 square inches)", NistSp811, kPlain},
    {12, "Sq Yard", "0.83612736", "m²", "", "square international yard (9 square feet)", NistSp811, kPlain},
    {13, "Sq Mile", "2589988.110336", "m²", "", "square international mile (640 acres)", NistSp811, kPlain},
    {14, "Sq Millimeter", "0.000001", "m²", "", "square millimeter", SiBrochure, kPlain},
    {15, "Sq Centimeter", "0.0001", "m²", "", "square centimeter", SiBrochure, kPlain},
    {16, "Sq Meter", "1", "m²", "", "square meter, the SI unit of area", SiBrochure, kPlain},
    {17, "Sq Kilometer", "1000000", "m²", "", "square kilometer", SiBrochure, kPlain},
    // Flow Rate
    {20, "Gallon/Second", "0.003785411784", "m³/s", "", "US liquid gallons (231 cubic inches) per second",
     NistHandbook44, kAmbiguous},
    {21, "Gallon/Minute", "0.003785411784/60", "m³/s", "", "US liquid gallons (231 cubic inches) per minute",
     NistHandbook44, kAmbiguous},
    {22, "Liter/Second", "0.001", "m³/s", "", "liters (cubic decimeters) per second", SiBrochure, kPlain},
    {23, "Liter/Minute", "0.001/60", "m³/s", "", "liters (cubic decimeters) per minute", SiBrochure, kPlain},
    // Power
    {24, "Horsepower", "745.69987158227022", "W", "", "mechanical horsepower (550 foot-pounds-force per second)",
     NistSp811, kAmbiguous},
    {25, "Watt", "1", "W", "", "watt, the SI unit of power", SiBrochure, kPlain},
    {26, "Kilowatt", "1000", "W", "", "kilowatt", SiBrochure, kPlain},
    {27, "Megawatt", "1000000", "W", "", "megawatt", SiBrochure, kPlain},
    // Mass
    {30, "Ounce(avdp)", "0.028349523125", "kg", "", "avoirdupois ounce (1/16 pound)", NistSp811, kPlain},
    {31, "Pound(avdp)", "0.45359237", "kg", "", "avoirdupois pound", NistSp811, kPlain},
    {32, "Ton(avdp-2000#)", "907.18474", "kg", "", "short ton (2,000 pounds)", NistSp811, kAmbiguous},
    {33, "Gram", "0.001", "kg", "", "gram", SiBrochure, kPlain},
    {34, "Kilogram", "1", "kg", "", "kilogram, the SI unit of mass", SiBrochure, kPlain},
    {35, "Megagram", "1000", "kg", "", "megagram (metric ton)", SiBrochure, kPlain},
    // Pressure
    {40, "Millibar", "100", "Pa", "", "millibar (hectopascal)", NistSp811, kPlain},
    {41, "Bar", "100000", "Pa", "", "bar (100 kilopascals)", NistSp811, kPlain},
    {42, "PSI", "4.4482216152605/0.00064516", "Pa", "", "pound-force per square inch", NistSp811, kPlain},
    {43, "Pascal", "1", "Pa", "", "pascal, the SI unit of pressure", SiBrochure, kPlain},
    {44, "Kilopascal", "1000", "Pa", "", "kilopascal", SiBrochure, kPlain},
    // Velocity
    {50, "Foot/second", "0.3048", "m/s", "", "international feet per second", NistSp811, kPlain},
    {51, "Foot/minute", "0.3048/60", "m/s", "", "international feet per minute", NistSp811, kPlain},
    {52, "Mile/hour", "1609.344/3600", "m/s", "", "international miles per hour", NistSp811, kPlain},
    {53, "Meter/second", "1", "m/s", "", "meters per second, the SI unit of speed", SiBrochure, kPlain},
    {54, "Meter/minute", "1/60", "m/s", "", "meters per minute", SiBrochure, kPlain},
    {55, "Kilometer/hour", "1000/3600", "m/s", "", "kilometers per hour", SiBrochure, kPlain},
    // Temperature
    {60, "Celsius", "1", "K", "273.15", "degree Celsius (kelvin less 273.15)", SiBrochure, kPlain},
    {61, "Fahrenheit", "5/9", "K", "459.67", "degree Fahrenheit (5/9 kelvin; water freezes at 32)", NistSp811,
     kPlain},
    // Volume
    {62, "Cubic inch", "0.000016387064", "m³", "", "cubic international inch", NistSp811, kPlain},
    {63, "Cubic foot", "0.028316846592", "m³", "", "cubic international foot (1,728 cubic inches)", NistSp811,
     kPlain},
    {64, "Cubic yard", "0.764554857984", "m³", "", "cubic international yard (27 cubic feet)", NistSp811, kPlain},
    {65, "Cubic centimeter", "0.000001", "m³", "", "cubic centimeter (milliliter)", SiBrochure, kPlain},
    {66, "Cubic meter", "1", "m³", "", "cubic meter, the SI unit of volume", SiBrochure, kPlain},
    {67, "Pint", "0.000473176473", "m³", "", "US liquid pint (28.875 cubic inches)", NistHandbook44, kAmbiguous},
    {68, "Quart", "0.000946352946", "m³", "", "US liquid quart (57.75 cubic inches)", NistHandbook44, kAmbiguous},
    {69, "Gallon", "0.003785411784", "m³", "", "US liquid gallon (231 cubic inches)", NistHandbook44, kAmbiguous},
    {690, "Liter", "0.001", "m³", "", "liter (cubic decimeter)", SiBrochure, kPlain},
    // Torque
    {70, "Ounce-force/inch", "0.00706155181422604375", "N·m", "", "ounce-force inch (one ounce-force at one inch)",
     NistSp811, kPlain},
    {71, "Ounce-force/foot", "0.084738621770712525", "N·m", "", "ounce-force foot (one ounce-force at one foot)",
     NistSp811, kPlain},
    {72, "Pound-force/inch(Inch pound)", "0.1129848290276167", "N·m", "",
     "pound-force inch (one pound-force at one inch)", NistSp811, kPlain},
    {73, "Pound-force/foot(Foot pound)", "1.3558179483314004", "N·m", "",
     "pound-force foot (one pound-force at one foot)", NistSp811, kPlain},
    {74, "Newton meter", "1", "N·m", "", "newton meter, the SI unit of torque", SiBrochure, kPlain},
    // Energy
    {80, "BTU", "1055.05585262", "J", "", "International Table British thermal unit", NistSp811, kAmbiguous},
    {81, "Calorie", "4.1868", "J", "", "IT calorie (International Table; a food Calorie is 1,000 of them)",
     NistSp811, kAmbiguous},
    {82, "Pound-force inch", "0.1129848290276167", "J", "", "pound-force inch of work", NistSp811, kPlain},
    {83, "Pound-force foot", "1.3558179483314004", "J", "", "foot-pound-force of work", NistSp811, kPlain},
    {84, "Horsepower-hour", "2684519.537696172792", "J", "", "mechanical horsepower for one hour", NistSp811,
     kAmbiguous},
    {85, "Joule", "1", "J", "", "joule, the SI unit of energy", SiBrochure, kPlain},
    {86, "Kilowatt-hour", "3600000", "J", "", "kilowatt-hour", SiBrochure, kPlain},
    // Force
    {90, "Dyne", "0.00001", "N", "", "dyne (centimeter-gram-second unit)", NistSp811, kPlain},
    {91, "Gram-force", "0.00980665", "N", "", "gram-force (one gram under standard gravity)", NistSp811, kPlain},
    {92, "Kilogram-force", "9.80665", "N", "", "kilogram-force (one kilogram under standard gravity)", NistSp811,
     kPlain},
    {93, "Millinewton", "0.001", "N", "", "millinewton", SiBrochure, kPlain},
    {94, "Newton", "1", "N", "", "newton, the SI unit of force", SiBrochure, kPlain},
    {95, "Kilonewton", "1000", "N", "", "kilonewton", SiBrochure, kPlain},
    {96, "Ounce-force", "0.27801385095378125", "N", "", "avoirdupois ounce-force (under standard gravity)",
     NistSp811, kPlain},
    {97, "Pound-force", "4.4482216152605", "N", "", "avoirdupois pound-force (under standard gravity)", NistSp811,
     kPlain},
    // Light
    {100, "Flame", "4/0.09290304", "lx", "", "flame (4 foot-candles)", OwnDefinition, kAmbiguous},
    {101, "Foot-candle", "1/0.09290304", "lx", "", "foot-candle (one lumen per square foot)", NistSp811, kPlain},
    {102, "Lux", "1", "lx", "", "lux, the SI unit of illuminance", SiBrochure, kPlain},
    {103, "Meter-candle", "1", "lx", "", "meter-candle (the same as one lux)", NistSp811, kPlain},
    // Computer Memory / Disk Capacity
    {201, "Byte (B)", "1", "B", "", "byte (8 bits)", Iec80000_13, kPlain},
    {202, "Kilobyte (KB)", "1024", "B", "", "binary kilobyte (1,024 bytes; kibibyte, KiB)", Iec80000_13, kAmbiguous},
    {203, "Megabyte (MB)", "1048576", "B", "", "binary megabyte (1,024² bytes; mebibyte, MiB)", Iec80000_13,
     kAmbiguous},
    {204, "Gigabyte (GB)", "1073741824", "B", "", "binary gigabyte (1,024³ bytes; gibibyte, GiB)", Iec80000_13,
     kAmbiguous},
    {205, "Terabyte (TB)", "1099511627776", "B", "", "binary terabyte (1,024⁴ bytes; tebibyte, TiB)", Iec80000_13,
     kAmbiguous},
};

// Unit codes run from 0 to 1263: a row index per code, built once.
constexpr int kCodeLimit = 2048;
constexpr short kNoRow = -1;
constexpr std::size_t kWindowRows = std::size(kWindowDefinitions);

constexpr std::array<UnitDefinition, kWindowRows + std::size(kTypedOnlyDefinitions)> kDefinitions = [] {
    std::array<UnitDefinition, kWindowRows + std::size(kTypedOnlyDefinitions)> all{};
    std::size_t i = 0;
    for (const UnitDefinition& row : kWindowDefinitions)
        all[i++] = row;
    for (const UnitDefinition& row : kTypedOnlyDefinitions)
        all[i++] = row;
    return all;
}();

constexpr std::array<short, kCodeLimit> makeRowIndex()
{
    std::array<short, kCodeLimit> rows{};
    rows.fill(kNoRow);
    for (std::size_t i = 0; i < std::size(kDefinitions); ++i)
        rows[static_cast<std::size_t>(kDefinitions[i].code)] = static_cast<short>(i);
    return rows;
}
constexpr std::array<short, kCodeLimit> kRowOfCode = makeRowIndex();

bool isExactlyOne(std::string_view number)
{
    constexpr std::string_view kMinusSign = "\u2212";
    if (number.starts_with(kMinusSign))
        number.remove_prefix(kMinusSign.size());
    else if (!number.empty() && (number.front() == '-' || number.front() == '+'))
        number.remove_prefix(1);
    return number == "1";
}

std::optional<ExactRatio> amountOf(const UnitDefinition& definition)
{
    return ExactRatio::parse(definition.amount);
}

std::optional<ExactRatio> offsetOf(const UnitDefinition& definition)
{
    return definition.offset.empty() ? ExactRatio() : ExactRatio::parse(definition.offset);
}

} // namespace

std::string_view sourceName(DefinitionSource source)
{
    switch (source) {
    case SiBrochure:
        return "SI Brochure";
    case NistSp811:
        return "NIST SP 811";
    case NistHandbook44:
        return "NIST Handbook 44";
    case Iec80000_13:
        return "IEC 80000-13";
    case Iau:
        return "IAU";
    case OwnDefinition:
        break;
    }
    return "this program's own";
}

std::span<const UnitDefinition> unitDefinitions()
{
    return kDefinitions;
}

const UnitDefinition* findDefinition(int unitCode)
{
    if (unitCode < 0 || unitCode >= kCodeLimit)
        return nullptr;
    const short row = kRowOfCode[static_cast<std::size_t>(unitCode)];
    return row == kNoRow ? nullptr : &kDefinitions[row];
}

std::string_view nameAfterNumber(const Unit& unit, std::string_view numberText)
{
    if (!isExactlyOne(numberText))
        return unit.text;
    const UnitDefinition* definition = findDefinition(unit.code);
    return definition != nullptr ? definition->singular : unit.text;
}

std::string definitionText(const UnitDefinition& definition)
{
    // Digits shown of an amount that is a ratio: as many as a double holds.
    constexpr int kShownDigits = 15;
    std::string text;
    if (!definition.offset.empty())
        text = "(x + " + std::string(definition.offset) + ") \u00d7 ";
    text += std::string(definition.amount) + ' ' + std::string(definition.siUnit);
    if (definition.amount.find('/') != std::string_view::npos)
        if (const std::optional<ExactRatio> amount = amountOf(definition))
            text += " = " + amount->decimalText(kShownDigits) + ' ' + std::string(definition.siUnit);
    if (definition.reciprocal)
        text += " \u00f7 x";
    return text;
}

std::optional<ExactRatio> exactFactor(int fromCode, int intoCode)
{
    const UnitDefinition* from = findDefinition(fromCode);
    const UnitDefinition* into = findDefinition(intoCode);
    if (from == nullptr || into == nullptr || !from->offset.empty() || !into->offset.empty() || from->reciprocal ||
        into->reciprocal)
        return std::nullopt;
    const std::optional<ExactRatio> a = amountOf(*from);
    const std::optional<ExactRatio> b = amountOf(*into);
    if (!a || !b)
        return std::nullopt;
    return *a / *b;
}

std::optional<ExactRatio> exactConversion(int fromCode, int intoCode, const ExactRatio& x)
{
    const UnitDefinition* from = findDefinition(fromCode);
    const UnitDefinition* into = findDefinition(intoCode);
    if (from == nullptr || into == nullptr)
        return std::nullopt;
    const std::optional<ExactRatio> fromAmount = amountOf(*from);
    const std::optional<ExactRatio> fromOffset = offsetOf(*from);
    const std::optional<ExactRatio> intoAmount = amountOf(*into);
    const std::optional<ExactRatio> intoOffset = offsetOf(*into);
    if (!fromAmount || !fromOffset || !intoAmount || !intoOffset)
        return std::nullopt;
    if (from->reciprocal || into->reciprocal) {
        const std::optional<ExactRatio> si = from->reciprocal ? *fromAmount / x : x * *fromAmount;
        if (!si)
            return std::nullopt;
        return into->reciprocal ? *intoAmount / *si : *si / *intoAmount;
    }
    const std::optional<ExactRatio> shifted = x + *fromOffset;
    const std::optional<ExactRatio> si = shifted ? *shifted * *fromAmount : std::nullopt;
    const std::optional<ExactRatio> scaled = si ? *si / *intoAmount : std::nullopt;
    return scaled ? *scaled - *intoOffset : std::nullopt;
}

bool reciprocalPair(int fromCode, int intoCode)
{
    const UnitDefinition* from = findDefinition(fromCode);
    const UnitDefinition* into = findDefinition(intoCode);
    return from != nullptr && into != nullptr && from->reciprocal != into->reciprocal;
}

std::optional<double> convertByDefinitions(int fromCode, int intoCode, double x)
{
    const UnitDefinition* from = findDefinition(fromCode);
    const UnitDefinition* into = findDefinition(intoCode);
    if (from == nullptr || into == nullptr)
        return std::nullopt;
    // One exact factor for the pair, rounded once: k x, k / x, or (x + offset) k - offset.
    const std::optional<ExactRatio> fromAmount = amountOf(*from);
    const std::optional<ExactRatio> intoAmount = amountOf(*into);
    const std::optional<ExactRatio> fromOffset = offsetOf(*from);
    const std::optional<ExactRatio> intoOffset = offsetOf(*into);
    if (!fromAmount || !intoAmount || !fromOffset || !intoOffset)
        return std::nullopt;
    const std::optional<ExactRatio> k = into->reciprocal ? *intoAmount / *fromAmount : *fromAmount / *intoAmount;
    if (!k)
        return std::nullopt;
    return applyFactor(k->nearestDouble(), from->reciprocal != into->reciprocal, fromOffset->nearestDouble(),
                       intoOffset->nearestDouble(), x);
}

std::optional<double> applyFactor(double k, bool reciprocal, double fromOffset, double intoOffset, double x)
{
    // What is left after an offset is taken off is noise below this share of the offset: the
    // rounding of the typed value and of the offsets themselves ("491.67 °R" is 0 °C).
    constexpr double kOffsetNoise = 1e-13;
    double result = 0.0;
    if (reciprocal) {
        result = k / x;
    } else {
        result = (x + fromOffset) * k - intoOffset;
        if (std::abs(result) < kOffsetNoise * intoOffset)
            result = 0.0;
    }
    if (!std::isfinite(result))
        return std::nullopt;
    return result;
}

} // namespace mezzurix
