// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/display_names.h>

#include <mezzurix/unit_names.h>

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

const NamedForm* findNamedForm(const UnitRecord& unit, std::string_view typed)
{
    typed = trimmed(typed);
    for (const NamedForm& form : namedForms(unit)) {
        std::string_view names = form.names;
        while (!names.empty()) {
            const std::size_t bar = names.find('|');
            if (sameName(typed, names.substr(0, bar)))
                return &form;
            names = bar == std::string_view::npos ? std::string_view() : names.substr(bar + 1);
        }
    }
    return nullptr;
}

bool hasDisplayNames(std::string_view language)
{
    return isEnglish(language) || findNameLanguage(language) != nullptr;
}

std::optional<std::string_view> displayName(const UnitRecord& unit, const NamedForm* form, std::string_view language,
                                            PluralCategory category)
{
    // Another language names the unit by its catalogue; a form of its own is English's for now.
    if (!isEnglish(language)) {
        const LanguageNames* names = findNameLanguage(language);
        return names != nullptr ? std::optional(unitDisplayName(unitCode(unit), names, category)) : std::nullopt;
    }
    const bool one = category == PluralCategory::One;
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
