// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/search_answers.h>

#include "currency_answers.h"

#include <mezzurix/definitions.h>
#include <mezzurix/display_names.h>
#include <mezzurix/number_rules.h>
#include <mezzurix/query.h>
#include <mezzurix/query_typing.h>
#include <mezzurix/regional_format.h>
#include <mezzurix/unit_names.h>

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace mezzurix::search {
namespace {

// The text for the reader; nullopt for text too long to answer or with a lone surrogate, which
// would reach the reader as "?", which may end a question.
std::optional<QByteArray> utf8Of(const QString& text)
{
    if (text.size() > kMaxQueryChars || !text.isValidUtf16())
        return std::nullopt;
    return text.toUtf8();
}

std::string_view viewOf(const QByteArray& bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

std::optional<Query> read(const QString& text, const QueryOptions& options)
{
    const std::optional<QByteArray> utf8 = utf8Of(text);
    if (!utf8)
        return std::nullopt;
    QueryReading reading = readQuery(viewOf(*utf8), options);
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

// The unit's name after a number as printed (with the regional decimal point), as the user named
// it in `form`, singular or plural by the language's rule; in a language without display names,
// the name the window lists the unit by. Without a number, the plural.
QString nameAfter(const Unit& unit, const NamedForm* form = nullptr, std::optional<std::string_view> number = {},
                  std::string_view decimalPoint = ".")
{
    const QString translated = catalogueText(unit.text);
    const UnitRecord* record = findUnitRecord(unit.code);
    if (record == nullptr)
        return translated;
    const QByteArray caption = translated != fromView(unit.text) ? translated.toUtf8() : QByteArray();
    const std::string language = QLocale::system().name().toStdString();
    const PluralCategory category =
        number ? pluralCategory(language, *number, decimalPoint) : PluralCategory::Other;
    return fromView(unitName(*record, form, language, category, viewOf(caption)));
}

// "Gallons: US liquid gallon (231 cubic inches)", in the user's language, for each unit whose name leaves its variant open.
QStringList variantNotes(const Unit& from, const Unit& into)
{
    QStringList notes;
    for (const Unit* unit : {&from, &into}) {
        const UnitDefinition* definition = findDefinition(unit->code);
        const QString note = definition != nullptr && definition->nameIsAmbiguous
                                 ? nameAfter(*unit) + QStringLiteral(": ") +
                                       fromView(unitDescription(unit->code, findNameLanguage(QLocale::system().name().toStdString())))
                                 : QString();
        if (!note.isEmpty() && !notes.contains(note))
            notes.append(note);
    }
    return notes;
}

// "24 Inches", or a quantity of several units part by part as written: "-5 Feet 10 Inches".
QString valueText(const Query& query, const NumberFormat& format)
{
    const auto general = [&](double value) { return formatGeneral(value, format.decimalPoint); };
    const auto named = [&](const std::string& number, std::size_t position) {
        const NamedForm* form = query.fromParts.empty() ? query.fromForm : nullptr;
        return QString::fromStdString(number) + u' ' +
               nameAfter(query.category().units[position], form, number, format.decimalPoint);
    };
    if (query.fromTerm)
        return QString::fromStdString(general(query.value) + ' ' + query.fromTerm->symbol);
    if (query.fromParts.empty())
        return named(general(query.value), query.fromPosition);
    QStringList parts;
    for (std::size_t i = 0; i < query.fromParts.size(); ++i)
        parts.append(named(writtenNumber(query, i, general), query.fromParts[i].position));
    return parts.join(u' ');
}

std::optional<SearchAnswer> answer(const Query& query, bool bothUnits, const NumberFormat& format)
{
    const std::variant<Answer, QueryError> reply =
        answerQuery(query, std::nullopt, format, kTableSignificantDigits);
    const Answer* result = std::get_if<Answer>(&reply);
    if (result == nullptr)
        return std::nullopt;
    SearchAnswer found;
    found.id = QString::fromStdString(canonicalText(query));
    found.number = QString::fromStdString(result->text);
    // Answers into several units carry their units already: "5 ft 8.8976378 in". A composed unit
    // is named by its symbol: "2700 kg/m³".
    const QString intoName = query.intoTerm ? QString::fromStdString(query.intoTerm->symbol)
                                            : nameAfter(query.category().units[*query.intoPosition], query.intoForm,
                                                        result->text, format.decimalPoint);
    found.name = result->parts.empty() ? found.number + u' ' + intoName : found.number;
    const QString category = query.categoryIndex != kNoCategory
                                 ? catalogueText(query.category().name)
                                 : QString::fromStdString(query.fromTerm->dimension.text());
    //: The whole conversion and its category: "24 Inches = 2 Feet · Distance"
    found.description = QCoreApplication::translate("SearchAnswers", "%1 = %2 \u00b7 %3")
                            .arg(valueText(query, format), found.name, category);
    if (!query.fromTerm && !query.intoTerm) {
        const QStringList notes = variantNotes(query.category().units[query.fromPosition],
                                               query.category().units[*query.intoPosition]);
        if (!notes.isEmpty())
            found.description += QStringLiteral(" \u00b7 ") + notes.join(QStringLiteral("; "));
    }
    if (!query.ignoredText.empty())
        //: Words of the query that name no unit, left out of the conversion: "2 cups of water"
        found.description += QStringLiteral(" \u00b7 ") +
                             QCoreApplication::translate("SearchAnswers", "left out \u201c%1\u201d")
                                 .arg(QString::fromStdString(query.ignoredText));
    for (const QueryCorrection& correction : query.corrections)
        //: A misspelt unit name read as the name it is near: "kilogarms" as "kilograms"
        found.description += QStringLiteral(" \u00b7 ") +
                             QCoreApplication::translate("SearchAnswers", "read \u201c%1\u201d as \u201c%2\u201d")
                                 .arg(QString::fromStdString(correction.typed), QString::fromStdString(correction.read));
    found.bothUnits = bothUnits;
    return found;
}

} // namespace

QList<SearchAnswer> answersFor(const QString& query)
{
    // Numbers are read and shown as the window reads and shows them, in the user's regional format.
    const NumberFormat format = ui::regionalFormat();
    QueryOptions options;
    options.decimalPoint = format.decimalPoint;
    // Unit names are read in the user's language as well as in English.
    options.language = QLocale::system().name().toStdString();
    const std::optional<QByteArray> utf8 = utf8Of(query);
    if (!utf8)
        return {};
    if (const std::optional<CurrencyReply> money = currencyAnswer(viewOf(*utf8), options, format))
        return money->answer ? QList<SearchAnswer>{*money->answer} : QList<SearchAnswer>();
    std::vector<TypedFit> fits;
    auto reading = readWhileTyping(viewOf(*utf8), options, &fits);
    const std::vector<Query>* typed = std::get_if<std::vector<Query>>(&reading);
    if (typed == nullptr)
        return {};

    QList<SearchAnswer> answers;
    const auto add = [&](const Query& into, bool bothUnits, TypedFit fit = TypedFit::AsTyped) {
        if (answers.size() < kMaxOtherUnits)
            if (std::optional<SearchAnswer> found = answer(into, bothUnits, format)) {
                found->fit = fit == TypedFit::AsTyped           ? AnswerFit::AsTyped
                             : fit == TypedFit::CompletesOthers ? AnswerFit::CompletesOthers
                                                                : AnswerFit::Guessed;
                answers.append(*found);
            }
    };
    if (typed->front().intoPosition) {
        // The into unit named, or each unit its unfinished name may become, best first.
        for (std::size_t i = 0; i < typed->size(); ++i)
            add((*typed)[i], true, fits[i]);
        return answers;
    }
    // A value and a from unit: the most useful targets, taken in turn from each category the
    // from unit may belong to.
    std::vector<std::vector<std::size_t>> orders;
    // A composed unit has no list of useful targets.
    for (const Query& each : *typed)
        orders.push_back(each.fromTerm ? std::vector<std::size_t>() : targetOrder(each.categoryIndex, each.fromPosition));
    for (std::size_t rank = 0; answers.size() < kMaxOtherUnits; ++rank) {
        bool any = false;
        for (std::size_t i = 0; i < typed->size(); ++i)
            if (rank < orders[i].size()) {
                any = true;
                add(withInto((*typed)[i], orders[i][rank]), false);
            }
        if (!any)
            break;
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
    if (const std::optional<QByteArray> utf8 = utf8Of(id))
        if (const std::optional<CurrencyReply> money = currencyAnswer(viewOf(*utf8), QueryOptions{}, ui::regionalFormat()))
            return money->answer;
    const std::optional<Query> query = read(id, QueryOptions{});
    if (!query)
        return std::nullopt;
    return answer(*query, true, ui::regionalFormat());
}

} // namespace mezzurix::search
