// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/search_answers.h>

#include <mezzurix/definitions.h>
#include <mezzurix/number_rules.h>
#include <mezzurix/query.h>
#include <mezzurix/regional_format.h>
#include <mezzurix/useful_targets.h>

#include <QCoreApplication>
#include <QLocale>

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

// A catalogue text (a unit's or a category's name) as the window shows it in the user's language.
QString catalogueText(std::string_view english)
{
    const QByteArray key(english.data(), qsizetype(english.size()));
    return QCoreApplication::translate("Catalogue", key.constData());
}

// The unit's name after a number: in English the singular for 1; in a translation the name the
// window lists the unit by.
QString nameAfter(const Unit& unit, std::string_view number)
{
    const QString translated = catalogueText(unit.text);
    return translated != fromView(unit.text) ? translated : fromView(nameAfterNumber(unit, number));
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
    found.name = found.number + u' ' + nameAfter(into, result->text);
    //: The whole conversion and its category: "24 Inches = 2 Feet · Distance"
    found.description = QCoreApplication::translate("SearchAnswers", "%1 %2 = %3 \u00b7 %4")
                            .arg(QString::fromStdString(value), nameAfter(from, value), found.name,
                                 catalogueText(query.category().name));
    const QStringList notes = variantNotes(from, into);
    if (!notes.isEmpty())
        found.description += QStringLiteral(" \u00b7 ") + notes.join(QStringLiteral("; "));
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
    // Unit names are read in the user's language as well as in English.
    options.language = QLocale::system().name().toStdString();
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
