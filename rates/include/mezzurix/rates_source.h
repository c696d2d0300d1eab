// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rates for a currency query: the cache, refreshed first when a fetch is due. The terminal
// waits for the fetch helper; the search provider starts it in the background and answers from
// the cache meanwhile. One source a process: it fetches at most once in its life. Nothing is
// read before obtain() is called, so queries without a currency never open the cache.

#include <mezzurix/fetch_helper.h>
#include <mezzurix/fetch_schedule.h>
#include <mezzurix/rates_cache.h>

#include <chrono>
#include <optional>
#include <string>

namespace mezzurix::rates {

enum class Waiting {
    ForTheFetch, // the terminal: run the helper and wait for it
    Background,  // the search provider: start the helper detached and answer from the cache
};

struct RatesOutcome {
    enum class Fetch {
        None,    // no fetch was due, or it was not allowed
        Fetched, // fetched just now: `rates` are the new ones
        Failed,  // the helper failed: `problem` says why, `rates` are the cached ones
        Started, // started in the background: `rates` are the cached ones
        NotAgain // due, but this process has tried once already
    };
    std::optional<CachedRates> rates; // none: no rates yet (or none readable)
    FetchDecision decision = FetchDecision::Due;
    Fetch fetch = Fetch::None;
    std::string problem; // why there are no rates, or why newer ones could not be had; empty if none
};

// LC_MONETARY as the environment sets it (LC_ALL, then LC_MONETARY, then LANG): the locale whose
// currency "$" or "kr" stands for. Empty when none is set.
std::string monetaryLocale();

class RatesSource {
public:
    explicit RatesSource(InstalledIn caller, Waiting waiting, std::chrono::milliseconds timeout = kTerminalTimeout);

    // The rates at `now`, fetched first when decideFetch() says so and this source has not tried yet.
    RatesOutcome obtain(Seconds now, FetchPolicy policy);

private:
    InstalledIn caller_;
    Waiting waiting_;
    std::chrono::milliseconds timeout_;
    bool tried_ = false;
};

} // namespace mezzurix::rates
