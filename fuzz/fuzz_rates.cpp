// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rates file's reader and the cache's on any bytes. Accepted rates hold only three-letter
// codes, each once and never the euro, and positive rates whose double is their text's; they come
// back from the cache as they were, and every cross rate is positive and finite. A refusal is one
// line of printable ASCII. The same bytes read as a cache file obey the same rules.

#include "fuzz_support.h"

#include <mezzurix/rates_cache.h>
#include <mezzurix/reference_rates.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

using namespace mezzurix::rates;
using mezzurix::fuzz::fail;

namespace {

void checkRefusal(const std::string& message)
{
    if (message.empty())
        fail("a refusal without a message", message);
    for (const char c : message)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
            fail("a refusal shows a byte raw", message);
}

void checkRates(const ReferenceRates& rates)
{
    if (rates.rates.empty() || rates.rates.size() > kMaxCurrencies)
        fail("accepted no rates, or too many", std::to_string(rates.rates.size()));
    std::set<std::string> codes;
    for (const Rate& rate : rates.rates) {
        if (rate.code.size() != 3 || rate.code.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos ||
            rate.code == "EUR" || !codes.insert(rate.code).second)
            fail("accepted a code", rate.code);
        if (!(rate.perEuro > 0.0) || !std::isfinite(rate.perEuro) ||
            rate.perEuro != std::strtod(rate.text.c_str(), nullptr))
            fail("accepted a rate that is not its text", rate.text);
        if (rates.find(rate.code) != &rate)
            fail("a rate is not found by its code", rate.code);
        for (const Rate* other : {&rates.rates.front(), &rates.rates.back(), rates.find("EUR")}) {
            const double cross = crossRate(*other, rate);
            if (!(cross > 0.0) || !std::isfinite(cross))
                fail("a cross rate is not positive and finite", other->text + " to " + rate.text);
        }
    }
    if (crossRate(*rates.find("EUR"), rates.rates.front()) != rates.rates.front().perEuro)
        fail("the euro's cross rate is not the rate", rates.rates.front().text);
}

void checkCacheRoundTrip(const CachedRates& cached)
{
    const auto back = readCacheText(cacheText(cached));
    const CachedRates* read = std::get_if<CachedRates>(&back);
    if (read == nullptr)
        fail("the cache refuses what it wrote", std::get<CacheError>(back).message);
    if (read->fetchedAt != cached.fetchedAt || read->rates.date != cached.rates.date ||
        read->rates.rates.size() != cached.rates.rates.size())
        fail("the cache gives back other rates", cacheText(cached));
    for (std::size_t i = 0; i < read->rates.rates.size(); ++i)
        if (read->rates.rates[i].code != cached.rates.rates[i].code || read->rates.rates[i].text != cached.rates.rates[i].text)
            fail("the cache gives back another rate", read->rates.rates[i].text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto parsed = parseDailyRates(bytes);
    if (const ReferenceRates* rates = std::get_if<ReferenceRates>(&parsed)) {
        checkRates(*rates);
        checkCacheRoundTrip({*rates, Seconds(std::chrono::seconds(static_cast<std::int64_t>(size) * 86400))});
    } else {
        checkRefusal(std::get<RatesError>(parsed).message);
    }
    const auto cached = readCacheText(bytes);
    if (const CachedRates* read = std::get_if<CachedRates>(&cached)) {
        checkRates(read->rates);
        checkCacheRoundTrip(*read);
    }
    return 0;
}
