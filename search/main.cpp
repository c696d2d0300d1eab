// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop search's answers, started by D-Bus activation when a search begins.

#include "search_service.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDir>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mezzurix-search-provider"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MEZZURIX_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Mezzurix"));

    // The window is installed beside this program's folder, wherever the prefix is.
    const QString window =
        QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(MEZZURIX_WINDOW_PROGRAM)));
    mezzurix::search::SearchService service(window);
    QObject::connect(&service, &mezzurix::search::SearchService::idle, &app, &QCoreApplication::quit);
    if (!service.registerOn(QDBusConnection::sessionBus()))
        return 1;
    return app.exec();
}
