// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "krunner_runner.h"

#include "search_service.h"

#include <mezzurix/search_answers.h>

#include <QCoreApplication>
#include <QDBusMetaType>

namespace mezzurix::search {
namespace {

// KRunner's category relevance: an exact answer ranks with the best, a guessed into unit low.
constexpr int kExactPair = 100;
constexpr int kOtherUnit = 30;
// Relevance of a named into unit follows how its name fits the text: as typed ranks first, a name
// that also starts others' ("m" of meters, miles...) next, a finished or corrected name below.
constexpr double kAsTypedRelevance = 1.0;
constexpr double kCompletesOthersRelevance = 0.9;
constexpr double kGuessedRelevance = 0.8;
// Relevance of the into units not named, below any named one.
constexpr double kOtherUnitRelevance = 0.5;
// Each answer after the first ranks this much lower, so KRunner keeps their order.
constexpr double kOrderStep = 0.01;

double relevanceOf(const SearchAnswer& answer, qsizetype position)
{
    const double step = kOrderStep * double(position);
    if (!answer.bothUnits)
        return kOtherUnitRelevance - step;
    switch (answer.fit) {
    case AnswerFit::AsTyped:
        return kAsTypedRelevance;
    case AnswerFit::CompletesOthers:
        return kCompletesOthersRelevance;
    case AnswerFit::Guessed:
        break;
    }
    return kGuessedRelevance - step;
}

// Puts the number as shown on the clipboard; running a match without an action opens the window.
const QString kCopyAction = QStringLiteral("copy");

} // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteAction& action)
{
    argument.beginStructure();
    argument << action.id << action.text << action.iconName;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteAction& action)
{
    argument.beginStructure();
    argument >> action.id >> action.text >> action.iconName;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteMatch& match)
{
    argument.beginStructure();
    argument << match.id << match.text << match.iconName << match.categoryRelevance << match.relevance
             << match.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteMatch& match)
{
    argument.beginStructure();
    argument >> match.id >> match.text >> match.iconName >> match.categoryRelevance >> match.relevance
        >> match.properties;
    argument.endStructure();
    return argument;
}

void registerSearchTypes()
{
    qDBusRegisterMetaType<RemoteAction>();
    qDBusRegisterMetaType<QList<RemoteAction>>();
    qDBusRegisterMetaType<RemoteMatch>();
    qDBusRegisterMetaType<QList<RemoteMatch>>();
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

KRunnerRunner::KRunnerRunner(QObject* object, SearchService* searchService)
    : QDBusAbstractAdaptor(object), service(searchService)
{
}

QList<RemoteAction> KRunnerRunner::Actions()
{
    service->noteCall();
    return {{kCopyAction, QCoreApplication::translate("SearchAnswers", "Copy"), QStringLiteral("edit-copy")}};
}

QList<RemoteMatch> KRunnerRunner::Match(const QString& query)
{
    service->noteCall();
    QList<RemoteMatch> matches;
    const QList<SearchAnswer> answers = answersFor(query);
    for (qsizetype i = 0; i < answers.size(); ++i) {
        const SearchAnswer& answer = answers[i];
        RemoteMatch match;
        match.id = answer.id;
        match.text = answer.name;
        match.iconName = kIconName;
        match.categoryRelevance = answer.bothUnits ? kExactPair : kOtherUnit;
        match.relevance = relevanceOf(answer, i);
        match.properties.insert(QStringLiteral("subtext"), answer.description);
        matches.append(match);
    }
    return matches;
}

void KRunnerRunner::Run(const QString& matchId, const QString& actionId)
{
    service->noteCall();
    const std::optional<SearchAnswer> answer = answerForId(matchId);
    if (!answer)
        return;
    if (actionId == kCopyAction || answer->currency)
        service->copy(answer->number);
    else
        service->openWindow(answer->id);
}

void KRunnerRunner::Teardown()
{
    service->noteCall();
}

} // namespace mezzurix::search
