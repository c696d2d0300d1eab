// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <variant>

namespace mezzurix::ui {

// A typed conversion resolved to what the window shows: a category, a row in each of its lists
// and the input text.
struct StartConversion {
    int category = 0;  // in the order of the "&Lists" menu
    int fromRow = 0;   // left list
    int intoRow = 0;   // right list
    QString value;     // the number as typed, with the regional decimal separator: "-1,5e3"
};

// Reads a query given as one or several words ("24 in to ft"), with the regional decimal
// separator as well as ".". A query that names no conversion the window shows, a conversion of
// money among them, or whose result is beyond the range of numbers, gives one line that says why,
// in the user's language where the reader's messages are translated.
std::variant<StartConversion, QString> readStartConversion(const QStringList& words);

} // namespace mezzurix::ui
