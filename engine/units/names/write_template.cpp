// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the template of the unit name catalogues (names/unit-names.pot) from the unit table:
// for each unit its names as English reads them and its two display names, then the categories,
// the currencies and the query's own words. Usage: mezzurix-unit-names-pot FILE

#include <mezzurix/currency.h>
#include <mezzurix/display_names.h>
#include <mezzurix/unit_record.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

using mezzurix::UnitRecord;

// A PO string's text: backslashes and quotes escaped.
std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

// The pieces of a record's list ("ft|feet"), each after `mark`, appended to `list` with ';'.
void appendPieces(std::string& list, std::string_view pieces, std::string_view mark)
{
    while (!pieces.empty()) {
        const std::size_t bar = pieces.find('|');
        list += list.empty() ? "" : ";";
        list += mark;
        list += pieces.substr(0, bar);
        pieces.remove_prefix(bar == std::string_view::npos ? pieces.size() : bar + 1);
    }
}

void entry(std::string& out, std::string_view comment, const std::string& context, std::string_view id)
{
    out += "#. " + std::string(comment) + "\nmsgctxt " + quoted(context) + "\nmsgid " + quoted(id) +
           "\nmsgstr \"\"\n\n";
}

constexpr std::string_view kHeader =
    "# The names of the units in one language: the names read, and the display names after a number.\n"
    // Split, so that licence scanners do not take the template's tags for this file's.
    "# SPDX-" "FileCopyrightText: 2026 Mezzurix developers\n"
    "# SPDX-" "License-Identifier: GPL-3.0-or-later\n"
    "msgid \"\"\n"
    "msgstr \"\"\n"
    "\"Project-Id-Version: mezzurix-unit-names\\n\"\n"
    "\"Language: \\n\"\n"
    "\"MIME-Version: 1.0\\n\"\n"
    "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
    "\"Content-Transfer-Encoding: 8bit\\n\"\n\n";

constexpr std::string_view kNamesComment =
    "Names read, separated by ';': the language's own words, singular and plural, and its usual "
    "abbreviations. English names are always read too. '=' before a symbol read in its exact case, "
    "'~' before an abbreviation read in any case.";

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: mezzurix-unit-names-pot FILE\n", stderr);
        return 2;
    }
    std::string out(kHeader);
    for (const UnitRecord& unit : mezzurix::unitRecords()) {
        std::string names;
        appendPieces(names, unit.symbols, "=");
        appendPieces(names, unit.abbreviations, "~");
        appendPieces(names, unit.names, "");
        const std::string key(unit.key);
        entry(out, std::string(unit.description) + ". " + std::string(kNamesComment), key + "|names", names);
        entry(out, "After a number of the plural rule's \"one\", within a sentence.", key + "|singular", unit.singular);
        entry(out, "After any other number, within a sentence.", key + "|plural", unit.plural);
        int number = 0;
        for (const mezzurix::NamedForm& form : mezzurix::namedForms(unit)) {
            const std::string suffix = "|" + std::to_string(++number);
            std::string formNames;
            appendPieces(formNames, form.names, "");
            entry(out, "The names that ask for the form \"" + std::string(form.singular) + "\" of the unit, which the "
                  "answer then names it in; they read as the unit too. Separated by ';', marked as the unit's names.",
                  key + "|names" + suffix, formNames);
            entry(out, "The form's name after a number of the plural rule's \"one\", within a sentence.",
                  key + "|singular" + suffix, form.singular);
            entry(out, "The form's name after any other number, within a sentence.", key + "|plural" + suffix,
                  form.plural);
        }
        entry(out, "The unit's description, as the terminal's list and explanations show it; lower case but for "
              "names.", key + "|description", unit.description);
    }
    for (const mezzurix::CategoryRecord& category : mezzurix::categoryRecords())
        entry(out, "The category's name, as a heading.", std::string(category.key) + "|category", category.name);
    for (const mezzurix::Currency& currency : mezzurix::currencies()) {
        const std::string context = "currency|" + std::string(currency.code);
        std::string names;
        appendPieces(names, currency.names, "");
        entry(out, "The names of the currency " + std::string(currency.code) + " (" + std::string(currency.singular) +
              ") read in the language, separated by ';', in any case; its code and English names are always read.",
              context + "|names", names);
        if (!currency.byOtherSide.empty()) {
            std::string beside;
            appendPieces(beside, currency.byOtherSide, "");
            entry(out, "Names read as the currency " + std::string(currency.code) +
                  " only where the other side is a currency too, as they name a unit elsewhere; separated by ';'.",
                  context + "|beside", beside);
        }
        entry(out, "The currency after a number of the plural rule's \"one\", within a sentence.", context + "|singular",
              currency.singular);
        entry(out, "The currency after any other number, within a sentence.", context + "|plural", currency.plural);
    }
    for (const mezzurix::SharedCurrencyName& shared : mezzurix::sharedCurrencyNames()) {
        std::string names;
        appendPieces(names, shared.names, "");
        std::string codes(shared.codes);
        std::replace(codes.begin(), codes.end(), '|', ',');
        entry(out, "The language's words for a name that the currencies " + codes +
              " share, read as the one of the user's region; separated by ';', in any case. Leave it empty where "
              "English's serve.", "currency|" + std::string(shared.key) + "|shared", names);
    }
    entry(out, "Words between the value's unit and the unit to convert into, separated by ';'.", "words|into",
          "in;to;into;as");
    entry(out, "Words read as '/' within a unit's name, separated by ';'.", "words|per", "per");
    entry(out, "Words between the parts of a quantity (\"5 feet and 3 inches\"), separated by ';'.", "words|and",
          "and");
    entry(out, "Words of the names and display names that the language spells as English does, separated by ';'.",
          "words|alike", "meter;watt");
    entry(out,
          "Whole numbers in words, each 'word=value', separated by ';'; words written with a hyphen or blank are "
          "read whole ('quatre-vingts=80'). Values are added up: 'vingt deux' is 22.",
          "words|numbers", "one=1;two=2;twenty=20;one and a half=1.5");
    entry(out, "Words that multiply the number before them, one without a number, 'word=value', separated by ';'.",
          "words|multipliers", "hundred=100;dozen=12");
    entry(out,
          "Words that close a group of three digits ('two thousand five hundred'), 'word=value', separated by ';'.",
          "words|scales", "thousand=1000");
    entry(out, "The parts a whole is cut into, by their denominator ('half=2', 'quarter=4'), separated by ';'.",
          "words|parts", "half=2;third=3;quarter=4");
    entry(out, "Articles read as one before a unit where a value is expected ('a cup'), separated by ';'.",
          "words|articles", "a;an");
    entry(out, "Words after a unit that start the name of what is measured ('2 cups of water'), separated by ';'.",
          "words|of", "of");
    entry(out,
          "Questions whose value is written in words, separated by ';', tried in order: X is the unit asked for, Y "
          "the value and its unit; an opening may end with an elided word (\"combien d'X\").",
          "words|questions", "how many X in Y;how many X are in Y");
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr || std::fwrite(out.data(), 1, out.size(), file) != out.size() || std::fclose(file) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
