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
constexpr std::chrono::seconds kIdleExit{10};

// Both search interfaces on the session bus, the idle countdown they share, and the window they
// open on a chosen result.
class SearchService : public QObject {
    Q_OBJECT

public:
    // `windowProgram`: the converter's executable, started detached on a chosen conversion.
    explicit SearchService(QString windowProgram, QObject* parent = nullptr);

    // Exports both interfaces and takes the bus name; false, with a message, when either fails.
    bool registerOn(QDBusConnection bus);

    // Every call restarts the idle countdown.
    void noteCall();

    // Opens the window on `query` (a normalised query such as "24 Inches to Feet"), or as at a
    // normal start when it is empty.
    void openWindow(const QString& query) const;

signals:
    void idle();

private:
    QString windowProgram;
    QTimer idleTimer;
    QObject gnomeObject;
    QObject krunnerObject;
};

} // namespace mezzurix::search
