// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <QtMath>

namespace mezzurix::ui {

constexpr int kTwipsPerInch = 1440;

// Layouts are given in twips; a pixel is 15 twips at the usual 96 logical DPI.
inline int twipsToPixels(int twips, const QWidget* widget)
{
    const int dpi = widget != nullptr ? widget->logicalDpiX() : 96;
    return qRound(double(twips) * dpi / kTwipsPerInch);
}

inline QRect twipsToPixels(QRect twipsRect, const QWidget* widget)
{
    return {twipsToPixels(twipsRect.x(), widget), twipsToPixels(twipsRect.y(), widget),
            twipsToPixels(twipsRect.width(), widget), twipsToPixels(twipsRect.height(), widget)};
}

} // namespace mezzurix::ui
