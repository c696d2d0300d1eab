// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/rates_cache.h>
#include <mezzurix/reference_rates.h>
#include <mezzurix/search_answers.h>

#include <QtTest>

#include <chrono>
#include <fstream>
#include <sstream>

using namespace mezzurix;
using namespace mezzurix::search;

namespace {

rates::ReferenceRates recordedRates(std::chrono::year_month_day date)
{
    std::ifstream file(MEZZURIX_RATES_RESPONSES "/eurofxref-daily.xml", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    auto rates = std::get<rates::ReferenceRates>(rates::parseDailyRates(text.str()));
    rates.date = date;
    return rates;
}

rates::Seconds now()
{
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

} // namespace

// The provider answers from the cache at once; stale rates start the helper in the background.
class TestSearchCurrency : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(cache_.isValid());
        qputenv("XDG_CACHE_HOME", cache_.path().toUtf8());
        qputenv("MEZZURIX_FETCH_RATES", (cache_.path() + "/helper").toUtf8());
        qputenv("LC_ALL", "C.UTF-8");
        qunsetenv("MEZZURIX_OFFLINE");
        // The helper stands in for the fetch: it only says that it ran.
        QFile helper(cache_.path() + "/helper");
        QVERIFY(helper.open(QIODevice::WriteOnly));
        helper.write("#!/bin/sh\ntouch \"$XDG_CACHE_HOME/helper-ran\"\n");
        helper.close();
        helper.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // No rates yet: no answer, and nothing read as units either.
    void noRatesNoAnswer()
    {
        qputenv("MEZZURIX_OFFLINE", "1");
        QVERIFY(answersFor(QStringLiteral("100 usd to eur")).isEmpty());
        QCOMPARE(answersFor(QStringLiteral("24 in to ft")).size(), 1);
    }

    // Today's rates: answered, dated, copied on activation, and read back from the id.
    void answersFromTheCache()
    {
        const auto today = std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(now()));
        QVERIFY(!rates::writeCachedRates(cache_.path().toStdString() + "/mezzurix", {recordedRates(today), now()}));
        const QList<SearchAnswer> answers = answersFor(QStringList{QStringLiteral("£50"), QStringLiteral("in"), QStringLiteral("€")});
        QCOMPARE(answers.size(), 1);
        QCOMPARE(answers.front().name, QStringLiteral("59.12 euros"));
        QCOMPARE(answers.front().number, QStringLiteral("59.12"));
        QVERIFY(answers.front().currency);
        QVERIFY2(answers.front().description.endsWith(QString::fromStdString(rates::dateText(today))),
                 qPrintable(answers.front().description));
        const std::optional<SearchAnswer> again = answerForId(answers.front().id);
        QVERIFY(again.has_value());
        QCOMPARE(again->name, answers.front().name);
        QVERIFY(!QFile::exists(cache_.path() + "/helper-ran"));
    }

    // Stale rates answer at once, and the helper is started in the background.
    void staleRatesStartTheHelper()
    {
        const auto old = std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(now()) - std::chrono::days(20));
        QVERIFY(!rates::writeCachedRates(cache_.path().toStdString() + "/mezzurix",
                                         {recordedRates(old), std::chrono::sys_days(old) + std::chrono::hours(18)}));
        const QList<SearchAnswer> answers = answersFor(QStringLiteral("100 usd to eur"));
        QCOMPARE(answers.size(), 1);
        QCOMPARE(answers.front().name, QStringLiteral("92.31 euros"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(cache_.path() + "/helper-ran"), 10000);
    }

private:
    QTemporaryDir cache_;
};

QTEST_GUILESS_MAIN(TestSearchCurrency)
#include "tst_search_currency.moc"
