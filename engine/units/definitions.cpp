// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/definitions.h>
#include <mezzurix/display_names.h>
#include <mezzurix/number_digits.h>

#include <mezzurix/exact_amount.h>
#include <mezzurix/unit_record.h>

#include <cmath>
#include <string>
#include <vector>

namespace mezzurix {

namespace {

using enum DefinitionSource;

// An amount as a definition writes it: in decimals where they end, otherwise as a fraction.
std::string writtenAmount(const ExactAmount& amount)
{
    // More digits than any decimal amount of a unit has.
    constexpr int kDecimalDigits = 40;
    const std::string decimals = amount.decimalText(kDecimalDigits);
    return amount.piPower() == 0 && !decimals.ends_with("\u2026") ? decimals : amount.definitionText();
}

// One row per record of the unit table, in its order, with its amount and offset read, built once.
struct Definitions {
    std::vector<UnitDefinition> rows;
    std::vector<std::optional<ExactAmount>> amounts;  // by row; nullopt for a text that does not read
    std::vector<std::optional<ExactAmount>> offsets;
    // The amounts that name another unit, written out: their rows' amount texts view them.
    std::vector<std::string> amountTexts;

    Definitions()
    {
        amountTexts.reserve(unitRecords().size());
        for (const UnitRecord& unit : unitRecords()) {
            amounts.push_back(unitAmount(unit));
            offsets.push_back(unit.offset.empty() ? ExactAmount() : ExactAmount::parse(unit.offset));
            std::string_view amount = unit.amount;
            if (amountNamesUnits(unit) && amounts.back())
                amount = amountTexts.emplace_back(writtenAmount(*amounts.back()));
            rows.push_back({unitCode(unit), unit.singular, amount, findCategoryRecord(unit.category)->siUnit,
                            unit.offset, unit.description, unit.source, unit.nameIsAmbiguous, unit.reciprocal});
        }
    }
};

// Built on first use, so that it is complete whenever it is asked for, from the initialiser of
// a global in another file too.
const Definitions& definitions()
{
    static const Definitions all;
    return all;
}

// `definition` is one of unitDefinitions().
const std::optional<ExactAmount>& amountOf(const UnitDefinition& definition)
{
    return definitions().amounts[static_cast<std::size_t>(&definition - definitions().rows.data())];
}

const std::optional<ExactAmount>& offsetOf(const UnitDefinition& definition)
{
    return definitions().offsets[static_cast<std::size_t>(&definition - definitions().rows.data())];
}

// The factor that turns x of `from` into `into` (k in k x or k / x), rounded once from the two
// exact amounts.
std::optional<double> roundedFactor(const UnitDefinition& from, const UnitDefinition& into)
{
    const std::optional<ExactAmount>& a = amountOf(from);
    const std::optional<ExactAmount>& b = amountOf(into);
    if (!a || !b)
        return std::nullopt;
    const std::optional<ExactAmount> k = into.reciprocal ? *b / *a : *a / *b;
    return k ? std::optional(k->toDouble()) : std::nullopt;
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
    return definitions().rows;
}

const UnitDefinition* findDefinition(int unitCode)
{
    const UnitRecord* unit = findUnitRecord(unitCode);
    return unit != nullptr ? &definitions().rows[static_cast<std::size_t>(unit - unitRecords().data())] : nullptr;
}

bool isExactlyOne(std::string_view number)
{
    number.remove_prefix(number_digits::signLength(number));
    return number == "1";
}

std::string_view nameAfterNumber(const Unit& unit, std::string_view numberText)
{
    const UnitRecord* record = findUnitRecord(unit.code);
    if (record == nullptr)
        return unit.text;
    return nameAfterNumber(*record, nullptr, {}, numberText, ".");
}

std::string definitionText(const UnitDefinition& definition)
{
    // Digits shown of an amount that is a ratio: as many as a double holds.
    constexpr int kShownDigits = 15;
    std::string text;
    if (!definition.offset.empty())
        text = "(x + " + std::string(definition.offset) + ") \u00d7 ";
    text += std::string(definition.amount) + ' ' + std::string(definition.siUnit);
    // An amount that is no plain decimal ("5/18", "96939420213600000/π") in decimals too.
    if (definition.amount.find_first_not_of("0123456789.") != std::string_view::npos)
        if (const std::optional<ExactAmount>& amount = amountOf(definition))
            text += " = " + amount->decimalText(kShownDigits) + ' ' + std::string(definition.siUnit);
    if (definition.reciprocal)
        text += " \u00f7 x";
    return text;
}

std::optional<ExactAmount> exactFactor(int fromCode, int intoCode)
{
    const UnitDefinition* from = findDefinition(fromCode);
    const UnitDefinition* into = findDefinition(intoCode);
    if (from == nullptr || into == nullptr || !from->offset.empty() || !into->offset.empty() || from->reciprocal ||
        into->reciprocal)
        return std::nullopt;
    const std::optional<ExactAmount>& a = amountOf(*from);
    const std::optional<ExactAmount>& b = amountOf(*into);
    if (!a || !b)
        return std::nullopt;
    return *a / *b;
}

std::optional<ExactAmount> exactConversion(int fromCode, int intoCode, const ExactAmount& x)
{
    const UnitDefinition* from = findDefinition(fromCode);
    const UnitDefinition* into = findDefinition(intoCode);
    if (from == nullptr || into == nullptr)
        return std::nullopt;
    const std::optional<ExactAmount>& fromAmount = amountOf(*from);
    const std::optional<ExactAmount>& fromOffset = offsetOf(*from);
    const std::optional<ExactAmount>& intoAmount = amountOf(*into);
    const std::optional<ExactAmount>& intoOffset = offsetOf(*into);
    if (!fromAmount || !fromOffset || !intoAmount || !intoOffset)
        return std::nullopt;
    if (from->reciprocal || into->reciprocal) {
        const std::optional<ExactAmount> si = from->reciprocal ? *fromAmount / x : x * *fromAmount;
        if (!si)
            return std::nullopt;
        return into->reciprocal ? *intoAmount / *si : *si / *intoAmount;
    }
    const std::optional<ExactAmount> shifted = x + *fromOffset;
    const std::optional<ExactAmount> si = shifted ? *shifted * *fromAmount : std::nullopt;
    const std::optional<ExactAmount> scaled = si ? *si / *intoAmount : std::nullopt;
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
    const std::optional<double> k = roundedFactor(*from, *into);
    const std::optional<ExactAmount>& fromOffset = offsetOf(*from);
    const std::optional<ExactAmount>& intoOffset = offsetOf(*into);
    if (!k || !fromOffset || !intoOffset)
        return std::nullopt;
    return applyFactor(*k, from->reciprocal != into->reciprocal, fromOffset->toDouble(),
                       intoOffset->toDouble(), x);
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
