// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/catalogue.h>
#include <mezzurix/currency.h>
#include <mezzurix/main_window.h>
#include <mezzurix/start_conversion.h>
#include <mezzurix/unit_names.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace mezzurix;
using mezzurix::ui::MainWindow;
using mezzurix::ui::StartConversion;

namespace {

// Everything a conversion shows: captions, boxes, decimal places, direction, the visible lists
// and their selections.
QStringList state(const MainWindow& window)
{
    QStringList seen;
    for (const char* name : {"lblTitle", "Label1", "Label2", "Label6", "Label7"})
        seen << window.findChild<QLabel*>(QString::fromLatin1(name))->text();
    seen << window.findChild<QLabel*>(QStringLiteral("lblTitle"))->toolTip();
    for (const char* name : {"txtIn", "txtOut"})
        seen << window.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    seen << window.findChild<QComboBox*>(QStringLiteral("cmbDP"))->currentText();
    for (const char* name : {"Image1", "Image2"})
        seen << (window.findChild<QLabel*>(QString::fromLatin1(name))->isHidden() ? "hidden" : "shown");
    for (const QListWidget* list : window.findChildren<QListWidget*>())
        if (!list->isHidden())
            seen << QStringLiteral("%1:%2").arg(list->objectName()).arg(list->currentRow());
    return seen;
}

StartConversion resolved(const QStringList& words)
{
    const std::variant<StartConversion, QString> read = ui::readStartConversion(words);
    if (const QString* error = std::get_if<QString>(&read))
        qFatal("%s: %s", qPrintable(words.join(u' ')), qPrintable(*error));
    return std::get<StartConversion>(read);
}

} // namespace

class StartConversionTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Every pair of every category, typed with its list names, opens exactly as a user gets it
    // by picking the category, the two units and typing the value in the regional form.
    void everyPairOpensAsPicked_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("input");
        QTest::newRow("C") << "C" << "-1.5" << "-1.5";
        QTest::newRow("de_DE") << "de_DE" << "-1,5" << "-1,5";
    }

    void everyPairOpensAsPicked()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, input);
        QLocale::setDefault(QLocale(locale));
        MainWindow opened;
        MainWindow picked;
        // Opening sets the forward direction whatever the window showed.
        QTest::mouseClick(opened.findChild<QLabel*>(QStringLiteral("Image1")), Qt::LeftButton);
        QVERIFY(opened.findChild<QLabel*>(QStringLiteral("Image1"))->isHidden());
        int pairs = 0;
        for (const Category& category : categories())
            for (std::size_t from = 0; from < category.units.size(); ++from)
                for (std::size_t into = 0; into < category.units.size(); ++into) {
                    const QString fromUnit = QString::fromUtf8(category.units[from].text);
                    opened.openConversion(resolved({typed, fromUnit, QStringLiteral("to"),
                                                    QString::fromUtf8(category.units[into].text)}));
                    picked.findChild<QAction*>(QString::fromUtf8(category.menuItem))->trigger();
                    picked.findChild<QListWidget*>(QString::fromUtf8(category.leftList))->setCurrentRow(int(from));
                    picked.findChild<QListWidget*>(QString::fromUtf8(category.rightList))->setCurrentRow(int(into));
                    picked.findChild<QLineEdit*>(QStringLiteral("txtIn"))->setText(input);
                    QCOMPARE(state(opened), state(picked));
                    QCOMPARE(opened.findChild<QLabel*>(QStringLiteral("Label1"))->text(), fromUnit);
                    ++pairs;
                }
        QCOMPARE(pairs, 521);
    }

    // Under the locale the program was started in (LC_ALL): the input is written in its form.
    void opensInTheSystemLocale()
    {
        QLocale::setDefault(QLocale::system());
        const QString point = QLocale::system().decimalPoint();
        if (qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("de_DE")))
            QCOMPARE(point, QStringLiteral(","));
        MainWindow window;
        const QString value = u'1' + point + u'5';
        window.openConversion(resolved({value, QStringLiteral("kg to lb")}));
        const QStringList seen = state(window);
        QCOMPARE(seen[6], value);
        QCOMPARE(seen[7], u'3' + point + QStringLiteral("30693393277317"));
        // The language's own unit names are read, as in the terminal.
        if (qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("de_DE"))) {
            MainWindow english;
            window.openConversion(resolved({QStringLiteral("24 Zoll in Zentimeter")}));
            english.openConversion(resolved({QStringLiteral("24 in in cm")}));
            QCOMPARE(state(window), state(english));
        }
    }

    void opens_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("shown");  // title, from, into, input, output
        const QStringList inchesToFeet{"Distance", "Inches", "Feet", "24", "2.00000000000000"};
        QTest::newRow("words") << QStringList{"24", "in", "to", "ft"} << "C" << inchesToFeet;
        QTest::newRow("one argument") << QStringList{"24 in to ft"} << "C" << inchesToFeet;
        QTest::newRow("negative") << QStringList{"-40", "C", "to", "F"} << "C"
                                  << QStringList{"Temperature", "Celsius", "Fahrenheit", "-40", "-40.00000000000000"};
        QTest::newRow("glued") << QStringList{"100km/h", "mph"} << "C"
                               << QStringList{"Velocity", "Kilometers/hour", "Miles/hour", "100",
                                              "62.13711922373320"};
        QTest::newRow("regional separator") << QStringList{"2,5", "in", "cm"} << "de_DE"
                                            << QStringList{"Distance", "Inches", "Centimeters", "2,5",
                                                           "6,35000000000000"};
        QTest::newRow("regional, negative with exponent") << QStringList{"-1,5e3 g to kg"} << "de_DE"
                                                          << QStringList{"Mass", "Grams", "Kilograms", "-1,5e3",
                                                                         "-1,50000000000000"};
        QTest::newRow("regional, whole number") << QStringList{"1500 g to kg"} << "de_DE"
                                                << QStringList{"Mass", "Grams", "Kilograms", "1500",
                                                               "1,50000000000000"};
    }

    void opens()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, locale);
        QFETCH(QStringList, shown);
        QLocale::setDefault(QLocale(locale));
        MainWindow window;
        window.openConversion(resolved(words));
        const QStringList seen = state(window);
        QCOMPARE((QStringList{seen[0], seen[1], seen[2], seen[6], seen[7]}), shown);
        QCOMPARE(seen[8], QStringLiteral("14"));
    }

    void refuses_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown unit") << QStringList{"24", "fet", "to", "in"} << "did you mean \"feet\"";
        QTest::newRow("no into unit") << QStringList{"24", "in"} << "no unit to convert into";
        QTest::newRow("other categories") << QStringList{"24 in to kg"} << "cannot convert";
        QTest::newRow("no value") << QStringList{"in", "to", "ft"} << "no value";
        QTest::newRow("result beyond range") << QStringList{"1e308", "mi", "to", "in"} << "beyond the range";
        QTest::newRow("a unit the window does not list") << QStringList{"1", "cup", "to", "ml"}
                                                         << "the window lists only its own units";
        QTest::newRow("a category the window does not list") << QStringList{"90 min to h"}
                                                             << "the window lists only its own units";
    }

    // Money is the terminal's and the search's, in every language: each language's names of
    // every currency and of the names currencies share are refused as such in its locale.
    void everyLanguagesCurrencyIsRefused()
    {
        int tried = 0;
        for (const LanguageNames* language : unitNameLanguages()) {
            QLocale::setDefault(QLocale(QString::fromLatin1(language->code.data(), qsizetype(language->code.size()))));
            std::vector<std::string_view> names;
            for (const CurrencyName& currency : language->currencyNames)
                names.push_back(currency.plural);
            for (const SharedCurrencyWords& shared : language->sharedCurrencyNames)
                for (const std::string_view name : listedNames(shared.names))
                    names.push_back(name);
            for (const std::string_view name : names) {
                const QStringList words{"10", QString::fromUtf8(name.data(), qsizetype(name.size()))};
                const std::variant<StartConversion, QString> read = ui::readStartConversion(words);
                QVERIFY2(std::holds_alternative<QString>(read) &&
                             std::get<QString>(read).contains(QStringLiteral("the window converts no currencies")),
                         qPrintable(QString::fromLatin1(language->code.data(), qsizetype(language->code.size())) + u' ' +
                                    words.join(u' ')));
                ++tried;
            }
        }
        QVERIFY(tried > 150);
        QLocale::setDefault(QLocale::c());
    }

    void refuses()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, message);
        const std::variant<StartConversion, QString> read = ui::readStartConversion(words);
        QVERIFY(std::holds_alternative<QString>(read));
        QVERIFY2(std::get<QString>(read).contains(message), qPrintable(std::get<QString>(read)));
    }
};

QTEST_MAIN(StartConversionTest)
#include "test_start_conversion.moc"
