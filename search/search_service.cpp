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
namespace {

void startDetached(const QString& program, const QStringList& arguments)
{
    if (!QProcess::startDetached(program, arguments))
        qWarning().noquote() << "cannot start" << program;
}

} // namespace

SearchService::SearchService(Programs started, std::chrono::milliseconds idleExit, QObject* parent)
    : QObject(parent), programs(std::move(started))
{
    // A coarse timer may end the countdown up to 5 % early.
    idleTimer.setTimerType(Qt::PreciseTimer);
    idleTimer.setSingleShot(true);
    idleTimer.setInterval(idleExit);
    connect(&idleTimer, &QTimer::timeout, this, &SearchService::leave);
    lastCallsTimer.setSingleShot(true);
    lastCallsTimer.setInterval(kLastCallsQuiet);
    connect(&lastCallsTimer, &QTimer::timeout, this, &SearchService::finished);
    new GnomeSearchProvider(&gnomeObject, this);
    new KRunnerRunner(&krunnerObject, this);
    registerSearchTypes();
}

bool SearchService::registerOn(QDBusConnection connection)
{
    bus = connection;
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
    (leaving ? lastCallsTimer : idleTimer).start();
}

void SearchService::leave()
{
    leaving = true;
    // The bus answers the release only after every call it routed here by the name, so once it
    // returns those calls have been received and wait in the event queue.
    bus.unregisterService(kBusName);
    lastCallsTimer.start();
}

void SearchService::openWindow(const QString& query) const
{
    // "--" keeps a negative value from being read as an option.
    startDetached(programs.window, query.isEmpty() ? QStringList() : QStringList{QStringLiteral("--"), query});
}

void SearchService::copy(const QString& text) const
{
    startDetached(programs.clipboard, {QStringLiteral("--"), text});
}

} // namespace mezzurix::search
