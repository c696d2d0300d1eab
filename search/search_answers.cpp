// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/search_answers.h>

#include <mezzurix/number_rules.h>
#include <mezzurix/query.h>
#include <mezzurix/regional_format.h>
#include <mezzurix/useful_targets.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace mezzurix::search {
namespace {

std::optional<Query> read(const QString& text, const QueryOptions& options)
{
    if (text.size() > kMaxQueryChars)
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
    const QString into = QString::fromUtf8(query.category->units[*query.intoPosition].text);
    SearchAnswer found;
    found.id = QString::fromStdString(canonicalText(query));
    found.name = number + u' ' + into;
    found.description = QStringLiteral("%1 %2 = %3 \u00b7 %4")
                            .arg(QString::fromStdString(formatGeneral(query.value, format.decimalPoint)),
                                 QString::fromUtf8(query.category->units[query.fromPosition].text),
                                 found.name, QString::fromUtf8(query.category->name));
    found.number = number;
    found.bothUnits = bothUnits;
    return found;
}

// The category's other units for a value in the unit at `fromPosition`: its most useful targets
// first, then any unit they leave out in list order.
std::vector<std::size_t> targetsOf(const Category& category, std::size_t fromPosition)
{
    std::vector<std::size_t> positions;
    const auto add = [&](std::size_t position) {
        if (position != fromPosition && std::find(positions.begin(), positions.end(), position) == positions.end())
            positions.push_back(position);
    };
    for (const int code : usefulTargets(category.units[fromPosition].code))
        for (std::size_t position = 0; position < category.units.size(); ++position)
            if (category.units[position].code == code)
                add(position);
    for (std::size_t position = 0; position < category.units.size(); ++position)
        add(position);
    return positions;
}

} // namespace

QList<SearchAnswer> answersFor(const QString& query)
{
    // Numbers are read and shown as the window reads and shows them, in the user's regional format.
    const NumberFormat format = ui::regionalFormat();
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
    for (const std::size_t position : targetsOf(*typed->category, typed->fromPosition)) {
        if (answers.size() == kMaxOtherUnits)
            break;
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
    return answer(*query, true, ui::regionalFormat());
}

} // namespace mezzurix::search
