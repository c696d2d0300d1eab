// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Types every query of a table into the search one character at a time, as GNOME Shell does
// (GetInitialResultSet, then GetSubsearchResultSet with the ids of the key before, then
// GetResultMetas of what it shows) and as KRunner does (Match of the whole text), and checks:
// - an answer, once shown, never vanishes to come back later: no category whose answers were shown
//   before an empty step is shown again after it ("8 lbs" in Mass, nothing at "8 lbs 6", Mass at
//   "8 lbs 6 o" fails; Current at "1 a", nothing at "1 and", Volume at "1 and a half c" is a new answer);
// - the whole query is answered;
// - KRunner's relevances never rise down its list, so KRunner keeps the order given.
// Usage: typing_client TABLE
// TABLE: one query a line; a tab and "pending: WHY" after a query that cannot hold yet, which is
// then reported, not failed. Lines starting with "#" are comments.

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QFile>
#include <QSet>
#include <QVariantMap>

#include <cstdio>
#include <optional>

namespace {

const QString kService = QStringLiteral("org.example.Mezzurix.SearchProvider");
const QString kGnomePath = QStringLiteral("/org/example/Mezzurix/SearchProvider");
const QString kGnome = QStringLiteral("org.gnome.Shell.SearchProvider2");
const QString kPending = QStringLiteral("pending:");
// Well above any answer's time, even with a sanitizer on a loaded machine.
constexpr int kCallTimeoutMs = 20000;

QDBusMessage call(const QString& path, const QString& interface, const QString& method, const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
    message.setArguments(arguments);
    QDBusMessage reply = QDBusConnection::sessionBus().call(message, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(method), qPrintable(reply.errorMessage()));
        std::exit(1);
    }
    return reply;
}

// The category of an answer, from its description: "24 Inches = 2 Feet · Distance · ...".
QString categoryOf(const QString& description)
{
    return description.section(QStringLiteral(" \u00b7 "), 1, 1);
}

// What a shell shows for one typed text: the categories of its answers.
struct Shown {
    QSet<QString> categories;
    bool relevanceFalls = true;  // KRunner's only
};

Shown gnomeAnswers(const QStringList& ids)
{
    if (ids.isEmpty())
        return {};
    const QDBusMessage reply = call(kGnomePath, kGnome, QStringLiteral("GetResultMetas"), {ids});
    QList<QVariantMap> metas;
    reply.arguments().value(0).value<QDBusArgument>() >> metas;
    Shown shown;
    for (const QVariantMap& meta : metas)
        shown.categories.insert(categoryOf(meta.value(QStringLiteral("description")).toString()));
    return shown;
}

Shown krunnerAnswers(const QString& text)
{
    const QDBusMessage reply = call(QStringLiteral("/runner"), QStringLiteral("org.kde.krunner1"), QStringLiteral("Match"), {text});
    const QDBusArgument matches = reply.arguments().value(0).value<QDBusArgument>();
    Shown shown;
    double before = 2;
    matches.beginArray();
    while (!matches.atEnd()) {
        QString id, title, icon;
        int categoryRelevance = 0;
        double relevance = 0;
        QVariantMap properties;
        matches.beginStructure();
        matches >> id >> title >> icon >> categoryRelevance >> relevance >> properties;
        matches.endStructure();
        shown.categories.insert(categoryOf(properties.value(QStringLiteral("subtext")).toString()));
        shown.relevanceFalls = shown.relevanceFalls && relevance <= before;
        before = relevance;
    }
    matches.endArray();
    return shown;
}

// What one shell showed while a query was typed, and what went wrong.
class Watch {
public:
    explicit Watch(const char* name) : shell(name) {}

    void see(const QString& typed, const QSet<QString>& categories)
    {
        if (!categories.isEmpty() && !goneAt.isEmpty() && categories.intersects(before) && fault.isEmpty())
            fault = QStringLiteral("%1: the answer shown at \"%2\" is gone at \"%3\" and back at \"%4\"")
                        .arg(QLatin1String(shell), shownAt, goneAt, typed);
        if (categories.isEmpty() && !last.isEmpty()) {
            goneAt = typed;
            before = last;
        }
        if (!categories.isEmpty() && (shownAt.isEmpty() || !goneAt.isEmpty())) {
            shownAt = typed;
            goneAt.clear();
        }
        last = categories;
    }

    // The first fault, once the whole query is typed; empty if none.
    QString verdict() const
    {
        if (!fault.isEmpty())
            return fault;
        if (last.isEmpty())
            return QStringLiteral("%1: no answer to the whole query").arg(QLatin1String(shell));
        return {};
    }

    void fail(const QString& why)
    {
        if (fault.isEmpty())
            fault = QLatin1String(shell) + QStringLiteral(": ") + why;
    }

private:
    const char* shell;
    QString shownAt;
    QString goneAt;
    QString fault;
    QSet<QString> before;  // the categories shown before the answers vanished
    QSet<QString> last;
};

// The faults of typing `query`, the GNOME Shell's first then KRunner's.
QStringList typeOut(const QString& query)
{
    Watch gnome("GNOME Shell");
    Watch krunner("KRunner");
    QStringList previousIds;
    QString typed;
    for (const QChar c : query) {
        typed += c;
        if (c.isHighSurrogate())
            continue;
        const QStringList terms = typed.split(u' ', Qt::SkipEmptyParts);
        // The Shell searches whole terms: a blank typed after a word asks nothing new.
        if (!terms.isEmpty() && !typed.endsWith(u' ')) {
            const QStringList ids =
                previousIds.isEmpty()
                    ? call(kGnomePath, kGnome, QStringLiteral("GetInitialResultSet"), {terms}).arguments().value(0).toStringList()
                    : call(kGnomePath, kGnome, QStringLiteral("GetSubsearchResultSet"), {previousIds, terms})
                          .arguments().value(0).toStringList();
            gnome.see(typed, gnomeAnswers(ids).categories);
            previousIds = ids;
        }
        const Shown matches = krunnerAnswers(typed);
        if (!matches.relevanceFalls)
            krunner.fail(QStringLiteral("relevance rises down the list at \"%1\"").arg(typed));
        krunner.see(typed, matches.categories);
    }
    QStringList faults;
    for (const Watch* watch : {&gnome, &krunner})
        if (const QString verdict = watch->verdict(); !verdict.isEmpty())
            faults.append(verdict);
    return faults;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: typing_client TABLE\n");
        return 2;
    }
    qDBusRegisterMetaType<QList<QVariantMap>>();
    QFile table(QString::fromLocal8Bit(argv[1]));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    int failed = 0;
    int typedOut = 0;
    int pending = 0;
    while (!table.atEnd()) {
        const QString line = QString::fromUtf8(table.readLine()).chopped(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QString query = line.section(u'\t', 0, 0);
        const QString note = line.section(u'\t', 1).trimmed();
        const QStringList faults = typeOut(query);
        ++typedOut;
        if (note.startsWith(kPending)) {
            ++pending;
            if (faults.isEmpty())
                std::printf("now holds, no longer pending: %s\n", qPrintable(query));
            else
                std::printf("pending (%s): %s\n", qPrintable(note.mid(kPending.size()).trimmed()),
                            qPrintable(faults.join(QStringLiteral("; "))));
            continue;
        }
        for (const QString& fault : faults)
            std::fprintf(stderr, "FAIL \"%s\": %s\n", qPrintable(query), qPrintable(fault));
        failed += faults.isEmpty() ? 0 : 1;
    }
    std::printf("%d queries typed out, %d pending, %d failed\n", typedOut, pending, failed);
    return failed == 0 ? 0 : 1;
}
