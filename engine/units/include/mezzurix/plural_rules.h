// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which plural form a language gives a unit name after a number, decided from the number as it
// is printed: "1 foot" but "1.00 feet" in English, "1,5 litre" in French.

#include <string_view>

namespace mezzurix {

enum class PluralCategory { One, Other };

// The CLDR cardinal rule of `language` ("fr", "pt_BR", "de_DE.UTF-8"; unknown languages take
// English's) applied to `printedNumber`, whose decimal sign is `decimalSign`. The number may carry
// a sign ("-", "+", U+2212) and digit group signs; text that is no plain number is Other.
PluralCategory pluralCategory(std::string_view language, std::string_view printedNumber,
                              std::string_view decimalSign);

} // namespace mezzurix
