// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers queries and writes one result per query: a sentence, the number alone, or JSON.

#include "output.h"

#include <mezzurix/currency.h>
#include <mezzurix/definitions.h>
#include <mezzurix/number_rules.h>
#include <mezzurix/query.h>
#include <mezzurix/rates_source.h>

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace mezzurix::cli {

// Every message on standard error starts with it.
inline constexpr const char* kProgramName = "mezzurix-convert";

enum class OutputStyle {
    Sentence,  // 24 Inches = 2 Feet
    Terse,     // 2
    Json,      // {"query":"24 in ft","value":24,...}
};

struct OutputSettings {
    OutputStyle style = OutputStyle::Sentence;
    std::optional<int> decimals;  // fixed decimals as in the window; none: the general form
    int significantDigits = kTableSignificantDigits;  // of the general form
    bool digitsGiven = false;     // --digits: currency amounts are written with them too
    bool explain = false;         // sentences followed by the units' definitions and the factor
    NumberFormat format;          // decimal separator of the numbers written
    QueryOptions reading;         // decimal separator read besides "."
    std::string monetaryLocale;   // LC_MONETARY: whose "$", "¥" and "kr" a query means
    rates::FetchPolicy ratesPolicy;  // whether a currency query may fetch the rates first
};

// Where a query came from, for messages: the whole command line, or a line of a batch.
struct QuerySource {
    std::string_view file;  // empty for standard input
    std::size_t line = 0;   // 0 for the command line
};

class AnswerWriter {
public:
    AnswerWriter(OutputSettings settings, Output& out, std::FILE* err);

    // Reads and answers `query`, adds its line to `out` and writes any error to `err` prefixed by
    // the program's name and the source. A batch line that fails still gets its output line
    // (empty, or the JSON error object). A batch line that is blank or starts with "#" gets an
    // empty output line and counts as answered. False when the query could not be answered.
    bool answer(std::string_view query, const QuerySource& source);

private:
    // Whether a currency query was answered; nullopt for a query that names no currency.
    std::optional<bool> answerAsMoney(std::string_view query, const QuerySource& source);
    bool answerCurrency(std::string_view query, const CurrencyQuery& currency, const QuerySource& source);
    // The rates, obtained for the first currency query (fetched first when due), then kept.
    const rates::RatesOutcome& exchangeRates();
    void failWithoutRates(std::string_view query, const QuerySource& source);
    std::string whereOf(const QuerySource& source) const;
    bool skip();
    void fail(std::string_view query, const QueryError& error, const QuerySource& source);
    // Writes `text` to `err` after the answers before it, prefixed by the program's name and the source.
    void message(std::string_view text, const QuerySource& source);

    OutputSettings settings_;
    Output& out_;
    std::FILE* err_;
    std::string answerText_;  // the current answer's number, its storage kept from one to the next
    rates::RatesSource ratesSource_{rates::InstalledIn::BinDir, rates::Waiting::ForTheFetch};
    std::optional<rates::RatesOutcome> rates_;
};

} // namespace mezzurix::cli
