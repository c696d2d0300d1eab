// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control_table.h"

#include "picture_button.h"

#include <mezzurix/fonts.h>
#include <mezzurix/number_rules.h>
#include <mezzurix/twips.h>
#include <mezzurix/window_texts.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <type_traits>
#include <variant>

namespace mezzurix::ui {
namespace {

constexpr QSize kClientTwips{8115, 4980};
constexpr QPoint kLeftPlace{660, 900};
constexpr QPoint kRightPlace{4440, 900};
constexpr QSize kListTwips{3015, 1425};

enum class Face { Window, Regular825, Bold975, Bold12, Bold135 };

// Where a control's pointer goes; its type says what kind of control the row makes.
using Member = std::variant<QLabel* Controls::*, PictureButton* Controls::*, QLineEdit* Controls::*,
                            QComboBox* Controls::*, QPushButton* Controls::*>;

struct Control {
    const char* name;
    Member member;
    QRect twips;
    const char* text;  // a picture's resource path for the hands
    const char* toolTip;
    Face face;
};

// Every control but the unit lists, at its design place and size, in design order. Label6 and
// Label7 are one pixel (15 twips) wider than designed: "Convert:" needs 41.5 pixels in the
// fallback font.
constexpr std::array kControls{
    Control{"lblTitle", &Controls::title, {1380, 120, 5355, 435}, "", "", Face::Bold135},
    Control{"Label6", &Controls::leftHeading, {660, 660, 630, 195},
            QT_TRANSLATE_NOOP("MainWindow", "Convert:"), "", Face::Regular825},
    Control{"Label7", &Controls::rightHeading, {4440, 660, 630, 195},
            QT_TRANSLATE_NOOP("MainWindow", "Into:"), "", Face::Regular825},
    Control{"Image1", &Controls::forwardHand, {3840, 1380, 480, 480},
            ":/mezzurix/hand-right.png", QT_TRANSLATE_NOOP("MainWindow", "Click here to reverse conversion"),
            Face::Window},
    Control{"Image2", &Controls::reverseHand, {3840, 1380, 480, 480},
            ":/mezzurix/hand-left.png", QT_TRANSLATE_NOOP("MainWindow", "Click here to reverse conversion"),
            Face::Window},
    Control{"Label3", &Controls::inputCaption, {300, 3060, 555, 315},
            QT_TRANSLATE_NOOP("MainWindow", "Input:"), "", Face::Bold975},
    Control{"txtIn", &Controls::input, {900, 2940, 4935, 435},
            "", QT_TRANSLATE_NOOP("MainWindow", "Input your data here"), Face::Bold12},
    Control{"Label1", &Controls::fromUnit, {5940, 3120, 2175, 435}, "", "", Face::Window},
    Control{"Label4", &Controls::outputCaption, {120, 3720, 735, 315},
            QT_TRANSLATE_NOOP("MainWindow", "Output:"), "", Face::Bold975},
    Control{"txtOut", &Controls::output, {900, 3600, 4935, 435},
            "", QT_TRANSLATE_NOOP("MainWindow", "Your conversion appears here"), Face::Bold12},
    Control{"Label2", &Controls::intoUnit, {5940, 3780, 2175, 435}, "", "", Face::Window},
    Control{"cmbDP", &Controls::decimals, {240, 4335, 675, 360},
            "", QT_TRANSLATE_NOOP("MainWindow", "Select number of decimal points"), Face::Bold975},
    Control{"Label5", &Controls::decimalsCaption, {1020, 4380, 1635, 315},
            QT_TRANSLATE_NOOP("MainWindow", "Decimal points"),
            QT_TRANSLATE_NOOP("MainWindow", "Select number of decimal points"),
            Face::Bold975},
    // Text1 only takes the focus; cmdCopy, created after it, covers it.
    Control{"Text1", &Controls::restingPlace, {6900, 4380, 435, 285}, "", "", Face::Window},
    Control{"cmdSwap1", &Controls::swapButton, {4920, 4320, 1395, 375},
            QT_TRANSLATE_NOOP("MainWindow", "&Swap Units"),
            QT_TRANSLATE_NOOP("MainWindow", "Invert selected units"),
            Face::Bold975},
    Control{"cmdCopy", &Controls::copyButton, {6480, 4320, 1395, 375},
            QT_TRANSLATE_NOOP("MainWindow", "&Clipboard"),
            QT_TRANSLATE_NOOP("MainWindow", "Copy output to clipboard"),
            Face::Bold975},
};

// Focus order of the controls that can take the focus; labels never do.
constexpr std::array kTabOrder{
    "txtIn", "txtOut", "cmbDP", "lstDistance2", "lstDistance1", "lstArea2", "lstArea1",
    "lstFlow1", "lstFlow2", "cmdSwap1", "cmdCopy", "lstTemps1", "lstTemps2", "lstMass1",
    "lstMass2", "lstPressure1", "lstPressure2", "lstSpeed1", "lstSpeed2", "lstTorque1",
    "lstTorque2", "lstEnergy1", "lstEnergy2", "lstLight1", "lstLight2", "lstForce1", "lstForce2",
    "lstPower1", "lstPower2", "lstVolume1", "lstVolume2", "Text1", "lstMemory1", "lstMemory2",
};

QFont fontFor(Face face)
{
    switch (face) {
    case Face::Regular825: return sansFont(8.25, false);
    case Face::Bold975: return sansFont(9.75, true);
    case Face::Bold12: return sansFont(12, true);
    case Face::Bold135: return sansFont(13.5, true);
    case Face::Window: break;
    }
    return windowFont();
}

template <typename T>
T* create(const Control& design, QWidget* client)
{
    const QString text = windowText(design.text);
    if constexpr (std::is_same_v<T, QComboBox>) {
        auto* combo = new QComboBox(client);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        // Typing into the field is no pick, not even once Enter or a Tab ends the typing: the
        // combo would then pick the entry that reads as the field does.
        QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
        for (int places = 0; places <= kMaxDecimals; ++places)
            combo->addItem(QString::number(places));
        return combo;
    } else if constexpr (std::is_same_v<T, QLineEdit>) {
        return new QLineEdit(client);
    } else {
        return new T(text, client);  // a caption, a button's caption or a picture
    }
}

} // namespace

Controls createControls(QWidget* client)
{
    Controls controls;
    for (const Control& design : kControls) {
        QWidget* widget = std::visit(
            [&](auto member) -> QWidget* {
                using T = std::remove_pointer_t<std::remove_reference_t<decltype(controls.*member)>>;
                return controls.*member = create<T>(design, client);
            },
            design.member);
        widget->setObjectName(QString::fromUtf8(design.name));
        widget->setToolTip(windowText(design.toolTip));
        if (design.face != Face::Window)
            widget->setFont(fontFor(design.face));
        widget->setGeometry(twipsToPixels(design.twips, client));
    }

    controls.title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The longest unit names take the captions' second line instead of being cut off.
    controls.fromUnit->setWordWrap(true);
    controls.intoUnit->setWordWrap(true);
    controls.output->setReadOnly(true);
    controls.restingPlace->setReadOnly(true);
    return controls;
}

QSize clientSize(const QWidget* widget)
{
    return {twipsToPixels(kClientTwips.width(), widget), twipsToPixels(kClientTwips.height(), widget)};
}

QRect listPlace(Side side, const QWidget* widget)
{
    return twipsToPixels(QRect(side == Side::Left ? kLeftPlace : kRightPlace, kListTwips), widget);
}

QFont windowFont()
{
    return sansFont(8.25, true);
}

void setDesignTabOrder(QWidget* client)
{
    QWidget* previous = nullptr;
    for (const char* name : kTabOrder) {
        auto* widget = client->findChild<QWidget*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace mezzurix::ui
