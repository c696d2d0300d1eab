// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one place that reads a catalogue unit as a term: everything unit terms know of the
// catalogue comes through catalogueUnit() and categoryHolding(). Built over the definitions
// and the names, with what they lack (dimensions, kinds, prefixes) in the tables below.
#include <mezzurix/catalogue_terms.h>
#include <mezzurix/definitions.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_names.h>

#include <vector>

namespace mezzurix {

namespace {

// What the coherent unit a definition is written in measures, and how many of the base unit it
// is: a byte is 8 bits.
struct CoherentUnit {
    std::string_view symbol;
    Dimension dimension;
    UnitKind kind = UnitKind::None;
    std::string_view amount = "1";
};
constexpr CoherentUnit kCoherentUnits[] = {
    {"m", Dimension({.length = 1})},
    {"m\u00B2", Dimension({.length = 2})},
    {"m\u00B3", Dimension({.length = 3})},
    {"m\u00B3/s", Dimension({.length = 3, .time = -1})},
    {"m/s", Dimension({.length = 1, .time = -1})},
    {"m/m\u00B3", Dimension({.length = -2})},
    {"kg", Dimension({.mass = 1})},
    {"s", Dimension({.time = 1})},
    {"K", Dimension({.temperature = 1})},
    {"N", Dimension({.length = 1, .mass = 1, .time = -2})},
    {"Pa", Dimension({.length = -1, .mass = 1, .time = -2})},
    {"W", Dimension({.length = 2, .mass = 1, .time = -3})},
    {"J", Dimension({.length = 2, .mass = 1, .time = -2}), UnitKind::Energy},
    {"N\u00B7m", Dimension({.length = 2, .mass = 1, .time = -2}), UnitKind::Torque},
    // lumens per square meter; the steradian of the lumen counts for nothing, as in the SI
    {"lx", Dimension({.length = -2, .luminousIntensity = 1})},
    {"B", Dimension({.information = 1}), UnitKind::None, "8"},
};

const CoherentUnit* coherentUnit(std::string_view symbol)
{
    for (const CoherentUnit& unit : kCoherentUnits)
        if (unit.symbol == symbol)
            return &unit;
    return nullptr;
}

using enum Prefixes;

// The units that take prefixes, with the symbols and names the prefixes stand before.
struct PrefixedUnit {
    int code;
    Prefixes prefixes;
    std::string_view symbols;
    std::string_view names;
};
constexpr PrefixedUnit kPrefixedUnits[] = {
    {6, Si, "m", "meter|meters|metre|metres"},
    {33, Si, "g", "gram|grams|gramme|grammes"},
    {35, Si, "t", "tonne|tonnes"},
    {690, Si, "L|l", "liter|liters|litre|litres"},
    {1241, Si, "s", "second|seconds"},
    {1140, Si, "K", "kelvin|kelvins"},
    {43, Si, "Pa", "pascal|pascals"},
    {41, Si, "bar", "bar|bars"},
    {94, Si, "N", "newton|newtons"},
    {85, Si, "J", "joule|joules"},
    {25, Si, "W", "watt|watts"},
    {1203, Si, "Wh|W\u00B7h", "watt-hour|watt-hours"},
    {102, Si, "lx", "lux"},
    {1220, Bits, "bit", "bit|bits"},
    {201, Bytes, "B", "byte|bytes"},
};

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

std::optional<CatalogueUnit> fromDefinition(const UnitDefinition& definition, std::string_view symbol)
{
    const CoherentUnit* coherent = coherentUnit(definition.siUnit);
    if (coherent == nullptr)
        return std::nullopt;
    const std::optional<ExactAmount> amount = ExactAmount::parse(definition.amount);
    const std::optional<ExactAmount> scale = ExactAmount::parse(coherent->amount);
    const std::optional<ExactAmount> offset =
        definition.offset.empty() ? ExactAmount() : ExactAmount::parse(definition.offset);
    const std::optional<ExactAmount> scaled = amount && scale ? *amount * *scale : std::nullopt;
    if (!scaled || !offset)
        return std::nullopt;
    CatalogueUnit unit;
    unit.term.symbol = std::string(symbol);
    unit.term.dimension = coherent->dimension;
    unit.term.kind = coherent->kind;
    unit.term.amount = *scaled;
    unit.term.offset = *offset;
    unit.term.reciprocal = definition.reciprocal;
    unit.si = definition.source == DefinitionSource::SiBrochure;
    for (const PrefixedUnit& prefixed : kPrefixedUnits)
        if (prefixed.code == definition.code) {
            unit.prefixes = prefixed.prefixes;
            unit.prefixSymbols = prefixed.symbols;
            unit.prefixNames = prefixed.names;
        }
    return unit;
}

struct Catalogue {
    std::vector<std::optional<CatalogueUnit>> units;  // by code
    std::vector<std::optional<CatalogueUnit>> categoryUnits;  // the first unit of each category

    Catalogue()
    {
        const std::vector<std::string_view> symbols = displaySymbols();
        for (const UnitDefinition& definition : unitDefinitions()) {
            const auto code = static_cast<std::size_t>(definition.code);
            if (units.size() <= code)
                units.resize(code + 1);
            units[code] = fromDefinition(definition, code < symbols.size() ? symbols[code] : std::string_view());
        }
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
