// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include <algorithm>

namespace mezzurix {

namespace {

// Each name of `list` ("ft|feet"), as a name of `kind` of the unit with `code`.
void addNames(std::vector<UnitName>& names, int code, std::string_view list, NameKind kind)
{
    while (!list.empty()) {
        const std::size_t bar = list.find('|');
        names.push_back({code, list.substr(0, bar), kind});
        list.remove_prefix(bar == std::string_view::npos ? list.size() : bar + 1);
    }
}

} // namespace

std::span<const UnitName> unitAliases()
{
    static const std::vector<UnitName> all = [] {
        std::vector<const UnitRecord*> byCode;
        for (const UnitRecord& unit : unitRecords())
            byCode.push_back(&unit);
        std::stable_sort(byCode.begin(), byCode.end(),
                         [](const UnitRecord* a, const UnitRecord* b) { return unitCode(*a) < unitCode(*b); });
        std::vector<UnitName> names;
        for (const UnitRecord* unit : byCode) {
            if (readsBareSymbols(*unit))
                addNames(names, unitCode(*unit), unit->symbols, NameKind::CaseSymbol);
            addNames(names, unitCode(*unit), unit->abbreviations, NameKind::Symbol);
            addNames(names, unitCode(*unit), unit->names, NameKind::Name);
        }
        return names;
    }();
    return all;
}

const LanguageNames* findNameLanguage(std::string_view locale)
{
    if (locale.empty())
        return nullptr;
    // "de_DE.UTF-8@euro": the language is what comes before the territory, codeset and modifier.
    const std::string_view code = locale.substr(0, locale.find_first_of("_.@"));
    for (const LanguageNames* language : unitNameLanguages())
        if (language->code == code)
            return language;
    return nullptr;
}

std::vector<UnitName> namesOf(int unitCode, const LanguageNames* language)
{
    std::vector<UnitName> names;
    for (const Category& category : typedCategories())
        for (const Unit& unit : category.units)
            if (unit.code == unitCode)
                names.push_back({unitCode, unit.text, NameKind::ListText});
    for (const UnitName& alias : unitAliases())
        if (alias.unitCode == unitCode)
            names.push_back(alias);
    if (language != nullptr)
        for (const UnitName& name : language->names)
            if (name.unitCode == unitCode)
                names.push_back(name);
    return names;
}

} // namespace mezzurix
