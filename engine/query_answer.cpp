// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/catalogue.h>
#include <mezzurix/convert.h>
#include <mezzurix/query.h>

namespace mezzurix {

std::variant<Answer, QueryError> answerQuery(const Query& query, std::optional<int> decimals,
                                             const NumberFormat& format)
{
    QueryError error;
    if (!query.intoCode) {
        error.kind = QueryErrorKind::MissingUnit;
        error.where = {query.fromSpan.offset + query.fromSpan.length, 0};
        error.message = "no unit to convert into";
        return error;
    }
    const std::optional<double> result = convertValue(query.pairCode, query.value);
    if (!result) {
        error.kind = QueryErrorKind::ResultOutOfRange;
        error.where = query.valueSpan;
        error.message = "the result is beyond the range of numbers";
        return error;
    }
    Answer answer;
    answer.result = *result;
    answer.text = decimals ? formatFixed(*result, *decimals, format) : formatGeneral(*result, format.decimalPoint);
    return answer;
}

std::string canonicalText(const Query& query)
{
    std::string text = query.valueText;
    text += ' ';
    text += query.category->units[query.fromPosition].text;
    if (query.intoPosition) {
        text += " to ";
        text += query.category->units[*query.intoPosition].text;
    }
    return text;
}

Query withInto(Query query, std::size_t intoPosition)
{
    const Unit& into = query.category->units[intoPosition];
    query.intoPosition = intoPosition;
    query.intoCode = into.code;
    query.pairCode = pairCode(query.fromCode, into.code);
    query.intoSpan = {};
    return query;
}

} // namespace mezzurix
