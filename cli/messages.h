// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's texts in the user's language, through gettext: the catalogue
// share/locale/<language>/LC_MESSAGES/mezzurix-convert.mo beside the program's prefix.

#include <string>
#include <string_view>

namespace mezzurix::cli {

// Picks the language from LC_MESSAGES (or LC_ALL, LANG) and finds the catalogue; the result is
// that locale's name ("de_DE.UTF-8"), whose language the reader reads unit names in.
std::string setUpMessages();

// True once setUpMessages() found a locale other than C or POSIX.
bool translating();

// The locale of the texts while translating ("de_DE.UTF-8"), whose plural rule the answers
// follow; empty in English.
std::string_view messagesLanguage();

// `english` in the user's language: a text of this program, marked for extraction by its name.
const char* tr(const char* english);

// Marks `english` for extraction where it is defined; tr() translates it where it is used.
constexpr const char* marked(const char* english)
{
    return english;
}

// A text of the catalogue (a category or unit name) as the window translates it.
std::string_view catalogueText(std::string_view english);

} // namespace mezzurix::cli
