// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <span>
#include <string_view>

// The fixed content of the reference windows, kept as data.
namespace mezzurix::ui::reference {

// The SI information text in the user's language; in English 2551 characters. Its line breaks
// are CR LF.
QString infoText();

enum class LabelStyle { Heading, Row };

// Labels that form a control array share their name; each carries its index in the array.
constexpr int kNoIndex = -1;

struct LabelSpec {
    const char* name;
    int index; // kNoIndex for a label outside an array
    const char* caption; // UTF-8, in English
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

enum class Table { BaseUnits, Prefixes };

// A label's caption in the user's language: the prefixes' rows take its prefix names and decimal
// comma.
QString labelCaption(Table table, const LabelSpec& label);

// A text of the reference windows (a title, an accessible name) in the user's language;
// `english` is marked for translation in the context "ReferenceWindows".
QString windowText(const char* english);

} // namespace mezzurix::ui::reference
