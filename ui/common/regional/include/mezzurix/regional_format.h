// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The user's regional number format, as every Qt front end reads and writes numbers. QtCore only.

#include <mezzurix/number_rules.h>

#include <QLocale>

namespace mezzurix::ui {

// The decimal separator and minus sign of `locale` (by default the user's).
NumberFormat regionalFormat(const QLocale& locale = QLocale());

} // namespace mezzurix::ui
