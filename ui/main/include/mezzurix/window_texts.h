// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <span>
#include <string_view>

namespace mezzurix::ui {

// A text of the main window in the user's language; `english` is marked for translation in the
// context "MainWindow".
QString windowText(const char* english);

// A text of the unit catalogue (a category's name, menu caption or description, a unit's list
// text) in the user's language; the English text itself where it has no translation.
QString catalogueText(std::string_view english);

// Every catalogue text that the windows translate, in English.
std::span<const char* const> catalogueTexts();

} // namespace mezzurix::ui
