// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Switches the open windows between the default palette, a dark one and two high-contrast ones,
// as a desktop's theme switch does, and measures the drawn pixels: every text against its own
// background, the hands' outline against the window, and the mark of keyboard focus.
// MEZZURIX_CONTRAST_FIGURES=1 prints every text's figures.
#include <mezzurix/contrast.h>
#include <mezzurix/main_window.h>
#include <mezzurix/reference_windows.h>

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <array>
#include <memory>

using namespace mezzurix::ui;

namespace {

constexpr double kInkContrast = 1.5;  // a pixel this far from the background is text
constexpr int kMinInkPixels = 8;      // fewer, and the text was not drawn at all

struct Scheme {
    const char* name;
    QRgb window, text, base, highlight;
};
// The default palette, Breeze Dark with its pale-on-blue selection, and high contrast both ways.
constexpr std::array kSchemes{
    Scheme{"default", 0, 0, 0, 0},
    Scheme{"dark", 0x31363b, 0xeff0f1, 0x232629, 0x3daee9},
    Scheme{"black on white", 0xffffff, 0x000000, 0xffffff, 0x000000},
    Scheme{"white on black", 0x000000, 0xffffff, 0x000000, 0xffffff},
};
constexpr std::array kWindows{"main", "SI information", "SI base units", "SI prefixes"};

QPalette paletteOf(const Scheme& scheme)
{
    QPalette palette{QColor(scheme.window), QColor(scheme.window)};
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, QColor(scheme.text));
    palette.setColor(QPalette::Base, QColor(scheme.base));
    palette.setColor(QPalette::Highlight, QColor(scheme.highlight));
    palette.setColor(QPalette::HighlightedText,
                     QColor(scheme.highlight == scheme.text ? scheme.window : scheme.text));
    QColor placeholder(scheme.text);
    placeholder.setAlpha(128);  // as Qt derives it
    palette.setColor(QPalette::PlaceholderText, placeholder);
    return palette;
}

QRect inWindow(const QWidget* widget, const QRect& rect)
{
    return {widget->mapTo(widget->window(), rect.topLeft()), rect.size()};
}

// Every text the window shows, with the area that holds it and its own background only:
// inside frames and bevels, one list entry at a time.
QList<std::pair<QString, QRect>> textsOf(QWidget* window)
{
    QList<std::pair<QString, QRect>> texts;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(u"qt_"))  // the combo's text field
            name = widget->parentWidget()->objectName();
        if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && !label->text().isEmpty())
            texts.append({name, inWindow(label, label->contentsRect())});
        else if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && !edit->text().isEmpty())
            texts.append({name, inWindow(edit, edit->rect().adjusted(4, 4, -4, -4))});
        else if (qobject_cast<QPushButton*>(widget) != nullptr)
            texts.append({name, inWindow(widget, widget->rect().adjusted(5, 5, -5, -5))});
        else if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
            texts.append({name, inWindow(box->viewport(), box->viewport()->rect().adjusted(2, 2, -2, -2))});
        else if (auto* bar = qobject_cast<QMenuBar*>(widget))
            for (QAction* action : bar->actions())
                texts.append({action->text(), inWindow(bar, bar->actionGeometry(action))});
        else if (auto* list = qobject_cast<QListWidget*>(widget))
            for (int row = 0; row < list->count(); ++row) {
                const QRect entry = list->visualItemRect(list->item(row)) & list->viewport()->rect();
                if (entry.height() > list->fontMetrics().height() / 2)
                    texts.append({name + u'/' + list->item(row)->text(),
                                  inWindow(list->viewport(), entry.adjusted(1, 1, -1, -1))});
            }
    }
    return texts;
}

// The background is the area's most frequent colour; the text's colour is the pixel that
// stands out from it most, as the cores of the strokes do.
bool readable(const QImage& image, const QRect& area, QString& figures)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb most = image.pixel(area.topLeft());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(most))
            most = it.key();
    const QColor background(most);
    QColor text = background;
    int ink = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double ratio = contrastRatio(QColor(it.key()), background);
        ink += ratio >= kInkContrast ? it.value() : 0;
        if (ratio > contrastRatio(text, background))
            text = QColor(it.key());
    }
    const double ratio = contrastRatio(text, background);
    figures = QStringLiteral("%1 on %2, %3:1, %4 text pixels")
                  .arg(text.name(), background.name()).arg(ratio, 0, 'f', 2).arg(ink);
    return ink >= kMinInkPixels && ratio >= kMinTextContrast;
}

// The outline of what is drawn in `area`: the drawn pixels that the window's background,
// reaching in from the area's border, touches. A fill of the window's colour inside belongs to
// the picture.
QList<QPoint> outlineOf(const QImage& image, const QRect& area, QRgb window)
{
    QSet<QPoint> outside;
    QSet<QPoint> outline;
    QList<QPoint> pending;
    for (int x = area.left(); x <= area.right(); ++x)
        pending << QPoint(x, area.top()) << QPoint(x, area.bottom());
    while (!pending.isEmpty()) {
        const QPoint p = pending.takeLast();
        if (!area.contains(p) || outside.contains(p))
            continue;
        if (image.pixel(p) != window) {
            outline.insert(p);
            continue;
        }
        outside.insert(p);
        pending << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1) << p - QPoint(0, 1);
    }
    return outline.values();
}

void addSchemeRows()
{
    QTest::addColumn<int>("scheme");
    for (std::size_t s = 0; s < kSchemes.size(); ++s)
        QTest::addRow("%s", kSchemes[s].name) << int(s);
}

} // namespace

class ContrastTest : public QObject {
    Q_OBJECT

    QPalette standard;
    std::unique_ptr<MainWindow> main;

    template <typename T = QWidget>
    T* control(const char* name) const { return main->findChild<T*>(QString::fromLatin1(name)); }
    // The windows hear of a new application palette through posted events, as from a desktop.
    void usePalette(int scheme)
    {
        QApplication::setPalette(scheme == 0 ? standard : paletteOf(kSchemes[std::size_t(scheme)]));
        QCoreApplication::processEvents();
    }

private slots:
    void initTestCase() { standard = QApplication::palette(); }
    void init()
    {
        QApplication::setPalette(standard);
        QLocale::setDefault(QLocale::c());
        main = std::make_unique<MainWindow>();
        main->show();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        QTRY_COMPARE(main->findChildren<QListWidget*>().size(), 28);
        control<QLineEdit>("txtIn")->deselect();
    }
    void cleanup()
    {
        main.reset();
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
    }

    void everyTextReads_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("window");
        for (std::size_t s = 0; s < kSchemes.size(); ++s)
            for (std::size_t w = 0; w < kWindows.size(); ++w)
                QTest::addRow("%s, %s", kSchemes[s].name, kWindows[w]) << int(s) << int(w);
    }
    void everyTextReads()
    {
        QFETCH(int, scheme);
        QFETCH(int, window);
        constexpr std::array open{&showInfoWindow, &showSIBaseUnitsWindow, &showSIPrefixesWindow};
        QWidget* shown = window == 0 ? main.get() : open[std::size_t(window - 1)]();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        usePalette(scheme);

        QList<std::pair<QString, QRect>> texts = textsOf(shown);
        QImage image = shown->grab().toImage();
        QStringList faults;
        const auto readAll = [&] {
            for (const auto& [name, area] : texts) {
                QString figures;
                if (!readable(image, area, figures))
                    faults << name + QStringLiteral(": ") + figures;
                if (qEnvironmentVariableIsSet("MEZZURIX_CONTRAST_FIGURES"))
                    qInfo("%s | %s | %s: %s", kSchemes[std::size_t(scheme)].name, kWindows[std::size_t(window)],
                          qPrintable(name), qPrintable(figures));
            }
        };
        readAll();
        if (window == 0) {
            // An input beyond the double range leaves the output empty, with its reason showing.
            auto* output = control<QLineEdit>("txtOut");
            control<QLineEdit>("txtIn")->setText(QStringLiteral("1e999"));
            QVERIFY(output->text().isEmpty() && !output->placeholderText().isEmpty());
            texts = {{QStringLiteral("txtOut placeholder"), inWindow(output, output->rect().adjusted(4, 4, -4, -4))}};
            image = main->grab().toImage();
            readAll();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // The hands' outline stands out 3:1 from the window. A Tab into each control that takes
    // the focus changes, around it, at least its perimeter's worth of pixels by 3:1 or more.
    void handsAndFocusStandOut_data() { addSchemeRows(); }
    void handsAndFocusStandOut()
    {
        QFETCH(int, scheme);
        usePalette(scheme);
        for (const char* name : {"Image1", "Image2"}) {
            if (control(name)->isHidden())
                QTest::mouseClick(control("Image1"), Qt::LeftButton);
            const QImage image = main->grab().toImage();
            const QRect area = inWindow(control(name), control(name)->rect()).adjusted(-1, -1, 1, 1);
            const QRgb window = image.pixel(area.topLeft());
            const QList<QPoint> outline = outlineOf(image, area, window);
            const auto faint = std::count_if(outline.cbegin(), outline.cend(), [&](QPoint p) {
                return contrastRatio(QColor(image.pixel(p)), QColor(window)) < kMinGraphicContrast;
            });
            QVERIFY2(!outline.isEmpty() && faint == 0,
                     qPrintable(QStringLiteral("%1: %2 of %3 outline pixels faint").arg(name).arg(faint).arg(outline.size())));
        }

        QWidget* client = main->centralWidget();
        const QStringList order{"txtIn", "txtOut", "cmbDP", "lstArea2", "lstArea1", "cmdSwap1", "cmdCopy"};
        QStringList faults;
        for (qsizetype steps = 1; steps <= order.size(); ++steps) {
            QTest::mouseClick(client, Qt::LeftButton, {}, QPoint(5, client->height() - 5));
            QCOMPARE(QApplication::focusWidget(), control("Text1"));  // where the focus shows nothing
            const QImage before = main->grab().toImage();
            for (qsizetype i = 0; i < steps; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QImage after = main->grab().toImage();
            QWidget* target = control(order[steps - 1].toLatin1());
            QVERIFY(target->isAncestorOf(QApplication::focusWidget()) || target->hasFocus());
            const QRect area = inWindow(target, target->rect()).adjusted(-4, -4, 4, 4);
            int changed = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    changed += contrastRatio(QColor(before.pixel(x, y)), QColor(after.pixel(x, y))) >= kMinGraphicContrast;
            if (changed < 2 * (target->width() + target->height()))
                faults << QStringLiteral("%1: %2 pixels changed").arg(order[steps - 1]).arg(changed);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u", ")));
    }
};

QTEST_MAIN(ContrastTest)
#include "test_contrast.moc"
