// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one place that reads a catalogue unit as a term: everything unit terms know of the
// catalogue comes through catalogueUnit(), prefixFormsOf() and categoryHolding(), built from the
// unit table.
#include <mezzurix/catalogue_terms.h>
#include <mezzurix/definitions.h>
#include <mezzurix/unit_prefixes.h>
#include <mezzurix/unit_record.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_names.h>

#include <algorithm>
#include <string>
#include <vector>

namespace mezzurix {

namespace {

// The texts of a '|' list.
std::vector<std::string_view> split(std::string_view list)
{
    std::vector<std::string_view> parts;
    while (!list.empty()) {
        const std::size_t bar = list.find('|');
        parts.push_back(list.substr(0, bar));
        list.remove_prefix(bar == std::string_view::npos ? list.size() : bar + 1);
    }
    return parts;
}

std::string lowered(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// Whether `text` is already a prefix before one of `stems` ("Mg" before "g", "megagram" before
// "gram"): a unit declared with a prefix takes no second one.
bool prefixedForm(std::string_view text, const std::vector<std::string>& stems, bool words)
{
    for (const UnitPrefix& prefix : siPrefixes()) {
        const std::string_view start = words ? prefix.word : prefix.symbol;
        if (text.size() > start.size() && text.starts_with(start) &&
            std::find(stems.begin(), stems.end(), text.substr(start.size())) != stems.end())
            return true;
    }
    return false;
}

// A unit's written and display names in lower case: the words a prefix word may stand before.
std::vector<std::string> writtenForms(const UnitRecord& record)
{
    std::vector<std::string> forms;
    for (const std::string_view name : split(record.names))
        forms.push_back(lowered(name));
    forms.push_back(lowered(record.singular));
    forms.push_back(lowered(record.plural));
    return forms;
}

// `form` added to the '|' list, unless it stands there already.
void addTo(std::string& list, std::string_view form)
{
    const std::vector<std::string_view> present = split(list);
    if (std::find(present.begin(), present.end(), form) == present.end())
        list += (list.empty() ? "" : "|") + std::string(form);
}

// The symbols and written names the prefixes stand before, for every unit that takes them, by
// code: its symbols, and its written and display names, but none that holds a prefix already.
std::vector<std::optional<PrefixForms>> prefixForms()
{
    std::vector<std::string> symbols;
    std::vector<std::string> names;
    for (const UnitRecord& record : unitRecords()) {
        if (record.prefixes == Prefixes::None)
            continue;
        for (const std::string_view symbol : split(record.symbols))
            symbols.emplace_back(symbol);
        const std::vector<std::string> forms = writtenForms(record);
        names.insert(names.end(), forms.begin(), forms.end());
    }
    std::vector<std::optional<PrefixForms>> all;
    for (const UnitRecord& record : unitRecords()) {
        if (record.prefixes == Prefixes::None)
            continue;
        const auto code = static_cast<std::size_t>(unitCode(record));
        if (all.size() <= code)
            all.resize(code + 1);
        PrefixForms& forms = all[code].emplace();
        forms.prefixes = record.prefixes;
        // A bit's "b" is too close to the byte's "B" to take a prefix: kbit and Mbit spell it out.
        // A unit without a symbol of its own takes them before its name (mbar, kbar).
        const std::string ownName = lowered(record.singular);
        const std::string_view prefixed = record.prefixes == Prefixes::Bits ? record.names
                                          : record.symbols.empty()          ? std::string_view(ownName)
                                                                            : record.symbols;
        for (const std::string_view symbol : split(prefixed))
            if (!prefixedForm(symbol, symbols, false))
                addTo(forms.symbols, symbol);
        for (const std::string& name : writtenForms(record))
            if (!name.empty() && name.find(' ') == std::string::npos && !prefixedForm(name, names, true))
                addTo(forms.names, name);
    }
    return all;
}

// Built on first use, apart from the terms: every query's name lookups may ask for them.
const std::vector<std::optional<PrefixForms>>& prefixTable()
{
    static const std::vector<std::optional<PrefixForms>> table = prefixForms();
    return table;
}

bool hasWrittenPower(std::string_view symbol)
{
    return symbol.find("\u00B2") != std::string_view::npos || symbol.find("\u00B3") != std::string_view::npos;
}

// The symbol answers write each unit with, by code: its first symbol without a blank, one with a
// written power ("ft³") before others ("cuft"); empty for a unit without one.
std::vector<std::string_view> displaySymbols()
{
    std::vector<std::string_view> symbols;
    for (const UnitName& name : unitAliases()) {
        if ((name.kind != NameKind::Symbol && name.kind != NameKind::CaseSymbol) ||
            name.text.find(' ') != std::string_view::npos)
            continue;
        const auto code = static_cast<std::size_t>(name.unitCode);
        if (symbols.size() <= code)
            symbols.resize(code + 1);
        std::string_view& shown = symbols[code];
        if (shown.empty() || (!hasWrittenPower(shown) && hasWrittenPower(name.text)))
            shown = name.text;
    }
    return symbols;
}

// A unit as a term: its category's dimension and kind, its record's exact amount and offset.
std::optional<CatalogueUnit> fromRecord(const UnitRecord& record, std::string_view symbol)
{
    const CategoryRecord* category = findCategoryRecord(record.category);
    const std::optional<ExactAmount> amount = unitAmount(record);
    const std::optional<ExactAmount> offset = record.offset.empty() ? ExactAmount() : ExactAmount::parse(record.offset);
    if (category == nullptr || !amount || !offset)
        return std::nullopt;
    CatalogueUnit unit;
    unit.term.symbol = std::string(symbol);
    unit.term.dimension = category->dimension;
    unit.term.kind = category->kind;
    unit.term.amount = *amount;
    unit.term.offset = *offset;
    unit.term.reciprocal = record.reciprocal;
    unit.si = record.source == DefinitionSource::SiBrochure;
    return unit;
}

struct Catalogue {
    std::vector<std::optional<CatalogueUnit>> units;  // by code
    std::vector<std::optional<CatalogueUnit>> categoryUnits;  // the first unit of each category

    Catalogue()
    {
        const std::vector<std::string_view> symbols = displaySymbols();
        for (const UnitRecord& record : unitRecords()) {
            const auto code = static_cast<std::size_t>(unitCode(record));
            if (units.size() <= code)
                units.resize(code + 1);
            units[code] = fromRecord(record, code < symbols.size() ? symbols[code] : std::string_view());
        }
        const auto& forms = prefixTable();
        for (std::size_t code = 0; code < forms.size() && code < units.size(); ++code)
            if (forms[code] && units[code])
                units[code]->prefixForms = *forms[code];
        for (const Category& category : typedCategories())
            categoryUnits.push_back(units[static_cast<std::size_t>(category.units.front().code)]);
    }
};

const Catalogue& catalogue()
{
    static const Catalogue built;
    return built;
}

} // namespace

const CatalogueUnit* catalogueUnit(int code)
{
    const auto& units = catalogue().units;
    if (code < 0 || static_cast<std::size_t>(code) >= units.size() || !units[static_cast<std::size_t>(code)])
        return nullptr;
    return &*units[static_cast<std::size_t>(code)];
}

const PrefixForms* prefixFormsOf(int code)
{
    const auto& forms = prefixTable();
    if (code < 0 || static_cast<std::size_t>(code) >= forms.size() || !forms[static_cast<std::size_t>(code)])
        return nullptr;
    return &*forms[static_cast<std::size_t>(code)];
}

std::optional<std::size_t> categoryHolding(const Dimension& dimension, UnitKind kind)
{
    const auto& firsts = catalogue().categoryUnits;
    for (std::size_t i = 0; i < firsts.size(); ++i) {
        if (!firsts[i])
            continue;
        const UnitTerm& term = firsts[i]->term;
        if (term.dimension == dimension && (kind == UnitKind::None || term.kind == UnitKind::None || term.kind == kind))
            return i;
    }
    return std::nullopt;
}

} // namespace mezzurix
