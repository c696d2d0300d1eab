// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_lists.h"

#include "control_table.h"

#include <mezzurix/catalogue.h>
#include <mezzurix/focus_ring.h>
#include <mezzurix/window_texts.h>

#include <QListWidget>

namespace mezzurix::ui {
namespace {

// Which list converts into which follows the hands.
QString directionOf(Side side, bool forward)
{
    return windowText((side == Side::Left) == forward
                          ? QT_TRANSLATE_NOOP("MainWindow", "Units to convert from")
                          : QT_TRANSLATE_NOOP("MainWindow", "Units to convert into"));
}

} // namespace

UnitLists::UnitLists(QWidget* clientArea, FocusRing* focusRing, Picked onPicked)
    : client(clientArea), ring(focusRing), picked(std::move(onPicked))
{
    left.resize(qsizetype(categories().size()));
    right.resize(left.size());
    create(0);
}

bool UnitLists::complete() const
{
    return right.back() != nullptr;
}

void UnitLists::createAll()
{
    for (int category = 1; category < left.size(); ++category)
        if (left[category] == nullptr)
            create(category);
}

QListWidget* UnitLists::list(int category, Side side) const
{
    return (side == Side::Left ? left : right).at(category);
}

void UnitLists::show(int category)
{
    if (category == shownCategory)
        return;
    if (shownCategory >= 0) {
        left[shownCategory]->hide();
        right[shownCategory]->hide();
    }
    shownCategory = category;
    for (const Side side : {Side::Left, Side::Right}) {
        QListWidget* shownList = list(category, side);
        shownList->setGeometry(listPlace(side, client));
        shownList->show();
    }
}

void UnitLists::describeDirection(bool isForward)
{
    if (isForward == forward)
        return;
    forward = isForward;
    for (const Side side : {Side::Left, Side::Right})
        for (QListWidget* unitList : side == Side::Left ? left : right)
            if (unitList != nullptr)
                unitList->setAccessibleDescription(directionOf(side, forward));
}

void UnitLists::create(int category)
{
    const Category& design = categories()[std::size_t(category)];
    for (const Side side : {Side::Left, Side::Right}) {
        const bool isLeft = side == Side::Left;
        auto* unitList = new QListWidget(client);
        unitList->setObjectName(QString::fromUtf8(isLeft ? design.leftList : design.rightList));
        unitList->setSelectionMode(QAbstractItemView::SingleSelection);
        unitList->setAccessibleName(windowText(isLeft ? QT_TRANSLATE_NOOP("MainWindow", "Left list, %1")
                                                      : QT_TRANSLATE_NOOP("MainWindow", "Right list, %1"))
                                        .arg(catalogueText(design.name)));
        for (const Unit& unit : design.units) {
            auto* item = new QListWidgetItem(catalogueText(unit.text), unitList);
            item->setData(Qt::UserRole, unit.code);
        }
        unitList->setAccessibleDescription(directionOf(side, forward));
        unitList->setGeometry(listPlace(side, client));
        unitList->hide();
        QObject::connect(unitList, &QListWidget::currentRowChanged, unitList,
                         [this, category, side](int row) { picked(category, side, row); });
        // Assistive tools pick an entry by selecting it; that must act as a click does, so the
        // selected entry becomes the current one. Clicks and keys have made it current already.
        // A Ctrl+click on the selected entry, or a click below the entries, clears the selection
        // while the unit stays in use: it is selected again.
        QObject::connect(unitList->selectionModel(), &QItemSelectionModel::selectionChanged, unitList,
                         [unitList](const QItemSelection& added) {
                             const int current = unitList->currentRow();
                             if (!added.isEmpty() && added.indexes().back().row() != current)
                                 unitList->setCurrentRow(added.indexes().back().row());
                             else if (!unitList->selectionModel()->hasSelection() && current >= 0)
                                 unitList->setCurrentRow(current);
                         });
        ring->watch(unitList, unitList);
        (isLeft ? left : right)[category] = unitList;
    }
}

} // namespace mezzurix::ui
