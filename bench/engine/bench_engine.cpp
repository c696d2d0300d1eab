// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/conversion_table.h>
#include <mezzurix/convert.h>
#include <mezzurix/number_rules.h>

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string>
#include <string_view>

namespace {

// The start-up conversion: 24 inches into feet.
constexpr std::string_view kPairCode = "01";
constexpr std::string_view kInput = "24";

void BM_Convert(benchmark::State& state)
{
    const int decimals = static_cast<int>(state.range(0));
    const mezzurix::NumberFormat format;
    for (auto _ : state) {
        auto result = mezzurix::convert(kPairCode, kInput, decimals, format);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Convert)->Arg(14)->Arg(30);

// The table lookup alone, for a short, a mid-length and the longest pair codes.
void BM_FindEntry(benchmark::State& state)
{
    constexpr std::array<std::string_view, 4> kCodes = {"01", "6061", "69690", "205201"};
    const std::string_view code = kCodes[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        std::string_view text = code;
        benchmark::DoNotOptimize(text);
        auto entry = mezzurix::findEntry(text);
        benchmark::DoNotOptimize(entry);
    }
}
BENCHMARK(BM_FindEntry)->DenseRange(0, 3);

// The floor: reading the same text and writing a double with the standard library alone.
void BM_Floor(benchmark::State& state)
{
    std::array<char, 64> buffer;
    for (auto _ : state) {
        std::string_view input = kInput;
        benchmark::DoNotOptimize(input);
        double value = 0.0;
        std::from_chars(input.data(), input.data() + input.size(), value);
        benchmark::DoNotOptimize(value);
        auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value / 12.0).ptr;
        benchmark::DoNotOptimize(end);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Floor);

void BM_FormatFixed(benchmark::State& state)
{
    const mezzurix::NumberFormat format;
    double value = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        auto text = mezzurix::formatFixed(value, static_cast<int>(state.range(0)), format);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FormatFixed)->Arg(2)->Arg(14)->Arg(30);

void BM_FormatGeneral(benchmark::State& state)
{
    const mezzurix::NumberFormat format;
    double value = 2.54;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        auto text = mezzurix::formatGeneral(value, format.decimalPoint);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FormatGeneral);

// The longest text the input box holds, of digits, blanks, letters and control characters.
void BM_ReadLongInput(benchmark::State& state)
{
    constexpr std::size_t kLength = 32767;
    std::string text;
    const std::string piece = state.range(0) == 0 ? "0 0\t" : "ab\x01 ,";
    while (text.size() < kLength)
        text += piece;
    text.resize(kLength);
    for (auto _ : state) {
        auto value = mezzurix::readLeadingNumber(text);
        benchmark::DoNotOptimize(value);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kLength);
}
BENCHMARK(BM_ReadLongInput)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
