// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/start_conversion.h>

#include <mezzurix/currency.h>
#include <mezzurix/query.h>
#include <mezzurix/regional_format.h>

#include <QCoreApplication>
#include <QLocale>

#include <string>
#include <string_view>

namespace mezzurix::ui {

namespace {

// The value as the query wrote it ("-1.5e3"), with the regional decimal separator, as the swap
// writes a number into the input, which reads it back to the same value.
QString regionalValue(std::string_view valueText, std::string_view decimalPoint)
{
    std::string text(valueText);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalPoint);
    return QString::fromStdString(text);
}

} // namespace

std::variant<StartConversion, QString> readStartConversion(const QStringList& words)
{
    const QString typed = words.join(u' ');
    const QByteArray text = typed.toUtf8();
    const NumberFormat format = regionalFormat();
    QueryOptions options;
    options.decimalPoint = format.decimalPoint;
    // The user's own unit names, as the terminal and the search read them.
    options.language = QLocale().name().toStdString();
    // The window converts no money, and never fetches rates: the terminal and the search do.
    if (!std::holds_alternative<NotCurrency>(readCurrencyQuery(text.toStdString(), options, {})))
        //: The program was started with a conversion of money: "$20 to eur"
        return QCoreApplication::translate("StartConversion",
                                           "the window converts no currencies; for \"%1\" use mezzurix-convert or "
                                           "the desktop's search")
            .arg(typed);
    const QueryReading reading = readQuery(std::string_view(text.constData(), std::size_t(text.size())), options);
    if (const QueryError* error = std::get_if<QueryError>(&reading))
        return QString::fromStdString(error->message);
    const Query& query = std::get<Query>(reading);
    const std::variant<Answer, QueryError> answer = answerQuery(query, std::nullopt);
    if (const QueryError* error = std::get_if<QueryError>(&answer))
        return QString::fromStdString(error->message);
    if (!query.inWindow())
        //: The program was started with a conversion of units the window does not list: "1 cup to ml"
        return QCoreApplication::translate("StartConversion", "the window lists only its own units; mezzurix-convert "
                                                              "and the desktop search answer \"%1\"")
            .arg(typed);
    return StartConversion{int(query.categoryIndex), int(query.fromPosition), int(*query.intoPosition),
                           regionalValue(query.valueText, format.decimalPoint)};
}

} // namespace mezzurix::ui
