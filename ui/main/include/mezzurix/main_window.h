// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeySequence>
#include <QList>
#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace mezzurix::ui {

class FocusRing;
struct StartConversion;

// The converter's main window. Every control carries its design name as objectName.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Shows a conversion as the user would pick it: its category, the from unit in the left list
    // and the into unit in the right list, the forward direction, the value as input and the
    // start-up decimal places. Used at start-up for a conversion given on the command line.
    void openConversion(const StartConversion& conversion);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void createUnitLists(int category);
    void createHiddenLists();
    void createMenus();
    void setTabOrder();
    void applyPalette();
    void Form_Load();

    void Convert();
    void ClearLists();
    void TextSelected();

    void switchCategory(int category);
    void unitList_Click(bool leftList);
    void txtIn_Change();
    void cmbDP_Click();
    void flipDirection();
    void mnuSwap_Click();
    void cmdCopy_Click();
    void Form_Click();
    void Form_MouseUp(Qt::MouseButton button);
    void credit(bool withMessage);

    QLabel* lblTitle = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLineEdit* txtIn = nullptr;
    QLineEdit* txtOut = nullptr;
    QLineEdit* Text1 = nullptr;
    QComboBox* cmbDP = nullptr;
    QPushButton* cmdSwap1 = nullptr;
    QPushButton* cmdCopy = nullptr;
    QMenu* mnuLists = nullptr;
    FocusRing* focusRing = nullptr;
    QList<QKeySequence> menuShortcuts;  // every menu item's, so text boxes cannot claim them

    QList<QListWidget*> leftLists;   // by category, in menu order
    QList<QListWidget*> rightLists;
    QListWidget* Box1 = nullptr;
    QListWidget* Box2 = nullptr;
    qint16 d = 0;
    bool selectOnClick = false;  // the box just took the focus from a mouse press
};

} // namespace mezzurix::ui
