// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a currency query pays for its rates when none is due: reading the cache. And, for
// comparison, reading the bank's file as fetched.

#include <mezzurix/rates_cache.h>
#include <mezzurix/reference_rates.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace mezzurix::rates;

namespace {

std::string recorded()
{
    std::ifstream file(MEZZURIX_RATES_RESPONSES "/eurofxref-daily.xml", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void readTheCache(benchmark::State& state)
{
    char folder[] = "/tmp/bench-rates-XXXXXX";
    if (::mkdtemp(folder) == nullptr)
        std::abort();
    const CachedRates cached{std::get<ReferenceRates>(parseDailyRates(recorded())), Seconds{}};
    if (writeCachedRates(folder, cached))
        std::abort();
    for (auto _ : state)
        benchmark::DoNotOptimize(readCachedRates(folder));
    std::filesystem::remove_all(folder);
}

void readTheBanksFile(benchmark::State& state)
{
    const std::string text = recorded();
    for (auto _ : state)
        benchmark::DoNotOptimize(parseDailyRates(text));
}

} // namespace

BENCHMARK(readTheCache);
BENCHMARK(readTheBanksFile);
BENCHMARK_MAIN();
