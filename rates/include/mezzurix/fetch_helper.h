// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// mezzurix-fetch-rates, the one program that reaches the network: it fetches the rates file,
// checks it and writes the cache. The terminal waits for it, the search provider starts it
// detached, so that neither loads a network library.
//
//     mezzurix-fetch-rates [--timeout SECONDS]
//
// It fetches ratesUrl() and exits with a FetchStatus, its messages on standard error prefixed
// with its name. MEZZURIX_OFFLINE (see offlineFromEnvironment()) stops it before any request.

#include <mezzurix/helper_process.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mezzurix::rates {

inline constexpr std::string_view kFetchHelperName = "mezzurix-fetch-rates";
inline constexpr std::string_view kRatesUrl = "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";
// The terminal waits this long for the network.
inline constexpr std::chrono::milliseconds kTerminalTimeout{3000};
// The search provider does not wait: a slow network may take this long in the background.
inline constexpr std::chrono::milliseconds kBackgroundTimeout{30000};
// No fetch is worth waiting longer for.
inline constexpr std::chrono::milliseconds kMaxTimeout{300000};
// Beyond its own timeout, the helper's start and the writing of the cache take at most this.
inline constexpr std::chrono::milliseconds kHelperGrace{2000};

// The helper's exit statuses; they never change meaning.
enum class FetchStatus : int {
    Fetched = 0,         // the cache holds the rates just fetched
    UsageError = 1,      // a wrong command line
    Offline = 2,         // MEZZURIX_OFFLINE is set: nothing was requested
    NetworkFailed = 3,   // no answer, an HTTP error or a timeout
    ResponseRefused = 4, // the answer is no rates file, or larger than 1 MB
    CacheNotWritten = 5, // the rates could not be written; the cache is as it was
};

// MEZZURIX_RATES_URL when set and not empty, else kRatesUrl.
std::string ratesUrl();

// Where the calling program is installed, relative to the prefix.
enum class InstalledIn { BinDir, LibexecDir };

// MEZZURIX_FETCH_RATES when set and not empty; else the helper in the prefix of `program` (by
// default the one running), installed as `caller` says.
std::filesystem::path runningProgram();
std::filesystem::path fetchHelperPath(InstalledIn caller, const std::filesystem::path& program = runningProgram());

// The helper with the terminal's timeout, waited for up to that timeout and kHelperGrace.
HelperRun fetchAndWait(InstalledIn caller, std::chrono::milliseconds timeout = kTerminalTimeout);
// The helper started detached with kBackgroundTimeout; nullopt once it runs, else why not.
std::optional<std::string> fetchInBackground(InstalledIn caller);

// "--timeout" and its value in seconds, and the helper's reading of that value: a decimal number
// of seconds, more than 0 and at most kMaxTimeout.
std::vector<std::string> timeoutArguments(std::chrono::milliseconds timeout);
std::optional<std::chrono::milliseconds> readTimeout(std::string_view seconds);

} // namespace mezzurix::rates
