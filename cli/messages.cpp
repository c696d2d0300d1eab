// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include <mezzurix/query.h>

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
std::string language;  // the locale of the texts while translating

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
        language = locale;
        // The reader's messages name units and categories as the window does.
        setMessageTranslator([](const char* english) -> const char* {
            const char* translated = dgettext(kTextDomain, english);
            return translated != english ? translated : catalogueText(english).data();
        });
    }
    return locale;
}

bool translating()
{
    return active;
}

std::string_view messagesLanguage()
{
    return language;
}

const char* tr(const char* english)
{
    return active ? dgettext(kTextDomain, english) : english;
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

} // namespace mezzurix::cli
