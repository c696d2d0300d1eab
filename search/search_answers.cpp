// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/search_answers.h>

#include <mezzurix/definitions.h>
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
    // A lone surrogate would reach the reader as "?", which may end a question.
    if (text.size() > kMaxQueryChars || !text.isValidUtf16())
        return std::nullopt;
    const QByteArray utf8 = text.toUtf8();
    QueryReading reading = readQuery(std::string_view(utf8.constData(), std::size_t(utf8.size())), options);
    if (Query* query = std::get_if<Query>(&reading))
        return std::move(*query);
    return std::nullopt;
}

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "Gallons: US liquid gallon (231 cubic inches)" for each unit whose name leaves its variant open.
QStringList variantNotes(const Unit& from, const Unit& into)
{
    QStringList notes;
    for (const Unit* unit : {&from, &into}) {
        const UnitDefinition* definition = findDefinition(unit->code);
        const QString note = definition != nullptr && definition->nameIsAmbiguous
                                 ? fromView(unit->text) + QStringLiteral(": ") + fromView(definition->description)
                                 : QString();
        if (!note.isEmpty() && !notes.contains(note))
            notes.append(note);
    }
    return notes;
}

std::optional<SearchAnswer> answer(const Query& query, bool bothUnits, const NumberFormat& format)
{
    const std::variant<Answer, QueryError> reply =
        answerQuery(query, std::nullopt, format, kTableSignificantDigits);
    const Answer* result = std::get_if<Answer>(&reply);
    if (result == nullptr)
        return std::nullopt;
    const Unit& from = query.category().units[query.fromPosition];
    const Unit& into = query.category().units[*query.intoPosition];
    const std::string value = formatGeneral(query.value, format.decimalPoint);
    SearchAnswer found;
    found.id = QString::fromStdString(canonicalText(query));
    found.number = QString::fromStdString(result->text);
    found.name = found.number + u' ' + fromView(nameAfterNumber(into, result->text));
    found.description = QStringLiteral("%1 %2 = %3 \u00b7 %4")
                            .arg(QString::fromStdString(value), fromView(nameAfterNumber(from, value)), found.name,
                                 fromView(query.category().name));
    const QStringList notes = variantNotes(from, into);
    if (!notes.isEmpty())
        found.description += QStringLiteral(" \u00b7 ") + notes.join(QStringLiteral("; "));
    found.bothUnits = bothUnits;
    return found;
}

// The category's other units for a value in the unit at `fromPosition`: its most useful targets
// first, then any unit they leave out in list order; after a window unit, only the window's.
std::vector<std::size_t> targetsOf(const Category& category, std::size_t fromPosition)
{
    const bool fromWindow = inWindow(category.units[fromPosition].code);
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
        if (!fromWindow || inWindow(category.units[position].code))
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
    for (const std::size_t position : targetsOf(typed->category(), typed->fromPosition)) {
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
