// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/display_names.h>

#include <mezzurix/unit_names.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace mezzurix {

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// "Milliliter/Milliliters: ml|mL" read; nullopt for a group written otherwise.
std::optional<NamedForm> readForm(std::string_view group)
{
    const std::size_t colon = group.find(':');
    const std::string_view display = group.substr(0, colon);
    const std::size_t slash = display.find('/');
    if (colon == std::string_view::npos || slash == std::string_view::npos)
        return std::nullopt;
    NamedForm form{trimmed(display.substr(0, slash)), trimmed(display.substr(slash + 1)),
                   trimmed(group.substr(colon + 1))};
    if (form.singular.empty() || form.plural.empty() || form.names.empty())
        return std::nullopt;
    return form;
}

// Every record's forms, read once: the forms of all records in one run, and each record's stretch
// of it.
struct FormTable {
    std::vector<NamedForm> forms;
    std::vector<std::pair<std::size_t, std::size_t>> stretch;  // first and count, by record index

    FormTable()
    {
        for (const UnitRecord& unit : unitRecords()) {
            const std::size_t first = forms.size();
            std::string_view rest = unit.namedForms;
            bool readable = true;
            while (readable && !trimmed(rest).empty()) {
                const std::size_t end = rest.find(';');
                const std::optional<NamedForm> form = readForm(rest.substr(0, end));
                readable = form.has_value();
                if (form)
                    forms.push_back(*form);
                rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
            }
            if (!readable)
                forms.resize(first);
            stretch.emplace_back(first, forms.size() - first);
        }
    }
};

const FormTable& formTable()
{
    static const FormTable table;
    return table;
}

char folded(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether a name as typed is `name`, in any case, with any run of blanks between words as one.
bool sameName(std::string_view typed, std::string_view name)
{
    std::size_t i = 0;
    for (std::size_t j = 0; j < name.size(); ++j) {
        if (i >= typed.size() || folded(typed[i]) != folded(name[j]))
            return false;
        ++i;
        if (name[j] == ' ')
            while (i < typed.size() && typed[i] == ' ')
                ++i;
    }
    return i == typed.size();
}

// Whether the '|'-separated `names` hold `typed`.
bool listHolds(std::string_view names, std::string_view typed)
{
    while (!names.empty()) {
        const std::size_t bar = names.find('|');
        if (sameName(typed, names.substr(0, bar)))
            return true;
        names = bar == std::string_view::npos ? std::string_view() : names.substr(bar + 1);
    }
    return false;
}

// The language's names of `form`, one of the unit's forms; nullptr where its catalogue has none.
const FormName* formIn(const LanguageNames& language, const UnitRecord& unit, const NamedForm* form)
{
    const std::span<const NamedForm> forms = namedForms(unit);
    const auto at = std::find_if(forms.begin(), forms.end(), [&](const NamedForm& each) { return &each == form; });
    if (at == forms.end())
        return nullptr;
    const int number = static_cast<int>(at - forms.begin()) + 1;
    for (const FormName& own : language.formNames)
        if (own.unitCode == unitCode(unit) && own.form == number)
            return &own;
    return nullptr;
}

bool isEnglish(std::string_view language)
{
    return language.empty() || language == "C" || language == "POSIX" || language.starts_with("C.") ||
           language == "en" || language.starts_with("en_") || language.starts_with("en.") ||
           language.starts_with("en-");
}

} // namespace

std::span<const NamedForm> namedForms(const UnitRecord& unit)
{
    const FormTable& table = formTable();
    const auto index = static_cast<std::size_t>(&unit - unitRecords().data());
    if (index >= table.stretch.size())
        return {};
    const auto [first, count] = table.stretch[index];
    return std::span<const NamedForm>(table.forms).subspan(first, count);
}

const NamedForm* findNamedForm(const UnitRecord& unit, std::string_view typed, const LanguageNames* language)
{
    typed = trimmed(typed);
    const std::span<const NamedForm> forms = namedForms(unit);
    for (const NamedForm& form : forms)
        if (listHolds(form.names, typed))
            return &form;
    if (language != nullptr)
        for (const FormName& own : language->formNames)
            if (own.unitCode == unitCode(unit) && own.form >= 1 && std::size_t(own.form) <= forms.size() &&
                listHolds(own.names, typed))
                return &forms[std::size_t(own.form) - 1];
    return nullptr;
}

bool hasDisplayNames(std::string_view language)
{
    return isEnglish(language) || findNameLanguage(language) != nullptr;
}

std::optional<std::string_view> displayName(const UnitRecord& unit, const NamedForm* form, std::string_view language,
                                            PluralCategory category)
{
    const bool one = category == PluralCategory::One;
    // Another language names the unit, and each form of its own, by its catalogue.
    if (!isEnglish(language)) {
        const LanguageNames* names = findNameLanguage(language);
        if (names == nullptr)
            return std::nullopt;
        if (const FormName* own = form != nullptr ? formIn(*names, unit, form) : nullptr)
            return one ? own->singular : own->plural;
        return unitDisplayName(unitCode(unit), names, category);
    }
    if (form != nullptr)
        return one ? form->singular : form->plural;
    return one ? unit.singular : unit.plural;
}

std::string_view unitName(const UnitRecord& unit, const NamedForm* form, std::string_view language,
                          PluralCategory category, std::string_view caption)
{
    if (const std::optional<std::string_view> own = displayName(unit, form, language, category))
        return *own;
    if (!caption.empty())
        return caption;
    return *displayName(unit, form, {}, category);
}

std::string_view nameAfterNumber(const UnitRecord& unit, const NamedForm* form, std::string_view language,
                                 std::string_view number, std::string_view decimalPoint, std::string_view caption)
{
    return unitName(unit, form, language, pluralCategory(language, number, decimalPoint), caption);
}

} // namespace mezzurix
