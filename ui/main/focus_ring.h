// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QWidget>

namespace mezzurix::ui {

// A ring just outside the control that has the keyboard focus, shown while the focus was last
// moved by the keyboard (Tab, Shift+Tab, a caption's access key) and hidden after a click. Its
// colour follows the palette.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* client);

    // `receiver` takes the focus for `control`, its own parent or itself. A null control takes
    // the focus without a ring.
    void watch(QWidget* receiver, QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void surround(const QWidget* control);

    QHash<const QObject*, QWidget*> controls;  // by the widget that takes their focus
    bool byKeyboard = false;
};

} // namespace mezzurix::ui
