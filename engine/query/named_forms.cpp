// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "named_forms.h"

#include <mezzurix/display_names.h>
#include <mezzurix/unit_record.h>

namespace mezzurix::named_forms {

namespace {

const NamedForm* formOf(std::string_view text, const Query& query, const LanguageNames* language, bool into, int code,
                        TextSpan span)
{
    const UnitRecord* unit = findUnitRecord(code);
    if (unit == nullptr || unit->namedForms.empty() || span.offset + span.length > text.size())
        return nullptr;
    std::string_view typed = text.substr(span.offset, span.length);
    for (const QueryCorrection& correction : query.corrections)
        if (correction.into == into && correction.typed == typed)
            typed = correction.read;
    return findNamedForm(*unit, typed, language);
}

} // namespace

void note(std::string_view text, Query& query, const LanguageNames* language)
{
    query.fromForm = nullptr;
    query.intoForm = nullptr;
    if (query.categoryIndex == kNoCategory)
        return;
    if (!query.fromTerm && query.fromParts.empty())
        query.fromForm = formOf(text, query, language, false, query.fromCode(), query.fromSpan);
    if (const std::optional<int> into = query.intoCode(); into && query.intoParts.empty())
        query.intoForm = formOf(text, query, language, true, *into, query.intoSpan);
}

} // namespace mezzurix::named_forms
