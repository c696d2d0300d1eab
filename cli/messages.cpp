// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/terminal_messages.h>

#include <mezzurix/query.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include <clocale>
#include <cstring>
#include <filesystem>
#include <libintl.h>
#include <system_error>

namespace mezzurix::cli {

namespace {

constexpr const char* kTextDomain = "mezzurix-convert";
// The context of the catalogue's texts in the window's translations, as lconvert writes it into
// this program's catalogue; gettext joins a context to its text with this byte.
constexpr std::string_view kCatalogueContext = "Catalogue|\x04";

bool active = false;
std::string textsLocale;  // the locale of the texts while translating
const LanguageNames* language = nullptr;  // its unit names, where it has them

// The catalogues of this program's own prefix, where it runs from (the build tree too), else
// those of the prefix it was built for.
std::string localeDir()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::filesystem::path dir = program.parent_path().parent_path() / "share" / "locale";
        if (std::filesystem::is_directory(dir, error))
            return dir.string();
    }
    return MEZZURIX_LOCALEDIR;
}

// A unit or category name of the reader's messages as the language names it: a unit by its
// display plural, a category by its name; nullptr for any other text.
const char* nameInLanguage(std::string_view english)
{
    if (language == nullptr)
        return nullptr;
    for (const Category& category : typedCategories()) {
        if (category.name == english)
            return categoryText(english, language).data();
        for (const Unit& unit : category.units)
            if (unit.text == english)
                return displayNames(unit.code, language).plural.data();
    }
    return nullptr;
}

} // namespace

std::string setUpMessages()
{
    const char* chosen = std::setlocale(LC_MESSAGES, "");
    std::setlocale(LC_CTYPE, "");
    const std::string locale = chosen != nullptr ? chosen : "C";
    const bool englishLocale = locale == "C" || locale == "POSIX" || locale.starts_with("C.") || locale.starts_with("en_") ||
                               locale == "en";
    if (!englishLocale) {
        bindtextdomain(kTextDomain, localeDir().c_str());
        // The texts are UTF-8 whatever LC_CTYPE says, as the rest of the output is.
        bind_textdomain_codeset(kTextDomain, "UTF-8");
        // And so are the C library's own (strerror), which would otherwise follow LC_CTYPE and
        // lose their letters ("Ger?t") where only LC_MESSAGES names the language.
        bind_textdomain_codeset("libc", "UTF-8");
        // A language without a catalogue stays English: gettext then has no header to give.
        active = *dgettext(kTextDomain, "") != '\0';
    }
    if (active) {
        textsLocale = locale;
        language = findNameLanguage(locale);
        // The reader's messages name units and categories as the language's lists do, else as
        // the window does.
        setMessageTranslator([](const char* english) -> const char* {
            const char* translated = dgettext(kTextDomain, english);
            if (translated != english)
                return translated;
            const char* named = nameInLanguage(english);
            return named != nullptr ? named : catalogueText(english).data();
        });
    }
    return locale;
}

bool translating()
{
    return active;
}

std::string_view messagesLocale()
{
    return textsLocale;
}

const char* tr(const char* english)
{
    return active ? dgettext(kTextDomain, english) : english;
}

const char* trn(const char* singular, const char* plural, unsigned long n)
{
    if (active)
        return dngettext(kTextDomain, singular, plural, n);
    return n == 1 ? singular : plural;
}

const char* colon()
{
    return tr(":");
}

const char* semicolon()
{
    return tr(";");
}

std::string_view catalogueText(std::string_view english)
{
    if (!active)
        return english;
    std::string key(kCatalogueContext);
    key += english;
    const char* translated = dgettext(kTextDomain, key.c_str());
    return translated == key.c_str() || std::strcmp(translated, key.c_str()) == 0 ? english : std::string_view(translated);
}

const LanguageNames* messageLanguage()
{
    return language;
}

std::string_view categoryText(std::string_view englishName, const LanguageNames* names)
{
    for (const CategoryRecord& category : categoryRecords())
        if (category.name == englishName && names != nullptr)
            for (const CategoryName& name : names->categoryNames)
                if (name.key == category.key)
                    return name.text;
    return catalogueText(englishName);
}

std::string_view listedUnitText(const Unit& unit, const LanguageNames* names)
{
    return inWindow(unit.code) || names == nullptr ? catalogueText(unit.text) : displayNames(unit.code, names).plural;
}

} // namespace mezzurix::cli
