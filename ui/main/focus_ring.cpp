// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "focus_ring.h"

#include "readable_colours.h"

#include <QFocusEvent>
#include <QPainter>

namespace mezzurix::ui {
namespace {

// Two pixels, the thickness WCAG asks of a focus indicator's outline.
constexpr int kRingWidth = 2;

} // namespace

FocusRing::FocusRing(QWidget* client) : QWidget(client)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::watch(QWidget* receiver, QWidget* control)
{
    controls.insert(receiver, control);
    receiver->installEventFilter(this);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        hide();
    } else if (event->type() == QEvent::FocusIn) {
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            byKeyboard = true;
            break;
        case Qt::MouseFocusReason:
        case Qt::OtherFocusReason:
            byKeyboard = false;
            break;
        default:  // the window or a menu hands the focus back: as it was before
            break;
        }
        const QWidget* control = controls.value(watched);
        if (byKeyboard && control != nullptr)
            surround(control);
    }
    return false;
}

void FocusRing::surround(const QWidget* control)
{
    const QRect inner = control->geometry();
    const QRect outer = inner.adjusted(-kRingWidth, -kRingWidth, kRingWidth, kRingWidth);
    setGeometry(outer);
    setMask(QRegion(rect()) - QRegion(inner.translated(-outer.topLeft())));
    raise();
    show();
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), focusRingColour(palette()));
}

} // namespace mezzurix::ui
