// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// When rates are due: the publication time against the system's time zone database on every day
// of 41 years, the latest publication across weekends, holidays, the 16:00 boundary and the
// changes of summer time, and the decision with offline, forced and failed attempts.

#include <mezzurix/fetch_schedule.h>
#include <mezzurix/reference_rates.h>

#include <QtTest>

#include <cstdlib>
#include <ctime>

using namespace mezzurix::rates;
using namespace std::chrono;

namespace {

Seconds at(const QString& utc)
{
    const QDateTime time = QDateTime::fromString(utc, Qt::ISODate);
    if (!time.isValid())
        qFatal("not a time: %s", qPrintable(utc));
    return Seconds(seconds(time.toSecsSinceEpoch()));
}

std::optional<Seconds> maybeAt(const QString& utc)
{
    return utc.isEmpty() ? std::nullopt : std::optional<Seconds>(at(utc));
}

year_month_day date(const QString& text)
{
    return *parseDate(text.toStdString());
}

} // namespace

class TestFetchSchedule : public QObject {
    Q_OBJECT
private slots:
    void publicationIsFourPmInFrankfurtEveryDay();
    void publicationDays_data();
    void publicationDays();
    void latestPublication_data();
    void latestPublication();
    void latestPublicationIsNeverPassedOver();
    void decisions_data();
    void decisions();
    void offlineSwitch_data();
    void offlineSwitch();
};

// The zone database's Europe/Berlin, an independent source, says 16:00:00 local on that very day.
void TestFetchSchedule::publicationIsFourPmInFrankfurtEveryDay()
{
    qputenv("TZ", ":Europe/Berlin");
    tzset();
    QVERIFY2(QFile::exists(QStringLiteral("/usr/share/zoneinfo/Europe/Berlin")), "tzdata is not installed");
    int days = 0;
    for (sys_days day = sys_days(2000y / January / 1); day <= sys_days(2040y / December / 31); day += sys_days::duration(1)) {
        const std::time_t time = publicationTime(year_month_day(day)).time_since_epoch().count();
        std::tm local{};
        localtime_r(&time, &local);
        const QString expected = QString::fromStdString(dateText(year_month_day(day))) + " 16:00:00";
        const QString got = QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                                              local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
        if (got != expected)
            QFAIL(qPrintable(got + " for " + expected));
        ++days;
    }
    QCOMPARE(days, 14976);
}

void TestFetchSchedule::publicationDays_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<bool>("published");
    const auto row = [](const char* day, bool published) { QTest::newRow(day) << QString::fromLatin1(day) << published; };
    row("2026-12-07", true);   // Monday
    row("2026-12-11", true);   // Friday
    row("2026-12-12", false);  // Saturday
    row("2026-12-13", false);  // Sunday
    row("2026-04-02", true);   // Maundy Thursday
    row("2026-04-03", false);  // Good Friday
    row("2026-04-06", false);  // Easter Monday
    row("2026-04-07", true);
    row("2024-03-29", false);  // Good Friday, Easter in March
    row("2024-04-01", false);  // Easter Monday
    row("2038-04-23", false);  // Good Friday, Easter at its latest but one
    row("2038-04-26", false);  // Easter Monday
    row("2285-03-23", false);  // Easter Monday after Easter at its earliest, 22 March
    row("2026-05-01", false);  // Labour Day, a Friday
    row("2026-12-24", true);   // Christmas Eve is a working day
    row("2026-12-25", false);
    row("2025-12-26", false);  // Boxing Day, a Friday
    row("2026-12-31", true);
    row("2027-01-01", false);  // New Year's Day, a Friday
}

void TestFetchSchedule::publicationDays()
{
    QFETCH(QString, day);
    QFETCH(bool, published);
    QCOMPARE(isPublicationDay(date(day)), published);
}

void TestFetchSchedule::latestPublication_data()
{
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("latest");
    const auto row = [](const char* name, const char* now, const char* latest) {
        QTest::newRow(name) << QString::fromLatin1(now) << QString::fromLatin1(latest);
    };
    // 16:00 CET is 15:00 UTC, 16:00 CEST 14:00 UTC.
    row("winter, a second before 16:00", "2026-12-08T14:59:59Z", "2026-12-07");
    row("winter, 16:00", "2026-12-08T15:00:00Z", "2026-12-08");
    row("late evening, already the next day in Frankfurt", "2026-12-08T23:30:00Z", "2026-12-08");
    row("Monday morning", "2026-12-07T08:00:00Z", "2026-12-04");
    row("Saturday", "2026-12-05T12:00:00Z", "2026-12-04");
    row("Sunday night", "2026-12-06T23:59:59Z", "2026-12-04");
    row("summer, a second before 16:00", "2026-07-14T13:59:59Z", "2026-07-13");
    row("summer, 16:00", "2026-07-14T14:00:00Z", "2026-07-14");
    row("Friday before summer time, 15:30 CET", "2026-03-27T14:30:00Z", "2026-03-26");
    row("Friday before summer time, 16:00 CET", "2026-03-27T15:00:00Z", "2026-03-27");
    row("first Monday of summer time, 15:59 CEST", "2026-03-30T13:59:00Z", "2026-03-27");
    row("first Monday of summer time, 16:00 CEST", "2026-03-30T14:00:00Z", "2026-03-30");
    row("last Friday of summer time, 16:00 CEST", "2026-10-23T14:00:00Z", "2026-10-23");
    row("first Monday of winter time, 15:30 CET", "2026-10-26T14:30:00Z", "2026-10-23");
    row("first Monday of winter time, 16:00 CET", "2026-10-26T15:00:00Z", "2026-10-26");
    row("Easter Monday evening", "2026-04-06T20:00:00Z", "2026-04-02");
    row("Tuesday after Easter", "2026-04-07T14:00:00Z", "2026-04-07");
    row("between Christmas and the weekend", "2026-12-27T12:00:00Z", "2026-12-24");
    row("New Year's Day", "2027-01-01T18:00:00Z", "2026-12-31");
}

void TestFetchSchedule::latestPublication()
{
    QFETCH(QString, now);
    QFETCH(QString, latest);
    QCOMPARE(QString::fromStdString(dateText(mezzurix::rates::latestPublication(at(now)))), latest);
}

// Every quarter of an hour for two years: the latest publication has passed, and the next
// publication day's has not.
void TestFetchSchedule::latestPublicationIsNeverPassedOver()
{
    for (Seconds now = at(QStringLiteral("2026-01-01T00:00:00Z")); now < at(QStringLiteral("2028-01-01T00:00:00Z"));
         now += minutes(15)) {
        const year_month_day latest = mezzurix::rates::latestPublication(now);
        QVERIFY(isPublicationDay(latest));
        QVERIFY(publicationTime(latest) <= now);
        sys_days next = sys_days(latest) + days(1);
        while (!isPublicationDay(year_month_day(next)))
            next += days(1);
        if (publicationTime(year_month_day(next)) <= now)
            QFAIL(qPrintable(QString::fromStdString(dateText(year_month_day(next)) + " passed over")));
    }
}

void TestFetchSchedule::decisions_data()
{
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("ratesDate");
    QTest::addColumn<QString>("fetchedAt");
    QTest::addColumn<QString>("lastFailure");
    QTest::addColumn<bool>("offline");
    QTest::addColumn<bool>("forced");
    QTest::addColumn<FetchDecision>("decision");
    const auto row = [](const char* name, const char* now, const char* ratesDate, const char* fetchedAt,
                        const char* lastFailure, bool offline, bool forced, FetchDecision decision) {
        QTest::newRow(name) << QString::fromLatin1(now) << QString::fromLatin1(ratesDate) << QString::fromLatin1(fetchedAt)
                            << QString::fromLatin1(lastFailure) << offline << forced << decision;
    };
    using D = FetchDecision;
    const char* tue = "2026-12-08T15:00:00Z"; // Tuesday's publication time
    row("no rates yet", tue, "", "", "", false, false, D::Due);
    row("no rates yet, offline", tue, "", "", "", true, false, D::Offline);
    row("no rates yet, failed 30 min ago", tue, "", "", "2026-12-08T14:30:00Z", false, false, D::AfterFailure);
    row("no rates yet, failed 60 min ago", tue, "", "", "2026-12-08T14:00:00Z", false, false, D::Due);
    row("today's rates", tue, "2026-12-08", "2026-12-08T15:00:00Z", "", false, false, D::UpToDate);
    row("Monday's rates at Tuesday 15:59 CET", "2026-12-08T14:59:59Z", "2026-12-07", "2026-12-07T15:10:00Z", "", false,
        false, D::UpToDate);
    row("Monday's rates at Tuesday 16:00 CET", tue, "2026-12-07", "2026-12-07T15:10:00Z", "", false, false, D::Due);
    row("Friday's rates on Monday morning", "2026-12-07T09:00:00Z", "2026-12-04", "2026-12-04T18:00:00Z", "", false,
        false, D::UpToDate);
    row("Friday's rates on Sunday, summer", "2026-07-12T12:00:00Z", "2026-07-10", "2026-07-10T14:05:00Z", "", false,
        false, D::UpToDate);
    row("stale, offline", tue, "2026-12-07", "2026-12-07T15:10:00Z", "", true, false, D::Offline);
    row("today's rates, offline", tue, "2026-12-08", "2026-12-08T15:00:00Z", "", true, false, D::UpToDate);
    row("stale, failed 59 min ago", "2026-12-08T15:59:00Z", "2026-12-07", "2026-12-07T15:10:00Z",
        "2026-12-08T15:00:00Z", false, false, D::AfterFailure);
    row("stale, failed 60 min ago", "2026-12-08T16:00:00Z", "2026-12-07", "2026-12-07T15:10:00Z",
        "2026-12-08T15:00:00Z", false, false, D::Due);
    row("stale, failure dated in the future", tue, "2026-12-07", "2026-12-07T15:10:00Z", "2026-12-08T18:00:00Z", false,
        false, D::Due);
    row("fetched 30 min after 16:00, still Monday's", "2026-12-08T15:59:00Z", "2026-12-07", "2026-12-08T15:30:00Z", "",
        false, false, D::UpToDate);
    row("fetched 61 min ago after 16:00, still Monday's", "2026-12-08T16:31:00Z", "2026-12-07",
        "2026-12-08T15:30:00Z", "", false, false, D::Due);
    row("fetched just before 16:00", "2026-12-08T15:10:00Z", "2026-12-07", "2026-12-08T14:59:00Z", "", false, false,
        D::Due);
    row("dated later than the latest publication", tue, "2026-12-09", "2026-12-08T15:00:00Z", "", false, false,
        D::UpToDate);
    row("forced, rates up to date", tue, "2026-12-08", "2026-12-08T15:00:00Z", "", false, true, D::Due);
    row("forced after a failure", tue, "2026-12-07", "", "2026-12-08T14:59:00Z", false, true, D::Due);
    row("forced, offline", tue, "", "", "", true, true, D::Offline);
}

void TestFetchSchedule::decisions()
{
    QFETCH(QString, now);
    QFETCH(QString, ratesDate);
    QFETCH(QString, fetchedAt);
    QFETCH(QString, lastFailure);
    QFETCH(bool, offline);
    QFETCH(bool, forced);
    QFETCH(FetchDecision, decision);
    CacheTimes cache;
    if (!ratesDate.isEmpty())
        cache.ratesDate = date(ratesDate);
    cache.fetchedAt = maybeAt(fetchedAt);
    cache.lastFailure = maybeAt(lastFailure);
    QCOMPARE(decideFetch(at(now), cache, {offline, forced}), decision);
}

void TestFetchSchedule::offlineSwitch_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("offline");
    QTest::newRow("unset") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("0") << QByteArray("0") << false;
    QTest::newRow("1") << QByteArray("1") << true;
    QTest::newRow("yes") << QByteArray("yes") << true;
}

void TestFetchSchedule::offlineSwitch()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, offline);
    if (value.isNull())
        qunsetenv("MEZZURIX_OFFLINE");
    else
        qputenv("MEZZURIX_OFFLINE", value);
    QCOMPARE(offlineFromEnvironment(), offline);
}

QTEST_GUILESS_MAIN(TestFetchSchedule)
#include "tst_fetch_schedule.moc"
