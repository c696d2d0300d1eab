// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the search provider over the session bus as the shells call it: activation to the first
// answer, round trips of GNOME's result set and metas and of KRunner's Match, against a bare
// Peer.Ping to the same service, and its resident memory.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <vector>

#include <sys/types.h>

namespace {

const QString kService = QStringLiteral("org.example.Mezzurix.SearchProvider");
const QString kGnomePath = QStringLiteral("/org/example/Mezzurix/SearchProvider");
const QString kGnome = QStringLiteral("org.gnome.Shell.SearchProvider2");

// Each client thread calls over a connection of its own, as each shell process has one.
QDBusConnection busOfThisThread()
{
    thread_local const QString name = QStringLiteral("bench-client-%1").arg(quintptr(QThread::currentThreadId()));
    if (QThread::currentThread() == qApp->thread())
        return QDBusConnection::sessionBus();
    return QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
}

QDBusMessage call(const QString& path, const QString& interface, const QString& method, const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
    message.setArguments(arguments);
    QDBusMessage reply = busOfThisThread().call(message);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(method), qPrintable(reply.errorMessage()));
        std::exit(1);
    }
    return reply;
}

// What the Shell does for one search: the ids, then their metas.
void gnomeSearch(const QStringList& terms)
{
    const QDBusMessage ids = call(kGnomePath, kGnome, QStringLiteral("GetInitialResultSet"), {terms});
    call(kGnomePath, kGnome, QStringLiteral("GetResultMetas"), {ids.arguments().value(0)});
}

void krunnerMatch(const QString& query)
{
    call(QStringLiteral("/runner"), QStringLiteral("org.kde.krunner1"), QStringLiteral("Match"), {query});
}

void ping()
{
    call(kGnomePath, QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"), {});
}

double percentile(std::vector<double> samples, double p)
{
    std::sort(samples.begin(), samples.end());
    return samples[std::min(samples.size() - 1, std::size_t(p * double(samples.size())))];
}

std::vector<double> roundTrips(int iterations, const std::function<void()>& action)
{
    std::vector<double> ms;
    ms.reserve(std::size_t(iterations));
    for (int i = 0; i < iterations; ++i) {
        QElapsedTimer timer;
        timer.start();
        action();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return ms;
}

void report(const QString& label, const std::vector<double>& ms)
{
    std::printf("| %s | %.3f ms | %.3f ms | %.3f ms |\n", qPrintable(label), percentile(ms, 0.5), percentile(ms, 0.99),
                *std::max_element(ms.begin(), ms.end()));
}

void timeRoundTrips(const char* label, int iterations, const std::function<void()>& action)
{
    report(QString::fromUtf8(label), roundTrips(iterations, action));
}

// `clients` threads, each with its own bus connection, make `iterations` round trips of `action`
// each, all at once; the figures are over every round trip of every client.
void timeConcurrentRoundTrips(const char* label, int clients, int iterations, const std::function<void()>& action)
{
    std::vector<std::vector<double>> each(static_cast<std::size_t>(clients));
    std::vector<QThread*> threads;
    for (int i = 0; i < clients; ++i)
        threads.push_back(QThread::create([&, i] { each[std::size_t(i)] = roundTrips(iterations, action); }));
    for (QThread* thread : threads)
        thread->start();
    std::vector<double> all;
    for (QThread* thread : threads) {
        thread->wait();
        delete thread;
    }
    for (const std::vector<double>& ms : each)
        all.insert(all.end(), ms.begin(), ms.end());
    report(QStringLiteral("%1 clients at once: %2").arg(clients).arg(QString::fromUtf8(label)), all);
}

uint servicePid()
{
    return QDBusConnection::sessionBus().interface()->servicePid(kService).value();
}

bool serviceRuns()
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(kService).value();
}

QString statusLine(uint pid, const char* key)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return QString::fromLatin1(line.mid(qsizetype(qstrlen(key)))).simplified();
    return QStringLiteral("?");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the search provider over the session bus."));
    parser.addHelpOption();
    const QCommandLineOption iterationsOption(QStringLiteral("iterations"), QStringLiteral("Calls per figure."),
                                              QStringLiteral("n"), QStringLiteral("5000"));
    const QCommandLineOption activationsOption(QStringLiteral("activations"), QStringLiteral("Cold starts timed."),
                                               QStringLiteral("n"), QStringLiteral("9"));
    const QCommandLineOption clientsOption(QStringLiteral("clients"), QStringLiteral("Clients calling at once."),
                                           QStringLiteral("n"), QStringLiteral("8"));
    parser.addOptions({iterationsOption, activationsOption, clientsOption});
    parser.process(app);
    const int iterations = std::max(1, parser.value(iterationsOption).toInt());
    const int activations = std::max(1, parser.value(activationsOption).toInt());
    const int clients = std::max(1, parser.value(clientsOption).toInt());
    const QStringList exact{QStringLiteral("24"), QStringLiteral("in"), QStringLiteral("to"), QStringLiteral("ft")};
    const QStringList fromOnly{QStringLiteral("24"), QStringLiteral("in")};
    // An unfinished name, read by finishing it as each unit whose name starts so.
    const QStringList unfinished{QStringLiteral("24"), QStringLiteral("in"), QStringLiteral("to"), QStringLiteral("m")};

    // Cold starts: the first call starts the service through the bus; it is then stopped again.
    std::vector<double> starts;
    for (int i = 0; i < activations; ++i) {
        QElapsedTimer timer;
        timer.start();
        gnomeSearch(exact);
        starts.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (i + 1 < activations) {
            ::kill(pid_t(servicePid()), SIGTERM);
            while (serviceRuns())
                QThread::msleep(10);
        }
    }
    std::printf("| figure | p50 | p99 | max |\n| --- | --- | --- | --- |\n");
    std::printf("| activation to the first ids and metas (%d starts) | %.1f ms | | %.1f ms |\n", activations,
                percentile(starts, 0.5), *std::max_element(starts.begin(), starts.end()));

    timeRoundTrips("Peer.Ping (the bus's own round trip)", iterations, ping);
    timeRoundTrips("GetInitialResultSet + GetResultMetas, 24 in to ft", iterations, [&] { gnomeSearch(exact); });
    timeRoundTrips("GetInitialResultSet + GetResultMetas, 24 in (5 results)", iterations,
                   [&] { gnomeSearch(fromOnly); });
    timeRoundTrips("GetInitialResultSet + GetResultMetas, 24 in to m (3 results, unfinished)", iterations,
                   [&] { gnomeSearch(unfinished); });
    timeRoundTrips("Match, 24 in to ft", iterations, [] { krunnerMatch(QStringLiteral("24 in to ft")); });
    timeRoundTrips("Match, 24 in (5 results)", iterations, [] { krunnerMatch(QStringLiteral("24 in")); });
    timeRoundTrips("Match, 5 kg to po (unfinished)", iterations, [] { krunnerMatch(QStringLiteral("5 kg to po")); });
    timeRoundTrips("Match, 100 ft-lb (Torque and Energy)", iterations,
                   [] { krunnerMatch(QStringLiteral("100 ft-lb")); });
    // Each client gets its share of the iterations, so a run takes about as long as one figure.
    const int shared = std::max(1, iterations / clients);
    timeConcurrentRoundTrips("Peer.Ping", clients, shared, ping);
    timeConcurrentRoundTrips("GetInitialResultSet + GetResultMetas, 24 in to ft", clients, shared,
                             [&] { gnomeSearch(exact); });
    timeConcurrentRoundTrips("GetInitialResultSet + GetResultMetas, 24 in to m (unfinished)", clients, shared,
                             [&] { gnomeSearch(unfinished); });
    // The Shell's two calls one by one: each is a round trip of its own.
    for (const QStringList& terms : {exact, unfinished}) {
        const QString what = terms.join(u' ');
        const QVariant ids = call(kGnomePath, kGnome, QStringLiteral("GetInitialResultSet"), {terms}).arguments().value(0);
        timeConcurrentRoundTrips(qPrintable(QStringLiteral("GetInitialResultSet, ") + what), clients, shared, [&] {
            call(kGnomePath, kGnome, QStringLiteral("GetInitialResultSet"), {terms});
        });
        timeConcurrentRoundTrips(qPrintable(QStringLiteral("GetResultMetas, ") + what), clients, shared,
                                 [&] { call(kGnomePath, kGnome, QStringLiteral("GetResultMetas"), {ids}); });
    }
    timeConcurrentRoundTrips("Match, 24 in to ft", clients, shared, [] { krunnerMatch(QStringLiteral("24 in to ft")); });
    timeConcurrentRoundTrips("Match, 5 kg to po (unfinished)", clients, shared,
                             [] { krunnerMatch(QStringLiteral("5 kg to po")); });
    const QString longQuery(100000, u'7');
    timeRoundTrips("Match, 100,000 characters (no result)", std::max(1, iterations / 10),
                   [&] { krunnerMatch(longQuery); });

    const uint pid = servicePid();
    std::printf("\nservice memory after the calls: VmRSS %s, VmHWM %s\n", qPrintable(statusLine(pid, "VmRSS:")),
                qPrintable(statusLine(pid, "VmHWM:")));
    return 0;
}
