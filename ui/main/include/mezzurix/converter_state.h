// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace mezzurix::ui {

// The two places of the unit lists.
enum class Side { Left, Right };

// What the main window converts and what it shows, apart from its widgets: the category, the
// unit selected on each side, the direction, the decimal places and the input text, and the
// captions and output that follow from them. Each action that changes what is converted
// converts once. Output and clipboard texts follow the default QLocale at the time of the action.
class ConverterState {
public:
    // The start: Area, the first unit on both sides, left into right, 14 decimal places, input "1".
    ConverterState();

    int category() const { return category_; }  // index into categories(), in menu order
    int row(Side side) const { return side == Side::Left ? leftRow_ : rightRow_; }
    bool forward() const { return forward_; }  // the left list converts into the right one
    int decimals() const { return decimals_; }
    const QString& input() const { return input_; }

    QString title() const;        // the category's name
    QString description() const;  // the title's tooltip
    QString fromUnit() const;     // the caption beside the input
    QString intoUnit() const;     // the caption beside the output
    QString heading(Side side) const;  // "Convert:" over the from list, "Into:" over the other
    const QString& output() const { return output_; }
    // Why the output is empty: the input's number or the result lies beyond the double range.
    // Empty while there is a result.
    QString outputReason() const;

    // The actions. Each returns true when it converted, false when it changed nothing.
    bool switchCategory(int category);  // both sides start again at the first unit
    bool pickUnit(Side side, int row);
    bool flip();
    bool setInput(const QString& text);
    // `entry` is the decimal places text as picked; it converts even when that is no number.
    bool pickDecimals(const QString& entry);
    // The output's number becomes the input and the two sides exchange their units. Nothing
    // happens while the output holds no number.
    bool swap();
    // The hidden credit: with the credit's name as the input and `decimalsText` reading 15, the
    // input empties and the decimal places go back to 14.
    bool credit(const QString& decimalsText);
    static const QString& creditName();
    // A typed conversion: its category, `fromRow` on the left converting into `intoRow` on the
    // right, `input` and the start's decimal places. False, and no change, for a category or a
    // row that does not exist.
    bool openConversion(int category, int fromRow, int intoRow, const QString& input);

    // The output's number in the general form, for the clipboard; nothing while there is none.
    std::optional<QString> clipboardText() const;

private:
    int fromRow() const { return forward_ ? leftRow_ : rightRow_; }
    int intoRow() const { return forward_ ? rightRow_ : leftRow_; }
    void convert();

    int category_ = 0;
    int leftRow_ = 0;
    int rightRow_ = 0;
    bool forward_ = true;
    int decimals_;
    QString input_;
    QString output_;
};

} // namespace mezzurix::ui
