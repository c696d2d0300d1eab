// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The languages with names, each by its code and the function that makes its tables.

#include <mezzurix/unit_names.h>

#include <span>
#include <string_view>

namespace mezzurix {

struct NameLanguage {
    std::string_view code;              // "de", "pt_BR"
    const LanguageNames& (*names)();    // made on the first call
};

// In the order of the codes; generated with one row a catalogue.
std::span<const NameLanguage> nameLanguages();

} // namespace mezzurix
