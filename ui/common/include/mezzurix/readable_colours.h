// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>

class QIcon;
class QPixmap;
class QWidget;

namespace mezzurix::ui {

// `palette` with every text colour that reads too faintly on its background made readable:
// a selection's background is deepened or lightened in its own hue, any other text turns black
// or white, and placeholders are dimmed only as far as they stay readable.
QPalette readablePalette(QPalette palette);

// Gives the window's own controls and its pop-up menus, which are windows of their own and
// inherit nothing, the readable form of the window's palette; returns that palette.
QPalette applyReadablePalette(QWidget* window);

// The same now and whenever the desktop's palette changes, for as long as the window lives.
void keepReadable(QWidget* window);

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
