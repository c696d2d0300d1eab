// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mezzurix/windows.h"

#include <QEvent>
#include <QLayout>
#include <QWindow>

namespace mezzurix::ui {
namespace {

// In these states the compositor decides the window's size, and the window must take it.
bool sizedByCompositor(Qt::WindowStates states)
{
    return states.testAnyFlags(Qt::WindowMaximized | Qt::WindowFullScreen);
}

class FixedSizeHolder : public QObject {
public:
    FixedSizeHolder(QWidget* fixedWindow, QWidget* fixedContent)
        : QObject(fixedWindow), window(fixedWindow), content(fixedContent)
    {
        pin();
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            // The native window is there from the first show on. It reports a maximize that
            // its own title bar asks for at once, before the compositor answers with a size.
            connect(window->windowHandle(), &QWindow::windowStateChanged, this,
                    &FixedSizeHolder::follow, Qt::UniqueConnection);
            break;
        case QEvent::Resize:
            if (!pinned && window->size() == pinnedSize
                && !sizedByCompositor(window->windowHandle()->windowStates())) {
                content->move(corner);
                pin();
            }
            centre();
            break;
        case QEvent::LayoutRequest:  // the window's layout has put the content back in its corner
            centre();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void follow(Qt::WindowState state)
    {
        if (pinned && sizedByCompositor(state))
            release();
    }

    void pin()
    {
        if (QLayout* layout = window->layout()) {
            layout->setSizeConstraint(QLayout::SetFixedSize);
            layout->activate();
        } else {
            window->setFixedSize(content->size());
        }
        pinned = true;
    }

    void release()
    {
        pinnedSize = window->size();
        corner = content->pos();
        if (QLayout* layout = window->layout())
            layout->setSizeConstraint(QLayout::SetNoConstraint);
        window->setMinimumSize(0, 0);
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        pinned = false;
    }

    // The content's room reaches from its place at the fixed size to the window's far corner.
    void centre()
    {
        if (pinned)
            return;
        const QSize spare = window->size() - QSize(corner.x(), corner.y()) - content->size();
        content->move(corner + QPoint(qMax(0, spare.width() / 2), qMax(0, spare.height() / 2)));
    }

    QWidget* window;
    QWidget* content;
    QPoint corner;  // the content's place while the window has its fixed size
    QSize pinnedSize;
    bool pinned = false;
};

} // namespace

void holdFixedSize(QWidget* window, QWidget* content)
{
    new FixedSizeHolder(window, content);
}

} // namespace mezzurix::ui
