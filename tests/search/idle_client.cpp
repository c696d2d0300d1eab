// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Calls the search provider every few milliseconds across its idle deadline, as a searching shell
// might, and counts the calls that fail.
// Usage: idle_client RUNS RUN_MS DEADLINE_MS
// One search (GetInitialResultSet) and then Ping and Introspect until about DEADLINE_MS later, over
// and over for RUN_MS; those two do not count as a search, so the provider's countdown ends amid
// them, each time a little before or after the next search. Prints one line of figures and fails
// on the first error.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QSet>
#include <QThread>

#include <cstdio>

namespace {

const QString kService = QStringLiteral("org.example.Mezzurix.SearchProvider");
const QString kPath = QStringLiteral("/org/example/Mezzurix/SearchProvider");
// Enough for a provider to be started by the bus; far below the shells' own 25 s.
constexpr int kCallTimeoutMs = 5000;
// Gaps between calls, and when each next search comes, from the previous one's deadline: some just
// before it, some just after, some well after, so that the deadline falls amid every kind of call.
constexpr int kGapsMs[] = {1, 2, 3};
constexpr int kSearchOffsetsMs[] = {-4, 0, 2, 5, 10, 20, 40, -2, 1, 3, 80};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: idle_client RUNS RUN_MS DEADLINE_MS\n");
        return 2;
    }
    const int runs = args[1].toInt();
    const int runMs = args[2].toInt();
    const int deadlineMs = args[3].toInt();
    QDBusConnection bus = QDBusConnection::sessionBus();

    const QDBusMessage calls[] = {
        QDBusMessage::createMethodCall(kService, kPath, QStringLiteral("org.gnome.Shell.SearchProvider2"),
                                       QStringLiteral("GetInitialResultSet"))
            << QStringList{QStringLiteral("1"), QStringLiteral("kg")},
        QDBusMessage::createMethodCall(kService, kPath, QStringLiteral("org.freedesktop.DBus.Peer"),
                                       QStringLiteral("Ping")),
        QDBusMessage::createMethodCall(kService, kPath, QStringLiteral("org.freedesktop.DBus.Introspectable"),
                                       QStringLiteral("Introspect")),
    };
    long total = 0;
    QSet<QString> providers;  // the unique names that answered, one per provider started
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        qint64 nextSearch = 0;
        int round = 0;
        while (clock.elapsed() < runMs) {
            const bool search = clock.elapsed() >= nextSearch;
            const QDBusMessage& call = search ? calls[0] : calls[1 + total % 2];
            if (search)
                nextSearch = clock.elapsed() + deadlineMs + kSearchOffsetsMs[round++ % std::size(kSearchOffsetsMs)];
            const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
            ++total;
            if (reply.type() != QDBusMessage::ReplyMessage) {
                std::printf("run %d, call %ld (%s): %s: %s\n", run + 1, total, qPrintable(call.member()),
                            qPrintable(reply.errorName()), qPrintable(reply.errorMessage()));
                return 1;
            }
            providers.insert(reply.service());
            QThread::msleep(kGapsMs[total % std::size(kGapsMs)]);
        }
    }
    std::printf("%d runs, %ld calls, 0 errors, %lld providers started in turn\n", runs, total,
                qlonglong(providers.size()));
    return 0;
}
