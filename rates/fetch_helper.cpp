// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/fetch_helper.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace mezzurix::rates {

namespace {

std::optional<std::string> environment(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return std::nullopt;
    return value;
}

} // namespace

std::string ratesUrl()
{
    return environment("MEZZURIX_RATES_URL").value_or(std::string(kRatesUrl));
}

std::filesystem::path runningProgram()
{
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}

std::filesystem::path fetchHelperPath(InstalledIn caller, const std::filesystem::path& program)
{
    if (const std::optional<std::string> chosen = environment("MEZZURIX_FETCH_RATES"))
        return *chosen;
    const std::filesystem::path fromCaller =
        caller == InstalledIn::BinDir ? MEZZURIX_FETCH_RATES_FROM_BINDIR : MEZZURIX_FETCH_RATES_FROM_LIBEXECDIR;
    return (program.parent_path() / fromCaller).lexically_normal();
}

std::vector<std::string> timeoutArguments(std::chrono::milliseconds timeout)
{
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%lld.%03lld", static_cast<long long>(timeout.count() / 1000),
                  static_cast<long long>(timeout.count() % 1000));
    return {"--timeout", seconds};
}

std::optional<std::chrono::milliseconds> readTimeout(std::string_view seconds)
{
    double value = 0.0;
    const auto [end, ec] = std::from_chars(seconds.data(), seconds.data() + seconds.size(), value,
                                           std::chars_format::fixed);
    if (ec != std::errc() || end != seconds.data() + seconds.size())
        return std::nullopt;
    if (!(value > 0.0) || value * 1000.0 > static_cast<double>(kMaxTimeout.count()))
        return std::nullopt;
    const auto timeout = std::chrono::milliseconds(std::llround(value * 1000.0));
    if (timeout.count() <= 0)
        return std::nullopt;
    return timeout;
}

HelperRun fetchAndWait(InstalledIn caller, std::chrono::milliseconds timeout)
{
    return runWithDeadline(fetchHelperPath(caller), timeoutArguments(timeout), timeout + kHelperGrace);
}

std::optional<std::string> fetchInBackground(InstalledIn caller)
{
    return startDetached(fetchHelperPath(caller), timeoutArguments(kBackgroundTimeout));
}

} // namespace mezzurix::rates
