// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <mezzurix/query.h>
#include <mezzurix/unit_names.h>

#include <string_view>

namespace mezzurix::named_forms {

// Notes the forms the query's sides answer in (Query::fromForm, intoForm) from the names typed
// for them in `text`: a side of one catalogue unit only, the name as corrected where it was
// misspelt, read in English and in `language` where it is given.
void note(std::string_view text, Query& query, const LanguageNames* language);

} // namespace mezzurix::named_forms
