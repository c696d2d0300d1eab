// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gnome_provider.h"

#include "search_service.h"

#include <mezzurix/search_answers.h>

#include <algorithm>

namespace mezzurix::search {
namespace {

// The Shell asks for the handful of results it shows; describing more would only stall every other
// client of the provider and grow its memory.
constexpr qsizetype kMaxResultMetas = 256;

} // namespace

GnomeSearchProvider::GnomeSearchProvider(QObject* object, SearchService* searchService)
    : QDBusAbstractAdaptor(object), service(searchService)
{
}

QStringList GnomeSearchProvider::resultSet(const QStringList& terms)
{
    service->noteCall();
    QStringList ids;
    for (const SearchAnswer& answer : answersFor(terms))
        ids.append(answer.id);
    return ids;
}

QStringList GnomeSearchProvider::GetInitialResultSet(const QStringList& terms)
{
    return resultSet(terms);
}

QStringList GnomeSearchProvider::GetSubsearchResultSet(const QStringList&, const QStringList& terms)
{
    return resultSet(terms);
}

QList<QVariantMap> GnomeSearchProvider::GetResultMetas(const QStringList& identifiers)
{
    service->noteCall();
    // An id that is no conversion is left out; the Shell only asks for ids it was given.
    const QStringList described = identifiers.first(std::min(identifiers.size(), kMaxResultMetas));
    QList<QVariantMap> metas;
    metas.reserve(described.size());
    for (const QString& id : described)
        if (const std::optional<SearchAnswer> answer = answerForId(id))
            metas.append({{QStringLiteral("id"), id},
                          {QStringLiteral("gicon"), kIconName},
                          {QStringLiteral("name"), answer->name},
                          {QStringLiteral("description"), answer->description},
                          {QStringLiteral("clipboardText"), answer->number}});
    return metas;
}

void GnomeSearchProvider::ActivateResult(const QString& identifier, const QStringList&, uint)
{
    service->noteCall();
    if (const std::optional<SearchAnswer> answer = answerForId(identifier)) {
        if (answer->currency)
            service->copy(answer->number);
        else
            service->openWindow(answer->id);
    }
}

void GnomeSearchProvider::LaunchSearch(const QStringList& terms, uint)
{
    service->noteCall();
    const QList<SearchAnswer> answers = answersFor(terms);
    // The window converts no money: it opens on its own.
    service->openWindow(answers.isEmpty() || answers.front().currency ? QString() : answers.front().id);
}

} // namespace mezzurix::search
