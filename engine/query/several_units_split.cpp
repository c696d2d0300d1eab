// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Answers into several units: "175 cm to ft in" is "5 ft 8.8976378 in".

#include "several_units.h"

#include <mezzurix/definitions.h>
#include <mezzurix/exact_amount.h>
#include <mezzurix/unit_names.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace mezzurix::several_units {

namespace {

// A double holds every whole number up to this one, so a larger part below it is written in
// full and its value says the same; a part beyond it leaves nothing a double could show to the
// smaller ones.
constexpr long long kLargestExactWhole = 1LL << 53;

struct Amounts {
    std::vector<double> wholes;  // the larger parts, largest first
    double rest = 0.0;           // the last part
};

// `total` (not negative, in the last of `codes`) split exactly through the units' definitions;
// nullopt where a quotient carries π (a parsec against light years), or a whole part reaches
// kLargestExactWhole.
std::optional<Amounts> exactAmounts(std::string_view total, const std::vector<int>& codes)
{
    std::optional<ExactAmount> rest = ExactAmount::parse(total);
    Amounts amounts;
    for (std::size_t i = 0; rest && i + 1 < codes.size(); ++i) {
        const std::optional<ExactAmount> size = exactFactor(codes[i], codes.back());
        const std::optional<ExactAmount> quotient = size ? *rest / *size : std::nullopt;
        if (!quotient || quotient->piPower() != 0)
            return std::nullopt;
        const BigInteger whole = BigInteger::divide(quotient->numerator(), quotient->denominator())->quotient;
        if (whole >= BigInteger(kLargestExactWhole))
            return std::nullopt;
        const auto wholePart = static_cast<std::int64_t>(whole.low64());
        const std::optional<ExactAmount> taken = ExactAmount::whole(wholePart) * *size;
        rest = taken ? *rest - *taken : std::nullopt;
        amounts.wholes.push_back(static_cast<double>(wholePart));
    }
    if (!rest)
        return std::nullopt;
    amounts.rest = rest->toDouble();
    return amounts;
}

// The size of unit `code` in units of `last` in doubles: from the definitions, as the exact split
// takes it.
double sizeOf(int code, int last)
{
    const std::optional<ExactAmount> exact = exactFactor(code, last);
    return exact ? exact->toDouble() : sizeIn(code, last).value_or(1.0);
}

// The same in doubles, for totals beyond exact terms: each whole part is the quotient, put right
// by the remainder, which fma computes with a single rounding. A part whose whole reaches
// kLargestExactWhole takes all that is left.
Amounts nearAmounts(double total, const std::vector<int>& codes)
{
    Amounts amounts;
    double rest = total;
    for (std::size_t i = 0; i + 1 < codes.size(); ++i) {
        const double size = sizeOf(codes[i], codes.back());
        double whole = std::floor(rest / size);
        if (whole >= static_cast<double>(kLargestExactWhole)) {
            amounts.wholes.push_back(rest / size);
            amounts.wholes.resize(codes.size() - 1, 0.0);
            return amounts;
        }
        double remainder = std::fma(-whole, size, rest);
        if (remainder < 0.0) {
            whole -= 1.0;
            remainder += size;
        } else if (remainder >= size) {
            whole += 1.0;
            remainder -= size;
        }
        amounts.wholes.push_back(whole);
        rest = remainder;
    }
    amounts.rest = rest;
    return amounts;
}

} // namespace

std::vector<AnswerPart> split(const Query& query, double result, std::optional<int> decimals,
                              const NumberFormat& format, int significantDigits)
{
    const Category& category = query.category();
    const auto written = [&](double value, const NumberFormat& as) {
        return decimals ? formatFixed(value, *decimals, as) : formatGeneral(value, as.decimalPoint, significantDigits);
    };
    // The answer in one unit says whether the total shows a sign, and which.
    const std::string single = written(result, format);
    const std::string sign = single.substr(0, single.find_first_of("0123456789"));
    const std::string total = written(std::fabs(result), NumberFormat{});

    std::vector<int> codes;
    for (const std::size_t position : query.intoParts)
        codes.push_back(category.units[position].code);
    const std::optional<Amounts> exact = exactAmounts(total, codes);
    Amounts amounts = exact ? *exact : nearAmounts(readLeadingNumber(total).value_or(std::fabs(result)), codes);

    // A larger part is written in full below kLargestExactWhole; beyond it every double is whole,
    // and the part becomes the number its text shows.
    const auto wholeText = [&](double whole) {
        if (whole < static_cast<double>(kLargestExactWhole))
            return std::to_string(static_cast<long long>(whole));
        return decimals ? formatFixed(whole, 0, format) : formatGeneral(whole, format.decimalPoint, significantDigits);
    };
    const auto shown = [&](double whole) { return readLeadingNumber(wholeText(whole), format.decimalPoint).value_or(whole); };
    // Where that rounding reaches one of the next larger unit ("0 ly 3.72469704E+17 in" is more
    // than a light year), the larger unit takes it and the smaller parts are zero.
    for (std::size_t i = amounts.wholes.size(); i-- > 1;)
        if (shown(amounts.wholes[i]) >= sizeOf(codes[i - 1], codes[i])) {
            amounts.wholes[i - 1] += 1.0;
            std::fill(amounts.wholes.begin() + std::ptrdiff_t(i), amounts.wholes.end(), 0.0);
            amounts.rest = 0.0;
        }

    std::vector<AnswerPart> parts;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        AnswerPart part;
        part.position = query.intoParts[i];
        if (i + 1 < codes.size()) {
            part.text = wholeText(amounts.wholes[i]);
            part.amount = shown(amounts.wholes[i]);
        } else {
            part.amount = amounts.rest;
            part.text = written(amounts.rest, format);
        }
        if (!sign.empty()) {
            part.amount = -part.amount;
            if (i == 0)
                part.text.insert(0, sign);
        }
        parts.push_back(std::move(part));
    }
    return parts;
}

namespace {

// The unit's first symbol ("ft"), else its list text.
std::string_view shownSymbol(const Unit& unit)
{
    for (const UnitName& name : aliasesOf(unit.code))
        if (name.kind == NameKind::Symbol || name.kind == NameKind::CaseSymbol)
            return name.text;
    return unit.text;
}

} // namespace

std::string partsText(const Query& query, const std::vector<AnswerPart>& parts)
{
    std::string text;
    for (const AnswerPart& part : parts) {
        if (!text.empty())
            text += ' ';
        text += part.text;
        text += ' ';
        text += shownSymbol(query.category().units[part.position]);
    }
    return text;
}

} // namespace mezzurix::several_units
