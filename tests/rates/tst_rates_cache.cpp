// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cache: every rate of the recorded file comes back as written, damaged files are refused for
// their fault, the folder follows XDG_CACHE_HOME and HOME, failed attempts are recorded and
// forgotten, and a write leaves no file of its own behind.

#include <mezzurix/rates_cache.h>

#include <QtTest>

#include <fstream>
#include <sstream>

using namespace mezzurix::rates;

namespace {

CachedRates recordedRates()
{
    std::ifstream file(MEZZURIX_RATES_RESPONSES "/eurofxref-daily.xml", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    auto parsed = parseDailyRates(text.str());
    return {std::get<ReferenceRates>(std::move(parsed)), Seconds(std::chrono::seconds(1796745600))};
}

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

QStringList folderEntries(const std::filesystem::path& folder)
{
    return QDir(QString::fromStdString(folder.string())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestRatesCache : public QObject {
    Q_OBJECT
private slots:
    void everyRateComesBackAsWritten();
    void noRatesYet();
    void damagedCaches_data();
    void damagedCaches();
    void cacheFolder_data();
    void cacheFolder();
    void failedAttempts();
    void writesLeaveNoFileOfTheirOwn();
};

void TestRatesCache::everyRateComesBackAsWritten()
{
    QTemporaryDir scratch;
    const std::filesystem::path folder = scratch.path().toStdString() + "/nested/mezzurix";
    const CachedRates written = recordedRates();
    QCOMPARE(writeCachedRates(folder, written), std::nullopt);
    QCOMPARE(fileText(folder / kRatesFileName), cacheText(written));
    auto read = readCachedRates(folder);
    QVERIFY(std::holds_alternative<CachedRates>(read));
    const CachedRates& back = std::get<CachedRates>(read);
    QCOMPARE(dateText(back.rates.date), std::string("2026-12-08"));
    QCOMPARE(back.fetchedAt, written.fetchedAt);
    QCOMPARE(back.rates.rates.size(), written.rates.rates.size());
    for (std::size_t i = 0; i < written.rates.rates.size(); ++i) {
        QCOMPARE(back.rates.rates[i].code, written.rates.rates[i].code);
        QCOMPARE(back.rates.rates[i].text, written.rates.rates[i].text);
        QCOMPARE(back.rates.rates[i].perEuro, written.rates.rates[i].perEuro);
    }
}

void TestRatesCache::noRatesYet()
{
    QTemporaryDir scratch;
    const auto read = readCachedRates(scratch.path().toStdString());
    QVERIFY(std::holds_alternative<CacheError>(read));
    QCOMPARE(std::get<CacheError>(read).problem, CacheProblem::Missing);
    QCOMPARE(readFailedAttempt(scratch.path().toStdString()), std::nullopt);
}

void TestRatesCache::damagedCaches_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fault");
    const QString good = QString::fromStdString(cacheText(recordedRates()));
    const auto row = [](const char* name, const QString& text, const char* fault) {
        QTest::newRow(name) << text << QString::fromLatin1(fault);
    };
    row("empty", QString(), "it does not start as a rates file of this version");
    row("last line cut off", good.chopped(1), "the last line is cut off");
    row("another format", QString(good).replace(QStringLiteral("rates 1\n"), QStringLiteral("rates 2\n")),
        "it does not start as a rates file of this version");
    row("unreadable date", QString(good).replace(QStringLiteral("2026-12-08"), QStringLiteral("2026-13-08")),
        "its date or its time of fetching is unreadable");
    row("unreadable time", QString(good).replace(QStringLiteral("1796745600"), QStringLiteral("17967x5600")),
        "its date or its time of fetching is unreadable");
    row("a line without a rate", good + "NOK\n", "line 33 is not a code and a rate");
    row("a negative rate", QString(good).replace(QStringLiteral("USD 1.0833"), QStringLiteral("USD -1.0833")),
        "line 4: the rate of USD is not a positive decimal number");
    row("a currency twice", good + "USD 1.0833\n", "line 33: USD comes twice");
    row("no rates", good.left(good.indexOf(QStringLiteral("USD"))), "it holds no rates");
}

void TestRatesCache::damagedCaches()
{
    QFETCH(QString, text);
    QFETCH(QString, fault);
    const auto read = readCacheText(text.toStdString());
    QVERIFY(std::holds_alternative<CacheError>(read));
    QCOMPARE(std::get<CacheError>(read).problem, CacheProblem::Damaged);
    QVERIFY2(QString::fromStdString(std::get<CacheError>(read).message).contains(fault),
             std::get<CacheError>(read).message.c_str());
}

void TestRatesCache::cacheFolder_data()
{
    QTest::addColumn<QByteArray>("xdgCacheHome");
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QString>("folder");
    QTest::newRow("XDG_CACHE_HOME") << QByteArray("/var/cache/me") << QByteArray("/home/me") << "/var/cache/me/mezzurix";
    QTest::newRow("unset") << QByteArray() << QByteArray("/home/me") << "/home/me/.cache/mezzurix";
    QTest::newRow("empty") << QByteArray("") << QByteArray("/home/me") << "/home/me/.cache/mezzurix";
    QTest::newRow("relative, ignored") << QByteArray("cache") << QByteArray("/home/me") << "/home/me/.cache/mezzurix";
}

void TestRatesCache::cacheFolder()
{
    QFETCH(QByteArray, xdgCacheHome);
    QFETCH(QByteArray, home);
    QFETCH(QString, folder);
    if (xdgCacheHome.isNull())
        qunsetenv("XDG_CACHE_HOME");
    else
        qputenv("XDG_CACHE_HOME", xdgCacheHome);
    qputenv("HOME", home);
    QCOMPARE(QString::fromStdString(cacheDirectory().value_or("").string()), folder);
}

void TestRatesCache::failedAttempts()
{
    QTemporaryDir scratch;
    const std::filesystem::path folder = scratch.path().toStdString();
    const Seconds when(std::chrono::seconds(1796749200));
    QCOMPARE(recordFailedAttempt(folder, {when, "no answer\nwithin 3 s"}), std::nullopt);
    const std::optional<FailedAttempt> failure = readFailedAttempt(folder);
    QVERIFY(failure.has_value());
    QCOMPARE(failure->at, when);
    QCOMPARE(failure->message, std::string("no answer within 3 s"));
    forgetFailedAttempt(folder);
    QCOMPARE(readFailedAttempt(folder), std::nullopt);
}

void TestRatesCache::writesLeaveNoFileOfTheirOwn()
{
    QTemporaryDir scratch;
    const std::filesystem::path folder = scratch.path().toStdString();
    QCOMPARE(writeCachedRates(folder, recordedRates()), std::nullopt);
    QCOMPARE(folderEntries(folder), QStringList{QString::fromLatin1(kRatesFileName.data())});

    // A folder in the way of the rates file: the rename fails, and the new file goes too.
    const std::filesystem::path blocked = folder / "blocked";
    std::filesystem::create_directories(blocked / kRatesFileName / "inside");
    const std::optional<std::string> error = writeCachedRates(blocked, recordedRates());
    QVERIFY(error.has_value());
    QVERIFY2(error->starts_with("cannot replace"), error->c_str());
    QCOMPARE(folderEntries(blocked), QStringList{QString::fromLatin1(kRatesFileName.data())});
}

QTEST_GUILESS_MAIN(TestRatesCache)
#include "tst_rates_cache.moc"
