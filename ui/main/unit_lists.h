// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <mezzurix/converter_state.h>

#include <QList>

#include <functional>

class QListWidget;
class QWidget;

namespace mezzurix::ui {

class FocusRing;

// The 28 unit lists, two per category, of which one pair shows at a time on the two places.
// The first category's pair is made at once; the others by createAll(), which the window calls
// once it has first been drawn, so that it opens sooner.
class UnitLists {
public:
    // `picked` hears of every change of a list's current entry, by the user or by code.
    using Picked = std::function<void(int category, Side side, int row)>;

    UnitLists(QWidget* clientArea, FocusRing* focusRing, Picked onPicked);

    bool complete() const;
    void createAll();
    QListWidget* list(int category, Side side) const;  // null until made

    int shown() const { return shownCategory; }  // -1 before the first show()
    // Hides the pair that shows and puts the category's pair on the two places.
    void show(int category);
    // Tells assistive tools which list converts into which, when that changes; the names stay
    // with the places.
    void describeDirection(bool forward);

private:
    void create(int category);

    QWidget* client;
    FocusRing* ring;
    Picked picked;
    QList<QListWidget*> left;  // by category, in menu order
    QList<QListWidget*> right;
    int shownCategory = -1;
    bool forward = true;
};

} // namespace mezzurix::ui
