// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/query_arguments.h>

#include "number_scan.h"

namespace mezzurix {

bool startsLikeValue(std::string_view word)
{
    return number_scan::startsNumber(word, 0, {.regionalPoint = ",", .regionalGroup = {}, .signOrPointFirst = true});
}

} // namespace mezzurix
