// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explain.h"

#include <mezzurix/conversion_table.h>
#include <mezzurix/definitions.h>
#include <mezzurix/number_digits.h>
#include <mezzurix/terminal_messages.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include <array>
#include <charconv>

namespace mezzurix::cli {

namespace {

// Digits shown of an exact value that has more: as many as tell any two doubles apart.
constexpr int kExactDigits = kMaxSignificantDigits;
// Digits of a deviation: its size is what matters.
constexpr int kDeviationDigits = 2;

std::string shortest(double value)
{
    std::array<char, 32> buffer;
    return std::string(buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr);
}

std::string deviation(double value, const ExactAmount& exact)
{
    const double away = relativeDeviation(value, exact);
    if (away == 0.0)
        return tr("the nearest double");
    std::array<char, 32> buffer;
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), away, std::chars_format::scientific,
                                   kDeviationDigits - 1).ptr;
    return fillMessage(tr("within %s"), {std::string_view(buffer.data(), end)});
}

// A unit's names and description are the messages' language's.
void appendUnit(std::string& text, const Unit& unit)
{
    const LanguageNames* language = messageLanguage();
    const std::string_view name = language != nullptr ? displayNames(unit.code, language).plural : unit.text;
    text += name;
    text += colon();
    text += ' ';
    const UnitDefinition* definition = findDefinition(unit.code);
    if (definition == nullptr) {
        text += tr("no definition");
        text += '\n';
        return;
    }
    text += unitDescription(unit.code, language);
    const bool ofX = !definition->offset.empty() || definition->reciprocal;
    text += semicolon();
    text += ofX ? " x " : " 1 ";
    text += ofX ? name : language != nullptr ? displayNames(unit.code, language).singular : definition->singular;
    text += " = ";
    text += definitionText(*definition);
    text += " (";
    text += sourceName(definition->source);
    text += ")";
    if (const UnitRecord* record = findUnitRecord(unit.code))
        if (const CategoryRecord* category = findCategoryRecord(record->category))
            text += std::string(semicolon()) + " " + tr("dimension") + " " + category->dimension.text();
    text += "\n";
}

// A pair with a unit the window does not show converts through both definitions.
void appendDefinitionsRoute(std::string& text, const Query& query, const Unit& from, const Unit& into, double result)
{
    text += tr("through the definitions");
    if (query.fromParts.empty()) {
        if (const std::optional<ExactAmount> exact = exactFactor(from.code, into.code)) {
            text += ", " + std::string(tr("factor")) + " " + exact->decimalText(kExactDigits) + '\n';
            return;
        }
        const std::optional<ExactAmount> x = ExactAmount::parse(query.valueText);
        if (const std::optional<ExactAmount> value = x ? exactConversion(from.code, into.code, *x) : std::nullopt)
            text += ", " + std::string(tr("exact result")) + " " + value->decimalText(kExactDigits) + ", " +
                    deviation(result, *value);
    }
    text += '\n';
}

// A composed unit: its symbol, dimension and exact amount of the coherent SI unit.
void appendTerm(std::string& text, const UnitTerm& term)
{
    const std::string dimension = term.dimension.text();
    text += term.symbol + colon() + " " + tr("composed of units") + ", " + tr("dimension") + " " + dimension +
            semicolon() + " 1 " +
            term.symbol + " = " +
            term.amount.decimalText(kExactDigits) + ' ' + dimension + '\n';
}

// The conversion of two sides of which one at least is a term: its exact factor.
void appendTermsRoute(std::string& text, const Query& query)
{
    const std::optional<TermConversion> conversion = termConversionOf(query);
    if (!conversion) {
        text += tr("through the definitions");
        text += '\n';
        return;
    }
    text += tr("through the definitions");
    text += ", ";
    if (conversion->reciprocal)
        text += std::string(tr("the inverse")) + ", ";
    text += std::string(tr("factor")) + " ";
    text += conversion->factor.decimalText(kExactDigits);
    if (!conversion->factor.isZero() && conversion->factor.piPower() != 0)
        text += " (" + conversion->factor.definitionText() + ")";
    text += '\n';
}

void appendLines(std::string& text, std::string_view typed, const Query& query, double result)
{
    if (query.fromTerm || query.intoTerm) {
        for (const auto& [term, position] : {std::pair{&query.fromTerm, std::optional(query.fromPosition)},
                                              std::pair{&query.intoTerm, query.intoPosition}}) {
            if (*term)
                appendTerm(text, **term);
            else
                appendUnit(text, query.category().units[*position]);
        }
        appendTermsRoute(text, query);
        return;
    }
    const Unit& from = query.category().units[query.fromPosition];
    const Unit& into = query.category().units[*query.intoPosition];
    appendUnit(text, from);
    appendUnit(text, into);
    for (const TextSpan span : {query.fromSpan, query.intoSpan})
        if (typed.substr(span.offset, span.length) == "Cal") {
            text += tr("\"Cal\" with a capital C is the kilocalorie (food Calorie); \"cal\" is the IT calorie");
            text += '\n';
            break;
        }

    const Entry* entry = findEntry(query.pairCode());
    if (entry == nullptr) {
        appendDefinitionsRoute(text, query, from, into, result);
        return;
    }
    if (const std::optional<ExactAmount> exact = exactFactor(from.code, into.code)) {
        // A formula entry without offsets multiplies too: its factor is what it makes of 1.
        const double factor = entry->formula != nullptr ? entry->formula(1.0) : entry->factor;
        text += entry->formula != nullptr ? std::string(tr("table formula")) + ", " + tr("factor") + " "
                                          : std::string(tr("table factor")) + " ";
        text += shortest(factor) + ", " + tr("exact") + " " + exact->decimalText(kExactDigits) + ", " +
                deviation(factor, *exact);
        text += '\n';
        return;
    }
    text += entry->formula != nullptr ? std::string(tr("table formula")) + ", " + tr("with the offsets")
                                      : std::string(tr("table factor")) + " " + shortest(entry->factor);
    const std::optional<ExactAmount> x = ExactAmount::parse(query.valueText);
    const std::optional<ExactAmount> exact = x ? exactConversion(from.code, into.code, *x) : std::nullopt;
    if (exact)
        text += ", " + std::string(tr("exact result")) + " " + exact->decimalText(kExactDigits) + ", " +
                deviation(result, *exact);
    text += '\n';
}

} // namespace

void appendExplanation(std::string& text, std::string_view typed, const Query& query, double result,
                       std::string_view decimalPoint)
{
    std::string lines;
    appendLines(lines, typed, query, result);
    // The factors and amounts are written with "."; a point between digits is a decimal sign.
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == '.' && i > 0 && i + 1 < lines.size() && number_digits::isDigit(lines[i - 1]) && number_digits::isDigit(lines[i + 1]))
            text += decimalPoint;
        else
            text += lines[i];
}

} // namespace mezzurix::cli
