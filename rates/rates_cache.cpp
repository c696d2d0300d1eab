// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomic_file.h"

#include <mezzurix/rates_cache.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace mezzurix::rates {

namespace {

constexpr std::string_view kFormatLine = "mezzurix exchange rates 1";
constexpr std::string_view kDateKey = "date ";
constexpr std::string_view kFetchedKey = "fetched ";
// A failure record is a time and a one-line message.
constexpr std::size_t kMaxFailureBytes = 4096;
// Room for one password entry's strings (glibc suggests 1 kB; names and shells can be longer).
constexpr std::size_t kPasswordEntryBytes = 16384;

std::optional<std::string> homeFolder()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/')
        return home;
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(kPasswordEntryBytes);
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        entry.pw_dir != nullptr && *entry.pw_dir == '/')
        return entry.pw_dir;
    return std::nullopt;
}

std::optional<Seconds> readSeconds(std::string_view text)
{
    std::int64_t seconds = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return Seconds(std::chrono::seconds(seconds));
}

std::string secondsText(Seconds at)
{
    return std::to_string(at.time_since_epoch().count());
}

// The lines of `text`, each of which must end in a line feed.
std::optional<std::vector<std::string_view>> wholeLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos)
            return std::nullopt;
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return lines;
}

CacheError damaged(std::string message)
{
    return {CacheProblem::Damaged, "the cached exchange rates are damaged: " + std::move(message)};
}

} // namespace

std::optional<std::filesystem::path> cacheDirectory()
{
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg != nullptr && *xdg == '/')
        return std::filesystem::path(xdg) / "mezzurix";
    if (const std::optional<std::string> home = homeFolder())
        return std::filesystem::path(*home) / ".cache" / "mezzurix";
    return std::nullopt;
}

std::string cacheText(const CachedRates& cached)
{
    std::string text = std::string(kFormatLine) + "\n";
    text += std::string(kDateKey) + dateText(cached.rates.date) + "\n";
    text += std::string(kFetchedKey) + secondsText(cached.fetchedAt) + "\n";
    for (const Rate& rate : cached.rates.rates)
        text += rate.code + " " + rate.text + "\n";
    return text;
}

std::variant<CachedRates, CacheError> readCacheText(std::string_view text)
{
    const std::optional<std::vector<std::string_view>> lines = wholeLines(text);
    if (!lines)
        return damaged("the last line is cut off");
    if (lines->size() < 3 || (*lines)[0] != kFormatLine || !(*lines)[1].starts_with(kDateKey) ||
        !(*lines)[2].starts_with(kFetchedKey))
        return damaged("it does not start as a rates file of this version");
    CachedRates cached;
    const auto date = parseDate((*lines)[1].substr(kDateKey.size()));
    const auto fetched = readSeconds((*lines)[2].substr(kFetchedKey.size()));
    if (!date || !fetched)
        return damaged("its date or its time of fetching is unreadable");
    cached.rates.date = *date;
    cached.fetchedAt = *fetched;
    for (std::size_t i = 3; i < lines->size(); ++i) {
        const std::string_view line = (*lines)[i];
        const std::size_t space = line.find(' ');
        if (space == std::string_view::npos)
            return damaged("line " + std::to_string(i + 1) + " is not a code and a rate");
        if (std::optional<std::string> fault = addRate(cached.rates, line.substr(0, space), line.substr(space + 1)))
            return damaged("line " + std::to_string(i + 1) + ": " + *fault);
    }
    if (cached.rates.rates.empty())
        return damaged("it holds no rates");
    return cached;
}

std::variant<CachedRates, CacheError> readCachedRates(const std::filesystem::path& directory)
{
    const FileRead read = readSmallFile(directory / kRatesFileName, kMaxResponseBytes);
    if (!read.contents) {
        if (read.problem.empty())
            return CacheError{CacheProblem::Missing, "no exchange rates in " + directory.string()};
        return damaged(read.problem);
    }
    return readCacheText(*read.contents);
}

std::optional<std::string> writeCachedRates(const std::filesystem::path& directory, const CachedRates& cached)
{
    return writeFileAtomically(directory / kRatesFileName, cacheText(cached));
}

std::optional<FailedAttempt> readFailedAttempt(const std::filesystem::path& directory)
{
    const FileRead read = readSmallFile(directory / kFailureFileName, kMaxFailureBytes);
    if (!read.contents)
        return std::nullopt;
    const std::string_view text = *read.contents;
    const std::size_t end = text.find('\n');
    const std::optional<Seconds> at = readSeconds(text.substr(0, end));
    if (!at)
        return std::nullopt;
    std::string message(end == std::string_view::npos ? std::string_view() : text.substr(end + 1));
    while (!message.empty() && message.back() == '\n')
        message.pop_back();
    return FailedAttempt{*at, std::move(message)};
}

std::optional<std::string> recordFailedAttempt(const std::filesystem::path& directory, const FailedAttempt& failure)
{
    std::string message = failure.message.substr(0, kMaxFailureBytes / 2);
    for (char& c : message)
        if (c == '\n' || c == '\r')
            c = ' ';
    return writeFileAtomically(directory / kFailureFileName, secondsText(failure.at) + "\n" + message + "\n");
}

void forgetFailedAttempt(const std::filesystem::path& directory)
{
    std::error_code ignored;
    std::filesystem::remove(directory / kFailureFileName, ignored);
}

} // namespace mezzurix::rates
