// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <mezzurix/unit_names.h>

#include <string_view>

namespace mezzurix {

// Whether `word`, in any ASCII case, is a word of a currency's name, symbol or code in English or
// in `language` where it is given (a name of several words gives each): what decides, cheaply,
// that a query may be a currency query.
bool isCurrencyWord(std::string_view word, const LanguageNames* language);

} // namespace mezzurix
