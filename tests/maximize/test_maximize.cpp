// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/main_window.h>
#include <mezzurix/reference_windows.h>

#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include <array>
#include <memory>

// The fixed-size windows when something maximizes them anyway, as Qt's own title bar does under
// Wayland: they take the size, keep their controls at their size in the middle, and are fixed
// again once restored.
class TestMaximize : public QObject {
    Q_OBJECT

private slots:
    void takesTheSizeAndCentresTheContent_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("main") << 0;
        QTest::newRow("information") << 1;
        QTest::newRow("base units") << 2;
        QTest::newRow("prefixes") << 3;
    }

    void takesTheSizeAndCentresTheContent()
    {
        QFETCH(int, which);
        constexpr std::array open{mezzurix::ui::showInfoWindow, mezzurix::ui::showSIBaseUnitsWindow,
                                  mezzurix::ui::showSIPrefixesWindow};
        const auto main = std::make_unique<mezzurix::ui::MainWindow>();
        QWidget* window = which == 0 ? main.get() : open.at(which - 1)();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const auto* client = window->findChild<QWidget*>(QStringLiteral("client"));
        const QSize design = window->size();
        const QSize clientSize = client->size();

        window->windowHandle()->setWindowStates(Qt::WindowMaximized);
        QTRY_VERIFY(window->width() > design.width() && window->height() > design.height());
        // Qt's Wayland client bounds every size the compositor gives by these; the compositor
        // drops the connection when a maximized window does not take its size.
        const QWindow* native = window->windowHandle();
        QCOMPARE(window->size().boundedTo(native->maximumSize()).expandedTo(native->minimumSize()),
                 window->size());
        QCOMPARE(client->size(), clientSize);
        QRect room = window->rect();
        if (const auto* frame = qobject_cast<QMainWindow*>(window))
            room.setTop(frame->menuBar()->geometry().bottom() + 1);
        QVERIFY(qAbs(client->geometry().center().x() - room.center().x()) <= 1);
        QVERIFY(qAbs(client->geometry().center().y() - room.center().y()) <= 1);

        window->windowHandle()->setWindowStates(Qt::WindowNoState);
        QTRY_COMPARE(window->size(), design);
        QCOMPARE(window->minimumSize(), design);
        QCOMPARE(window->maximumSize(), design);
        QCOMPARE(client->x(), 0);
        if (which != 0)
            window->close();
    }
};

QTEST_MAIN(TestMaximize)
#include "test_maximize.moc"
