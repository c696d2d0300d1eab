// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_convention.h"

#include <langinfo.h>
#include <locale.h>

namespace mezzurix::cli {

LocalNumbers localNumbers()
{
    LocalNumbers local;
    // Asked of a locale object of its own: the process keeps the "C" numbers its libraries expect.
    const locale_t numeric = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (numeric == static_cast<locale_t>(nullptr))
        return local;
    if (const char* point = nl_langinfo_l(RADIXCHAR, numeric); point != nullptr && *point != '\0')
        local.decimalPoint = point;
    if (const char* group = nl_langinfo_l(THOUSEP, numeric); group != nullptr)
        local.groupSign = group;
    freelocale(numeric);
    return local;
}

void applyNumberConvention(NumberConvention convention, const LocalNumbers& local, OutputSettings& settings)
{
    if (convention == NumberConvention::Dot || local.decimalPoint == ".")
        return;
    settings.reading.decimalPoint = local.decimalPoint;
    settings.reading.groupSign = local.groupSign;
    settings.reading.refuseAmbiguousNumbers = convention == NumberConvention::Default;
    if (convention == NumberConvention::Regional || settings.style == OutputStyle::Sentence)
        settings.format.decimalPoint = local.decimalPoint;
}

} // namespace mezzurix::cli
