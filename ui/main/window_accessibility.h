// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace mezzurix::ui {

struct Controls;

// Gives the controls the names and descriptions a screen reader says, and names the boxes after
// the captions beside them.
void describeControls(const Controls& controls);

} // namespace mezzurix::ui
