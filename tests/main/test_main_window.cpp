// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/main_window.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <memory>

using mezzurix::ui::MainWindow;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window;

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr)
            qFatal("no control named %s", name);
        return widget;
    }
    QString text(const char* name) const
    {
        if (auto* label = window->findChild<QLabel*>(QString::fromLatin1(name)))
            return label->text();
        return control<QLineEdit>(name)->text();
    }
    QListWidget* list(const char* name) const { return control<QListWidget>(name); }
    bool shown(const char* name) const { return !control(name)->isHidden(); }

    void press(QKeyCombination key, QWidget* target = nullptr)
    {
        QTest::keyClick(target != nullptr ? target : QApplication::focusWidget(), key.key(),
                        key.keyboardModifiers());
    }
    void clickEntry(const char* listName, int row)
    {
        QListWidget* box = list(listName);
        const QRect rect = box->visualItemRect(box->item(row));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void type(const QString& input)
    {
        QLineEdit* in = control<QLineEdit>("txtIn");
        in->setFocus();
        in->selectAll();
        if (input.isEmpty())
            QTest::keyClick(in, Qt::Key_Delete);
        else
            QTest::keyClicks(in, input);
    }
    // Picks an entry from the decimal places list, as the user does with the drop-down.
    void pickDecimals(int places)
    {
        QComboBox* combo = control<QComboBox>("cmbDP");
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QModelIndex index = view->model()->index(places, 0);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }
    void clickHand()
    {
        QWidget* hand = shown("Image1") ? control("Image1") : control("Image2");
        QTest::mouseClick(hand, Qt::LeftButton);
    }
    // Distance, with the given units selected in the left and right lists.
    void distance(int left, int right, const QString& input, int places)
    {
        press(Qt::CTRL | Qt::Key_D, window.get());
        clickEntry("lstDistance1", left);
        clickEntry("lstDistance2", right);
        pickDecimals(places);
        type(input);
    }
    QStringList visibleLists() const
    {
        QStringList names;
        for (QListWidget* box : window->findChildren<QListWidget*>())
            if (!box->isHidden())
                names << box->objectName();
        names.sort();
        return names;
    }
    // Runs `act`, answering the modal box or menu it opens with `answer`; returns its text.
    QString withModal(const std::function<void()>& act, const std::function<void(QWidget*)>& answer)
    {
        QString seen;
        bool opened = false;
        // The timer lives as long as the locals its answer writes to, even when nothing opens.
        QTimer answering;
        answering.setSingleShot(true);
        connect(&answering, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activePopupWidget();
            if (modal == nullptr)
                modal = QApplication::activeModalWidget();
            QVERIFY(modal != nullptr);
            opened = true;
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                seen = box->text();
            answer(modal);
        });
        answering.start(0);
        act();
        if (!opened)
            QTest::qWait(50);
        return seen;
    }
    QString credit(const char* labelName)
    {
        QLabel* label = control<QLabel>(labelName);
        bool isLabel2 = QByteArrayView(labelName) == "Label2";
        QString message;
        if (isLabel2) {
            QTimer answering;  // gone with `message` when no box opens
            answering.setSingleShot(true);
            connect(&answering, &QTimer::timeout, this, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    message = box->text();
                    box->accept();
                }
            });
            answering.start(0);
            QTest::mouseClick(label, Qt::LeftButton);
        } else {
            QTest::mouseDClick(label, Qt::LeftButton);
        }
        return message;
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        // The other categories' lists are made once the window has been drawn.
        QTRY_COMPARE(window->findChildren<QListWidget*>().size(), 28);
    }
    void cleanup()
    {
        window.reset();
        QLocale::setDefault(QLocale::c());
    }

    void startUpState()
    {
        QCOMPARE(window->objectName(), QStringLiteral("frmMezzurix"));
        QCOMPARE(window->windowTitle(),
                 QStringLiteral(" Mezzurix!!") + QString(27, u' ') + "https://mezzurix.example");
        QCOMPARE(text("lblTitle"), QStringLiteral("Area"));
        QCOMPARE(control("lblTitle")->toolTip(),
                 QStringLiteral(" The measure of a bounded region on a plane. "));
        QCOMPARE(visibleLists(), (QStringList{"lstArea1", "lstArea2"}));
        QCOMPARE(list("lstArea1")->currentRow(), 0);
        QCOMPARE(list("lstArea2")->currentRow(), 0);
        QCOMPARE(text("Label1"), QStringLiteral("Sq Inches"));
        QCOMPARE(text("Label2"), QStringLiteral("Sq Inches"));
        QCOMPARE(text("Label6"), QStringLiteral("Convert:"));
        QCOMPARE(text("Label7"), QStringLiteral("Into:"));
        QCOMPARE(text("txtIn"), QStringLiteral("1"));
        QCOMPARE(text("txtOut"), QStringLiteral("1.00000000000000"));
        QCOMPARE(control<QComboBox>("cmbDP")->currentText(), QStringLiteral("14"));
        QCOMPARE(control<QComboBox>("cmbDP")->count(), 31);
        QVERIFY(shown("Image1"));
        QVERIFY(!shown("Image2"));
        QCOMPARE(QApplication::focusWidget(), control("txtIn"));
        QCOMPARE(control<QLineEdit>("txtIn")->selectedText(), QStringLiteral("1"));
        QVERIFY(control<QLineEdit>("txtOut")->isReadOnly());
        // Not resizable and no maximize button.
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void everyUnitListCarriesItsCodes()
    {
        const QList<QListWidget*> lists = window->findChildren<QListWidget*>();
        QCOMPARE(lists.size(), 28);
        QListWidget* liters = list("lstVolume2");
        QCOMPARE(liters->item(8)->text(), QStringLiteral("Liters"));
        QCOMPARE(liters->item(8)->data(Qt::UserRole).toInt(), 690);
        QCOMPARE(list("lstMemory1")->item(0)->data(Qt::UserRole).toInt(), 201);
    }

    void switchBeforeTheWindowIsDrawn()
    {
        MainWindow fresh;
        fresh.findChild<QAction*>(QStringLiteral("mnuMass"))->trigger();
        QCOMPARE(fresh.findChildren<QListWidget*>().size(), 28);
        QVERIFY(!fresh.findChild<QListWidget*>(QStringLiteral("lstMass1"))->isHidden());
        QVERIFY(fresh.findChild<QListWidget*>(QStringLiteral("lstArea1"))->isHidden());
        QCOMPARE(fresh.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Ounces(avdp)"));
    }

    void tabOrder()
    {
        press(Qt::CTRL | Qt::Key_D, window.get());
        control("txtIn")->setFocus();
        QStringList visited;
        for (int i = 0; i < 9; ++i) {
            visited << QApplication::focusWidget()->objectName();
            press(Qt::Key_Tab);
        }
        // The combo's text field stands for the combo; hidden lists and labels are skipped.
        visited.replaceInStrings(QStringLiteral("qt_spinbox_lineedit"), QStringLiteral("cmbDP"));
        QCOMPARE(visited, (QStringList{"txtIn", "txtOut", "cmbDP", "lstDistance2", "lstDistance1",
                                       "cmdSwap1", "cmdCopy", "Text1", "txtIn"}));
    }

    void categorySwitch_data()
    {
        QTest::addColumn<QKeyCombination>("shortcut");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("firstUnit");
        QTest::addColumn<QString>("tipStart");

        const auto row = [](const char* tag, Qt::Key key, const char* title, const char* left,
                            const char* right, const char* first, const char* tip) {
            QTest::newRow(tag) << (Qt::CTRL | key) << QString(title) << QString(left) << QString(right)
                               << QString(first) << QString(tip);
        };
        row("area", Qt::Key_A, "Area", "lstArea1", "lstArea2", "Sq Inches", " The measure");
        row("memory", Qt::Key_C, "Computer Memory / Disk Capacity", "lstMemory1", "lstMemory2",
            "Bytes (B)", " Memory and storage");
        row("distance", Qt::Key_D, "Distance", "lstDistance1", "lstDistance2", "Inches", " The length");
        row("energy", Qt::Key_G, "Energy", "lstEnergy1", "lstEnergy2", "BTU", " The capacity");
        row("flow", Qt::Key_F, "Flow Rate", "lstFlow1", "lstFlow2", "Gallons/Second", " The amount");
        row("force", Qt::Key_O, "Force", "lstForce1", "lstForce2", "Dynes", " The cause");
        row("light", Qt::Key_L, "Light", "lstLight1", "lstLight2", "Flame", " The rate of flow");
        row("mass", Qt::Key_M, "Mass", "lstMass1", "lstMass2", "Ounces(avdp)", " The quantity of matter");
        row("power", Qt::Key_W, "Power", "lstPower1", "lstPower2", "Horsepower", " The rate at which");
        row("pressure", Qt::Key_P, "Pressure", "lstPressure1", "lstPressure2", "Millibar", " Force per");
        row("temperature", Qt::Key_E, "Temperature", "lstTemps1", "lstTemps2", "Celsius", " A measure");
        row("torque", Qt::Key_T, "Torque", "lstTorque1", "lstTorque2", "Ounce-force/inch", " Moment");
        row("velocity", Qt::Key_Y, "Velocity", "lstSpeed1", "lstSpeed2", "Feet/second", " Velocity (Speed)");
        row("volume", Qt::Key_V, "Volume", "lstVolume1", "lstVolume2", "Cubic inches", " The quantity of space");
    }
    void categorySwitch()
    {
        QFETCH(QKeyCombination, shortcut);
        QFETCH(QString, title);
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(QString, firstUnit);
        QFETCH(QString, tipStart);

        // Leave Area with other units selected and an input of 5: the switch keeps the input.
        clickEntry("lstArea1", 1);
        clickEntry("lstArea2", 2);
        type(QStringLiteral("5"));
        press(shortcut, window.get());

        QCOMPARE(text("lblTitle"), title);
        const QString tip = control("lblTitle")->toolTip();
        QVERIFY2(tip.startsWith(tipStart) && tip.endsWith(u' '), qPrintable(tip));
        QCOMPARE(visibleLists(), (QStringList{left, right}));
        QCOMPARE(list(left.toLatin1())->currentRow(), 0);
        QCOMPARE(list(right.toLatin1())->currentRow(), 0);
        QCOMPARE(list(left.toLatin1())->geometry(), list("lstArea1")->geometry());
        QCOMPARE(list(right.toLatin1())->geometry(), list("lstArea2")->geometry());
        QCOMPARE(text("Label1"), firstUnit);
        QCOMPARE(text("Label2"), firstUnit);
        QCOMPARE(text("txtIn"), QStringLiteral("5"));
        QCOMPARE(text("txtOut"), QStringLiteral("5.00000000000000"));
    }

    void switchKeepsDirectionAndDecimals()
    {
        type(QStringLiteral("5"));
        pickDecimals(2);
        clickHand();
        press(Qt::CTRL | Qt::Key_E, window.get());
        QCOMPARE(text("txtOut"), QStringLiteral("5.00"));
        QCOMPARE(text("Label6"), QStringLiteral("Into:"));
        QCOMPARE(text("Label7"), QStringLiteral("Convert:"));
        QCOMPARE(text("Label1"), QStringLiteral("Celsius"));
        QCOMPARE(text("Label2"), QStringLiteral("Celsius"));
    }

    void listClicksAndArrowKeys()
    {
        distance(0, 1, QStringLiteral("24"), 2);
        QCOMPARE(text("Label1"), QStringLiteral("Inches"));
        QCOMPARE(text("Label2"), QStringLiteral("Feet"));
        QCOMPARE(text("txtOut"), QStringLiteral("2.00"));

        list("lstDistance2")->setFocus();
        press(Qt::Key_Down);  // Yards
        QCOMPARE(text("Label2"), QStringLiteral("Yards"));
        QCOMPARE(text("txtOut"), QStringLiteral("0.67"));
        press(Qt::Key_Down);  // Miles
        QCOMPARE(text("txtOut"), QStringLiteral("0.00"));

        clickEntry("lstDistance1", 1);  // Feet into Miles
        QCOMPARE(text("Label1"), QStringLiteral("Feet"));
        pickDecimals(14);
        type(QStringLiteral("1"));
        QCOMPARE(text("txtOut"), QStringLiteral("0.00018939393939"));
    }

    void typingConverts_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("empty") << "" << "0.00";
        QTest::newRow("letters") << "abc" << "0.00";
        QTest::newRow("lone point") << "." << "0.00";
        QTest::newRow("blank inside") << "2 4" << "2.00";
        QTest::newRow("comma stops") << "36,5" << "3.00";
        QTest::newRow("exponent") << "1.2e1" << "1.00";
        QTest::newRow("negative") << "-48" << "-4.00";
        QTest::newRow("hex") << "&H18" << "2.00";
    }
    void typingConverts()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        distance(0, 1, QStringLiteral("99"), 2);
        type(input);
        QCOMPARE(text("txtOut"), output);
    }

    void decimalPicks()
    {
        distance(0, 5, QStringLiteral("1"), 0);  // Inches into Centimeters
        QCOMPARE(text("txtOut"), QStringLiteral("3"));
        pickDecimals(30);
        QCOMPARE(text("txtOut"), QStringLiteral("2.") + QStringLiteral("54").leftJustified(30, u'0'));
        pickDecimals(3);
        QCOMPARE(text("txtOut"), QStringLiteral("2.540"));

        // Typing into the field is not a pick.
        QLineEdit* field = control<QComboBox>("cmbDP")->lineEdit();
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("5"));
        QCOMPARE(text("txtOut"), QStringLiteral("2.540"));
        press(Qt::Key_Return, field);  // nor are Enter and leaving the field
        press(Qt::Key_Tab, field);
        QCOMPARE(text("txtOut"), QStringLiteral("2.540"));

        // Keyboard picks are picks.
        press(Qt::Key_Up, control("cmbDP"));
        QCOMPARE(control<QComboBox>("cmbDP")->currentText(), QStringLiteral("2"));
        QCOMPARE(text("txtOut"), QStringLiteral("2.54"));
    }

    void directionFlips()
    {
        distance(0, 1, QStringLiteral("24"), 2);
        clickHand();
        QVERIFY(!shown("Image1"));
        QVERIFY(shown("Image2"));
        QCOMPARE(text("Label1"), QStringLiteral("Feet"));
        QCOMPARE(text("Label2"), QStringLiteral("Inches"));
        QCOMPARE(text("Label6"), QStringLiteral("Into:"));
        QCOMPARE(text("Label7"), QStringLiteral("Convert:"));
        QCOMPARE(text("txtOut"), QStringLiteral("288.00"));

        // In reverse, a click in the left list names the right list's unit beside the input.
        clickEntry("lstDistance1", 2);
        QCOMPARE(text("Label1"), QStringLiteral("Feet"));
        QCOMPARE(text("Label2"), QStringLiteral("Yards"));
        QCOMPARE(text("txtOut"), QStringLiteral("8.00"));

        clickHand();
        QVERIFY(shown("Image1"));
        QVERIFY(!shown("Image2"));
        QCOMPARE(text("Label6"), QStringLiteral("Convert:"));
        QCOMPARE(text("txtOut"), QStringLiteral("72.00"));

        // A press on the hand that the pointer takes away before the release is no click.
        QWidget* hand = control("Image1");
        QTest::mousePress(hand, Qt::LeftButton);
        QTest::mouseRelease(hand, Qt::LeftButton, {}, QPoint(hand->width() + 20, hand->height() / 2));
        QVERIFY(shown("Image1"));
    }

    void swap_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("places");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<QString>("swappedInput");
        QTest::addColumn<QString>("swappedOutput");
        QTest::newRow("inches into feet") << 0 << 1 << "24" << 2 << false << "2" << "24.00";
        QTest::newRow("rounded output moves") << 0 << 5 << "1" << 0 << false << "3" << "1";
        QTest::newRow("large value in E form") << 6 << 6 << "1e20" << 2 << false << "1E+20"
                                               << "100000000000000000000.00";
        QTest::newRow("reverse stays reverse") << 0 << 1 << "2" << 2 << true << "24" << "2.00";
        QTest::newRow("negative") << 6 << 4 << "-1.5" << 1 << false << "-1500" << "-1.5";
    }
    void swap()
    {
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(QString, input);
        QFETCH(int, places);
        QFETCH(bool, reverse);
        QFETCH(QString, swappedInput);
        QFETCH(QString, swappedOutput);

        distance(left, right, input, places);
        if (reverse)
            clickHand();
        QTest::mouseClick(control("cmdSwap1"), Qt::LeftButton);
        QCOMPARE(text("txtIn"), swappedInput);
        QCOMPARE(text("txtOut"), swappedOutput);
        QCOMPARE(list("lstDistance1")->currentRow(), right);
        QCOMPARE(list("lstDistance2")->currentRow(), left);
        QCOMPARE(shown("Image2"), reverse);

        // Ctrl+U swaps back.
        press(Qt::CTRL | Qt::Key_U, window.get());
        QCOMPARE(list("lstDistance1")->currentRow(), left);
        QCOMPARE(list("lstDistance2")->currentRow(), right);
    }

    void copy_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("places");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("trailing zeros go") << "24" << 2 << "24";
        QTest::newRow("negative") << "-3" << 3 << "-3";
        QTest::newRow("zero") << "0" << 3 << "0";
        QTest::newRow("thirds unchanged") << "0.33333333333333" << 14 << "0.33333333333333";
        QTest::newRow("E form") << "1e20" << 0 << "1E+20";
    }
    void copy()
    {
        QFETCH(QString, input);
        QFETCH(int, places);
        QFETCH(QString, clipboard);
        distance(6, 6, input, places);
        QTest::mouseClick(control("cmdCopy"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);

        QGuiApplication::clipboard()->setText(QStringLiteral("other"));
        press(Qt::CTRL | Qt::Key_S, window.get());
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }

    void shortcutsWinInTextBoxes()
    {
        QLineEdit* in = control<QLineEdit>("txtIn");
        type(QStringLiteral("42"));
        in->selectAll();

        press(Qt::CTRL | Qt::Key_C, in);
        QCOMPARE(text("lblTitle"), QStringLiteral("Computer Memory / Disk Capacity"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

        press(Qt::CTRL | Qt::Key_X, in);
        QCOMPARE(text("txtIn"), QStringLiteral("42"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QWidget* prefixes = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("frmSIPrefixes") && top->isVisible())
                prefixes = top;
        QVERIFY(prefixes != nullptr);
        prefixes->close();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));

        in->setFocus();
        press(Qt::CTRL | Qt::Key_V, in);
        QCOMPARE(text("lblTitle"), QStringLiteral("Volume"));
        QCOMPARE(text("txtIn"), QStringLiteral("42"));

        in->setFocus();
        in->deselect();
        press(Qt::CTRL | Qt::Key_A, in);
        QCOMPARE(text("lblTitle"), QStringLiteral("Area"));
        QVERIFY(!in->hasSelectedText());

        // Alt+S and Alt+C press the buttons (a pressed button clicks a moment later).
        clickEntry("lstArea2", 1);
        in->setFocus();
        press(Qt::ALT | Qt::Key_S, in);
        QTRY_COMPARE(list("lstArea1")->currentRow(), 1);
        QCOMPARE(list("lstArea2")->currentRow(), 0);
        press(Qt::ALT | Qt::Key_C, window.get());
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("42.0000000000005"));
    }

    void boxesSelectTheirTextOnFocus()
    {
        QLineEdit* in = control<QLineEdit>("txtIn");
        QLineEdit* out = control<QLineEdit>("txtOut");
        type(QStringLiteral("123"));

        press(Qt::Key_Tab, in);
        QCOMPARE(QApplication::focusWidget(), out);
        QCOMPARE(out->selectedText(), out->text());

        // A click into the box selects everything; it leaves no bare caret.
        QTest::mouseClick(in, Qt::LeftButton, {}, QPoint(5, in->height() / 2));
        QCOMPARE(QApplication::focusWidget(), in);
        QCOMPARE(in->selectedText(), QStringLiteral("123"));
        QTest::keyClicks(in, QStringLiteral("7"));
        QCOMPARE(in->text(), QStringLiteral("7"));

        // Once focused, clicks place the caret as usual.
        QTest::mouseClick(in, Qt::LeftButton, {}, QPoint(2, in->height() / 2));
        QVERIFY(!in->hasSelectedText());
    }

    void focusParkingAndPopupMenu()
    {
        QWidget* client = window->centralWidget();
        const QPoint empty(5, client->height() - 5);
        QVERIFY(client->childAt(empty) == nullptr);
        QTest::mouseClick(client, Qt::LeftButton, {}, empty);
        QCOMPARE(QApplication::focusWidget(), control("Text1"));

        // Typing into the hidden box changes nothing visible.
        QTest::keyClicks(control("Text1"), QStringLiteral("99"));
        QCOMPARE(text("txtOut"), QStringLiteral("1.00000000000000"));

        QStringList items;
        withModal([&] { QTest::mouseClick(client, Qt::RightButton, {}, empty); },
                  [&](QWidget* popup) {
                      for (QAction* action : popup->actions())
                          items << action->objectName();
                      QTest::keyClick(popup, Qt::Key_M);
                  });
        QCOMPARE(items.size(), 14);
        QCOMPARE(items.first(), QStringLiteral("mnuArea"));
        QCOMPARE(text("lblTitle"), QStringLiteral("Mass"));
        QCOMPARE(visibleLists(), (QStringList{"lstMass1", "lstMass2"}));
    }

    void credit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("places");
        QTest::addColumn<bool>("fires");
        QTest::newRow("exact") << "Orvo Quellvarn" << "15" << true;
        QTest::newRow("places typed as 15.0") << "Orvo Quellvarn" << "15.0" << true;
        QTest::newRow("places with leading blanks") << "Orvo Quellvarn" << "  15" << true;
        QTest::newRow("lower case") << "orvo quellvarn" << "15" << false;
        QTest::newRow("trailing blank") << "Orvo Quellvarn " << "15" << false;
        QTest::newRow("14 places") << "Orvo Quellvarn" << "14" << false;
        QTest::newRow("16 places") << "Orvo Quellvarn" << "16" << false;
        QTest::newRow("letters for places") << "Orvo Quellvarn" << "abc" << false;
        QTest::newRow("no places") << "Orvo Quellvarn" << "" << false;
    }
    void credit()
    {
        QFETCH(QString, name);
        QFETCH(QString, places);
        QFETCH(bool, fires);

        for (const char* label : {"Label1", "Label2"}) {
            press(Qt::CTRL | Qt::Key_D, window.get());
            type(name);
            control<QComboBox>("cmbDP")->setEditText(places);
            const QString message = credit(label);
            if (fires) {
                QCOMPARE(text("txtIn"), QString());
                QCOMPARE(control<QComboBox>("cmbDP")->currentText(), QStringLiteral("14"));
                QCOMPARE(text("txtOut"), QStringLiteral("0.00000000000000"));
                QCOMPARE(message, QByteArrayView(label) == "Label2"
                                      ? QStringLiteral("Released to\nOrvo Quellvarn")
                                      : QString());
                // Right after, the input is empty and the credit cannot fire again.
                control<QComboBox>("cmbDP")->setEditText(QStringLiteral("15"));
                QCOMPARE(credit(label), QString());
                QCOMPARE(control<QComboBox>("cmbDP")->currentText(), QStringLiteral("15"));
            } else {
                QCOMPARE(text("txtIn"), name);
                QCOMPARE(control<QComboBox>("cmbDP")->currentText(), places);
                QCOMPARE(message, QString());
            }
        }
    }

    void failedConversionEmptiesOutput()
    {
        distance(3, 0, QStringLiteral("5"), 2);  // Miles into Inches
        QCOMPARE(text("txtOut"), QStringLiteral("316800.00"));
        QLineEdit* out = control<QLineEdit>("txtOut");
        for (const char* beyondRange : {"1e999", "1e308"}) {  // the input's number, the result
            type(QString::fromLatin1(beyondRange));
            QCOMPARE(text("Label1"), QStringLiteral("Miles"));
            QCOMPARE(text("txtOut"), QString());
            // The empty box says why, on screen and to assistive tools.
            QCOMPARE(out->placeholderText(), QStringLiteral("Out of range"));
            QCOMPARE(out->accessibleDescription(), QStringLiteral("Out of range"));
        }

        // Nothing to swap or copy: the window and the clipboard stay as they are.
        QTest::mouseClick(control("cmdSwap1"), Qt::LeftButton);
        QCOMPARE(text("txtIn"), QStringLiteral("1e308"));
        QCOMPARE(list("lstDistance1")->currentRow(), 3);
        QTest::mouseClick(control("cmdCopy"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

        type(QStringLiteral("1"));
        QCOMPARE(out->accessibleDescription(), QString());  // the tooltip describes it again
    }

    void commaLocaleKeepsDecimals()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        distance(0, 5, QStringLiteral("1"), 14);
        QCOMPARE(text("txtOut"), QStringLiteral("2,54000000000000"));

        QTest::mouseClick(control("cmdCopy"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2,54"));

        QTest::mouseClick(control("cmdSwap1"), Qt::LeftButton);
        QCOMPARE(text("txtIn"), QStringLiteral("2.54"));
        QCOMPARE(text("txtOut"), QStringLiteral("1,00000000000000"));

        // The input reads the regional separator too.
        type(QStringLiteral("1,5"));
        QCOMPARE(text("txtOut"), QStringLiteral("0,59055118110236"));
    }

    // The input reads the regional decimal separator as well as "."; in "." locales a comma
    // still ends the number. The output, copied and pasted into the input, reads as shown.
    void regionalSeparatorInInput_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("the program's own result") << "de_DE" << "4,92125984251969" << "4,92125984251969";
        QTest::newRow("second separator ends the number") << "de_DE" << "1,2,3" << "1,20000000000000";
        QTest::newRow("grouping is not read") << "de_DE" << "1.234,5" << "1,23400000000000";
        QTest::newRow("comma where the point is the separator") << "en_US" << "1,5" << "1.00000000000000";
    }
    void regionalSeparatorInInput()
    {
        QFETCH(QString, locale);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QLocale::setDefault(QLocale(locale));
        distance(6, 6, input, 14);  // meters into meters
        QCOMPARE(text("txtOut"), output);

        QTest::mouseClick(control("cmdCopy"), Qt::LeftButton);
        type(QString());
        control<QLineEdit>("txtIn")->paste();
        QCOMPARE(text("txtOut"), output);
    }

    // Whatever the conversion that wrote it, a result too wide for the box shows its leading
    // digits; the input's caret stays where typing left it.
    void longResultShowsItsStart_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("places");
        QTest::addColumn<QString>("start");
        QTest::newRow("kilometers into millimeters, 30 decimals") << 7 << 4 << "1" << 30 << "1000000.000";
        QTest::newRow("9e307 at 14 decimals") << 6 << 6 << "9e307" << 14 << "9000000000";
    }
    void longResultShowsItsStart()
    {
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(QString, input);
        QFETCH(int, places);
        QFETCH(QString, start);
        QLineEdit* out = control<QLineEdit>("txtOut");
        const auto showsStart = [&] {
            QVERIFY2(out->text().startsWith(start), qPrintable(out->text()));
            QVERIFY(out->fontMetrics().horizontalAdvance(out->text()) > out->width());
            // The caret on the first digit stands at the box's left edge: nothing is scrolled away.
            const int caret = out->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
            QVERIFY2(out->cursorPosition() == 0 && caret >= 0 && caret < out->width() / 10,
                     qPrintable(QString::number(caret)));
        };
        distance(left, right, input, places);  // typing converts last
        showsStart();
        QCOMPARE(control<QLineEdit>("txtIn")->cursorPosition(), input.size());
        pickDecimals(places);
        showsStart();
        press(Qt::Key_Tab, control("txtIn"));  // the focus selects the whole output
        QCOMPARE(out->selectedText(), out->text());
        showsStart();
    }

    // The decimal places' current entry is the number shown from the start: a step goes on from it.
    void decimalPlacesStepFromTheShownEntry()
    {
        QComboBox* combo = control<QComboBox>("cmbDP");
        QCOMPARE(combo->currentIndex(), 14);
        combo->showPopup();
        QCOMPARE(combo->view()->currentIndex().row(), 14);
        combo->hidePopup();

        combo->setFocus();
        press(Qt::Key_Down, combo);
        QCOMPARE(combo->currentText(), QStringLiteral("15"));
        QCOMPARE(text("txtOut"), QStringLiteral("1.000000000000000"));

        const QPointF centre = QRectF(combo->rect()).center();
        QWheelEvent wheelUp(centre, combo->mapToGlobal(centre), {}, QPoint(0, 120), Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheelUp);
        QCOMPARE(combo->currentText(), QStringLiteral("14"));
        QCOMPARE(text("txtOut"), QStringLiteral("1.00000000000000"));
    }

    // In every list, a Ctrl+click on the selected entry and a click below the entries leave the
    // unit in use selected, and the output as it was.
    void listsKeepTheirUnitSelected()
    {
        int shortLists = 0;
        for (QAction* item : control<QMenu>("mnuLists")->actions()) {
            item->trigger();
            for (QListWidget* box : window->findChildren<QListWidget*>()) {
                if (box->isHidden())
                    continue;
                const QByteArray name = box->objectName().toLatin1();
                clickEntry(name, 1);
                const QString output = text("txtOut");
                const QRect entry = box->visualItemRect(box->item(1));
                QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::ControlModifier, entry.center());
                QCOMPARE(box->selectedItems(), QList<QListWidgetItem*>{box->item(1)});
                const QRect last = box->visualItemRect(box->item(box->count() - 1));
                if (last.bottom() + 5 < box->viewport()->height()) {
                    ++shortLists;
                    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(last.center().x(), last.bottom() + 4));
                    QCOMPARE(box->selectedItems(), QList<QListWidgetItem*>{box->item(1)});
                }
                QCOMPARE(box->currentRow(), 1);
                QCOMPARE(text("txtOut"), output);
            }
        }
        QVERIFY(shortLists > 0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
