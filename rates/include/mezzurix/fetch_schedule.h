// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// When to fetch: the bank publishes its rates at about 16:00 Frankfurt time (Europe/Berlin,
// with the European Union's summer time) on each TARGET working day, Monday to Friday except
// New Year's Day, Good Friday, Easter Monday, 1 May, 25 and 26 December. Everything here takes
// the current time as an argument, except offlineFromEnvironment().

#include <chrono>
#include <optional>

namespace mezzurix::rates {

using Seconds = std::chrono::sys_seconds;

// The bank's rates appear at about this hour, Frankfurt time.
inline constexpr std::chrono::hours kPublicationHour{16};
// After a failed attempt, the next one waits this long.
inline constexpr std::chrono::hours kAfterFailure{1};
// Rates fetched after a publication time that still bore an earlier date (the bank was late, or
// closed on a day it is usually open) are fetched again only after this long.
inline constexpr std::chrono::hours kAfterLateRates{1};

// Whether the bank publishes on `day`.
bool isPublicationDay(std::chrono::year_month_day day);
// 16:00 in Frankfurt on `day`, in UTC.
Seconds publicationTime(std::chrono::year_month_day day);
// The last publication day whose publication time is at or before `now`.
std::chrono::year_month_day latestPublication(Seconds now);

struct CacheTimes {
    std::optional<std::chrono::year_month_day> ratesDate; // none: no rates yet
    std::optional<Seconds> fetchedAt;
    std::optional<Seconds> lastFailure;
};

struct FetchPolicy {
    bool offline = false; // never fetch (MEZZURIX_OFFLINE, --offline)
    bool forced = false;  // fetch now, unless offline (--update-rates)
};

enum class FetchDecision {
    UpToDate,     // the cached rates are the latest there can be (unless forced)
    Due,          // fetch: no rates yet, or newer ones may be out, or forced
    Offline,      // there may be newer rates, but fetching is switched off
    AfterFailure, // there may be newer rates, but an attempt failed less than kAfterFailure ago
};

FetchDecision decideFetch(Seconds now, const CacheTimes& cache, FetchPolicy policy);

// MEZZURIX_OFFLINE set to anything but "" or "0".
bool offlineFromEnvironment();

} // namespace mezzurix::rates
