// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/rates_source.h>

#include <cstdlib>

namespace mezzurix::rates {

namespace {

// What went wrong with a run of the helper, in one line without its name.
std::string problemOf(const HelperRun& run, std::chrono::milliseconds waited)
{
    const std::string name(kFetchHelperName);
    switch (run.end) {
    case HelperRun::End::TimedOut:
        return name + " did not finish within " + std::to_string(std::chrono::ceil<std::chrono::seconds>(waited).count()) +
               " s";
    case HelperRun::End::Killed:
        return name + " ended by a signal";
    case HelperRun::End::NotStarted:
        return run.messages;
    case HelperRun::End::Exited:
        break;
    }
    std::string message = run.messages.substr(0, run.messages.find('\n'));
    if (message.starts_with(name + ": "))
        message.erase(0, name.size() + 2);
    return message.empty() ? name + " ended with status " + std::to_string(run.exitCode) : message;
}

} // namespace

std::string monetaryLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MONETARY", "LANG"})
        if (const char* value = std::getenv(variable); value != nullptr && *value != '\0')
            return value;
    return {};
}

RatesSource::RatesSource(InstalledIn caller, Waiting waiting, std::chrono::milliseconds timeout)
    : caller_(caller), waiting_(waiting), timeout_(timeout)
{
}

RatesOutcome RatesSource::obtain(Seconds now, FetchPolicy policy)
{
    RatesOutcome out;
    const std::optional<std::filesystem::path> folder = cacheDirectory();
    if (!folder) {
        out.problem = "no folder for the cache: neither XDG_CACHE_HOME nor a home folder";
        return out;
    }
    const auto readRates = [&] {
        auto cached = readCachedRates(*folder);
        if (CachedRates* rates = std::get_if<CachedRates>(&cached)) {
            out.rates = std::move(*rates);
            out.problem.clear();
        } else {
            out.rates.reset();
            if (std::get<CacheError>(cached).problem == CacheProblem::Damaged)
                out.problem = std::get<CacheError>(cached).message;
        }
    };
    readRates();
    const std::optional<FailedAttempt> failure = readFailedAttempt(*folder);
    CacheTimes times;
    if (out.rates) {
        times.ratesDate = out.rates->rates.date;
        times.fetchedAt = out.rates->fetchedAt;
    }
    if (failure)
        times.lastFailure = failure->at;
    out.decision = decideFetch(now, times, policy);
    if (out.decision == FetchDecision::AfterFailure)
        out.problem = failure->message;
    if (out.decision != FetchDecision::Due)
        return out;
    if (tried_) {
        out.fetch = RatesOutcome::Fetch::NotAgain;
        return out;
    }
    tried_ = true;
    if (waiting_ == Waiting::Background) {
        const std::optional<std::string> error = fetchInBackground(caller_);
        out.fetch = error ? RatesOutcome::Fetch::Failed : RatesOutcome::Fetch::Started;
        out.problem = error.value_or(out.problem);
        return out;
    }
    const HelperRun run = fetchAndWait(caller_, timeout_);
    if (run.end == HelperRun::End::Exited && run.exitCode == static_cast<int>(FetchStatus::Fetched)) {
        out.fetch = RatesOutcome::Fetch::Fetched;
        readRates();
    } else {
        out.fetch = RatesOutcome::Fetch::Failed;
        out.problem = problemOf(run, timeout_ + kHelperGrace);
    }
    return out;
}

} // namespace mezzurix::rates
