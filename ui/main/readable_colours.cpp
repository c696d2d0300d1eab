// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readable_colours.h"

#include <mezzurix/contrast.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <algorithm>
#include <array>

namespace mezzurix::ui {
namespace {

const QColor kOutputBackground{255, 192, 192};  // the design's pink
const QColor kOutputBackgroundDark{92, 43, 43};  // the pink's hue, dark enough for light text

// Small enough that a deepened selection stays close to the desktop's own colour.
constexpr float kLightnessStep = 0.02f;
// Small enough that a placeholder stays as dim as it can while it reads.
constexpr double kBlendStep = 0.05;

struct Pair {
    QPalette::ColorRole text;
    QPalette::ColorRole background;
    bool keepText;  // the desktop's text colour on its selection: the background gives way
};

constexpr std::array kPairs{
    Pair{QPalette::WindowText, QPalette::Window, false},
    Pair{QPalette::Text, QPalette::Base, false},
    Pair{QPalette::ButtonText, QPalette::Button, false},
    Pair{QPalette::HighlightedText, QPalette::Highlight, true},
};

// The groups a user reads; disabled controls are exempt, and the window has none.
constexpr std::array kGroups{QPalette::Active, QPalette::Inactive};

bool lighter(const QColor& a, const QColor& b)
{
    return relativeLuminance(a) > relativeLuminance(b);
}

QColor mixed(const QColor& from, const QColor& to, double share)
{
    const auto mix = [share](float a, float b) { return float(a + (b - a) * share); };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                            mix(from.blueF(), to.blueF()));
}

// `text` where it reads on `background`, else black or white, one of which always does.
QColor readableText(const QColor& text, const QColor& background)
{
    if (contrastRatio(text, background) >= kMinTextContrast)
        return text;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

// `background`, darker under light text or lighter under dark text, in its own hue, until
// `text` reads on it; black and white are the last steps, and one of them always reads.
QColor readableBackground(const QColor& text, QColor background)
{
    const bool darken = contrastRatio(text, Qt::black) >= contrastRatio(text, Qt::white);
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    background.getHslF(&hue, &saturation, &lightness);
    while (contrastRatio(text, background) < kMinTextContrast && (darken ? lightness > 0 : lightness < 1)) {
        lightness = std::clamp(lightness + (darken ? -kLightnessStep : kLightnessStep), 0.0f, 1.0f);
        background = QColor::fromHslF(hue, saturation, lightness);
    }
    return background;
}

// The palette's placeholder as drawn on `background`, moved towards `text` until it reads.
QColor readablePlaceholder(const QColor& placeholder, const QColor& text, const QColor& background)
{
    const QColor drawn = mixed(background, placeholder, placeholder.alphaF());
    QColor colour = drawn;
    for (double share = 0; contrastRatio(colour, background) < kMinTextContrast && share < 1;) {
        share = std::min(1.0, share + kBlendStep);
        colour = mixed(drawn, text, share);
    }
    return colour;
}

} // namespace

QPalette readablePalette(QPalette palette)
{
    for (const QPalette::ColorGroup group : kGroups) {
        for (const Pair& pair : kPairs) {
            const QColor text = palette.color(group, pair.text);
            const QColor background = palette.color(group, pair.background);
            if (pair.keepText)
                palette.setColor(group, pair.background, readableBackground(text, background));
            else
                palette.setColor(group, pair.text, readableText(text, background));
        }
        palette.setColor(group, QPalette::PlaceholderText,
                         readablePlaceholder(palette.color(group, QPalette::PlaceholderText),
                                             palette.color(group, QPalette::Text),
                                             palette.color(group, QPalette::Base)));
    }
    return palette;
}

QPalette outputPalette(QPalette readable)
{
    for (const QPalette::ColorGroup group : kGroups) {
        const QColor text = readable.color(group, QPalette::Text);
        const QColor background =
            lighter(text, readable.color(group, QPalette::Base)) ? kOutputBackgroundDark : kOutputBackground;
        const QColor shown = readableText(text, background);
        readable.setColor(group, QPalette::Base, background);
        readable.setColor(group, QPalette::Text, shown);
        readable.setColor(group, QPalette::PlaceholderText,
                          readablePlaceholder(readable.color(group, QPalette::PlaceholderText), shown,
                                              background));
    }
    return readable;
}

QColor focusRingColour(const QPalette& palette)
{
    const QColor highlight = palette.color(QPalette::Highlight);
    return contrastRatio(highlight, palette.color(QPalette::Window)) >= kMinGraphicContrast
        ? highlight
        : palette.color(QPalette::WindowText);
}

QPixmap pictureFor(const QIcon& icon, int side, qreal ratio, const QPalette& palette)
{
    const QPixmap picture = icon.pixmap(QSize(side, side), ratio);
    if (!lighter(palette.color(QPalette::WindowText), palette.color(QPalette::Window)))
        return picture;
    QImage reversed = picture.toImage();
    reversed.invertPixels();
    QPixmap drawn = QPixmap::fromImage(reversed);
    drawn.setDevicePixelRatio(picture.devicePixelRatio());
    return drawn;
}

} // namespace mezzurix::ui
