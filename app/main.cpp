// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/main_window.h>

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Wayland desktops match the running window to its desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(MEZZURIX_APP_ID));
    mezzurix::ui::MainWindow window;
    window.show();
    return app.exec();
}
