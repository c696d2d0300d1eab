// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/regional_format.h>

namespace mezzurix::ui {

NumberFormat regionalFormat(const QLocale& locale)
{
    return {locale.decimalPoint().toStdString(), locale.negativeSign().toStdString()};
}

} // namespace mezzurix::ui
