// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefix_reading.h"

#include "query_text.h"

#include <mezzurix/catalogue_terms.h>
#include <mezzurix/definitions.h>

#include <span>
#include <vector>

namespace mezzurix::prefix_reading {

namespace {

// A symbol or name a prefix may stand before, and its unit.
struct Base {
    std::string text;  // a symbol as written; a name folded
    int code;
    bool symbol;
    std::string_view firstSymbol;  // the unit's, which a prefix word is written before
    Prefixes prefixes;
};

std::vector<std::string_view> split(std::string_view list)
{
    std::vector<std::string_view> items;
    while (!list.empty()) {
        const std::size_t bar = list.find('|');
        items.push_back(list.substr(0, bar));
        list = bar == std::string_view::npos ? std::string_view() : list.substr(bar + 1);
    }
    return items;
}

// Built on the first reading asked for: the classic reader, which comes first, never needs it.
const std::vector<Base>& bases()
{
    static const std::vector<Base> all = [] {
        std::vector<Base> found;
        for (const UnitDefinition& definition : unitDefinitions()) {
            const PrefixForms* forms = prefixFormsOf(definition.code);
            if (forms == nullptr)
                continue;
            const std::vector<std::string_view> symbols = split(forms->symbols);
            const std::string_view first = symbols.empty() ? std::string_view() : symbols.front();
            for (const std::string_view symbol : symbols)
                found.push_back({std::string(symbol), definition.code, true, first, forms->prefixes});
            for (const std::string_view name : split(forms->names))
                found.push_back({query_text::fold(name), definition.code, false, first, forms->prefixes});
        }
        return found;
    }();
    return all;
}

} // namespace

std::optional<Reading> read(std::string_view text)
{
    for (const std::span<const UnitPrefix> prefixes : {siPrefixes(), binaryPrefixes()})
        for (const UnitPrefix& prefix : prefixes) {
            const bool bySymbol = text.size() > prefix.symbol.size() && text.starts_with(prefix.symbol);
            const bool byWord = text.size() > prefix.word.size() &&
                                query_text::equalsFolded(text.substr(0, prefix.word.size()), prefix.word);
            if (!bySymbol && !byWord)
                continue;
            for (const Base& base : bases()) {
                const bool matches = base.symbol ? bySymbol && text.substr(prefix.symbol.size()) == base.text
                                                 : byWord && query_text::equalsFolded(text.substr(prefix.word.size()), base.text);
                if (!matches || !takesPrefix(base.prefixes, prefix))
                    continue;
                Reading reading{&prefix, base.code, base.symbol, std::string(prefix.shown)};
                if (base.symbol)
                    reading.symbol += text.substr(prefix.symbol.size());
                else if (!base.firstSymbol.empty())
                    reading.symbol += base.firstSymbol;
                else
                    reading.symbol = std::string(text);  // a unit of written names only
                return reading;
            }
        }
    return std::nullopt;
}

std::vector<std::string> symbolsInAnyCase(std::string_view text)
{
    std::vector<std::string> found;
    for (const std::span<const UnitPrefix> prefixes : {siPrefixes(), binaryPrefixes()})
        for (const UnitPrefix& prefix : prefixes)
            for (const Base& base : bases()) {
                if (!base.symbol || prefix.symbol.size() + base.text.size() != text.size() ||
                    !takesPrefix(base.prefixes, prefix))
                    continue;
                std::string symbol = std::string(prefix.symbol) + base.text;
                if (query_text::equalsFolded(text, query_text::fold(symbol)))
                    found.push_back(std::move(symbol));
            }
    return found;
}

} // namespace mezzurix::prefix_reading
