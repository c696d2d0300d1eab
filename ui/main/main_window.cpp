// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/main_window.h>

#include "control_table.h"
#include "picture_button.h"
#include "unit_lists.h"
#include "window_accessibility.h"

#include <mezzurix/catalogue.h>
#include <mezzurix/focus_ring.h>
#include <mezzurix/readable_colours.h>
#include <mezzurix/reference_windows.h>
#include <mezzurix/start_conversion.h>
#include <mezzurix/window_texts.h>
#include <mezzurix/windows.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace mezzurix::ui {
namespace {

const QString kCaption = QStringLiteral(" Mezzurix!!") + QString(27, u' ')
                       + QStringLiteral("https://mezzurix.example");
const QString kApplicationTitle = QStringLiteral("Mezzurix");

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, kFixedWindowFlags)
{
    setObjectName(QStringLiteral("frmMezzurix"));
    setWindowTitle(kCaption);
    // The title's padding and address are for the eye; a screen reader gets the product's name.
    setAccessibleName(QStringLiteral("Mezzurix!!"));
    setAccessibleDescription(
        windowText(QT_TRANSLATE_NOOP("MainWindow", "Convert from one unit to another")));
    setWindowIcon(resourceIcon(QStringLiteral("app")));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(windowFont());
    client->setFixedSize(clientSize(this));
    setCentralWidget(client);

    controls = std::make_unique<Controls>(createControls(client));
    // Every control that takes the focus shows it when the keyboard brings it there; the
    // resting place stays out of sight.
    focusRing = new FocusRing(client);
    for (QWidget* control : std::initializer_list<QWidget*>{controls->input, controls->output, controls->decimals,
                                                          controls->swapButton, controls->copyButton})
        focusRing->watch(control, control);
    focusRing->watch(controls->decimals->lineEdit(), controls->decimals);
    focusRing->watch(controls->restingPlace, nullptr);
    lists = std::make_unique<UnitLists>(client, focusRing,
                                        [this](int category, Side side, int row) { pickUnit(category, side, row); });
    describeControls(*controls);
    createMenus();
    applyPalette();
    holdFixedSize(this, client);

    // The decimal places' entry, so that a step with the keys or the wheel goes on from it.
    controls->decimals->setCurrentIndex(state.decimals());
    showState();
    watchEvents();

    adjustSize();
    centreOnScreen(this);
    controls->input->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

void MainWindow::openConversion(const StartConversion& conversion)
{
    createHiddenLists();
    if (!state.openConversion(conversion.category, conversion.fromRow, conversion.intoRow, conversion.value))
        return;
    controls->decimals->setCurrentIndex(state.decimals());
    showState();
}

void MainWindow::watchEvents()
{
    for (QObject* watched : std::initializer_list<QObject*>{
             centralWidget(), controls->input, controls->output, controls->restingPlace,
             controls->decimals->lineEdit(), controls->fromUnit, controls->intoUnit})
        watched->installEventFilter(this);
    connect(controls->input, &QLineEdit::textChanged, this, &MainWindow::editInput);
    connect(controls->decimals, &QComboBox::activated, this, &MainWindow::pickDecimals);
    connect(controls->forwardHand, &PictureButton::clicked, this, &MainWindow::flipDirection);
    connect(controls->reverseHand, &PictureButton::clicked, this, &MainWindow::flipDirection);
    connect(controls->swapButton, &QPushButton::clicked, this, &MainWindow::swapUnits);
    connect(controls->copyButton, &QPushButton::clicked, this, &MainWindow::copyOutput);
}

void MainWindow::createMenus()
{
    listsMenu = menuBar()->addMenu(windowText(QT_TRANSLATE_NOOP("MainWindow", "&Lists")));
    listsMenu->setObjectName(QStringLiteral("mnuLists"));
    const auto all = categories();
    for (std::size_t index = 0; index < all.size(); ++index) {
        const Category& category = all[index];
        QAction* action = listsMenu->addAction(catalogueText(category.menuCaption));
        action->setObjectName(QString::fromUtf8(category.menuItem));
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + (category.shortcut - 'A'))));
        action->setData(int(index));
        menuShortcuts.append(action->shortcut());
        connect(action, &QAction::triggered, this, [this, index] { switchCategory(int(index)); });
    }

    struct Item {
        const char* name;
        const char* caption;
        Qt::Key key;
        std::function<void()> handler;
    };
    const auto addMenu = [this](const char* name, const char* title, std::initializer_list<Item> items) {
        QMenu* menu = menuBar()->addMenu(windowText(title));
        menu->setObjectName(QString::fromUtf8(name));
        for (const Item& item : items) {
            QAction* action = menu->addAction(windowText(item.caption));
            action->setObjectName(QString::fromUtf8(item.name));
            action->setShortcut(QKeySequence(Qt::CTRL | item.key));
            menuShortcuts.append(action->shortcut());
            connect(action, &QAction::triggered, this, item.handler);
        }
    };
    addMenu("mnuOptions", QT_TRANSLATE_NOOP("MainWindow", "&Options"),
            {{"mnuSave", QT_TRANSLATE_NOOP("MainWindow", "&Save to Clipboard"), Qt::Key_S,
              [this] { copyOutput(); }},
             {"mnuSwap", QT_TRANSLATE_NOOP("MainWindow", "Swap Selected &Units"), Qt::Key_U,
              [this] { swapUnits(); }}});
    addMenu("mnuInfo", QT_TRANSLATE_NOOP("MainWindow", "&Info"),
            {{"mnuShowInfo", QT_TRANSLATE_NOOP("MainWindow", "The S&I System"), Qt::Key_I,
              [] { showInfoWindow(); }},
             {"mnuSIBaseUnits", QT_TRANSLATE_NOOP("MainWindow", "SI &Base Units"), Qt::Key_B,
              [] { showSIBaseUnitsWindow(); }},
             {"mnuPrefixes", QT_TRANSLATE_NOOP("MainWindow", "SI Prefi&xes"), Qt::Key_X,
              [] { showSIPrefixesWindow(); }}});
}

// The hidden categories' lists are made once the window has first been drawn, so that it opens
// sooner.
void MainWindow::createHiddenLists()
{
    if (lists->complete())
        return;
    lists->createAll();
    controls->copyButton->raise();
    setDesignTabOrder(centralWidget());
}

// The desktop's palette, with every text made readable (the menus' too), the output box in its
// own colours and the hands drawn to stand out from the window.
void MainWindow::applyPalette()
{
    const QPalette readable = applyReadablePalette(this);
    controls->output->setPalette(outputPalette(readable));
    controls->forwardHand->draw(readable);
    controls->reverseHand->draw(readable);
}

// Brings every control in line with the state; the output box is written exactly once.
void MainWindow::showState()
{
    const int category = state.category();
    if (lists->shown() != category) {
        lists->show(category);
        controls->title->setText(state.title());
        controls->title->setToolTip(state.description());
    }
    // The lists tell of their new entry; the state has it already, so nothing converts again.
    for (const Side side : {Side::Left, Side::Right}) {
        QListWidget* list = lists->list(category, side);
        if (list->currentRow() != state.row(side))
            list->setCurrentRow(state.row(side));
    }

    const bool forward = state.forward();
    (forward ? controls->reverseHand : controls->forwardHand)->hide();
    (forward ? controls->forwardHand : controls->reverseHand)->show();
    lists->describeDirection(forward);
    controls->fromUnit->setText(state.fromUnit());
    controls->intoUnit->setText(state.intoUnit());
    controls->leftHeading->setText(state.heading(Side::Left));
    controls->rightHeading->setText(state.heading(Side::Right));
    if (controls->input->text() != state.input())
        controls->input->setText(state.input());

    QLineEdit* output = controls->output;
    output->setText(state.output());
    // An empty box shows why, and says it to assistive tools; they hear of changes only.
    const QString reason = state.outputReason();
    output->setPlaceholderText(reason);
    if (output->accessibleDescription() != reason)
        output->setAccessibleDescription(reason);
    // A result wider than the box shows its leading digits.
    output->setCursorPosition(0);
}

void MainWindow::selectFocusedText()
{
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (edit == nullptr)
        return;
    // The output is selected from its end back to its start, which keeps its leading digits in
    // view; the input keeps the usual caret at the end.
    const int length = int(edit->text().size());
    if (edit->isReadOnly())
        edit->setSelection(length, -length);
    else
        edit->selectAll();
}

void MainWindow::switchCategory(int category)
{
    createHiddenLists();
    if (state.switchCategory(category))
        showState();
}

void MainWindow::pickUnit(int category, Side side, int row)
{
    // The hidden categories' lists do not convert.
    if (category == state.category() && state.pickUnit(side, row))
        showState();
}

void MainWindow::editInput(const QString& text)
{
    if (state.setInput(text))
        showState();
}

void MainWindow::pickDecimals()
{
    if (state.pickDecimals(controls->decimals->currentText()))
        showState();
}

void MainWindow::flipDirection()
{
    if (state.flip())
        showState();
}

void MainWindow::swapUnits()
{
    if (state.swap())
        showState();
}

void MainWindow::copyOutput()
{
    const std::optional<QString> text = state.clipboardText();
    if (!text)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(*text);
}

void MainWindow::parkFocus()
{
    controls->restingPlace->setFocus(Qt::MouseFocusReason);
}

void MainWindow::popUpListsMenu()
{
    listsMenu->exec(QCursor::pos());
}

void MainWindow::showCredit(bool withMessage)
{
    if (!state.credit(controls->decimals->currentText()))
        return;
    controls->decimals->setCurrentIndex(state.decimals());
    showState();
    if (withMessage) {
        const QString message =
            windowText(QT_TRANSLATE_NOOP("MainWindow", "Released to\n%1")).arg(ConverterState::creditName());
        QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, message, QMessageBox::Ok, this);
        box.exec();
    }
}

void MainWindow::changeEvent(QEvent* event)
{
    // Desktops switch between light and dark themes while programs run.
    if (event->type() == QEvent::PaletteChange)
        applyPalette();
    QMainWindow::changeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    QWidget* client = centralWidget();

    if (type == QEvent::Paint && watched == client && !lists->complete())
        QTimer::singleShot(0, this, &MainWindow::createHiddenLists);

    // The menu shortcuts act everywhere: a text box must not claim Ctrl+C, Ctrl+V and the like.
    if (type == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return menuShortcuts.contains(QKeySequence(key->keyCombination()));
    }

    if (watched == controls->input || watched == controls->output) {
        if (type == QEvent::FocusIn) {
            selectFocusedText();
            selectOnClick = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
        } else if (type == QEvent::MouseButtonPress && selectOnClick) {
            selectOnClick = false;
            return true;  // keep the whole text selected instead of placing the caret
        } else if (type == QEvent::FocusOut) {
            selectOnClick = false;
        }
        return false;
    }

    const bool release = type == QEvent::MouseButtonRelease;
    if (!release && type != QEvent::MouseButtonDblClick)
        return QMainWindow::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const bool leftRelease = release && mouse->button() == Qt::LeftButton;
    if (watched == client) {
        // A click on the empty window parks the focus; a right-button release there pops up the
        // category menu.
        if (release && client->childAt(mouse->position().toPoint()) == nullptr) {
            if (leftRelease)
                parkFocus();
            else if (mouse->button() == Qt::RightButton)
                popUpListsMenu();
        }
        return false;
    }
    // The hidden credit: a double-click on the input's unit, or a click on the output's.
    if (watched == controls->fromUnit && type == QEvent::MouseButtonDblClick) {
        showCredit(false);
        return true;
    }
    if (watched == controls->intoUnit && leftRelease) {
        showCredit(true);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace mezzurix::ui
