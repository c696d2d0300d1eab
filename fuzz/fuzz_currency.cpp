// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The currency reader on any bytes, under a few monetary locales. A query it reads names two
// currencies of the table at spans inside the text, with a value whose text is an exact decimal
// of that value, and answers with the bank's rates in the minor unit, exactly as the cross rate
// says; a refusal points inside the text and says why on one line.

#include "fuzz_support.h"

#include <mezzurix/currency.h>
#include <mezzurix/exact_amount.h>
#include <mezzurix/unit_names.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace mezzurix;
using namespace mezzurix::fuzz;

namespace {

constexpr std::string_view kLocales[] = {"", "en_CA.UTF-8", "sv_SE.UTF-8", "zh_CN.UTF-8"};

// Rates of the kind the bank publishes: one per currency, a few digits each.
std::string rateOf(const Currency& currency)
{
    return currency.code == "EUR" ? "1" : std::to_string(currency.code[0] + 3 * currency.code[2]) + ".0833";
}

bool inside(const TextSpan& span, std::string_view text)
{
    return span.offset <= text.size() && span.length <= text.size() - span.offset;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    QueryOptions options;
    // English, or one of the languages with names of their own (bits 5 to 7).
    const auto languages = unitNameLanguages();
    if (const std::size_t language = (data[0] >> 5) % (languages.size() + 1); language < languages.size())
        options.language = std::string(languages[language]->code);
    options.decimalPoint = (data[0] & 4) != 0 ? "," : ".";
    const CurrencyReading reading = readCurrencyQuery(text, options, kLocales[(data[0] >> 3) % 4]);
    if (const auto* error = std::get_if<QueryError>(&reading)) {
        if (!inside(error->where, text))
            fail("refusal outside the text", text);
        if (error->message.empty() || error->message.find('\n') != std::string::npos)
            fail("refusal without a one-line message", error->message);
        return 0;
    }
    const auto* query = std::get_if<CurrencyQuery>(&reading);
    if (query == nullptr)
        return 0;
    if (query->from == nullptr || query->into == nullptr || findCurrency(query->from->code) != query->from ||
        findCurrency(query->into->code) != query->into)
        fail("a currency outside the table", text);
    if (!inside(query->valueSpan, text) || !inside(query->fromSpan, text) || !inside(query->intoSpan, text))
        fail("a span outside the text", text);
    const std::optional<ExactAmount> value = ExactAmount::parse(query->valueText);
    if (!value || value->toDouble() != query->value)
        fail("value text not the value", query->valueText);
    const std::string fromRate = rateOf(*query->from);
    const std::string intoRate = rateOf(*query->into);
    const std::optional<CurrencyAnswer> answer = answerCurrency(*query, fromRate, intoRate, std::nullopt, std::nullopt);
    if (!answer)
        return 0;  // beyond the range of numbers
    const std::size_t point = answer->text.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(answer->text.size() - point - 1);
    if (decimals != query->into->minorDigits)
        fail("not in the minor unit", answer->text);
    const std::optional<ExactAmount> shown = ExactAmount::parse(answer->text);
    const std::optional<ExactAmount> exact = *value * *(*ExactAmount::parse(intoRate) / *ExactAmount::parse(fromRate));
    const std::optional<ExactAmount> off = shown && exact ? *shown - *exact : std::nullopt;
    if (!off || std::fabs(off->toDouble()) > 0.5 * std::pow(10.0, -decimals) * (1 + 1e-12))
        fail("answer not the exact cross rate rounded", answer->text);
    return 0;
}
