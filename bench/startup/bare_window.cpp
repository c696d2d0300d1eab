// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A plain Qt Widgets window with the same kinds of controls as the converter's main window
// (menu bar, two unit lists, input and output boxes, a decimal places combo, captions) and none
// of its logic: the yardstick for the start-up benchmark.

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr int kMenuItems = 14;      // as many entries as the converter's category menu
constexpr int kListEntries = 8;     // a typical category's unit count
constexpr int kDecimalChoices = 31;

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));

    QMenu* lists = window.menuBar()->addMenu(QStringLiteral("&Lists"));
    for (int i = 0; i < kMenuItems; ++i)
        lists->addAction(QStringLiteral("Category %1").arg(i + 1));
    QMenu* options = window.menuBar()->addMenu(QStringLiteral("&Options"));
    options->addAction(QStringLiteral("&Copy"));
    options->addAction(QStringLiteral("&Swap"));
    QMenu* info = window.menuBar()->addMenu(QStringLiteral("&Info"));
    info->addAction(QStringLiteral("&About"));

    auto* central = new QWidget(&window);
    auto* grid = new QGridLayout(central);
    grid->addWidget(new QLabel(QStringLiteral("Title"), central), 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Convert:"), central), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Into:"), central), 1, 1);
    for (int column = 0; column < 2; ++column) {
        auto* list = new QListWidget(central);
        for (int i = 0; i < kListEntries; ++i)
            list->addItem(QStringLiteral("Unit %1").arg(i + 1));
        list->setCurrentRow(0);
        grid->addWidget(list, 2, column);
    }
    grid->addWidget(new QLabel(QStringLiteral("From"), central), 3, 0);
    grid->addWidget(new QLineEdit(QStringLiteral("1"), central), 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("To"), central), 4, 0);
    auto* output = new QLineEdit(QStringLiteral("1.00000000000000"), central);
    output->setReadOnly(true);
    grid->addWidget(output, 4, 1);
    auto* decimals = new QComboBox(central);
    decimals->setEditable(true);
    for (int i = 0; i < kDecimalChoices; ++i)
        decimals->addItem(QString::number(i));
    grid->addWidget(decimals, 5, 0);
    grid->addWidget(new QPushButton(QStringLiteral("&Swap"), central), 5, 1);
    window.setCentralWidget(central);

    window.show();
    return app.exec();
}
