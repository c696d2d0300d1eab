// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_sources.h"

#include <mezzurix/unit_prefixes.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <span>

namespace mezzurix::names {

namespace {

// Symbols that take SI prefixes without a unit to read them through: with a prefix they name no
// unit the catalogue has. The plural of their name.
struct MetricBase {
    std::string_view symbol;
    std::string_view plural;
    bool bytes;  // bytes take the binary prefixes, and none below one
};
constexpr MetricBase kMetricBases[] = {{"cal", "calories", false}, {"B", "bytes", true}};

// Symbols outside the prefix scheme that must not be read as a unit of another case.
struct OtherSymbol {
    std::string_view symbol;
    std::string_view plural;
};
constexpr OtherSymbol kOtherSymbols[] = {{"Cal", "kilocalories"}, {"kcal", "kilocalories"}, {"Ci", "curies"}};

KnownSymbols makeKnownSymbols()
{
    KnownSymbols known;
    const std::size_t count = std::size(kMetricBases) * siPrefixes().size() + std::size(kOtherSymbols);
    known.symbols.reserve(count);
    known.plurals.reserve(count);
    for (const MetricBase& base : kMetricBases)
        for (const UnitPrefix& prefix : siPrefixes())
            if (!(base.bytes && prefix.exponent < 0)) {
                known.symbols.push_back(std::string(prefix.symbol).append(base.symbol));
                known.plurals.push_back(std::string(prefix.word).append(base.plural));
            }
    for (const OtherSymbol& other : kOtherSymbols) {
        known.symbols.emplace_back(other.symbol);
        known.plurals.emplace_back(other.plural);
    }
    return known;
}

} // namespace

const KnownSymbols& knownSymbols()
{
    static const KnownSymbols known = makeKnownSymbols();
    return known;
}

TableSource tableSource(const LanguageNames* language)
{
    TableSource source;
    std::size_t nameCount = 0;
    forEachName(language, [&](const UnitName&) { ++nameCount; });
    const std::span<const UnitName> translatedOtherSide =
        language != nullptr ? otherSideNames(*language) : std::span<const UnitName>();
    const KnownSymbols& known = knownSymbols();
    source.entries.reserve(nameCount + otherSideNames().size() + translatedOtherSide.size() + known.symbols.size());
    forEachName(language, [&](const UnitName& name) {
        source.entries.push_back({name.text, name.unitCode, name.kind == NameKind::CaseSymbol, false, name.translated});
        source.maxTokens = std::max<std::size_t>(source.maxTokens, 1 + std::count(name.text.begin(), name.text.end(), ' '));
    });
    for (const std::span<const UnitName> names : {otherSideNames(), translatedOtherSide})
        for (const UnitName& name : names)
            source.entries.push_back({name.text, name.unitCode, name.kind == NameKind::CaseSymbol, true});
    for (std::size_t i = 0; i < known.symbols.size(); ++i)
        source.entries.push_back({known.symbols[i], -1 - static_cast<int>(i), true});
    return source;
}

} // namespace mezzurix::names
