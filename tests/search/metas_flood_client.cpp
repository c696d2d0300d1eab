// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Asks the search provider to describe a flood of result ids at once, as no shell does, and says
// how many descriptions came back, how long it took, and how much the provider's memory grew.
// Usage: metas_flood_client COUNT ID
// Starts the provider with a search first, reads its resident memory from /proc, calls
// GetResultMetas with COUNT copies of ID, reads the memory again, and checks that a usual call
// is still answered. Prints one line: "METAS metas in MS ms, memory grew by KB kB".

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QFile>
#include <QVariantMap>

#include <cstdio>

namespace {

const QString kService = QStringLiteral("org.example.Mezzurix.SearchProvider");
const QString kPath = QStringLiteral("/org/example/Mezzurix/SearchProvider");
const QString kInterface = QStringLiteral("org.gnome.Shell.SearchProvider2");
// The shells' own timeout: a flood answered later than this is lost to them anyway.
constexpr int kCallTimeoutMs = 25000;

// VmRSS of process `pid`, in kB, or -1.
long residentKb(uint pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

std::optional<QList<QVariantMap>> metas(QDBusConnection& bus, const QStringList& ids)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("GetResultMetas"));
    call << ids;
    const QDBusReply<QList<QVariantMap>> reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (!reply.isValid()) {
        std::fprintf(stderr, "GetResultMetas failed: %s\n", qPrintable(reply.error().message()));
        return std::nullopt;
    }
    return reply.value();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: metas_flood_client COUNT ID\n");
        return 2;
    }
    qDBusRegisterMetaType<QList<QVariantMap>>();
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QDBusMessage search = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("GetInitialResultSet"))
                                << QStringList{QStringLiteral("24"), QStringLiteral("in"), QStringLiteral("to"), QStringLiteral("ft")};
    if (bus.call(search, QDBus::Block, kCallTimeoutMs).type() != QDBusMessage::ReplyMessage) {
        std::fprintf(stderr, "the first search failed\n");
        return 1;
    }
    const uint pid = bus.interface()->servicePid(kService);
    const long before = residentKb(pid);

    QElapsedTimer clock;
    clock.start();
    const std::optional<QList<QVariantMap>> flood = metas(bus, QStringList(args[1].toLongLong(), args[2]));
    const qint64 ms = clock.elapsed();
    const long after = residentKb(pid);
    if (!flood || !metas(bus, {args[2]}))
        return 1;
    std::printf("%lld metas in %lld ms, memory grew by %ld kB\n", static_cast<long long>(flood->size()),
                static_cast<long long>(ms), after - before);
    return before < 0 || after < 0 ? 1 : 0;
}
