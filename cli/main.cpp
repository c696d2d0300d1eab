// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// mezzurix-convert: typed conversions from the command line or from standard input.

#include "answer_writer.h"
#include "batch.h"
#include "currency_list.h"
#include "number_convention.h"
#include "option_errors.h"
#include "unit_list.h"

#include <mezzurix/currency.h>
#include <mezzurix/query_arguments.h>
#include <mezzurix/rates_source.h>
#include <mezzurix/terminal_messages.h>
#include <mezzurix/utf8.h>

#include <CLI/CLI.hpp>

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace mezzurix;
using namespace mezzurix::cli;

// Fixed from the first release: scripts test them.
constexpr int kExitAnswered = 0;
constexpr int kExitUsage = 1;
constexpr int kExitUnanswered = 2;

constexpr const char* kDescription = marked(
    "Converts a value from one unit into another with the conversion table of the Mezzurix window.\n"
    "With no QUERY, reads one query a line from standard input (or FILE) and writes one answer a line.");

constexpr const char* kFooter = marked(
    "A query is VALUE FROM [to|in|into|as|>|->|=>|→|=] INTO, for example \"24 in to ft\".\n"
    "Currencies convert with the ECB's euro reference rates, fetched when newer ones are due:\n"
    "\"100 usd to eur\", '$20 in €' (quote $ in a shell).\n"
    "Options come before the query.\n"
    "\n"
    "Examples:\n"
    "  mezzurix-convert 24 in ft            24 Inches = 2 Feet\n"
    "  mezzurix-convert -d 2 '100 km/h to mph'\n"
    "  printf '24 in ft\\n1 lb kg\\n' | mezzurix-convert -t\n"
    "\n"
    "Exit status: 0 when every query was answered, 1 on a usage error, 2 when a query\n"
    "could not be answered. Full documentation: man mezzurix-convert");

constexpr const char* kVersion =
    "mezzurix-convert " MEZZURIX_DISPLAY_VERSION "\n"
    "Copyright (C) 2026 Mezzurix developers\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.";

// GNU order: the usage line first, then what the program does.
class HelpFormatter : public CLI::Formatter {
public:
    std::string make_description(const CLI::App*) const override { return {}; }
    std::string make_usage(const CLI::App* app, std::string name) const override
    {
        return CLI::Formatter::make_usage(app, std::move(name)) + CLI::Formatter::make_description(app);
    }
};

int usageError(std::string_view what)
{
    // What was typed is shown as the reader's messages show it.
    std::string shown;
    appendShown(shown, translatedOptionError(what));
    std::fprintf(stderr, "%s: %s\n", kProgramName, shown.c_str());
    std::fprintf(stderr, tr("Try '%s --help' for more information.\n"), kProgramName);
    return kExitUsage;
}

// --update-rates alone: fetch, and say what the cache holds now.
int updateExchangeRates(rates::FetchPolicy policy)
{
    rates::RatesSource source(rates::InstalledIn::BinDir, rates::Waiting::ForTheFetch);
    const rates::RatesOutcome outcome =
        source.obtain(std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()), policy);
    if (outcome.fetch != rates::RatesOutcome::Fetch::Fetched || !outcome.rates) {
        std::fprintf(stderr, tr("%s: could not fetch the exchange rates: %s\n"), kProgramName,
                     outcome.problem.empty() ? "MEZZURIX_OFFLINE is set" : outcome.problem.c_str());
        return kExitUnanswered;
    }
    std::printf(tr("Fetched the ECB reference rates of %s.\n"), rates::dateText(outcome.rates->rates.date).c_str());
    return kExitAnswered;
}

std::string joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string locale = setUpMessages();
    CLI::App app(tr(kDescription), kProgramName);
    app.footer(tr(kFooter));
    app.formatter(std::make_shared<HelpFormatter>());
    app.get_formatter()->column_width(22);
    for (const char* label : {marked("Usage"), marked("OPTIONS"), marked("Positionals"), marked("Excludes"),
                              marked("Needs"), marked("REQUIRED")})
        app.get_formatter()->label(label, tr(label));
    app.option_defaults()->group(tr("Options"));
    app.set_help_flag("-h,--help", tr("Print this help message and exit"));
    app.set_version_flag("--version", kVersion, tr("Print the version and the licence, then exit"));

    std::vector<std::string> queryWords;
    bool terse = false;
    bool json = false;
    bool regional = false;
    bool noRegional = false;
    std::optional<int> decimals;
    std::optional<int> digits;
    bool explain = false;
    std::string file;
    std::string listCategory;
    bool updateRates = false;
    bool offline = false;
    // option_text() keeps the help to the value's name, without CLI11's notes on exclusions.
    // The placeholders are words of the help's language, as the help's sentences name them.
    auto* queryOption =
        app.add_option(tr("QUERY"), queryWords, tr("The query, as one argument or as several words"))->option_text("...");
    auto* terseOption = app.add_flag("-t,--terse", terse, tr("Write the number of the result only"))->option_text(" ");
    auto* decimalsOption =
        app.add_option("-d,--decimals", decimals, tr("Write the result with N decimals (0 to 30), as the window shows it"))
            ->option_text("N")
            ->check(CLI::Range(0, kMaxDecimals));
    app.add_option("--digits", digits, tr("Write the result with up to N significant digits (1 to 17; by default 9)"))
        ->option_text("N")
        ->check(CLI::Range(1, kMaxSignificantDigits))
        ->excludes(decimalsOption);
    auto* explainOption = app.add_flag("--explain", explain,
                                       tr("Also say what both units are and how exact the factor used is"))
                              ->option_text(" ");
    auto* jsonOption = app.add_flag("--json", json, tr("Write one JSON object per answer or failed query"))->option_text(" ");
    auto* fileOption = app.add_option("-f,--file", file, tr("Read the queries from FILE, one a line"))->option_text(tr("FILE"));
    auto* listOption =
        app.add_option("--list", listCategory,
                       tr("List the categories (or one, or \"currencies\"), their units, what each is and all their names"))
            ->option_text(tr("[CATEGORY]"))
            ->expected(0, 1);
    auto* updateOption =
        app.add_flag("--update-rates", updateRates, tr("Fetch the exchange rates now (alone: fetch them and exit)"))
            ->option_text(" ");
    app.add_flag("--offline", offline, tr("Never fetch the exchange rates; answer from those kept (also MEZZURIX_OFFLINE=1)"))
        ->option_text(" ")
        ->excludes(updateOption);
    auto* regionalOption = app.add_flag(
        "--regional", regional,
        tr("Read and write numbers as LC_NUMERIC does, and read a number such as 1,250 that way"));
    app.add_flag("--no-regional", noRegional, tr("Read and write numbers with \".\" as the decimal point only"))
        ->excludes(regionalOption);
    terseOption->excludes(jsonOption);
    explainOption->excludes(terseOption)->excludes(jsonOption);
    fileOption->excludes(queryOption);
    listOption->excludes(queryOption)->excludes(fileOption)->excludes(explainOption);

    // The query's words from its value on are the query, even where they look like options
    // ("-40 C -> F"). CLI11 takes the arguments in reverse order, without the program's name.
    // Options whose value may be the next argument are passed over: "-d 2 24 in ft" starts at "24".
    std::vector<std::string> namesWithValue;
    for (const CLI::Option* option : app.get_options()) {
        if (option->get_positional() || option->get_items_expected_min() == 0)
            continue;
        for (const std::string& name : option->get_snames())
            namesWithValue.push_back("-" + name);
        for (const std::string& name : option->get_lnames())
            namesWithValue.push_back("--" + name);
    }
    const std::vector<std::string_view> optionsWithValue(namesWithValue.begin(), namesWithValue.end());
    std::vector<std::string> arguments = markConversionStart({argv, argv + argc}, optionsWithValue);
    arguments.erase(arguments.begin());
    std::reverse(arguments.begin(), arguments.end());
    try {
        app.parse(arguments);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ExtrasError&) {
        // The "--" before the query, the user's or markConversionStart()'s, is never unexpected.
        std::vector<std::string> unexpected = app.remaining();
        std::erase(unexpected, "--");
        std::reverse(unexpected.begin(), unexpected.end());  // CLI11 names them from the last
        return usageError(CLI::ExtrasError(unexpected).what());
    } catch (const CLI::ParseError& e) {
        return usageError(e.what());
    }

    OutputSettings settings;
    settings.style = json ? OutputStyle::Json : terse ? OutputStyle::Terse : OutputStyle::Sentence;
    settings.decimals = decimals;
    settings.significantDigits = digits.value_or(kTableSignificantDigits);
    settings.digitsGiven = digits.has_value();
    settings.monetaryLocale = rates::monetaryLocale();
    settings.ratesPolicy.offline = offline || rates::offlineFromEnvironment();
    settings.ratesPolicy.forced = updateRates;
    settings.explain = explain;
    // English names are read in every locale; only a language with names of its own is added.
    if (const LanguageNames* language = findNameLanguage(locale))
        settings.reading.language = language->code;
    applyNumberConvention(regional ? NumberConvention::Regional
                          : noRegional ? NumberConvention::Dot
                                       : NumberConvention::Default,
                          localNumbers(), settings);

    Output out(STDOUT_FILENO);
    AnswerWriter writer(settings, out, stderr);
    bool answered = true;
    if (listOption->count() > 0 && isCurrencyListName(listCategory)) {
        writeCurrencyList(settings.style, settings.reading.language, out);
    } else if (listOption->count() > 0) {
        std::optional<std::size_t> category;
        if (!listCategory.empty()) {
            std::string problem;
            category = findCategory(listCategory, problem);
            if (!category)
                return usageError(problem);
        }
        writeUnitList(category, settings.style, findNameLanguage(locale), out);
        // The whole list, as a person reads it, ends with the currencies; scripts, which read
        // categories of units, ask for them by name.
        if (!category && settings.style == OutputStyle::Sentence)
            writeCurrencyList(settings.style, settings.reading.language, out);
    } else if (updateRates && queryWords.empty() && file.empty()) {
        return updateExchangeRates(settings.ratesPolicy);
    } else if (!queryWords.empty()) {
        answered = writer.answer(joined(queryWords), {});
    } else {
        int fd = STDIN_FILENO;
        if (!file.empty() && file != "-") {
            fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
            struct stat status {};
            if (fd >= 0 && ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
                ::close(fd);
                fd = -1;
                errno = EISDIR;
            }
            if (fd < 0)
                return usageError(file + ": " + std::strerror(errno));
        }
        answered = answerLines(fd, file == "-" ? std::string() : file, writer, out, stderr);
    }
    // Answers that never reached the reader are no answers.
    if (!out.flush()) {
        std::fprintf(stderr, tr("%s: write error: %s\n"), kProgramName, std::strerror(out.writeError()));
        return kExitUnanswered;
    }
    return answered ? kExitAnswered : kExitUnanswered;
}
