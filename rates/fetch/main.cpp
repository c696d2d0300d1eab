// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// mezzurix-fetch-rates: fetches the euro reference rates, checks them and writes them into the
// cache, or records the failed attempt and leaves the rates already there as they were. See
// <mezzurix/fetch_helper.h> for the command line and the exit statuses.

#include "http_get.h"

#include <mezzurix/fetch_helper.h>
#include <mezzurix/fetch_schedule.h>
#include <mezzurix/rates_cache.h>
#include <mezzurix/reference_rates.h>

#include <curl/curl.h>

#include <cstdio>
#include <string>
#include <string_view>

using namespace mezzurix::rates;

namespace {

// Typed by hand, the helper waits as long as the terminal would.
constexpr std::chrono::milliseconds kDefaultTimeout = kTerminalTimeout;

int say(FetchStatus status, const std::string& message)
{
    std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(kFetchHelperName.size()), kFetchHelperName.data(),
                 message.c_str());
    return static_cast<int>(status);
}

Seconds now()
{
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

// Records the failure, then says it.
int failed(const std::filesystem::path& cache, FetchStatus status, const std::string& message)
{
    recordFailedAttempt(cache, {now(), message});
    return say(status, message + "; the cached rates are kept");
}

} // namespace

int main(int argc, char* argv[])
{
    std::chrono::milliseconds timeout = kDefaultTimeout;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help") {
            std::printf("Usage: %s [--timeout SECONDS]\nFetches the euro reference rates into the cache.\n",
                        kFetchHelperName.data());
            return static_cast<int>(FetchStatus::Fetched);
        }
        const std::optional<std::chrono::milliseconds> chosen =
            argument == "--timeout" && i + 1 < argc ? readTimeout(argv[++i]) : std::nullopt;
        if (!chosen)
            return say(FetchStatus::UsageError, "usage: " + std::string(kFetchHelperName) +
                                                    " [--timeout SECONDS], SECONDS more than 0 and at most " +
                                                    std::to_string(kMaxTimeout.count() / 1000));
        timeout = *chosen;
    }
    if (offlineFromEnvironment())
        return say(FetchStatus::Offline, "MEZZURIX_OFFLINE is set: nothing fetched");
    const std::optional<std::filesystem::path> cache = cacheDirectory();
    if (!cache)
        return say(FetchStatus::CacheNotWritten, "no folder for the cache: neither XDG_CACHE_HOME nor a home folder");

    const std::string url = ratesUrl();
    curl_global_init(CURL_GLOBAL_DEFAULT);
    const HttpResult got = httpGet(url, timeout, kMaxResponseBytes, "mezzurix/" MEZZURIX_DISPLAY_VERSION);
    curl_global_cleanup();
    if (got.outcome == HttpResult::Outcome::TooLarge)
        return failed(*cache, FetchStatus::ResponseRefused, "refused the answer of " + url + ": larger than 1 MB");
    if (got.outcome == HttpResult::Outcome::Failed)
        return failed(*cache, FetchStatus::NetworkFailed,
                      "no rates from " + url + ": " + got.error);

    auto parsed = parseDailyRates(got.body);
    if (const RatesError* error = std::get_if<RatesError>(&parsed))
        return failed(*cache, FetchStatus::ResponseRefused, "refused the answer of " + url + ": " + error->message);
    if (std::optional<std::string> error = writeCachedRates(*cache, {std::get<ReferenceRates>(std::move(parsed)), now()}))
        return failed(*cache, FetchStatus::CacheNotWritten, *error);
    forgetFailedAttempt(*cache);
    return static_cast<int>(FetchStatus::Fetched);
}
