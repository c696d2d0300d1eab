// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>

class QIcon;
class QPixmap;

namespace mezzurix::ui {

// `palette` with every text colour that reads too faintly on its background made readable:
// a selection's background is deepened or lightened in its own hue, any other text turns black
// or white, and placeholders are dimmed only as far as they stay readable.
QPalette readablePalette(QPalette palette);

// The output box's colours within a readable palette: the design's pink under dark text, a dark
// tint of the same hue under light text.
QPalette outputPalette(QPalette readable);

// The keyboard focus ring's colour: the selection colour where it stands out from the window,
// else the window's text colour.
QColor focusRingColour(const QPalette& palette);

// The picture `side` pixels square at `ratio` device pixels per pixel. On a dark window it is
// drawn in reverse, light lines on a dark ground, so that its outline stays visible.
QPixmap pictureFor(const QIcon& icon, int side, qreal ratio, const QPalette& palette);

} // namespace mezzurix::ui
