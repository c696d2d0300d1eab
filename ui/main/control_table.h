// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <mezzurix/converter_state.h>

#include <QFont>
#include <QRect>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace mezzurix::ui {

class PictureButton;

// Every control of the main window but the unit lists, by what it does. Each carries its
// design name as objectName, given in the comments.
struct Controls {
    QLabel* title = nullptr;               // lblTitle
    QLabel* leftHeading = nullptr;         // Label6
    QLabel* rightHeading = nullptr;        // Label7
    PictureButton* forwardHand = nullptr;  // Image1: the left list converts into the right one
    PictureButton* reverseHand = nullptr;  // Image2
    QLabel* inputCaption = nullptr;        // Label3
    QLineEdit* input = nullptr;            // txtIn
    QLabel* fromUnit = nullptr;            // Label1
    QLabel* outputCaption = nullptr;       // Label4
    QLineEdit* output = nullptr;           // txtOut
    QLabel* intoUnit = nullptr;            // Label2
    QComboBox* decimals = nullptr;         // cmbDP
    QLabel* decimalsCaption = nullptr;     // Label5
    QLineEdit* restingPlace = nullptr;     // Text1: takes the focus after a click on the window
    QPushButton* swapButton = nullptr;     // cmdSwap1
    QPushButton* copyButton = nullptr;     // cmdCopy
};

// Creates the controls on `client` at their design places, with their texts, tooltips and fonts.
Controls createControls(QWidget* client);

// The client area's size and a unit list's place, in pixels for `widget`.
QSize clientSize(const QWidget* widget);
QRect listPlace(Side side, const QWidget* widget);

// The window's font, which the unit lists and the unit captions use.
QFont windowFont();

// Puts the controls that take the focus into their design order, once all lists exist.
void setDesignTabOrder(QWidget* client);

} // namespace mezzurix::ui
