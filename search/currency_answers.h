// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The search's answers to currency queries: from the cached rates at once, never waiting on the
// network; stale rates are refreshed by the fetch helper started in the background, and a later
// keystroke or search gets the new ones.

#include <mezzurix/number_rules.h>
#include <mezzurix/query.h>
#include <mezzurix/search_answers.h>

#include <optional>
#include <string_view>

namespace mezzurix::search {

struct CurrencyReply {
    std::optional<SearchAnswer> answer;  // none: no rates yet, or the query cannot be answered
};

// nullopt when `text` is no currency query (it is read as units then).
std::optional<CurrencyReply> currencyAnswer(std::string_view text, const QueryOptions& options,
                                            const NumberFormat& format);

} // namespace mezzurix::search
