// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The main window's state without a window: every pair of every category both ways against the
// conversion table, then the actions one by one.
#include <mezzurix/catalogue.h>
#include <mezzurix/convert.h>
#include <mezzurix/converter_state.h>

#include <QTest>

using mezzurix::ui::ConverterState;
using mezzurix::ui::Side;

namespace {

enum Category { Area = 0, Distance = 2, Temperature = 10 };
enum Action { SwitchCategory, PickLeft, Flip, Type, PickDecimals, Swap, Credit };

struct Setup {
    int category;
    int left;
    int right;
    bool reverse;
    const char* input;
    const char* decimals;
};

ConverterState prepared(const Setup& setup)
{
    ConverterState state;
    state.switchCategory(setup.category);
    state.pickUnit(Side::Left, setup.left);
    state.pickUnit(Side::Right, setup.right);
    if (setup.reverse)
        state.flip();
    state.pickDecimals(QString::fromUtf8(setup.decimals));
    state.setInput(QString::fromUtf8(setup.input));
    return state;
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class ConverterStateTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    // Both ways, the captions name the from and into units, the headings follow the direction
    // and the output is the table's conversion of the pair.
    void everyPairBothWays()
    {
        const auto all = mezzurix::categories();
        int pairs = 0;
        for (std::size_t c = 0; c < all.size(); ++c) {
            const auto units = all[c].units;
            for (std::size_t left = 0; left < units.size(); ++left) {
                for (std::size_t right = 0; right < units.size(); ++right) {
                    for (const bool forward : {true, false}) {
                        const ConverterState state = prepared({int(c), int(left), int(right), !forward, "3.5", "14"});
                        const mezzurix::Unit& from = units[forward ? left : right];
                        const mezzurix::Unit& into = units[forward ? right : left];
                        const auto expected = mezzurix::convert(mezzurix::pairCode(from.code, into.code), "3.5", 14, {});
                        QCOMPARE(state.output(), QString::fromStdString(expected.value_or("")));
                        QCOMPARE(state.fromUnit(), QString::fromUtf8(from.text));
                        QCOMPARE(state.intoUnit(), QString::fromUtf8(into.text));
                        QCOMPARE(state.heading(forward ? Side::Left : Side::Right), QStringLiteral("Convert:"));
                        QCOMPARE(state.heading(forward ? Side::Right : Side::Left), QStringLiteral("Into:"));
                    }
                    ++pairs;
                }
            }
        }
        QCOMPARE(pairs, 521);
    }

    void actions_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("converts");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("output");

        const Setup inchesFeet{Distance, 0, 1, false, "24", "2"};
        QTest::newRow("switch keeps input, places and direction")
            << Setup{Area, 1, 2, true, "5", "2"} << int(SwitchCategory) << "10" << true << "5" << 0 << 0 << "5.00";
        QTest::newRow("switch to the shown category starts again")
            << Setup{Area, 1, 2, false, "1", "2"} << int(SwitchCategory) << "0" << true << "1" << 0 << 0 << "1.00";
        QTest::newRow("pick of the picked unit") << inchesFeet << int(PickLeft) << "0" << false << "24" << 0 << 1 << "2.00";
        QTest::newRow("pick") << inchesFeet << int(PickLeft) << "2" << true << "24" << 2 << 1 << "72.00";
        QTest::newRow("pick beyond the list") << inchesFeet << int(PickLeft) << "8" << false << "24" << 0 << 1 << "2.00";
        QTest::newRow("flip") << inchesFeet << int(Flip) << "" << true << "24" << 0 << 1 << "288.00";
        QTest::newRow("same input") << inchesFeet << int(Type) << "24" << false << "24" << 0 << 1 << "2.00";
        QTest::newRow("decimal places") << inchesFeet << int(PickDecimals) << "0" << true << "24" << 0 << 1 << "2";
        QTest::newRow("decimal places, no number") << inchesFeet << int(PickDecimals) << "abc" << true << "24" << 0 << 1 << "2.00";
        QTest::newRow("swap") << inchesFeet << int(Swap) << "" << true << "2" << 1 << 0 << "24.00";
        QTest::newRow("swap moves the rounded output")
            << Setup{Distance, 0, 5, false, "1", "0"} << int(Swap) << "" << true << "3" << 5 << 0 << "1";
        QTest::newRow("swap in E form")
            << Setup{Distance, 6, 6, false, "1e20", "2"} << int(Swap) << "" << true << "1E+20" << 6 << 6
            << "100000000000000000000.00";
        QTest::newRow("swap in reverse")
            << Setup{Distance, 0, 1, true, "2", "2"} << int(Swap) << "" << true << "24" << 1 << 0 << "2.00";
        QTest::newRow("swap of no output")
            << Setup{Distance, 3, 0, false, "1e308", "2"} << int(Swap) << "" << false << "1e308" << 3 << 0 << "";
        const Setup named{Distance, 0, 1, false, "Orvo Quellvarn", "2"};
        QTest::newRow("credit") << named << int(Credit) << "15" << true << "" << 0 << 1 << "0.00000000000000";
        QTest::newRow("credit, 15.0") << named << int(Credit) << " 15.0" << true << "" << 0 << 1 << "0.00000000000000";
        QTest::newRow("credit, 16") << named << int(Credit) << "16" << false << "Orvo Quellvarn" << 0 << 1 << "0.00";
        QTest::newRow("credit, no number") << named << int(Credit) << "abc" << false << "Orvo Quellvarn" << 0 << 1 << "0.00";
        QTest::newRow("credit, lower case")
            << Setup{Distance, 0, 1, false, "orvo quellvarn", "2"} << int(Credit) << "15" << false << "orvo quellvarn"
            << 0 << 1 << "0.00";
    }
    void actions()
    {
        QFETCH(Setup, setup);
        QFETCH(int, action);
        QFETCH(QString, argument);
        QFETCH(bool, converts);
        QFETCH(QString, input);
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(QString, output);

        ConverterState state = prepared(setup);
        const bool converted = [&] {
            switch (Action(action)) {
            case SwitchCategory: return state.switchCategory(argument.toInt());
            case PickLeft: return state.pickUnit(Side::Left, argument.toInt());
            case Flip: return state.flip();
            case Type: return state.setInput(argument);
            case PickDecimals: return state.pickDecimals(argument);
            case Swap: return state.swap();
            case Credit: return state.credit(argument);
            }
            return false;
        }();
        QCOMPARE(converted, converts);
        QCOMPARE(state.input(), input);
        QCOMPARE(state.row(Side::Left), left);
        QCOMPARE(state.row(Side::Right), right);
        QCOMPARE(state.output(), output);
        QCOMPARE(state.forward(), setup.reverse == (action == Flip));
    }

    // A typed conversion opens left into right at the start's decimal places, whatever came before.
    void openConversion()
    {
        ConverterState state = prepared({Area, 1, 2, true, "5", "2"});
        QVERIFY(!state.openConversion(Distance, 0, 8, QStringLiteral("24")));  // no such unit
        QCOMPARE(state.category(), int(Area));
        QVERIFY(state.openConversion(Distance, 0, 1, QStringLiteral("24")));
        QVERIFY(state.forward());
        QCOMPARE(state.decimals(), 14);
        QCOMPARE(state.input(), QStringLiteral("24"));
        QCOMPARE(state.output(), QStringLiteral("2.00000000000000"));
    }

    // An output beyond the double range is empty and says why; the captions still follow.
    void outOfRange()
    {
        for (const char* beyond : {"1e999", "1e308"}) {  // the input's number, the result
            const ConverterState state = prepared({Distance, 3, 0, false, beyond, "2"});
            QCOMPARE(state.output(), QString());
            QCOMPARE(state.outputReason(), QStringLiteral("Out of range"));
            QCOMPARE(state.fromUnit(), QStringLiteral("Miles"));
            QVERIFY(!state.clipboardText());
        }
        QCOMPARE(prepared({Distance, 3, 0, false, "1", "2"}).outputReason(), QString());
    }

    void regionalNumbers_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("trailing zeros go") << "C" << "24" << "24.000" << "24";
        QTest::newRow("negative") << "C" << "-3" << "-3.000" << "-3";
        QTest::newRow("comma output, comma input") << "de_DE" << "2,54" << "2,540" << "2,54";
        QTest::newRow("comma locale reads a point too") << "de_DE" << "-0.5" << "-0,500" << "-0,5";
        QTest::newRow("comma ends the number in a point locale") << "en_US" << "1,5" << "1.000" << "1";
        // Swedish writes U+2212; a negative output pasted back must not read as 0.
        QTest::newRow("regional minus sign") << "sv_SE" << "\u22122,5" << "\u22122,500" << "-2,5";
    }
    void regionalNumbers()
    {
        QFETCH(QString, locale);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QString, clipboard);
        QLocale::setDefault(QLocale(locale));
        const ConverterState state = prepared({Distance, 6, 6, false, qPrintable(input), "3"});
        QCOMPARE(state.output(), output);
        QCOMPARE(state.clipboardText().value_or(QString()), clipboard);
    }
};

QTEST_APPLESS_MAIN(ConverterStateTest)
#include "test_converter_state.moc"
