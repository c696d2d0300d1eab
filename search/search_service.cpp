// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_service.h"

#include "gnome_provider.h"
#include "krunner_runner.h"

#include <QDBusConnectionInterface>
#include <QDebug>
#include <QProcess>

#include <utility>

namespace mezzurix::search {

SearchService::SearchService(QString program, QObject* parent)
    : QObject(parent), windowProgram(std::move(program))
{
    idleTimer.setSingleShot(true);
    idleTimer.setInterval(kIdleExit);
    connect(&idleTimer, &QTimer::timeout, this, &SearchService::idle);
    new GnomeSearchProvider(&gnomeObject, this);
    new KRunnerRunner(&krunnerObject, this);
    registerSearchTypes();
}

bool SearchService::registerOn(QDBusConnection bus)
{
    if (!bus.registerObject(kGnomePath, &gnomeObject) || !bus.registerObject(kKRunnerPath, &krunnerObject)) {
        qCritical().noquote() << "cannot export the search objects:" << bus.lastError().message();
        return false;
    }
    if (!bus.registerService(kBusName)) {
        qCritical().noquote() << "cannot take the bus name" << kBusName << ":" << bus.lastError().message();
        return false;
    }
    idleTimer.start();
    return true;
}

void SearchService::noteCall()
{
    idleTimer.start();
}

void SearchService::openWindow(const QString& query) const
{
    // "--" keeps a negative value from being read as an option.
    const QStringList arguments = query.isEmpty() ? QStringList() : QStringList{QStringLiteral("--"), query};
    if (!QProcess::startDetached(windowProgram, arguments))
        qWarning().noquote() << "cannot start" << windowProgram;
}

} // namespace mezzurix::search
