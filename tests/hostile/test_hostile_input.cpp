// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Hostile use of the main window: huge and malformed pastes into the input, rubbish in the
// decimal places field, thousands of category switches, swaps of failed outputs. After each,
// the output must be the engine's answer for what the window shows, never a stale one.
#include <mezzurix/main_window.h>

#include <mezzurix/catalogue.h>
#include <mezzurix/convert.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <memory>

using mezzurix::ui::MainWindow;

namespace {

// QLineEdit's default length limit, which the window keeps.
constexpr int kMaxInput = 32767;
constexpr int kSwitches = 10000;

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// `length` characters drawn from `alphabet`, the same every run.
QString mixed(const QString& alphabet, int length, quint32 seed)
{
    QRandomGenerator random(seed);
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text += alphabet.at(random.bounded(int(alphabet.size())));
    return text;
}

} // namespace

class HostileInputTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window;
    int places = 0;  // the decimal places of the last pick in the combo
    int modalsSeen = 0;

    template <typename T = QWidget>
    T* control(const QString& name) const
    {
        T* widget = window->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }
    QLineEdit* input() const { return control<QLineEdit>(QStringLiteral("txtIn")); }
    QLineEdit* output() const { return control<QLineEdit>(QStringLiteral("txtOut")); }
    QComboBox* decimals() const { return control<QComboBox>(QStringLiteral("cmbDP")); }
    QAction* action(const QString& name) const { return control<QAction>(name); }

    QList<QListWidget*> visibleLists() const
    {
        QList<QListWidget*> lists;
        for (QListWidget* list : window->findChildren<QListWidget*>())
            if (!list->isHidden())
                lists << list;
        std::sort(lists.begin(), lists.end(),
                  [](QListWidget* a, QListWidget* b) { return a->objectName() < b->objectName(); });
        return lists;
    }

    // What the output must show for the window's current selection, direction, input and
    // decimal places; empty when the conversion fails.
    QString expectedOutput() const
    {
        const QList<QListWidget*> lists = visibleLists();
        if (lists.size() != 2 || lists[0]->currentItem() == nullptr || lists[1]->currentItem() == nullptr)
            return QStringLiteral("<no active pair>");
        const int left = lists[0]->currentItem()->data(Qt::UserRole).toInt();
        const int right = lists[1]->currentItem()->data(Qt::UserRole).toInt();
        const bool forward = !control(QStringLiteral("Image1"))->isHidden();
        const std::string pair = forward ? mezzurix::pairCode(left, right) : mezzurix::pairCode(right, left);
        const auto result = mezzurix::convert(pair, input()->text().toStdString(), places, {});
        return result ? QString::fromStdString(*result) : QString();
    }

    // The output is the engine's answer: empty, or a plain C-locale number with exactly
    // `places` decimals.
    void verifyOutput() const
    {
        const QString out = output()->text();
        QCOMPARE(out, expectedOutput());
        if (out.isEmpty())
            return;
        const QString pattern = places == 0 ? QStringLiteral("^-?[0-9]+$")
                                            : QStringLiteral("^-?[0-9]+\\.[0-9]{%1}$").arg(places);
        QVERIFY2(QRegularExpression(pattern).match(out).hasMatch(), qPrintable(out.left(200)));
    }

    // A following keystroke still converts.
    void verifyResponsive()
    {
        input()->setFocus();
        input()->selectAll();
        QTest::keyClick(input(), Qt::Key_7);
        QCOMPARE(input()->text(), QStringLiteral("7"));
        verifyOutput();
        QVERIFY(!output()->text().isEmpty());
    }

    // Pastes `text` into `edit` the user's way: clipboard, then Shift+Insert over a full selection.
    static void paste(QLineEdit* edit, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    }

    // Picks `row` from the decimal places drop-down with the mouse.
    void pickDecimals(int row)
    {
        QComboBox* combo = decimals();
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        QCOMPARE(places, row);
    }

    void distance(int left, int right, const QString& text, int decimalPlaces)
    {
        action(QStringLiteral("mnuDistance"))->trigger();
        control<QListWidget>(QStringLiteral("lstDistance1"))->setCurrentRow(left);
        control<QListWidget>(QStringLiteral("lstDistance2"))->setCurrentRow(right);
        pickDecimals(decimalPlaces);
        paste(input(), text);
    }

    // Everything a swap may change, to compare before and after.
    QStringList snapshot() const
    {
        QStringList state;
        for (const char* name : {"txtIn", "txtOut", "Label1", "Label2", "Label6", "Label7", "lblTitle"}) {
            const QString objectName = QString::fromLatin1(name);
            if (auto* label = window->findChild<QLabel*>(objectName))
                state << label->text();
            else
                state << control<QLineEdit>(objectName)->text();
        }
        for (QListWidget* list : visibleLists())
            state << list->objectName() + u'=' + QString::number(list->currentRow());
        state << decimals()->currentText();
        state << QString::number(control(QStringLiteral("Image1"))->isHidden());
        return state;
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        window = std::make_unique<MainWindow>();
        places = 14;
        modalsSeen = 0;
        connect(decimals(), &QComboBox::activated, this, [this](int index) { places = index; });
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup()
    {
        window.reset();
        QGuiApplication::clipboard()->clear();
    }

    void pasteIntoInput_data()
    {
        QTest::addColumn<QString>("text");
        const QString blanks = QStringLiteral(" \t");
        QTest::newRow("digits and blanks, read to the end")
            << QString(kMaxInput - 1, u' ').replace(0, 1, u'0') + u'7';
        QTest::newRow("digits, blanks, letters and control characters")
            << mixed(QStringLiteral("0123456789 .,-+eE&HxyZ\t\n\r\u0001\u007f\u00a0"), kMaxInput, 1);
        QTest::newRow("control characters only")
            << mixed(QStringLiteral("\t\n\r\u0001\u0002\u001b\u007f\u0000"), kMaxInput, 2);
        QTest::newRow("control characters before a number")
            << QString(kMaxInput - 3, u'\u0001') + QStringLiteral("2.5");
        QTest::newRow("letters") << QString(kMaxInput, u'x');
        QTest::newRow("32,767-digit number (overflow)") << QString(kMaxInput, u'9');
        QTest::newRow("32,767-digit fraction") << QStringLiteral("0.") + QString(kMaxInput - 2, u'3');
        QTest::newRow("&H and many F's") << QStringLiteral("&H") + QString(kMaxInput - 2, u'F');
        QTest::newRow("&O and many 7's") << QStringLiteral("&O") + QString(kMaxInput - 2, u'7');
        QTest::newRow("tiny exponent") << QStringLiteral("1e-99999");
        QTest::newRow("huge exponent") << QStringLiteral("1e99999");
        QTest::newRow("exponent of 32,765 digits") << QStringLiteral("1e") + QString(kMaxInput - 2, u'9');
        QTest::newRow("signs only") << QString(kMaxInput, u'-');
        QTest::newRow("points only") << QString(kMaxInput, u'.');
        QTest::newRow("non-Latin digits and surrogates")
            << mixed(QStringLiteral("\u0663\u0661\u06f5\uff15") + QString::fromUcs4(U"\U0001d7d9\U0001f600")
                         + blanks,
                     kMaxInput, 3);
        QTest::newRow("longer than the limit") << QStringLiteral("12") + QString(40000, u'5');
        QTest::newRow("longer than the limit, cut inside a surrogate pair")
            << QString(kMaxInput - 1, u'1') + QString::fromUcs4(U"\U0001f600") + QStringLiteral("99");
    }
    void pasteIntoInput()
    {
        QFETCH(QString, text);
        distance(0, 5, QStringLiteral("1"), 3);  // inches into centimeters
        QCOMPARE(output()->text(), QStringLiteral("2.540"));

        paste(input(), text);
        QCOMPARE(input()->text(), text.left(kMaxInput));  // the paste arrived, cut at the limit
        verifyOutput();

        // Focus back into the box selects all of it, however long.
        QTest::keyClick(input(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), input());
        QCOMPARE(input()->selectedText().size(), input()->text().size());

        // Pasting the same again at the end stops at the limit; a full box takes nothing.
        input()->end(false);
        QTest::keyClick(input(), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(input()->text(), (text.left(kMaxInput) + text).left(kMaxInput));
        verifyOutput();

        // The other direction reads the same text as the other unit.
        QTest::mouseClick(control(QStringLiteral("Image1")), Qt::LeftButton);
        verifyOutput();

        verifyResponsive();
    }

    void rubbishInDecimalPlaces_data()
    {
        QTest::addColumn<QString>("rubbish");
        QTest::newRow("letters") << "abc";
        QTest::newRow("negative") << "-5";
        QTest::newRow("too many") << "999";
        QTest::newRow("fraction") << "15.5";
        QTest::newRow("fraction that rounds to 15") << "14.5";
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("beyond the double range") << "1e400";
        QTest::newRow("not a number") << "nan";
        QTest::newRow("infinity") << "inf";
        QTest::newRow("control characters") << "1\t5\u0001";
        QTest::newRow("32,767 digits") << QString(kMaxInput, u'9');
        QTest::newRow("longer than the limit") << QString(40000, u'1');
    }
    void rubbishInDecimalPlaces()
    {
        QFETCH(QString, rubbish);
        distance(0, 5, QStringLiteral("Orvo Quellvarn"), 3);
        QComboBox* combo = decimals();
        QLineEdit* field = combo->lineEdit();

        if (rubbish.isEmpty()) {
            field->setFocus();
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
        } else {
            paste(field, rubbish);
        }
        const QString typed = rubbish.left(kMaxInput);
        QCOMPARE(combo->currentText(), typed);
        // Enter and leaving the field pick nothing that is not an entry.
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(places, 3);
        verifyOutput();

        // The credit reads the field: it must neither fire nor stop on rubbish. A message box,
        // should one open, is closed and counted.
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++modalsSeen;
                modal->close();
            }
        });
        closer.start(0);
        QTest::mouseDClick(control(QStringLiteral("Label1")), Qt::LeftButton);
        QTest::mouseClick(control(QStringLiteral("Label2")), Qt::LeftButton);
        closer.stop();
        QCOMPARE(modalsSeen, 0);
        QCOMPARE(input()->text(), QStringLiteral("Orvo Quellvarn"));
        QCOMPARE(combo->currentText(), typed);
        verifyOutput();

        // Picks after the rubbish work as ever, by keys and by the drop-down.
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(places, 2);
        QCOMPARE(combo->currentText(), QStringLiteral("2"));
        verifyOutput();
        pickDecimals(30);
        verifyOutput();
        pickDecimals(0);
        verifyOutput();
        verifyResponsive();
    }

    // A pick of the entry that was current before the user typed into the field is still a
    // pick of that entry.
    void pickOfTheCurrentEntryAfterTyping_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("another entry's number") << "25";
        QTest::newRow("rubbish") << "abc";
        QTest::newRow("empty") << "";
    }
    void pickOfTheCurrentEntryAfterTyping()
    {
        QFETCH(QString, typed);
        distance(0, 5, QStringLiteral("1"), 3);
        QLineEdit* field = decimals()->lineEdit();
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, typed);
        pickDecimals(3);
        QCOMPARE(decimals()->currentText(), QStringLiteral("3"));
        verifyOutput();
        QCOMPARE(output()->text(), QStringLiteral("2.540"));
    }

    void manyCategorySwitches()
    {
        const auto categories = mezzurix::categories();
        QList<QAction*> actions;
        for (const mezzurix::Category& category : categories)
            actions << action(fromView(category.menuItem));
        QCOMPARE(actions.size(), 14);

        pickDecimals(3);
        paste(input(), QStringLiteral("2.5"));
        // Leave every category with other entries selected, so that each switch has to reset them.
        for (QListWidget* list : window->findChildren<QListWidget*>())
            list->setCurrentRow(1);

        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kSwitches; ++i) {
            actions[i % actions.size()]->trigger();
            if (i % 100 == 0)
                QCoreApplication::processEvents();
        }
        qInfo("%d category switches took %lld ms", kSwitches, timer.elapsed());

        const mezzurix::Category& last = categories[std::size_t((kSwitches - 1) % actions.size())];
        const QList<QListWidget*> lists = visibleLists();
        QCOMPARE(lists.size(), 2);
        QCOMPARE(lists[0]->objectName(), fromView(last.leftList));
        QCOMPARE(lists[1]->objectName(), fromView(last.rightList));
        QCOMPARE(lists[0]->currentRow(), 0);
        QCOMPARE(lists[1]->currentRow(), 0);
        QCOMPARE(control<QLabel>(QStringLiteral("lblTitle"))->text(), fromView(last.name));
        const QString firstUnit = fromView(last.units.front().text);
        QCOMPARE(control<QLabel>(QStringLiteral("Label1"))->text(), firstUnit);
        QCOMPARE(control<QLabel>(QStringLiteral("Label2"))->text(), firstUnit);
        QCOMPARE(input()->text(), QStringLiteral("2.5"));
        QCOMPARE(output()->text(), QStringLiteral("2.500"));

        // The lists that show are the ones that convert.
        lists[1]->setFocus();
        QTest::keyClick(lists[1], Qt::Key_Down);
        QCOMPARE(control<QLabel>(QStringLiteral("Label2"))->text(), fromView(last.units[1].text));
        verifyOutput();
        verifyResponsive();
    }

    void swapOfFailedOutput_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("reverse");
        QTest::newRow("input beyond the double range") << 0 << 5 << "1e999" << false;
        QTest::newRow("result beyond the double range") << 3 << 0 << "1e308" << false;
        QTest::newRow("result beyond the double range, reverse") << 0 << 3 << "1e308" << true;
        QTest::newRow("32,767-digit input") << 0 << 5 << QString(kMaxInput, u'9') << false;
    }
    void swapOfFailedOutput()
    {
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(QString, text);
        QFETCH(bool, reverse);
        distance(left, right, text, 2);
        if (reverse)
            QTest::mouseClick(control(QStringLiteral("Image1")), Qt::LeftButton);
        QCOMPARE(output()->text(), QString());
        const QStringList before = snapshot();

        action(QStringLiteral("mnuSwap"))->trigger();
        QCOMPARE(snapshot(), before);
        QTest::mouseClick(control(QStringLiteral("cmdSwap1")), Qt::LeftButton);
        QCOMPARE(snapshot(), before);
        QTest::keyClick(input(), Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(snapshot(), before);
        verifyResponsive();
    }

    // Swaps of the extreme outputs that do convert: the output that moves into the input is
    // cut to 15 digits, which may carry it beyond the double range; the output then fails
    // cleanly instead of showing the old value.
    void swapOfExtremeOutput_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("decimalPlaces");
        QTest::newRow("largest double, 30 places") << "1.7976931348623157e308" << 30;
        QTest::newRow("near the largest double") << "1.5e308" << 30;
        QTest::newRow("smallest subnormal") << "4.9e-324" << 30;
        QTest::newRow("negative, 0 places") << "-123456789012345678901234567890" << 0;
    }
    void swapOfExtremeOutput()
    {
        QFETCH(QString, text);
        QFETCH(int, decimalPlaces);
        distance(6, 6, text, decimalPlaces);  // meters into meters
        verifyOutput();
        QVERIFY(!output()->text().isEmpty());
        for (int i = 0; i < 3; ++i) {
            action(QStringLiteral("mnuSwap"))->trigger();
            verifyOutput();
        }
        verifyResponsive();
    }
};

QTEST_MAIN(HostileInputTest)
#include "test_hostile_input.moc"
