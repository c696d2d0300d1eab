// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop search's answers, started by D-Bus activation when a search begins.

#include "search_service.h"

#include <mezzurix/search_translations.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDir>

namespace {

// MEZZURIX_SEARCH_IDLE_MS shortens the idle countdown, so that checks of the service's end need
// not wait the whole countdown each time.
std::chrono::milliseconds idleExit()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("MEZZURIX_SEARCH_IDLE_MS", &ok);
    return ok && ms > 0 ? std::chrono::milliseconds(ms) : mezzurix::search::kIdleExit;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mezzurix-search-provider"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MEZZURIX_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Mezzurix"));
    mezzurix::search::installSearchTranslations(&app);

    // The window is installed beside this program's folder, the clipboard helper beside this
    // program, wherever the prefix is.
    const QDir here(QCoreApplication::applicationDirPath());
    const mezzurix::search::Programs programs{
        QDir::cleanPath(here.filePath(QStringLiteral(MEZZURIX_WINDOW_PROGRAM))),
        here.filePath(QStringLiteral(MEZZURIX_CLIPBOARD_PROGRAM)),
    };
    mezzurix::search::SearchService service(programs, idleExit());
    QObject::connect(&service, &mezzurix::search::SearchService::finished, &app, &QCoreApplication::quit);
    if (!service.registerOn(QDBusConnection::sessionBus()))
        return 1;
    return app.exec();
}
