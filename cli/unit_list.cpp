// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_list.h"

#include "json.h"

#include <mezzurix/query.h>
#include <mezzurix/terminal_messages.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/definitions.h>
#include <mezzurix/unit_names.h>

#include <algorithm>
#include <set>
#include <vector>

namespace mezzurix::cli {

namespace {

// After a unit the window's lists do not show.
constexpr const char* kNotInWindowMark = marked("(typed only)");

bool startsWithFolded(std::string_view text, std::string_view prefix)
{
    if (prefix.size() > text.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(text[i]) != lower(prefix[i]))
            return false;
    }
    return true;
}

bool fits(std::string_view categoryName, std::string_view typed)
{
    for (std::size_t word = 0; word < categoryName.size();) {
        if (startsWithFolded(categoryName.substr(word), typed))
            return true;
        const std::size_t blank = categoryName.find(' ', word);
        if (blank == std::string_view::npos)
            break;
        word = blank + 1;
    }
    return false;
}

std::string categoryNames()
{
    std::string names;
    for (const Category& category : typedCategories())
        names += (names.empty() ? "" : ", ") + std::string(categoryText(category.name, messageLanguage()));
    return names;
}

// The unit, its names and, where known, its definition.
std::string unitObject(const Unit& unit, const UnitDefinition* definition, const std::vector<std::string>& names)
{
    JsonObject object;
    object.string("name", unit.text);
    // Only the window's own codes are stable: other units are numbered by their place in the table.
    if (inWindow(unit.code))
        object.integer("code", unit.code);
    object.strings("names", names).raw("in_window", inWindow(unit.code) ? "true" : "false");
    if (definition != nullptr) {
        object.string("singular", definition->singular)
            .string("description", definition->description)
            .string("definition", definitionText(*definition))
            .string("amount", definition->amount)
            .string("si_unit", definition->siUnit);
        if (!definition->offset.empty())
            object.string("offset", definition->offset);
        if (definition->reciprocal)
            object.raw("reciprocal", "true");
        object.string("source", sourceName(definition->source));
    }
    return object.text();
}

} // namespace

std::optional<std::size_t> findCategory(std::string_view name, std::string& problem)
{
    std::vector<std::size_t> found;
    const auto all = typedCategories();
    for (std::size_t i = 0; i < all.size(); ++i) {
        // Its English name, or the one it is listed by in the user's language.
        for (const std::string_view categoryName : {all[i].name, categoryText(all[i].name, messageLanguage())}) {
            if (categoryName.size() == name.size() && startsWithFolded(categoryName, name))
                return i;
            if (!name.empty() && fits(categoryName, name) &&
                std::find(found.begin(), found.end(), i) == found.end())
                found.push_back(i);
        }
    }
    if (found.size() == 1)
        return found.front();
    const char* format = found.empty() ? tr("unknown category \"%s\"; the categories are %s")
                                       : tr("ambiguous category \"%s\"; the categories are %s");
    problem = fillMessage(format, {name, categoryNames()});
    return std::nullopt;
}

void writeUnitList(std::optional<std::size_t> category, OutputStyle style, const LanguageNames* language, Output& out)
{
    std::set<std::string_view> written;  // terse output names a shared name once
    const auto all = typedCategories();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (category && *category != i)
            continue;
        std::string text;
        std::string units = "[";
        if (style == OutputStyle::Sentence)
            text = std::string(categoryText(all[i].name, language)) + "\n";
        for (const Unit& unit : all[i].units) {
            const UnitDefinition* definition = findDefinition(unit.code);
            const std::vector<UnitName> names = namesOf(unit.code, language);
            std::vector<std::string> texts;
            for (const UnitName& name : names)
                texts.emplace_back(name.text);
            switch (style) {
            case OutputStyle::Sentence:
                text += "  " + std::string(listedUnitText(unit, language));
                if (!inWindow(unit.code))
                    text += " " + std::string(tr(kNotInWindowMark));
                if (definition != nullptr)
                    text += " \u2014 " + std::string(unitDescription(unit.code, language));
                text += colon();
                for (std::size_t k = 1; k < texts.size(); ++k)
                    text += (k == 1 ? " " : ", ") + texts[k];
                text += "\n";
                break;
            case OutputStyle::Terse:
                for (const UnitName& name : names)
                    if (written.insert(name.text).second)
                        text += std::string(name.text) + "\n";
                break;
            case OutputStyle::Json:
                if (units.size() > 1)
                    units += ',';
                units += unitObject(unit, definition, texts);
                break;
            }
        }
        if (style == OutputStyle::Json)
            text = JsonObject().string("category", all[i].name).raw("units", units + "]").text() + "\n";
        out.text() += text;
        out.lineDone();
    }
    if (style == OutputStyle::Sentence) {
        out.text() += tr("Composed units are read too: products (N·m, kW h), quotients (g/cm³, km/h, "
                         "kWh/100km), powers (m², ft3, s⁻¹), and SI prefixes on SI units (mA, kN, "
                         "µs).");
        out.text() += "\n";
        out.lineDone();
    }
}

} // namespace mezzurix::cli
