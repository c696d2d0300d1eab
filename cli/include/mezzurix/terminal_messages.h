// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The terminal's texts in the user's language, through gettext: the catalogue
// share/locale/<language>/LC_MESSAGES/mezzurix-convert.mo beside the program's prefix. The window
// program writes the reader's messages about a conversion it is started with by it too.

#include <string>
#include <string_view>

namespace mezzurix {
struct LanguageNames;
struct Unit;
}

namespace mezzurix::cli {

// Picks the language from LC_MESSAGES (or LC_ALL, LANG) and finds the catalogue; the result is
// that locale's name ("de_DE.UTF-8"), whose language the reader reads unit names in.
std::string setUpMessages();

// True once setUpMessages() found a locale other than C or POSIX.
bool translating();

// The locale of the texts while translating ("de_DE.UTF-8"), whose plural rule the answers
// follow; empty in English.
std::string_view messagesLocale();

// `english` in the user's language: a text of this program, marked for extraction by its name.
const char* tr(const char* english);

// The form of `singular` or `plural` that the number `n` takes in the user's language.
const char* trn(const char* singular, const char* plural, unsigned long n);

// Marks `english` for extraction where it is defined; tr() translates it where it is used.
constexpr const char* marked(const char* english)
{
    return english;
}

// The signs that end a name before what follows it, as the language writes them: French puts a
// no-break space before both.
const char* colon();
const char* semicolon();

// A text of the catalogue (a category or unit name) as the window translates it.
std::string_view catalogueText(std::string_view english);

// The language of the unit names in messages and lists: that of the messages' locale where it has
// names and setUpMessages() found its catalogue, else nullptr (English).
const LanguageNames* messageLanguage();

// A category, named by its English name, in `language`: its name in the unit catalogues, else the
// window's.
std::string_view categoryText(std::string_view englishName, const LanguageNames* language);

// A unit as lists and messages name it in `language`: the window's caption as the window
// translates it for the window's units, the display plural for the others.
std::string_view listedUnitText(const Unit& unit, const LanguageNames* language);

} // namespace mezzurix::cli
