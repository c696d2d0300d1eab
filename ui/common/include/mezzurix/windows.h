// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QWidget>

namespace mezzurix::ui {

// Fixed border: a title bar with system menu, minimize and close, but no maximize button.
constexpr Qt::WindowFlags kFixedWindowFlags = Qt::Window | Qt::CustomizeWindowHint
    | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
    | Qt::WindowCloseButtonHint;

// A window icon from the 16 and 32 pixel pictures ":/mezzurix/<baseName>-16.png" and "-32.png".
inline QIcon resourceIcon(const QString& baseName)
{
    QIcon icon;
    for (const int size : {16, 32})
        icon.addFile(QStringLiteral(":/mezzurix/%1-%2.png").arg(baseName).arg(size), QSize(size, size));
    return icon;
}

// Keeps a window at a fixed size: its layout's size if it has one (a QMainWindow has), else the
// size of its client area `content`. Where a compositor maximizes the window or makes it full
// screen anyway, as Wayland compositors do on a click on the maximize button that Qt draws
// itself, the window must take the size it is given or lose its connection: then it does, with
// `content` kept at its size in the middle, and it is fixed again once back at its own size.
void holdFixedSize(QWidget* window, QWidget* content);

// Centres the window's client area on the primary screen; the frame is not known before showing.
inline void centreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame(QPoint(), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace mezzurix::ui
