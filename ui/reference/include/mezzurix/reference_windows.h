// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace mezzurix::ui {

// Each shows its window, creating it on first use or after the user closed it, and brings it to
// the front. The windows have no owner: they outlive the main window, and closing one destroys it.
QWidget* showInfoWindow();
QWidget* showSIBaseUnitsWindow();
QWidget* showSIPrefixesWindow();

} // namespace mezzurix::ui
