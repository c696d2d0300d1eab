// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <algorithm>
#include <cmath>

namespace mezzurix::ui {

// WCAG 2.1 AA: text of ordinary size needs this contrast ratio against its background.
constexpr double kMinTextContrast = 4.5;
// WCAG 2.1 AA: pictures and focus indicators need this much against what adjoins them.
constexpr double kMinGraphicContrast = 3.0;

// Relative luminance of an sRGB colour as WCAG defines it: 0 for black, 1 for white.
inline double relativeLuminance(const QColor& colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// WCAG contrast ratio of two opaque colours, 1 (none) to 21 (black and white), in either order.
inline double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace mezzurix::ui
