// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/fetch_schedule.h>

#include <cstdlib>
#include <string_view>

namespace mezzurix::rates {

namespace {

using namespace std::chrono;

// A week and a half: a publication day always lies within the days before it (the longest
// closure, Good Friday to Easter Monday, takes four).
constexpr int kDaysToLookBack = 10;

// Easter Sunday in the Gregorian calendar (the anonymous algorithm in Meeus's form).
year_month_day easterSunday(year y)
{
    const int yy = static_cast<int>(y);
    const int a = yy % 19;
    const int b = yy / 100;
    const int c = yy % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return {y, std::chrono::month(static_cast<unsigned>(month)), std::chrono::day(static_cast<unsigned>(day))};
}

// Summer time in the European Union runs from 01:00 UTC on the last Sunday of March to 01:00 UTC
// on the last Sunday of October: 16:00 in Frankfurt is summer time from the first of those days
// up to the day before the second.
bool summerTimeAtFourPm(year_month_day day)
{
    const sys_days date(day);
    const sys_days starts(year_month_weekday_last(day.year(), March, weekday_last(Sunday)));
    const sys_days ends(year_month_weekday_last(day.year(), October, weekday_last(Sunday)));
    return date >= starts && date < ends;
}

} // namespace

bool isPublicationDay(year_month_day day)
{
    const sys_days date(day);
    const weekday wd(date);
    if (wd == Saturday || wd == Sunday)
        return false;
    const month_day md(day.month(), day.day());
    if (md == January / 1 || md == May / 1 || md == December / 25 || md == December / 26)
        return false;
    const sys_days easter(easterSunday(day.year()));
    return date != easter - days(2) && date != easter + days(1);
}

Seconds publicationTime(year_month_day day)
{
    const hours utcOffset(summerTimeAtFourPm(day) ? 2 : 1);
    return Seconds(sys_days(day)) + kPublicationHour - utcOffset;
}

year_month_day latestPublication(Seconds now)
{
    // Frankfurt is ahead of UTC: the day after `now`'s UTC date is the latest that can qualify.
    sys_days day = floor<days>(now) + days(1);
    for (int i = 0; i < kDaysToLookBack; ++i, day -= days(1)) {
        const year_month_day date(day);
        if (isPublicationDay(date) && publicationTime(date) <= now)
            return date;
    }
    return year_month_day(day);
}

FetchDecision decideFetch(Seconds now, const CacheTimes& cache, FetchPolicy policy)
{
    // Times in the future (the clock was set back) count as long ago.
    const auto within = [now](const std::optional<Seconds>& at, seconds span) {
        return at && *at <= now && now - *at < span;
    };
    if (cache.ratesDate && !policy.forced) {
        const year_month_day latest = latestPublication(now);
        if (*cache.ratesDate >= latest)
            return FetchDecision::UpToDate;
        if (cache.fetchedAt && *cache.fetchedAt >= publicationTime(latest) && within(cache.fetchedAt, kAfterLateRates))
            return FetchDecision::UpToDate;
    }
    if (policy.offline)
        return FetchDecision::Offline;
    if (policy.forced)
        return FetchDecision::Due;
    if (within(cache.lastFailure, kAfterFailure))
        return FetchDecision::AfterFailure;
    return FetchDecision::Due;
}

bool offlineFromEnvironment()
{
    const char* value = std::getenv("MEZZURIX_OFFLINE");
    return value != nullptr && std::string_view(value) != "" && std::string_view(value) != "0";
}

} // namespace mezzurix::rates
