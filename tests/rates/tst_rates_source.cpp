// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "The rates, please": with a stand-in for the fetch helper that fetches, fails or hangs, each
// state of the cache gives the rates to answer with, what was fetched and why not, waiting for the
// helper or starting it in the background, and never a second attempt in one process.

#include <mezzurix/rates_source.h>

#include <QtTest>

using namespace mezzurix::rates;
using namespace std::chrono_literals;

namespace {

// Far above any of these runs' real time: only a hang would reach it.
constexpr auto kWellUnder = 10s;

// Tuesday 2026-12-08, 17:00 in Frankfurt: that day's rates are out.
const Seconds kNow(std::chrono::seconds(1796749200));

// Records each run, then does what STAND_IN says.
constexpr const char* kStandIn = R"(#!/bin/sh
echo run >> "$XDG_CACHE_HOME/runs"
case "$STAND_IN" in
fetch) cp "$XDG_CACHE_HOME/fetched" "$XDG_CACHE_HOME/mezzurix/exchange-rates" ;;
fail) echo "mezzurix-fetch-rates: no rates from the server; the cached rates are kept" >&2; exit 3 ;;
hang) exec sleep 30 ;;
esac
)";

std::string cacheOf(const char* date)
{
    CachedRates cached;
    cached.rates.date = *parseDate(date);
    cached.fetchedAt = kNow - 24h;
    addRate(cached.rates, "USD", "1.0833");
    return cacheText(cached);
}

void write(const QString& path, const std::string& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

int runs(const QTemporaryDir& cache)
{
    QFile file(cache.filePath(QStringLiteral("runs")));
    return file.open(QIODevice::ReadOnly) ? static_cast<int>(file.readAll().count('\n')) : 0;
}

} // namespace

Q_DECLARE_METATYPE(RatesOutcome::Fetch)

class TestRatesSource : public QObject {
    Q_OBJECT
private slots:
    void init();
    void outcomes_data();
    void outcomes();
    void oneAttemptAProcess();
    void backgroundAnswersFromTheCacheMeanwhile();

private:
    std::unique_ptr<QTemporaryDir> cache_;
};

void TestRatesSource::init()
{
    cache_ = std::make_unique<QTemporaryDir>();
    QDir(cache_->path()).mkdir(QStringLiteral("mezzurix"));
    write(cache_->filePath(QStringLiteral("helper")), kStandIn);
    QFile::setPermissions(cache_->filePath(QStringLiteral("helper")), QFile::ReadOwner | QFile::ExeOwner);
    write(cache_->filePath(QStringLiteral("fetched")), cacheOf("2026-12-08"));
    qputenv("XDG_CACHE_HOME", cache_->path().toUtf8());
    qputenv("MEZZURIX_FETCH_RATES", cache_->filePath(QStringLiteral("helper")).toUtf8());
}

void TestRatesSource::outcomes_data()
{
    QTest::addColumn<QString>("cached");     // the cache's date, "" for none, "damaged"
    QTest::addColumn<bool>("failedRecently");
    QTest::addColumn<bool>("offline");
    QTest::addColumn<bool>("forced");
    QTest::addColumn<QString>("standIn");
    QTest::addColumn<QString>("ratesDate");  // "" for no rates
    QTest::addColumn<FetchDecision>("decision");
    QTest::addColumn<RatesOutcome::Fetch>("fetch");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("runs");
    using D = FetchDecision;
    using F = RatesOutcome::Fetch;
    QTest::newRow("fresh") << "2026-12-08" << false << false << false << "fail" << "2026-12-08" << D::UpToDate << F::None << "" << 0;
    QTest::newRow("stale, fetched") << "2026-12-07" << false << false << false << "fetch" << "2026-12-08" << D::Due << F::Fetched << "" << 1;
    QTest::newRow("no rates yet, fetched") << "" << false << false << false << "fetch" << "2026-12-08" << D::Due << F::Fetched << "" << 1;
    QTest::newRow("damaged, fetched") << "damaged" << false << false << false << "fetch" << "2026-12-08" << D::Due << F::Fetched << "" << 1;
    QTest::newRow("stale, helper fails") << "2026-12-07" << false << false << false << "fail" << "2026-12-07" << D::Due << F::Failed
                                         << "no rates from the server; the cached rates are kept" << 1;
    QTest::newRow("no rates yet, helper fails") << "" << false << false << false << "fail" << "" << D::Due << F::Failed
                                                << "no rates from the server" << 1;
    QTest::newRow("stale, helper hangs") << "2026-12-07" << false << false << false << "hang" << "2026-12-07" << D::Due << F::Failed
                                         << "mezzurix-fetch-rates did not finish within 3 s" << 1;
    QTest::newRow("stale, offline") << "2026-12-07" << false << true << false << "fetch" << "2026-12-07" << D::Offline << F::None << "" << 0;
    QTest::newRow("no rates yet, offline") << "" << false << true << false << "fetch" << "" << D::Offline << F::None << "" << 0;
    QTest::newRow("stale, failed recently") << "2026-12-07" << true << false << false << "fetch" << "2026-12-07" << D::AfterFailure
                                            << F::None << "the last attempt's message" << 0;
    QTest::newRow("damaged, offline") << "damaged" << false << true << false << "fetch" << "" << D::Offline << F::None
                                      << "the cached exchange rates are damaged" << 0;
    QTest::newRow("fresh, forced") << "2026-12-08" << true << false << true << "fetch" << "2026-12-08" << D::Due << F::Fetched << "" << 1;
}

void TestRatesSource::outcomes()
{
    QFETCH(QString, cached);
    QFETCH(bool, failedRecently);
    QFETCH(bool, offline);
    QFETCH(bool, forced);
    QFETCH(QString, standIn);
    QFETCH(QString, ratesDate);
    QFETCH(FetchDecision, decision);
    QFETCH(RatesOutcome::Fetch, fetch);
    QFETCH(QString, problem);
    QFETCH(int, runs);
    const std::filesystem::path folder = cache_->filePath(QStringLiteral("mezzurix")).toStdString();
    if (!cached.isEmpty())
        write(cache_->filePath(QStringLiteral("mezzurix/exchange-rates")),
              cached == "damaged" ? std::string("mezzurix exchange rates 1\n") : cacheOf(qPrintable(cached)));
    if (failedRecently)
        recordFailedAttempt(folder, {kNow - 10min, "the last attempt's message"});
    qputenv("STAND_IN", standIn.toUtf8());

    QElapsedTimer timer;
    timer.start();
    RatesSource source(InstalledIn::BinDir, Waiting::ForTheFetch, 200ms);
    const RatesOutcome outcome = source.obtain(kNow, {offline, forced});
    QVERIFY(timer.elapsed() < std::chrono::milliseconds(kWellUnder).count());
    QCOMPARE(outcome.rates ? QString::fromStdString(dateText(outcome.rates->rates.date)) : QString(), ratesDate);
    QCOMPARE(outcome.decision, decision);
    QCOMPARE(outcome.fetch, fetch);
    QVERIFY2(QString::fromStdString(outcome.problem).startsWith(problem) && (problem.isEmpty() == outcome.problem.empty()),
             outcome.problem.c_str());
    QCOMPARE(::runs(*cache_), runs);
}

void TestRatesSource::oneAttemptAProcess()
{
    qputenv("STAND_IN", "fail");
    RatesSource source(InstalledIn::BinDir, Waiting::ForTheFetch);
    QCOMPARE(source.obtain(kNow, {}).fetch, RatesOutcome::Fetch::Failed);
    const RatesOutcome again = source.obtain(kNow, {false, true});
    QCOMPARE(again.decision, FetchDecision::Due);
    QCOMPARE(again.fetch, RatesOutcome::Fetch::NotAgain);
    QCOMPARE(runs(*cache_), 1);
}

void TestRatesSource::backgroundAnswersFromTheCacheMeanwhile()
{
    write(cache_->filePath(QStringLiteral("mezzurix/exchange-rates")), cacheOf("2026-12-07"));
    qputenv("STAND_IN", "fetch");
    RatesSource source(InstalledIn::LibexecDir, Waiting::Background);
    const RatesOutcome outcome = source.obtain(kNow, {});
    QCOMPARE(outcome.fetch, RatesOutcome::Fetch::Started);
    QCOMPARE(dateText(outcome.rates->rates.date), std::string("2026-12-07"));
    QTRY_COMPARE_WITH_TIMEOUT(runs(*cache_), 1, std::chrono::milliseconds(kWellUnder).count());
    RatesSource later(InstalledIn::LibexecDir, Waiting::Background);
    QTRY_COMPARE_WITH_TIMEOUT(later.obtain(kNow, {}).decision, FetchDecision::UpToDate,
                              std::chrono::milliseconds(kWellUnder).count());
}

QTEST_GUILESS_MAIN(TestRatesSource)
#include "tst_rates_source.moc"
