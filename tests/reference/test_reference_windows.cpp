// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mezzurix/reference_content.h"
#include "mezzurix/reference_windows.h"
#include "mezzurix/twips.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>

using namespace mezzurix::ui;

namespace {

enum Window { Info, BaseUnits, Prefixes };

constexpr std::array kOpeners{&showInfoWindow, &showSIBaseUnitsWindow, &showSIPrefixesWindow};
const std::array<QString, 3> kObjectNames{"frmInfo", "frmSIBaseUnits", "frmSIPrefixes"};

// SHA-256 of the UTF-8 encoded information text, taken from the published text.
constexpr char kInfoTextSha256[] =
    "000ae3532cbd5173b78b0f85fb9174e500872e98cbbf7d502a21b64e9dae1edf";
constexpr qsizetype kInfoTextLength = 2551;

QWidget* open(int which)
{
    return kOpeners.at(which)();
}

QList<QWidget*> topLevelsNamed(const QString& name)
{
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name)
            found << widget;
    }
    return found;
}

// Members of a control array share the array's objectName and carry their "index" property.
QList<QLabel*> arrayMembersTopToBottom(QWidget* window, const QString& arrayName)
{
    QList<QLabel*> members;
    for (QLabel* label : window->findChildren<QLabel*>(arrayName)) {
        if (label->property("index").isValid())
            members << label;
    }
    std::sort(members.begin(), members.end(),
              [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
    return members;
}

void addWindowRows()
{
    QTest::addColumn<int>("which");
    QTest::newRow("information") << int(Info);
    QTest::newRow("base units") << int(BaseUnits);
    QTest::newRow("prefixes") << int(Prefixes);
}

} // namespace

class TestReferenceWindows : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void openingTwiceGivesOneWindow_data() { addWindowRows(); }
    void openingTwiceGivesOneWindow();
    void windowHasFixedSizeAndNoMaximize_data();
    void windowHasFixedSizeAndNoMaximize();
    void reopeningAfterCloseCreatesAFreshWindow_data() { addWindowRows(); }
    void reopeningAfterCloseCreatesAFreshWindow();
    void allThreeOpenAtOnce();

    void infoTextIsTheFixedText();
    void infoTextLineBreaks();
    void infoBoxShowsTheTextFromTheTop();
    void infoBoxKeepsScrollPositionWhenReopenedWhileOpen();

    void rowCaptionsTopToBottom_data();
    void rowCaptionsTopToBottom();
    void headingsAreBoldUnderlined_data();
    void headingsAreBoldUnderlined();
    void rowColumnsLineUp_data();
    void rowColumnsLineUp();

    void programRunsUntilLastReferenceWindowCloses_data() { addWindowRows(); }
    void programRunsUntilLastReferenceWindowCloses();
};

void TestReferenceWindows::cleanup()
{
    for (const QString& name : kObjectNames) {
        for (QWidget* window : topLevelsNamed(name)) {
            QPointer<QWidget> guard(window);
            window->close();
            QTRY_VERIFY(guard.isNull());
        }
    }
}

void TestReferenceWindows::openingTwiceGivesOneWindow()
{
    QFETCH(int, which);
    QWidget* first = open(which);
    QWidget* second = open(which);
    QVERIFY(first != nullptr);
    QCOMPARE(second, first);
    QCOMPARE(topLevelsNamed(kObjectNames.at(which)).size(), 1);
    QVERIFY(first->isVisible());
    QVERIFY(first->isWindow());
    QCOMPARE(first->parentWidget(), nullptr);
    QVERIFY(!first->isModal());
}

void TestReferenceWindows::windowHasFixedSizeAndNoMaximize_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("widthTwips");
    QTest::addColumn<int>("heightTwips");
    QTest::newRow("information") << int(Info) << " SI Info " << 8085 << 5235;
    QTest::newRow("base units") << int(BaseUnits) << " SI Base Units " << 5175 << 3195;
    QTest::newRow("prefixes") << int(Prefixes) << " SI Prefixes " << 7605 << 7575;
}

void TestReferenceWindows::windowHasFixedSizeAndNoMaximize()
{
    QFETCH(int, which);
    QFETCH(QString, caption);
    QFETCH(int, widthTwips);
    QFETCH(int, heightTwips);
    QWidget* window = open(which);
    QCOMPARE(window->windowTitle(), caption);
    const QSize expected(twipsToPixels(widthTwips, window), twipsToPixels(heightTwips, window));
    QCOMPARE(window->size(), expected);
    QCOMPARE(window->minimumSize(), expected);
    QCOMPARE(window->maximumSize(), expected);
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowTitleHint));
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    // Some labels reach past the right edge, as designed; what they show must stay inside.
    const auto* client = window->findChild<QWidget*>(QStringLiteral("client"));
    QCOMPARE(client->geometry(), window->rect());
    for (const QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QRect shown = child->geometry();
        if (const auto* label = qobject_cast<const QLabel*>(child))
            shown.setWidth(QFontMetrics(label->font()).horizontalAdvance(label->text()));
        QVERIFY2(client->rect().contains(shown), qPrintable(child->objectName()));
    }
}

void TestReferenceWindows::reopeningAfterCloseCreatesAFreshWindow()
{
    QFETCH(int, which);
    QPointer<QWidget> first = open(which);
    first->close();
    QTRY_VERIFY(first.isNull());
    QVERIFY(topLevelsNamed(kObjectNames.at(which)).isEmpty());

    QWidget* second = open(which);
    QVERIFY(second != nullptr);
    QVERIFY(second->isVisible());
    QCOMPARE(second->objectName(), kObjectNames.at(which));
    QCOMPARE(topLevelsNamed(kObjectNames.at(which)).size(), 1);
    QVERIFY(!second->findChildren<QWidget*>().isEmpty());
}

void TestReferenceWindows::allThreeOpenAtOnce()
{
    QWidget* info = showInfoWindow();
    QWidget* baseUnits = showSIBaseUnitsWindow();
    QWidget* prefixes = showSIPrefixesWindow();
    QCOMPARE(showInfoWindow(), info);
    QVERIFY(info != baseUnits && baseUnits != prefixes && prefixes != info);
    QVERIFY(info->isVisible() && baseUnits->isVisible() && prefixes->isVisible());
}

void TestReferenceWindows::infoTextIsTheFixedText()
{
    const QString& text = reference::infoText();
    QCOMPARE(text.size(), kInfoTextLength);
    QCOMPARE(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex(),
             QByteArray(kInfoTextSha256));
    QVERIFY(text.startsWith(QString(33, u' ') + QStringLiteral("The International System (Metric) (SI)\r\n")));
    QVERIFY(text.endsWith(u"0.012 kilogram of carbon-12."));
    QVERIFY(text.contains(u"0.01\u00B0C") && text.contains(u"32.02\u00B0F")
            && text.contains(u" 0\u00B0K ") && text.contains(u"(2,042\u00B0K)"));
    QVERIFY(text.contains(u"2 \u00D7 10-7 newton"));
    const auto nonAscii = std::count_if(text.begin(), text.end(),
                                        [](QChar c) { return c.unicode() > 0x7F; });
    QCOMPARE(nonAscii, 5);
}

void TestReferenceWindows::infoTextLineBreaks()
{
    const QString& text = reference::infoText();
    QCOMPARE(text.count(u'\r'), text.count(QStringLiteral("\r\n")));
    QCOMPARE(text.count(u'\n'), text.count(QStringLiteral("\r\n")));

    // Title, two empty lines, then the nine paragraphs with one empty line between them.
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    const QList<int> indents{33, -1, -1, 11, -1, 4, -1, 2, -1, 2, -1, 2, -1,
                             2, -1, 2, -1, 2, -1, 2};
    QCOMPARE(lines.size(), indents.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (indents.at(i) < 0) {
            QVERIFY2(line.isEmpty(), qPrintable(QString::number(i)));
            continue;
        }
        const auto firstText = std::find_if(line.begin(), line.end(),
                                            [](QChar c) { return c != u' '; });
        QCOMPARE(firstText - line.begin(), indents.at(i));
    }
    QVERIFY(lines.last().startsWith(u"  AMOUNT OF SUBSTANCE - Mole - "));
}

void TestReferenceWindows::infoBoxShowsTheTextFromTheTop()
{
    QWidget* window = showInfoWindow();
    auto* box = window->findChild<QPlainTextEdit*>(QStringLiteral("rtbInfo"));
    QVERIFY(box != nullptr);
    QVERIFY(box->isReadOnly());
    QString expected = reference::infoText();
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(box->toPlainText(), expected);
    QCOMPARE(box->document()->blockCount(), 20);
    QCOMPARE(box->textCursor().position(), 0);
    QCOMPARE(box->verticalScrollBar()->value(), 0);
    QVERIFY2(box->verticalScrollBar()->maximum() > 0, "the text is longer than the box");
    QVERIFY(box->font().bold());
    QCOMPARE(box->font().pointSizeF(), 9.75);
    QCOMPARE(box->viewport()->backgroundRole(), QPalette::Base);
    QCOMPARE(box->geometry(), twipsToPixels(QRect(75, 240, 7935, 4755), window));

    // Closing and reopening sets the text afresh and shows it from the top again.
    box->moveCursor(QTextCursor::End);
    box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    QVERIFY(box->verticalScrollBar()->value() > 0);
    QPointer<QWidget> closed = window;
    window->close();
    QTRY_VERIFY(closed.isNull());
    window = showInfoWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    box = window->findChild<QPlainTextEdit*>(QStringLiteral("rtbInfo"));
    QCOMPARE(box->toPlainText(), expected);
    QCOMPARE(box->textCursor().position(), 0);
    QCOMPARE(box->verticalScrollBar()->value(), 0);
}

void TestReferenceWindows::infoBoxKeepsScrollPositionWhenReopenedWhileOpen()
{
    QWidget* window = showInfoWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* box = window->findChild<QPlainTextEdit*>(QStringLiteral("rtbInfo"));
    box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    const int scrolled = box->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);
    QCOMPARE(showInfoWindow(), window);
    QCoreApplication::processEvents();
    QCOMPARE(box->verticalScrollBar()->value(), scrolled);
}

void TestReferenceWindows::rowCaptionsTopToBottom_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("arrayName");
    QTest::addColumn<QList<int>>("indexes");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("base units") << int(BaseUnits) << "Label2" << QList<int>{0, 1, 2, 3, 4, 5, 6}
        << QStringList{
               "Meter       m        length",
               "Kilogram    kg       mass",
               "Second      s        time",
               "Ampere      A        electric current",
               "Kelvin      K        temperature",
               "Mole        mol      amount of substance",
               "Candela     cd       luminous intensity",
           };
    QTest::newRow("prefixes")
        << int(Prefixes) << "Label1"
        << QList<int>{17, 16, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18, 19}
        << QStringList{
               "yotta-    Y   1 000 000 000 000 000 000 000 000  (10E+24)",
               "zetta-    Z   1 000 000 000 000 000 000 000      (10E+21)",
               "exa-      E   1 000 000 000 000 000 000          (10E+18)",
               "peta-     P   1 000 000 000 000 000              (10E+15)",
               "tera-     T   1 000 000 000 000                  (10E+12)",
               "giga-     G   1 000 000 000                      (10E+09)",
               "mega-     M   1 000 000                          (10E+06)",
               "kilo-     K   1 000                              (10E+03)",
               "hecto-    h   100                                (10E+02)",
               "deca-     da  10                                 (10E+01)",
               "deci-     d   0.1                                (10E-01)",
               "centi-    c   0.01                               (10E-02)",
               "milli-    m   0.001                              (10E-03)",
               QString::fromUtf8("micro-    \u00B5   0.000 001                          (10E-06)"),
               "nano-     n   0.000 000 001                      (10E-09)",
               "pico-     p   0.000 000 000 001                  (10E-12)",
               "femto-    f   0.000 000 000 000 001              (10E-15)",
               "atto-     a   0.000 000 000 000 000 001          (10E-18)",
               "zepto-    z   0.000 000 000 000 000 000 001      (10E-21)",
               "yocto-    y   0.000 000 000 000 000 000 000 001  (10E-24)",
           };
}

void TestReferenceWindows::rowCaptionsTopToBottom()
{
    QFETCH(int, which);
    QFETCH(QString, arrayName);
    QFETCH(QList<int>, indexes);
    QFETCH(QStringList, captions);
    const QList<QLabel*> rows = arrayMembersTopToBottom(open(which), arrayName);
    QCOMPARE(rows.size(), captions.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows.at(i)->text(), captions.at(i));
        QCOMPARE(rows.at(i)->property("index").toInt(), indexes.at(i));
        QCOMPARE(rows.at(i)->height(), twipsToPixels(reference::kLabelHeightTwips, rows.at(i)));
        if (i > 0)
            QVERIFY(rows.at(i)->y() >= rows.at(i - 1)->y() + rows.at(i - 1)->height());
    }
}

void TestReferenceWindows::headingsAreBoldUnderlined_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("base units") << int(BaseUnits) << QStringList{"Label1", "Label1", "Label1"}
                                << QStringList{"Name", "Symbol", "Quantity"};
    QTest::newRow("prefixes") << int(Prefixes)
                              << QStringList{"Label2", "Label5", "Label3", "Label4"}
                              << QStringList{"Name", "Symbol", "Multiplying Factor",
                                             "Scientific Notation"};
}

void TestReferenceWindows::headingsAreBoldUnderlined()
{
    QFETCH(int, which);
    QFETCH(QStringList, names);
    QFETCH(QStringList, captions);
    QWidget* window = open(which);

    QList<QLabel*> headings;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->font().underline())
            headings << label;
    }
    std::sort(headings.begin(), headings.end(),
              [](const QLabel* a, const QLabel* b) { return a->x() < b->x(); });
    QCOMPARE(headings.size(), captions.size());
    for (qsizetype i = 0; i < headings.size(); ++i) {
        const QLabel* heading = headings.at(i);
        QCOMPARE(heading->objectName(), names.at(i));
        QCOMPARE(heading->text(), captions.at(i));
        QCOMPARE(heading->y(), headings.first()->y());
        QVERIFY(heading->font().bold());
        QCOMPARE(heading->font().pointSizeF(), 9.75);
        QVERIFY2(QFontMetrics(heading->font()).horizontalAdvance(heading->text())
                     <= heading->width(),
                 "heading is cut off");
    }
}

void TestReferenceWindows::rowColumnsLineUp_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("arrayName");
    QTest::addColumn<QList<int>>("columnStarts");
    QTest::newRow("base units: symbol, quantity") << int(BaseUnits) << "Label2" << QList<int>{12, 21};
    QTest::newRow("prefixes: symbol, factor, power of ten")
        << int(Prefixes) << "Label1" << QList<int>{10, 14, 49};
}

void TestReferenceWindows::rowColumnsLineUp()
{
    QFETCH(int, which);
    QFETCH(QString, arrayName);
    QFETCH(QList<int>, columnStarts);
    const QList<QLabel*> rows = arrayMembersTopToBottom(open(which), arrayName);
    QVERIFY(!rows.isEmpty());

    for (const QLabel* row : rows) {
        QVERIFY2(QFontInfo(row->font()).fixedPitch(), qPrintable(QFontInfo(row->font()).family()));
        QVERIFY(row->font().bold());
        QVERIFY(!row->font().underline());
        QCOMPARE(row->font().pointSizeF(), 9.75);
        QCOMPARE(row->x(), rows.first()->x());
        QCOMPARE(row->focusPolicy(), Qt::NoFocus);
        const QFontMetrics metrics(row->font());
        QVERIFY2(metrics.horizontalAdvance(row->text()) <= row->width(),
                 qPrintable(row->text()));
        for (const int column : columnStarts) {
            const QString& text = row->text();
            QVERIFY2(text.at(column - 1) == u' ' && text.at(column) != u' ', qPrintable(text));
            // Each column starts at the same distance from the label's left edge in every row.
            const QFontMetrics firstMetrics(rows.first()->font());
            QCOMPARE(metrics.horizontalAdvance(text.left(column)),
                     firstMetrics.horizontalAdvance(rows.first()->text().left(column)));
        }
    }
}

void TestReferenceWindows::programRunsUntilLastReferenceWindowCloses()
{
    QFETCH(int, which);
    QVERIFY(QGuiApplication::quitOnLastWindowClosed());
    QWidget mainWindow; // stands in for the main window
    mainWindow.show();
    QPointer<QWidget> reference = open(which);

    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    bool runningAfterMainClosed = false;
    bool timedOut = false;
    QTimer::singleShot(0, &mainWindow, [&] { mainWindow.close(); });
    QTimer closeReference; // local, so that it cannot fire after this test
    closeReference.setSingleShot(true);
    connect(&closeReference, &QTimer::timeout, qApp, [&] {
        runningAfterMainClosed = lastClosed.isEmpty() && reference && reference->isVisible();
        if (reference)
            reference->close();
    });
    closeReference.start(50);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    watchdog.start(5000);

    const int exitCode = QCoreApplication::exec();
    QVERIFY(runningAfterMainClosed);
    QVERIFY(!timedOut);
    QCOMPARE(exitCode, 0);
    QCOMPARE(lastClosed.count(), 1);
    QTRY_VERIFY(reference.isNull());
}

QTEST_MAIN(TestReferenceWindows)
#include "test_reference_windows.moc"
