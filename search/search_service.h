// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

namespace mezzurix::search {

inline const QString kBusName = QStringLiteral("org.example.Mezzurix.SearchProvider");
inline const QString kGnomePath = QStringLiteral("/org/example/Mezzurix/SearchProvider");
inline const QString kKRunnerPath = QStringLiteral("/runner");
inline const QString kIconName = QStringLiteral("org.example.Mezzurix");

// The service is started by the bus for a search and leaves once the search is over, so that it
// holds no memory between searches; the next search starts it again.
constexpr std::chrono::milliseconds kIdleExit{10000};
// Once the bus name is given up, calls that were already on their way still arrive; the service
// answers them and leaves after this long without one.
constexpr std::chrono::milliseconds kLastCallsQuiet{250};

// The programs a chosen result starts, detached.
struct Programs {
    QString window;     // the converter's window, opened on a conversion
    QString clipboard;  // puts its argument on the clipboard
};

// Both search interfaces on the session bus, the idle countdown they share, and the programs
// started for a chosen result.
class SearchService : public QObject {
    Q_OBJECT

public:
    explicit SearchService(Programs programs, std::chrono::milliseconds idleExit = kIdleExit,
                           QObject* parent = nullptr);

    // Exports both interfaces and takes the bus name; false, with a message, when either fails.
    bool registerOn(QDBusConnection bus);

    // Every call restarts the idle countdown, or once idle, the wait for the last calls.
    void noteCall();

    // Opens the window on `query` (a normalised query such as "24 Inches to Feet"), or as at a
    // normal start when it is empty.
    void openWindow(const QString& query) const;

    // Puts `text` on the clipboard.
    void copy(const QString& text) const;

signals:
    // The bus name is given up and the calls sent before are answered: the service may end.
    void finished();

private:
    // Gives up the bus name first, so that a new call starts a fresh service instead of reaching
    // one that is about to end, then waits for the calls already on their way.
    void leave();

    Programs programs;
    QDBusConnection bus{QString()};
    bool leaving = false;
    QTimer idleTimer;
    QTimer lastCallsTimer;
    QObject gnomeObject;
    QObject krunnerObject;
};

} // namespace mezzurix::search
