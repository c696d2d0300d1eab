// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/search_answers.h>

#include <mezzurix/number_rules.h>
#include <mezzurix/query.h>

#include <QLocale>

#include <string>
#include <string_view>

namespace mezzurix::search {
namespace {

// Numbers are shown as the window shows them, in the user's regional format.
NumberFormat regionalFormat()
{
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.negativeSign().toStdString()};
}

std::optional<Query> read(const QString& text, const QueryOptions& options)
{
    // A lone surrogate would reach the reader as "?", which may end a question.
    if (text.size() > kMaxQueryChars || !text.isValidUtf16())
        return std::nullopt;
    const QByteArray utf8 = text.toUtf8();
    QueryReading reading = readQuery(std::string_view(utf8.constData(), std::size_t(utf8.size())), options);
    if (Query* query = std::get_if<Query>(&reading))
        return std::move(*query);
    return std::nullopt;
}

std::optional<SearchAnswer> answer(const Query& query, bool bothUnits, const NumberFormat& format)
{
    const std::variant<Answer, QueryError> reply = answerQuery(query, std::nullopt, format);
    const Answer* result = std::get_if<Answer>(&reply);
    if (result == nullptr)
        return std::nullopt;
    const QString number = QString::fromStdString(result->text);
    const QString into = QString::fromUtf8(query.category().units[*query.intoPosition].text);
    SearchAnswer found;
    found.id = QString::fromStdString(canonicalText(query));
    found.name = number + u' ' + into;
    found.description = QStringLiteral("%1 %2 = %3 \u00b7 %4")
                            .arg(QString::fromStdString(formatGeneral(query.value, format.decimalPoint)),
                                 QString::fromUtf8(query.category().units[query.fromPosition].text),
                                 found.name, QString::fromUtf8(query.category().name));
    found.number = number;
    found.bothUnits = bothUnits;
    return found;
}

} // namespace

QList<SearchAnswer> answersFor(const QString& query)
{
    const NumberFormat format = regionalFormat();
    QueryOptions options;
    options.decimalPoint = format.decimalPoint;
    options.allowMissingInto = true;
    const std::optional<Query> typed = read(query, options);
    if (!typed)
        return {};

    QList<SearchAnswer> answers;
    if (typed->intoPosition) {
        if (std::optional<SearchAnswer> found = answer(*typed, true, format))
            answers.append(*found);
        return answers;
    }
    const std::size_t units = typed->category().units.size();
    for (std::size_t position = 0; position < units && answers.size() < kMaxOtherUnits; ++position) {
        if (position == typed->fromPosition)
            continue;
        if (std::optional<SearchAnswer> found = answer(withInto(*typed, position), false, format))
            answers.append(*found);
    }
    return answers;
}

QList<SearchAnswer> answersFor(const QStringList& terms)
{
    return answersFor(terms.join(u' '));
}

std::optional<SearchAnswer> answerForId(const QString& id)
{
    // Ids are written with "." whatever the region, and always name both units.
    const std::optional<Query> query = read(id, QueryOptions{});
    if (!query)
        return std::nullopt;
    return answer(*query, true, regionalFormat());
}

} // namespace mezzurix::search
