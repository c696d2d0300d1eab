// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Answers to currency queries: the rates are obtained for the first of them only, so that a
// query without a currency never opens the cache.
#include "answer_writer.h"

#include "json.h"

#include <mezzurix/terminal_messages.h>
#include <mezzurix/utf8.h>

#include <chrono>

namespace mezzurix::cli {

namespace {

// Rates older than this are still used, and the answer says how old they are.
constexpr std::chrono::days kStaleAfter{7};
// The exact cross rate is written with as many digits as a double holds.
constexpr int kCrossRateDigits = 15;

rates::Seconds now()
{
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

long long ageInDays(std::chrono::year_month_day date)
{
    return (std::chrono::floor<std::chrono::days>(now()) - std::chrono::sys_days(date)).count();
}

// " (ECB reference rate of 2026-12-08)", and how old it is when it is stale.
std::string rateNote(std::chrono::year_month_day date)
{
    const long long age = ageInDays(date);
    if (age > kStaleAfter.count())
        return fillMessage(trn(" (ECB reference rate of %s, %s day old)", " (ECB reference rate of %s, %s days old)",
                               static_cast<unsigned long>(age)),
                           {rates::dateText(date), std::to_string(age)});
    return fillMessage(tr(" (ECB reference rate of %s)"), {rates::dateText(date)});
}

// "1 euro = 1.0833 US dollars", a line of --explain.
std::string perEuroLine(const Currency& currency, std::string_view perEuro)
{
    const Currency& euro = *findCurrency("EUR");
    return "1 " + std::string(currencyNameAfter(euro, "1", messagesLocale())) + " = " + std::string(perEuro) + " " +
           std::string(currencyNameAfter(currency, perEuro, messagesLocale())) + "\n";
}

} // namespace

const rates::RatesOutcome& AnswerWriter::exchangeRates()
{
    if (rates_)
        return *rates_;
    rates_ = ratesSource_.obtain(now(), settings_.ratesPolicy);
    if (rates_->rates && rates_->fetch == rates::RatesOutcome::Fetch::Failed)
        std::fprintf(err_, tr("%s: could not update the exchange rates (%s); using those of %s\n"), kProgramName,
                     rates_->problem.c_str(), rates::dateText(rates_->rates->rates.date).c_str());
    return *rates_;
}

void AnswerWriter::failWithoutRates(std::string_view query, const QuerySource& source)
{
    out_.flush();
    const rates::RatesOutcome& outcome = *rates_;
    if (!outcome.problem.empty())
        std::fprintf(err_, "%s: %s%s\n", kProgramName, whereOf(source).c_str(), outcome.problem.c_str());
    const std::string message =
        fillMessage(tr("no exchange rates yet: connect once, or run %s --update-rates"), {kProgramName});
    std::fprintf(err_, "%s: %s%s\n", kProgramName, whereOf(source).c_str(), message.c_str());
    if (settings_.style == OutputStyle::Json)
        out_.text() += JsonObject().string("query", query).string("error", "no-exchange-rates").string("message", message).text() + "\n";
    else if (source.line > 0)
        out_.text() += '\n';
    out_.lineDone();
}

std::optional<bool> AnswerWriter::answerAsMoney(std::string_view query, const QuerySource& source)
{
    const CurrencyReading money = readCurrencyQuery(query, settings_.reading, settings_.monetaryLocale);
    if (const CurrencyQuery* currency = std::get_if<CurrencyQuery>(&money))
        return answerCurrency(query, *currency, source);
    if (const QueryError* error = std::get_if<QueryError>(&money)) {
        fail(query, *error, source);
        return false;
    }
    return std::nullopt;
}

bool AnswerWriter::answerCurrency(std::string_view query, const CurrencyQuery& currency, const QuerySource& source)
{
    const rates::RatesOutcome& outcome = exchangeRates();
    const rates::Rate* from = outcome.rates ? outcome.rates->rates.find(currency.from->code) : nullptr;
    const rates::Rate* into = outcome.rates ? outcome.rates->rates.find(currency.into->code) : nullptr;
    if (!outcome.rates) {
        failWithoutRates(query, source);
        return false;
    }
    const std::optional<int> digits = settings_.digitsGiven ? std::optional<int>(settings_.significantDigits) : std::nullopt;
    const std::optional<CurrencyAnswer> answer =
        from != nullptr && into != nullptr
            ? mezzurix::answerCurrency(currency, from->text, into->text, settings_.decimals, digits, settings_.format)
            : std::nullopt;
    if (!answer) {
        // Both rates there: the result is beyond the range of numbers. Else the rates file lacks one.
        const bool rated = from != nullptr && into != nullptr;
        QueryError error;
        error.kind = rated ? QueryErrorKind::ResultOutOfRange : QueryErrorKind::UnknownUnit;
        error.where = rated ? currency.valueSpan : from == nullptr ? currency.fromSpan : currency.intoSpan;
        error.message = rated ? std::string(tr("the result is beyond the range of numbers"))
                              : fillMessage(tr("the exchange rates of %s hold no rate for %s"),
                                            {rates::dateText(outcome.rates->rates.date),
                                             from == nullptr ? currency.from->code : currency.into->code});
        fail(query, error, source);
        return false;
    }

    const std::chrono::year_month_day date = outcome.rates->rates.date;
    const std::string_view typedValue = query.substr(currency.valueSpan.offset, currency.valueSpan.length);
    std::string& line = out_.text();
    switch (settings_.style) {
    case OutputStyle::Sentence:
        if (currency.valueText.starts_with('-') && !typedValue.starts_with('-'))
            line += '-';  // "-$20"
        appendShown(line, typedValue);
        line += ' ';
        line += currencyNameAfter(*currency.from, typedValue, messagesLocale(), settings_.format.decimalPoint);
        line += " = " + answer->text + " ";
        line += currencyNameAfter(*currency.into, answer->text, messagesLocale(), settings_.format.decimalPoint);
        line += rateNote(date);
        if (settings_.explain) {
            line += '\n';
            for (const rates::Rate* rate : {from, into})
                if (rate->code != "EUR")
                    line += perEuroLine(*findCurrency(rate->code), rate->text);
            const std::string rate = answer->rate.decimalText(kCrossRateDigits);
            line += "1 " + std::string(currencyNameAfter(*currency.from, "1", messagesLocale())) + " = " + rate + " " +
                    std::string(currencyNameAfter(*currency.into, rate, messagesLocale())) + " (" + into->text + " / " +
                    from->text + ")";
        }
        break;
    case OutputStyle::Terse:
        line += answer->text;
        break;
    case OutputStyle::Json:
        line += JsonObject()
                    .string("query", query)
                    .number("value", currency.value)
                    .string("from", currency.from->code)
                    .string("into", currency.into->code)
                    .string("from_name", currencyNameAfter(*currency.from, typedValue))
                    .string("into_name", currencyNameAfter(*currency.into, answer->text))
                    .string("category", "Currency")
                    .number("result", answer->result)
                    .string("text", answer->text)
                    .string("rate_date", rates::dateText(date))
                    .number("rate", answer->rate.toDouble())
                    .integer("rate_age_days", ageInDays(date))
                    .text();
        break;
    }
    line += '\n';
    out_.lineDone();
    return true;
}

} // namespace mezzurix::cli
