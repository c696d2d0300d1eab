// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <mezzurix/converter_state.h>

#include <QKeySequence>
#include <QList>
#include <QMainWindow>

#include <memory>

class QMenu;

namespace mezzurix::ui {

class FocusRing;
class UnitLists;
struct Controls;
struct StartConversion;

// The converter's main window. It shows a ConverterState and forwards the user's actions to it;
// each action ends in one update of the output. Every control carries its design name as
// objectName.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows a conversion as the user would pick it: its category, the from unit in the left list
    // and the into unit in the right list, the forward direction, the value as input and the
    // start-up decimal places. Used at start-up for a conversion given on the command line.
    void openConversion(const StartConversion& conversion);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void watchEvents();
    void createMenus();
    void createHiddenLists();
    void applyPalette();
    void showState();
    void selectFocusedText();

    // The user's actions.
    void switchCategory(int category);
    void pickUnit(int category, Side side, int row);
    void editInput(const QString& text);
    void pickDecimals();
    void flipDirection();
    void swapUnits();
    void copyOutput();
    void parkFocus();
    void popUpListsMenu();
    void showCredit(bool withMessage);

    ConverterState state;
    std::unique_ptr<Controls> controls;
    FocusRing* focusRing = nullptr;
    std::unique_ptr<UnitLists> lists;
    QMenu* listsMenu = nullptr;
    QList<QKeySequence> menuShortcuts;  // every menu item's, so text boxes cannot claim them
    bool selectOnClick = false;  // a box just took the focus from a mouse press
};

} // namespace mezzurix::ui
