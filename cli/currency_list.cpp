// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "currency_list.h"

#include "json.h"

#include <mezzurix/currency.h>
#include <mezzurix/query.h>
#include <mezzurix/terminal_messages.h>
#include <mezzurix/unit_names.h>

#include <string>
#include <vector>

namespace mezzurix::cli {

namespace {

std::vector<std::string> itemsOf(std::string_view list)
{
    std::vector<std::string> items;
    forEachListed(list, [&](std::string_view item) { items.emplace_back(item); });
    return items;
}

std::vector<std::string> namesOf(const Currency& currency, const LanguageNames* language)
{
    std::vector<std::string> names = itemsOf(currency.names);
    for (std::string& name : itemsOf(currencyNamesIn(currency, language)))
        names.push_back(std::move(name));
    return names;
}

std::string joinedWith(const std::vector<std::string>& items, std::string_view separator)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : std::string(separator)) + item;
    return text;
}

} // namespace

bool isCurrencyListName(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return folded == "currency" || folded == "currencies" || name == tr("Currencies");
}

void writeCurrencyList(OutputStyle style, std::string_view language, Output& out)
{
    const LanguageNames* languageNames = findNameLanguage(language);
    std::string text;
    std::string objects = "[";
    if (style == OutputStyle::Sentence)
        text = std::string(tr("Currencies (ECB euro reference rates)")) + "\n";
    for (const Currency& currency : currencies()) {
        const std::vector<std::string> names = namesOf(currency, languageNames);
        switch (style) {
        case OutputStyle::Sentence:
            text += "  " + std::string(currency.code) + " \u2014 " + std::string(currency.plural) + ": " + joinedWith(names, ", ") + "\n";
            break;
        case OutputStyle::Terse:
            text += std::string(currency.code) + "\n" + joinedWith(names, "\n") + "\n";
            break;
        case OutputStyle::Json:
            if (objects.size() > 1)
                objects += ',';
            objects += JsonObject()
                           .string("code", currency.code)
                           .string("name", currency.plural)
                           .integer("minor_digits", currency.minorDigits)
                           .strings("names", names)
                           .text();
            break;
        }
    }
    for (const SharedCurrencyName& shared : sharedCurrencyNames()) {
        const std::vector<std::string> codes = itemsOf(shared.codes);
        std::vector<std::string> sharedNames = itemsOf(shared.names);
        for (std::string& name : itemsOf(sharedCurrencyNamesIn(shared, languageNames)))
            sharedNames.push_back(std::move(name));
        if (style == OutputStyle::Sentence) {
            const std::string elsewhere = shared.fallback.empty() ? std::string(tr("refused elsewhere"))
                                                                  : fillMessage(tr("%s elsewhere"), {shared.fallback});
            text += "  " + joinedWith(sharedNames, ", ") + ": " +
                    fillMessage(tr("the currency of LC_MONETARY's region among %s; %s"), {joinedWith(codes, ", "), elsewhere}) +
                    "\n";
        } else if (style == OutputStyle::Terse) {
            text += joinedWith(sharedNames, "\n") + "\n";
        }
    }
    if (style == OutputStyle::Json)
        text = JsonObject().string("category", "Currency").raw("currencies", objects + "]").text() + "\n";
    out.text() += text;
    out.lineDone();
}

} // namespace mezzurix::cli
