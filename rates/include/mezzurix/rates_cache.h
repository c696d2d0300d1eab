// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rates kept between runs, in $XDG_CACHE_HOME/mezzurix/ (~/.cache/mezzurix/ by default):
// `exchange-rates` holds the last good rates with their date and the time they were fetched,
// `exchange-rates-failure` the time and reason of the last failed attempt. Each is written to a
// new file beside the old one and renamed over it, so a reader sees the old file or the new one
// whole, whatever fails or runs at the same time. Nothing here runs before it is called.

#include <mezzurix/reference_rates.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace mezzurix::rates {

using Seconds = std::chrono::sys_seconds;

inline constexpr std::string_view kRatesFileName = "exchange-rates";
inline constexpr std::string_view kFailureFileName = "exchange-rates-failure";

struct CachedRates {
    ReferenceRates rates;
    Seconds fetchedAt;
};

struct FailedAttempt {
    Seconds at;
    std::string message;
};

enum class CacheProblem { Missing, Damaged };

struct CacheError {
    CacheProblem problem = CacheProblem::Missing;
    std::string message;
};

// $XDG_CACHE_HOME/mezzurix when that is an absolute path, else ~/.cache/mezzurix; nullopt when
// there is no home folder either.
std::optional<std::filesystem::path> cacheDirectory();

// The cache file's text, and its reading: a first line naming the format, "date YYYY-MM-DD",
// "fetched <seconds since 1970 UTC>", then "CODE RATE" a line, each line ending in a line feed.
std::string cacheText(const CachedRates& cached);
std::variant<CachedRates, CacheError> readCacheText(std::string_view text);

std::variant<CachedRates, CacheError> readCachedRates(const std::filesystem::path& directory);
// The message when the rates could not be written; the rates already there are then as they were.
std::optional<std::string> writeCachedRates(const std::filesystem::path& directory, const CachedRates& cached);

std::optional<FailedAttempt> readFailedAttempt(const std::filesystem::path& directory);
std::optional<std::string> recordFailedAttempt(const std::filesystem::path& directory, const FailedAttempt& failure);
void forgetFailedAttempt(const std::filesystem::path& directory);

} // namespace mezzurix::rates
