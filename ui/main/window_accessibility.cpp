// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_accessibility.h"

#include "control_table.h"
#include "picture_button.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace mezzurix::ui {
namespace {

// What a screen reader says for a control. An empty name leaves the control's own text (a
// label's caption, a button's caption without '&'); an empty description leaves its tooltip.
struct Spoken {
    QWidget* control;
    const char* name;
    const char* description;
};

} // namespace

void describeControls(const Controls& controls)
{
    const Spoken spoken[] = {
        {controls.input, "Input", ""},
        {controls.output, "Output", ""},
        {controls.decimals, "Decimal points", ""},
        {controls.fromUnit, "", "Unit of the input"},
        {controls.intoUnit, "", "Unit of the output"},
        {controls.forwardHand, "Reverse conversion",
         "Click here to reverse conversion. Now the left list converts into the right list."},
        {controls.reverseHand, "Reverse conversion",
         "Click here to reverse conversion. Now the right list converts into the left list."},
        {controls.restingPlace, "Resting place",
         "Holds the focus after a click on the window; typing here does nothing. Press Tab to go on."},
    };
    for (const Spoken& words : spoken) {
        if (*words.name != '\0')
            words.control->setAccessibleName(QString::fromUtf8(words.name));
        if (*words.description != '\0')
            words.control->setAccessibleDescription(QString::fromUtf8(words.description));
    }
    controls.decimals->lineEdit()->setAccessibleName(controls.decimals->accessibleName());
    controls.decimals->view()->setAccessibleName(controls.decimals->accessibleName());

    // The captions beside the boxes name them for assistive tools too.
    controls.inputCaption->setBuddy(controls.input);
    controls.outputCaption->setBuddy(controls.output);
    controls.decimalsCaption->setBuddy(controls.decimals);
}

} // namespace mezzurix::ui
