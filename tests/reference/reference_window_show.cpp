// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// reference_window_show info|base-units|prefixes
// Opens one reference window and runs until it is closed.
#include "mezzurix/reference_windows.h"
#include "mezzurix/translations.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    mezzurix::ui::installTranslations(&app);  // in the user's language, as the program shows them
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (which == u"info")
        mezzurix::ui::showInfoWindow();
    else if (which == u"base-units")
        mezzurix::ui::showSIBaseUnitsWindow();
    else if (which == u"prefixes")
        mezzurix::ui::showSIPrefixesWindow();
    else {
        std::fprintf(stderr, "usage: reference_window_show info|base-units|prefixes\n");
        return 2;
    }
    return QApplication::exec();
}
