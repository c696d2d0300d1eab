// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/catalogue.h>
#include <mezzurix/convert.h>
#include <mezzurix/query.h>

#include "query_parts.h"
#include "several_units.h"
#include "value_reader.h"

#include <algorithm>
#include <vector>

namespace mezzurix {

std::variant<double, QueryError> appendAnswer(std::string& text, const Query& query, std::optional<int> decimals,
                                              const NumberFormat& format, int significantDigits,
                                              std::vector<AnswerPart>* parts)
{
    if (!query.intoCode())
        return query_parts::makeError(QueryErrorKind::MissingUnit, query.valueColumn,
                                      {query.fromSpan.offset + query.fromSpan.length, 0},
                                      query_parts::say("no unit to convert into"));
    const std::optional<double> result = several_units::convert(query);
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
    if (!intoPosition || !mezzurix::inWindow(fromCode()) || !mezzurix::inWindow(*intoCode()))
        return {};
    return mezzurix::pairCode(fromCode(), *intoCode());
}

bool Query::inWindow() const
{
    const auto inWindowList = [&](std::size_t position) {
        return categoryIndex < categories().size() && position < categories()[categoryIndex].units.size();
    };
    return inWindowList(fromPosition) && (!intoPosition || inWindowList(*intoPosition)) &&
           std::all_of(intoParts.begin(), intoParts.end(), inWindowList) &&
           std::all_of(fromParts.begin(), fromParts.end(),
                       [&](const QuantityPart& part) { return inWindowList(part.position); });
}

std::string canonicalText(const Query& query)
{
    std::string text;
    if (query.fromParts.empty()) {
        text = query.valueText;
        text += ' ';
        text += query.category().units[query.fromPosition].text;
    }
    for (std::size_t i = 0; i < query.fromParts.size(); ++i) {
        text += i > 0 ? " " : "";
        text += writtenNumber(query, i, value_reader::decimalText);
        text += ' ';
        text += query.category().units[query.fromParts[i].position].text;
    }
    if (query.intoPosition) {
        text += " to ";
        if (query.intoParts.empty())
            text += query.category().units[*query.intoPosition].text;
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
    query.intoSpan = {};
    query.intoParts.clear();
    return query;
}

} // namespace mezzurix
