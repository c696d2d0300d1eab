// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/catalogue.h>
#include <mezzurix/catalogue_terms.h>
#include <mezzurix/convert.h>
#include <mezzurix/term_conversion.h>
#include <mezzurix/query.h>

#include "query_parts.h"
#include "several_units.h"
#include "value_reader.h"

#include <algorithm>
#include <vector>

namespace mezzurix {

std::optional<TermConversion> termConversionOf(const Query& query)
{
    const auto termOf = [&](const std::optional<UnitTerm>& term, int code) -> const UnitTerm* {
        if (term)
            return &*term;
        const CatalogueUnit* unit = catalogueUnit(code);
        return unit != nullptr ? &unit->term : nullptr;
    };
    const UnitTerm* from = termOf(query.fromTerm, query.fromCode());
    const UnitTerm* into = termOf(query.intoTerm, query.intoCode().value_or(kNoUnitCode));
    return from != nullptr && into != nullptr ? termConversion(*from, *into) : std::nullopt;
}

namespace {

// The query's value converted through the terms of its two sides: one exact factor, rounded once.
std::optional<double> convertTerms(const Query& query)
{
    const std::optional<TermConversion> conversion = termConversionOf(query);
    return conversion ? convertTerm(*conversion, query.value) : std::nullopt;
}

} // namespace

std::variant<double, QueryError> appendAnswer(std::string& text, const Query& query, std::optional<int> decimals,
                                              const NumberFormat& format, int significantDigits,
                                              std::vector<AnswerPart>* parts)
{
    if (!query.intoCode() && !query.intoTerm)
        return query_parts::makeError(QueryErrorKind::MissingUnit, query.valueColumn,
                                      {query.fromSpan.offset + query.fromSpan.length, 0},
                                      query_parts::say("no unit to convert into"));
    const std::optional<double> result =
        query.fromTerm || query.intoTerm ? convertTerms(query) : several_units::convert(query);
    if (!result)
        return query_parts::makeError(QueryErrorKind::ResultOutOfRange, query.valueColumn, query.valueSpan,
                                      query_parts::say("the result of the value"),
                                      query_parts::say(" is beyond the range of numbers"));
    if (!query.intoParts.empty()) {
        std::vector<AnswerPart> split = several_units::split(query, *result, decimals, format, significantDigits);
        text += several_units::partsText(query, split);
        if (parts != nullptr)
            *parts = std::move(split);
    } else if (decimals) {
        appendFixed(text, *result, *decimals, format);
    } else {
        appendGeneral(text, *result, format.decimalPoint, significantDigits);
    }
    return *result;
}

std::variant<Answer, QueryError> answerQuery(const Query& query, std::optional<int> decimals,
                                             const NumberFormat& format, int significantDigits)
{
    Answer answer;
    std::variant<double, QueryError> result =
        appendAnswer(answer.text, query, decimals, format, significantDigits, &answer.parts);
    if (QueryError* error = std::get_if<QueryError>(&result))
        return std::move(*error);
    answer.result = std::get<double>(result);
    return answer;
}

std::optional<int> Query::intoCode() const
{
    if (!intoPosition)
        return std::nullopt;
    return category().units[*intoPosition].code;
}

std::string Query::pairCode() const
{
    if (fromTerm || intoTerm || !intoPosition || !mezzurix::inWindow(fromCode()) || !mezzurix::inWindow(*intoCode()))
        return {};
    return mezzurix::pairCode(fromCode(), *intoCode());
}

bool Query::inWindow() const
{
    const auto inWindowList = [&](std::size_t position) {
        return categoryIndex < categories().size() && position < categories()[categoryIndex].units.size();
    };
    return !fromTerm && !intoTerm && inWindowList(fromPosition) && (!intoPosition || inWindowList(*intoPosition)) &&
           std::all_of(intoParts.begin(), intoParts.end(), inWindowList) &&
           std::all_of(fromParts.begin(), fromParts.end(),
                       [&](const QuantityPart& part) { return inWindowList(part.position); });
}

namespace {

// A side's unit as canonical text names it: its list text, or a misspelt name it was read from,
// so that reading the text again says so again.
std::string_view sideText(const Query& query, bool into, std::string_view listText)
{
    for (const QueryCorrection& correction : query.corrections)
        if (correction.into == into && correction.wholeSide)
            return correction.typed;
    return listText;
}

} // namespace

std::string canonicalText(const Query& query)
{
    std::string text;
    if (query.fromParts.empty()) {
        text = query.valueText;
        text += ' ';
        if (query.fromTerm)
            text += query.fromTerm->symbol;
        else
            text += sideText(query, false, query.fromForm != nullptr ? query.fromForm->plural : query.category().units[query.fromPosition].text);
    }
    // Read again, the words left out are left out again, and the answer can say so.
    if (!query.ignoredText.empty())
        text += ' ' + query.ignoredText;
    for (std::size_t i = 0; i < query.fromParts.size(); ++i) {
        text += i > 0 ? " " : "";
        text += writtenNumber(query, i, value_reader::decimalText);
        text += ' ';
        text += query.category().units[query.fromParts[i].position].text;
    }
    if (query.intoTerm) {
        text += " to ";
        text += query.intoTerm->symbol;
    } else if (query.intoPosition) {
        text += " to ";
        if (query.intoParts.empty())
            text += sideText(query, true, query.intoForm != nullptr ? query.intoForm->plural : query.category().units[*query.intoPosition].text);
        for (std::size_t i = 0; i < query.intoParts.size(); ++i) {
            text += i > 0 ? " " : "";
            text += query.category().units[query.intoParts[i]].text;
        }
    }
    return text;
}

Query withInto(Query query, std::size_t intoPosition)
{
    query.intoPosition = intoPosition;
    query.intoTerm.reset();
    query.intoSpan = {};
    query.intoParts.clear();
    query.intoForm = nullptr;
    return query;
}

} // namespace mezzurix
