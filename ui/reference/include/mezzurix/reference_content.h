// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <span>
#include <string_view>

// The fixed content of the reference windows, kept as data.
namespace mezzurix::ui::reference {

// The SI information text, 2551 characters with CR LF line breaks.
const QString& infoText();

enum class LabelStyle { Heading, Row };

// Labels that form a control array share their name; each carries its index in the array.
constexpr int kNoIndex = -1;

struct LabelSpec {
    const char* name;
    int index; // kNoIndex for a label outside an array
    std::u16string_view caption;
    int left; // twips, like top and width
    int top;
    int width;
    LabelStyle style;
};

// Every label of both table windows has this height.
constexpr int kLabelHeightTwips = 255;

// Headings first, then the rows from top to bottom.
std::span<const LabelSpec> baseUnitsLabels();
std::span<const LabelSpec> prefixesLabels();

} // namespace mezzurix::ui::reference
