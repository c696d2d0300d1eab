// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/per_language.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include "names/name_language_list.h"

#include <algorithm>

namespace mezzurix {

namespace {

// Whether two names read alike with ASCII case ignored, as the reader compares them.
bool sameFolded(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// Calls `each` with every name of `list` ("ft|feet").
template <typename Each>
void forEachInList(std::string_view list, Each each)
{
    while (!list.empty()) {
        const std::size_t bar = list.find('|');
        each(list.substr(0, bar));
        list.remove_prefix(bar == std::string_view::npos ? list.size() : bar + 1);
    }
}

// The names of one unit beyond its list text, each read once: a record may write a name its list
// text already reads ("fathom|fathoms" beside the list text "Fathoms").
class UnitNames {
public:
    UnitNames(std::vector<UnitName>& names, int code, std::string_view listText)
        : names_(names), code_(code), first_(names.size()), listText_(listText)
    {
    }

    // Each name of `list` ("ft|feet"), as a name of `kind`.
    void add(std::string_view list, NameKind kind)
    {
        forEachInList(list, [&](std::string_view name) { add(UnitName{code_, name, kind}); });
    }

private:
    // Whether `earlier` already reads what `name` reads: a name whose case means nothing reads
    // every case of its text, an exact-case symbol only its own.
    static bool covers(const UnitName& earlier, const UnitName& name)
    {
        if (earlier.kind == NameKind::CaseSymbol)
            return name.kind == NameKind::CaseSymbol && earlier.text == name.text;
        return sameFolded(earlier.text, name.text);
    }

    void add(const UnitName& name)
    {
        // The list text's case means nothing.
        if (sameFolded(name.text, listText_))
            return;
        for (std::size_t i = first_; i < names_.size(); ++i)
            if (covers(names_[i], name))
                return;
        names_.push_back(name);
    }

    std::vector<UnitName>& names_;
    int code_;
    std::size_t first_;  // this unit's first name in names_
    std::string_view listText_;
};

} // namespace

namespace {

// The names `add` gives each unit, unit by unit in the order of the codes: every unit has one
// below the last typed-only code.
template <typename Add>
std::vector<UnitName> namesByCode(Add add)
{
    // Room for every name the records list, so that the table is written once: a page of it
    // never touched costs nothing, one copied on growing costs a page fault at every start.
    std::size_t listed = 0;
    for (const UnitRecord& unit : unitRecords())
        for (std::string_view list : {unit.symbols, unit.abbreviations, unit.names, unit.byOtherSide})
            listed += list.empty() ? 0 : 1 + static_cast<std::size_t>(std::count(list.begin(), list.end(), '|'));
    std::vector<UnitName> names;
    names.reserve(listed);
    const int codeLimit = kFirstTypedOnlyCode + static_cast<int>(unitRecords().size());
    for (int code = 0; code < codeLimit; ++code)
        if (const UnitRecord* unit = findUnitRecord(code))
            add(names, code, *unit);
    return names;
}

} // namespace

std::span<const UnitName> unitAliases()
{
    static const std::vector<UnitName> all = namesByCode([](std::vector<UnitName>& names, int code, const UnitRecord& unit) {
        UnitNames each(names, code, listText(unit));
        if (readsBareSymbols(unit))
            each.add(unit.symbols, NameKind::CaseSymbol);
        each.add(unit.abbreviations, NameKind::Symbol);
        each.add(unit.names, NameKind::Name);
    });
    return all;
}

std::span<const UnitName> aliasesOf(int unitCode)
{
    const std::span<const UnitName> all = unitAliases();
    const auto [first, last] = std::equal_range(all.begin(), all.end(), UnitName{unitCode, {}, NameKind::Name},
                                                [](const UnitName& a, const UnitName& b) { return a.unitCode < b.unitCode; });
    return {first, last};
}

std::span<const UnitName> otherSideNames()
{
    static const std::vector<UnitName> all = namesByCode([](std::vector<UnitName>& names, int code, const UnitRecord& unit) {
        UnitNames each(names, code, {});
        if (!readsBareSymbols(unit))
            each.add(unit.symbols, NameKind::CaseSymbol);
        each.add(unit.byOtherSide, NameKind::Symbol);
    });
    return all;
}

namespace {

// Whether `list` ("degree|degrees|deg") holds `word`, with ASCII case ignored.
bool listHolds(std::string_view list, std::string_view word)
{
    bool holds = false;
    forEachInList(list, [&](std::string_view name) { holds = holds || sameFolded(name, word); });
    return holds;
}

// The codes of the units of another category whose English written names the other-side list of
// `unit` holds: the angle's degree for Celsius ("degree"), the ounce of mass for the fluid ounce.
std::vector<int> unitsNamedBy(const UnitRecord& unit)
{
    std::vector<int> codes;
    for (const UnitName& name : unitAliases()) {
        const UnitRecord* other = findUnitRecord(name.unitCode);
        if (name.kind == NameKind::Name && other != nullptr && other->category != unit.category &&
            listHolds(unit.byOtherSide, name.text) && std::find(codes.begin(), codes.end(), name.unitCode) == codes.end())
            codes.push_back(name.unitCode);
    }
    return codes;
}

std::vector<UnitName> translatedOtherSideNames(const LanguageNames& language)
{
    return namesByCode([&](std::vector<UnitName>& names, int code, const UnitRecord& unit) {
        if (unit.byOtherSide.empty())
            return;
        for (const int named : unitsNamedBy(unit))
            for (const UnitName& name : language.names)
                if (name.unitCode == named)
                    names.push_back({code, name.text, name.kind, name.translated});
    });
}

} // namespace

std::span<const UnitName> otherSideNames(const LanguageNames& language)
{
    const auto* names = madeOnFirstUse(&language, translatedOtherSideNames);
    return names != nullptr ? std::span<const UnitName>(*names) : std::span<const UnitName>();
}

std::span<const LanguageNames* const> unitNameLanguages()
{
    static const std::vector<const LanguageNames*> all = [] {
        std::vector<const LanguageNames*> made;
        for (const NameLanguage& language : nameLanguages())
            made.push_back(&language.names());
        return made;
    }();
    return all;
}

std::size_t unitNameLanguageCount()
{
    return nameLanguages().size();
}

std::optional<std::size_t> unitNameLanguageIndex(const LanguageNames& language)
{
    const auto languages = nameLanguages();
    const auto at = std::find_if(languages.begin(), languages.end(),
                                 [&](const NameLanguage& each) { return each.code == language.code; });
    if (at == languages.end() || &at->names() != &language)
        return std::nullopt;
    return static_cast<std::size_t>(at - languages.begin());
}

const LanguageNames* findNameLanguage(std::string_view locale)
{
    // "de_DE.UTF-8@euro": language and territory come before the codeset and modifier.
    const std::string_view full = locale.substr(0, locale.find_first_of(".@"));
    const std::string_view code = full.substr(0, full.find('_'));
    if (code.empty())
        return nullptr;
    const auto languageOf = [&](std::string_view each) { return each.substr(0, each.find('_')); };
    const NameLanguage* found = nullptr;
    for (const NameLanguage& language : nameLanguages()) {
        if (language.code == full)
            return &language.names();
        if (language.code == code || (found == nullptr && languageOf(language.code) == code))
            found = &language;
    }
    return found != nullptr ? &found->names() : nullptr;
}

std::vector<UnitName> namesOf(int unitCode, const LanguageNames* language)
{
    std::vector<UnitName> names;
    for (const Category& category : typedCategories())
        for (const Unit& unit : category.units)
            if (unit.code == unitCode)
                names.push_back({unitCode, unit.text, NameKind::ListText});
    const std::span<const UnitName> aliases = aliasesOf(unitCode);
    names.insert(names.end(), aliases.begin(), aliases.end());
    if (language != nullptr)
        for (const UnitName& name : language->names)
            if (name.unitCode == unitCode)
                names.push_back(name);
    return names;
}

DisplayName displayNames(int unitCode, const LanguageNames* language)
{
    if (language != nullptr)
        for (const DisplayName& names : language->displayNames)
            if (names.unitCode == unitCode)
                return names;
    const UnitRecord* unit = findUnitRecord(unitCode);
    return unit != nullptr ? DisplayName{unitCode, unit->singular, unit->plural} : DisplayName{};
}

std::string_view unitDisplayName(int unitCode, const LanguageNames* language, PluralCategory category)
{
    const DisplayName names = displayNames(unitCode, language);
    return category == PluralCategory::One ? names.singular : names.plural;
}

std::string_view unitDescription(int unitCode, const LanguageNames* language)
{
    if (language != nullptr)
        for (const UnitDescription& description : language->descriptions)
            if (description.unitCode == unitCode)
                return description.text;
    const UnitRecord* unit = findUnitRecord(unitCode);
    return unit != nullptr ? unit->description : std::string_view();
}

std::string_view categoryName(std::string_view categoryKey, const LanguageNames* language)
{
    if (language != nullptr)
        for (const CategoryName& name : language->categoryNames)
            if (name.key == categoryKey)
                return name.text;
    const CategoryRecord* category = findCategoryRecord(categoryKey);
    return category != nullptr ? category->name : std::string_view();
}

} // namespace mezzurix
