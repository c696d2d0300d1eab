// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "currency_answers.h"

#include <mezzurix/currency.h>
#include <mezzurix/rates_source.h>

#include <QCoreApplication>

#include <chrono>
#include <mutex>

namespace mezzurix::search {
namespace {

using Clock = std::chrono::system_clock;

// A source fetches once in its life; the provider lives on, so a new one may start the helper
// again once the last helper must have ended.
constexpr std::chrono::milliseconds kRefreshAgainAfter = rates::kBackgroundTimeout + rates::kHelperGrace;

// The cached rates, with the helper started in the background when they are stale.
std::optional<rates::CachedRates> cachedRates()
{
    static std::mutex lock;
    static std::optional<rates::RatesSource> source;
    static Clock::time_point sourceMade;
    const std::scoped_lock locked(lock);
    const Clock::time_point now = Clock::now();
    if (!source || now - sourceMade > kRefreshAgainAfter) {
        source.emplace(rates::InstalledIn::LibexecDir, rates::Waiting::Background);
        sourceMade = now;
    }
    rates::FetchPolicy policy;
    policy.offline = rates::offlineFromEnvironment();
    return source->obtain(std::chrono::floor<std::chrono::seconds>(now), policy).rates;
}

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

std::optional<CurrencyReply> currencyAnswer(std::string_view text, const QueryOptions& options, const NumberFormat& format)
{
    const CurrencyReading reading = readCurrencyQuery(text, options, rates::monetaryLocale());
    if (std::holds_alternative<NotCurrency>(reading))
        return std::nullopt;
    const CurrencyQuery* query = std::get_if<CurrencyQuery>(&reading);
    if (query == nullptr)
        return CurrencyReply{};
    const std::optional<rates::CachedRates> cached = cachedRates();
    const rates::Rate* from = cached ? cached->rates.find(query->from->code) : nullptr;
    const rates::Rate* into = cached ? cached->rates.find(query->into->code) : nullptr;
    if (from == nullptr || into == nullptr)
        return CurrencyReply{};
    const std::optional<CurrencyAnswer> result =
        answerCurrency(*query, from->text, into->text, std::nullopt, std::nullopt, format);
    if (!result)
        return CurrencyReply{};
    SearchAnswer found;
    // The id is read back with "." as the point, whatever the region.
    found.id = QString::fromStdString(query->valueText + ' ' + std::string(query->from->code) + " to " +
                                      std::string(query->into->code));
    found.number = QString::fromStdString(result->text);
    found.name = found.number + u' ' +
                 fromView(currencyNameAfter(*query->into, result->text, options.language, format.decimalPoint));
    const std::string value = formatGeneral(query->value, format.decimalPoint);
    //: A currency conversion and the date of its rate: "100 US dollars = 92.31 euros · ECB reference rate of 2026-12-08"
    found.description = QCoreApplication::translate("SearchAnswers", "%1 = %2 \u00b7 ECB reference rate of %3")
                            .arg(QString::fromStdString(value) + u' ' +
                                     fromView(currencyNameAfter(*query->from, value, options.language, format.decimalPoint)),
                                 found.name, QString::fromStdString(rates::dateText(cached->rates.date)));
    found.bothUnits = true;
    found.currency = true;
    return CurrencyReply{found};
}

} // namespace mezzurix::search
