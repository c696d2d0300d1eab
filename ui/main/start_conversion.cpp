// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/start_conversion.h>

#include <mezzurix/query.h>

#include <QLocale>

#include <string_view>

namespace mezzurix::ui {

std::variant<StartConversion, QString> readStartConversion(const QStringList& words)
{
    const QByteArray text = words.join(u' ').toUtf8();
    QueryOptions options;
    options.decimalPoint = QLocale().decimalPoint().toStdString();
    const QueryReading reading = readQuery(std::string_view(text.constData(), std::size_t(text.size())), options);
    if (const QueryError* error = std::get_if<QueryError>(&reading))
        return QString::fromStdString(error->message);
    const Query& query = std::get<Query>(reading);
    const std::variant<Answer, QueryError> answer = answerQuery(query, std::nullopt);
    if (const QueryError* error = std::get_if<QueryError>(&answer))
        return QString::fromStdString(error->message);
    return StartConversion{int(query.categoryIndex), int(query.fromPosition), int(*query.intoPosition),
                           QString::fromStdString(query.valueText)};
}

} // namespace mezzurix::ui
