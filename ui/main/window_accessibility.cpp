// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_accessibility.h"

#include "control_table.h"
#include "picture_button.h"

#include <mezzurix/window_texts.h>

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
        {controls.input, QT_TRANSLATE_NOOP("MainWindow", "Input"), ""},
        {controls.output, QT_TRANSLATE_NOOP("MainWindow", "Output"), ""},
        {controls.decimals, QT_TRANSLATE_NOOP("MainWindow", "Decimal points"), ""},
        {controls.fromUnit, "", QT_TRANSLATE_NOOP("MainWindow", "Unit of the input")},
        {controls.intoUnit, "", QT_TRANSLATE_NOOP("MainWindow", "Unit of the output")},
        {controls.forwardHand, QT_TRANSLATE_NOOP("MainWindow", "Reverse conversion"),
         QT_TRANSLATE_NOOP("MainWindow", "Click here to reverse conversion. "
                                         "Now the left list converts into the right list.")},
        {controls.reverseHand, QT_TRANSLATE_NOOP("MainWindow", "Reverse conversion"),
         QT_TRANSLATE_NOOP("MainWindow", "Click here to reverse conversion. "
                                         "Now the right list converts into the left list.")},
        {controls.restingPlace, QT_TRANSLATE_NOOP("MainWindow", "Resting place"),
         QT_TRANSLATE_NOOP("MainWindow", "Holds the focus after a click on the window; typing here does "
                                         "nothing. Press Tab to go on.")},
    };
    for (const Spoken& words : spoken) {
        if (*words.name != '\0')
            words.control->setAccessibleName(windowText(words.name));
        if (*words.description != '\0')
            words.control->setAccessibleDescription(windowText(words.description));
    }
    controls.decimals->lineEdit()->setAccessibleName(controls.decimals->accessibleName());
    controls.decimals->view()->setAccessibleName(controls.decimals->accessibleName());

    // The captions beside the boxes name them for assistive tools too.
    controls.inputCaption->setBuddy(controls.input);
    controls.outputCaption->setBuddy(controls.output);
    controls.decimalsCaption->setBuddy(controls.decimals);
}

} // namespace mezzurix::ui
