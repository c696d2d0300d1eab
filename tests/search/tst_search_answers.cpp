// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/catalogue.h>
#include <mezzurix/convert.h>
#include <mezzurix/definitions.h>
#include <mezzurix/number_rules.h>
#include <mezzurix/search_answers.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_record.h>
#include <mezzurix/useful_targets.h>

#include <QtTest>

#include <algorithm>
#include <map>

using namespace mezzurix;
using namespace mezzurix::search;

namespace {

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

class TestSearchAnswers : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void everyPairAnswersAndReadsBackFromItsId();
    void fromUnitAloneGivesItsMostUsefulTargets();
    void mostUsefulFirst_data();
    void mostUsefulFirst();
    void texts_data();
    void texts();
    void regionalSeparator();
    void severalUnits_data();
    void severalUnits();
    void torqueOrEnergy_data();
    void torqueOrEnergy();
    void refinedAsTyped();
    void namedAsTyped_data();
    void namedAsTyped();
    void noAnswer_data();
    void noAnswer();
};

// Every pair of every category, typed with list names: one answer, the window's own result in the
// general form to 9 significant digits, the singular after exactly 1, the variant of every unit
// whose name leaves it open, and an id that gives the same answer back.
void TestSearchAnswers::everyPairAnswersAndReadsBackFromItsId()
{
    int pairs = 0;
    int notes = 0;
    for (const Category& category : typedCategories())
        for (const Unit& from : category.units)
            for (const Unit& into : category.units) {
                const QString query = QStringLiteral("1.5 %1 to %2").arg(fromView(from.text), fromView(into.text));
                const QList<SearchAnswer> answers = answersFor(query);
                QVERIFY2(answers.size() == 1, qPrintable(query));
                const SearchAnswer& answer = answers.front();
                const std::optional<double> result = convertUnits(from.code, into.code, 1.5);
                QVERIFY(result);
                const std::string shown = formatGeneral(*result, ".", kTableSignificantDigits);
                const QString number = QString::fromStdString(shown);
                QCOMPARE(answer.number, number);
                QCOMPARE(answer.name, number + u' ' + fromView(nameAfterNumber(into, shown)));
                QString description = QStringLiteral("1.5 %1 = %2 \u00b7 %3")
                                          .arg(fromView(nameAfterNumber(from, "1.5")), answer.name,
                                               fromView(category.name));
                QStringList variants;
                for (const Unit* unit : {&from, &into}) {
                    const UnitDefinition* definition = findDefinition(unit->code);
                    const QString variant =
                        fromView(nameAfterNumber(*unit, {})) + QStringLiteral(": ") + fromView(definition->description);
                    if (definition->nameIsAmbiguous && !variants.contains(variant))
                        variants.append(variant);
                }
                if (!variants.isEmpty()) {
                    description += QStringLiteral(" \u00b7 ") + variants.join(QStringLiteral("; "));
                    ++notes;
                }
                QCOMPARE(answer.description, description);
                QVERIFY(answer.bothUnits);
                const std::optional<SearchAnswer> again = answerForId(answer.id);
                QVERIFY2(again && again->id == answer.id && again->name == answer.name
                             && again->description == answer.description && again->number == answer.number,
                         qPrintable(answer.id));
                ++pairs;
            }
    std::map<std::string_view, int> units;  // of each category, in the unit table
    for (const UnitRecord& unit : unitRecords())
        ++units[unit.category];
    int expected = 0;
    for (const auto& [category, count] : units)
        expected += count * count;
    QCOMPARE(pairs, expected);
    QVERIFY(notes > 0);
}

// Titles name one unit in the singular, numbers carry no noise beyond the table's precision, and
// names that leave their variant open are explained.
void TestSearchAnswers::texts_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    QTest::newRow("singular result") << "12 in to ft" << "1 Foot" << "12 Inches = 1 Foot \u00b7 Distance";
    QTest::newRow("singular value") << "1 ft to in" << "12 Inches" << "1 Foot = 12 Inches \u00b7 Distance";
    QTest::newRow("minus one") << "-1 lb to kg" << "-0.45359237 Kilograms"
                               << "-1 Pound = -0.45359237 Kilograms \u00b7 Mass";
    QTest::newRow("no noise") << "12 ft to yd" << "4 Yards" << "12 Feet = 4 Yards \u00b7 Distance";
    QTest::newRow("nine digits") << "100 km/h to mph" << "62.1371192 Miles per hour"
                                 << "100 Kilometers per hour = 62.1371192 Miles per hour \u00b7 Velocity";
    QTest::newRow("US gallon") << "1 gal to l" << "3.78541178 Liters"
                               << "1 Gallon = 3.78541178 Liters \u00b7 Volume \u00b7 Gallons: US liquid gallon "
                                  "(231 cubic inches)";
    QTest::newRow("both units noted") << "2 qt to pt" << "4 Pints"
                                      << "2 Quarts = 4 Pints \u00b7 Volume \u00b7 Quarts: US liquid quart (57.75 "
                                         "cubic inches); Pints: US liquid pint (28.875 cubic inches)";
    QTest::newRow("binary") << "1 GB to MB" << "1024 Megabytes"
                            << "1 Gigabyte = 1024 Megabytes \u00b7 Computer Memory / Disk Capacity \u00b7 "
                               "Gigabytes: binary gigabyte (1,024\u00b3 bytes; gibibyte, GiB); Megabytes: "
                               "binary megabyte (1,024\u00b2 bytes; mebibyte, MiB)";
}

void TestSearchAnswers::texts()
{
    QFETCH(QString, query);
    QFETCH(QString, name);
    QFETCH(QString, description);
    const QList<SearchAnswer> answers = answersFor(query);
    QCOMPARE(answers.size(), 1);
    QCOMPARE(answers.front().name, name);
    QCOMPARE(answers.front().description, description);
    QCOMPARE(answers.front().number, name.section(u' ', 0, 0));
}

// Every unit of every category, typed alone: its most useful targets, in their order.
void TestSearchAnswers::fromUnitAloneGivesItsMostUsefulTargets()
{
    for (const Category& category : typedCategories())
        for (std::size_t f = 0; f < category.units.size(); ++f) {
            const QString query = QStringLiteral("2 ") + fromView(category.units[f].text);
            const QList<SearchAnswer> answers = answersFor(query);
            QStringList expected;
            for (const int code : usefulTargets(category.units[f].code)) {
                if (expected.size() == kMaxOtherUnits)
                    break;
                const auto into = std::find_if(category.units.begin(), category.units.end(),
                                               [&](const Unit& unit) { return unit.code == code; });
                expected.append(QStringLiteral("2 %1 to %2").arg(fromView(category.units[f].text),
                                                                 fromView(into->text)));
            }
            QStringList ids;
            for (const SearchAnswer& answer : answers) {
                ids.append(answer.id);
                QVERIFY(!answer.bothUnits);
            }
            QCOMPARE(ids, expected);
        }
}

// As typed, with the reader's abbreviations: the first answers a user sees.
void TestSearchAnswers::mostUsefulFirst_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("firstNames");
    QTest::newRow("1 gal") << QStringLiteral("1 gal") << QStringList{QStringLiteral("Liters")};
    QTest::newRow("250 ml") << QStringLiteral("250 ml")
                            << QStringList{QStringLiteral("Liters"), QStringLiteral("US cups"),
                                           QStringLiteral("US fluid ounces")};
    QTest::newRow("1 cup") << QStringLiteral("1 cup")
                           << QStringList{QStringLiteral("Cubic centimeters"), QStringLiteral("US tablespoons"),
                                          QStringLiteral("US fluid ounces")};
    QTest::newRow("1 sq ft") << QStringLiteral("1 sq ft") << QStringList{QStringLiteral("Square meters")};
    QTest::newRow("1 m") << QStringLiteral("1 m")
                         << QStringList{QStringLiteral("Feet"), QStringLiteral("Centimeters"), QStringLiteral("Inches")};
    QTest::newRow("100 km/h") << QStringLiteral("100 km/h") << QStringList{QStringLiteral("Miles per hour")};
    QTest::newRow("1 kg") << QStringLiteral("1 kg") << QStringList{QStringLiteral("Pounds")};
}

void TestSearchAnswers::mostUsefulFirst()
{
    QFETCH(QString, query);
    QFETCH(QStringList, firstNames);
    const QList<SearchAnswer> answers = answersFor(query);
    QCOMPARE(answers.size(), kMaxOtherUnits);
    for (qsizetype i = 0; i < firstNames.size(); ++i)
        QVERIFY2(answers[i].name.endsWith(u' ' + firstNames[i]), qPrintable(answers[i].name));
}

// Typed with the regional separator, shown in the regional format, identified with "." always.
void TestSearchAnswers::regionalSeparator()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QList<SearchAnswer> answers = answersFor(QStringList{QStringLiteral("2,5"), QStringLiteral("in"),
                                                               QStringLiteral("cm")});
    QCOMPARE(answers.size(), 1);
    QCOMPARE(answers.front().id, QStringLiteral("2.5 Inches to Centimeters"));
    QCOMPARE(answers.front().name, QStringLiteral("6,35 Centimeters"));
    QCOMPARE(answers.front().description, QStringLiteral("2,5 Inches = 6,35 Centimeters \u00b7 Distance"));
    QCOMPARE(answerForId(answers.front().id)->number, QStringLiteral("6,35"));
}

// Quantities and answers of several units name each unit once, and their ids read back.
void TestSearchAnswers::severalUnits_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("number");
    QTest::newRow("from several") << "5 ft 10 in to cm" << "177.8 Centimeters"
                                  << "5 Feet 10 Inches = 177.8 Centimeters \u00b7 Distance" << "177.8";
    QTest::newRow("into several") << "175 cm to ft in" << "5 ft 8.8976378 in"
                                  << "175 Centimeters = 5 ft 8.8976378 in \u00b7 Distance" << "5 ft 8.8976378 in";
    QTest::newRow("both several") << "1 yd 1 ft to ft in" << "4 ft 0 in"
                                  << "1 Yard 1 Foot = 4 ft 0 in \u00b7 Distance" << "4 ft 0 in";
}

void TestSearchAnswers::severalUnits()
{
    QFETCH(QString, query);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QString, number);
    const QList<SearchAnswer> answers = answersFor(query);
    QCOMPARE(answers.size(), 1);
    QCOMPARE(answers.front().name, name);
    QCOMPARE(answers.front().description, description);
    QCOMPARE(answers.front().number, number);
    const std::optional<SearchAnswer> again = answerForId(answers.front().id);
    QVERIFY(again);
    QCOMPARE(again->name, name);
}

// A name of both Torque and Energy: each category's most useful targets in turn, each saying its
// category.
void TestSearchAnswers::torqueOrEnergy_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("torque");
    QTest::addColumn<QString>("energy");
    QTest::newRow("ft-lb") << "100 ft-lb" << "135.581795 Newton meters" << "135.581795 Joules";
    QTest::newRow("lb-ft") << "100 lb-ft" << "135.581795 Newton meters" << "135.581795 Joules";
    QTest::newRow("in-lb") << "35 in-lb" << "3.95446902 Newton meters" << "3.95446902 Joules";
    QTest::newRow("lbf ft") << "100 lbf ft" << "135.581795 Newton meters" << "135.581795 Joules";
    QTest::newRow("lbf in") << "24 lbf in" << "2.7116359 Newton meters" << "2.7116359 Joules";
}

void TestSearchAnswers::torqueOrEnergy()
{
    QFETCH(QString, query);
    QFETCH(QString, torque);
    QFETCH(QString, energy);
    const QList<SearchAnswer> answers = answersFor(query);
    QCOMPARE(answers.size(), kMaxOtherUnits);
    QCOMPARE(answers[0].name, torque);
    QCOMPARE(answers[1].name, energy);
    for (const SearchAnswer& answer : answers) {
        const bool torqueAnswer = answer.description.endsWith(QStringLiteral(" \u00b7 Torque"));
        QVERIFY2(torqueAnswer || answer.description.endsWith(QStringLiteral(" \u00b7 Energy")),
                 qPrintable(answer.description));
        QVERIFY(!answer.bothUnits);
    }
}

// Each step of typing a pair of list texts, from the into unit's first character, answers its into
// unit, unless more units than a search shows start the same way ("2 Sq Inches to S").
void TestSearchAnswers::refinedAsTyped()
{
    for (const Category& category : categories())
        for (std::size_t f = 0; f < category.units.size(); ++f)
            for (std::size_t t = 0; t < category.units.size(); ++t) {
                if (t == f)
                    continue;
                const QString into = fromView(category.units[t].text);
                const QString head = QStringLiteral("2 %1 to ").arg(fromView(category.units[f].text));
                for (qsizetype cut = 1; cut <= into.size(); ++cut) {
                    if (into[cut - 1] == u' ')
                        continue;
                    const QString typed = head + into.left(cut);
                    const QList<SearchAnswer> answers = answersFor(typed);
                    const bool offered = std::any_of(answers.begin(), answers.end(), [&](const SearchAnswer& a) {
                        return a.id == QStringLiteral("2 %1 to %2").arg(fromView(category.units[f].text), into);
                    });
                    QVERIFY2(offered || answers.size() == kMaxOtherUnits, qPrintable(typed));
                }
            }
}

// Units are named as typed where the name has a form of its own, singular or plural by the number
// shown, and the answer's id reads back into the same names.
void TestSearchAnswers::namedAsTyped_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("conversion");  // the description's start
    QTest::newRow("ml into") << "5 cc in ml" << "5 Milliliters" << "5 Cubic centimeters = 5 Milliliters \u00b7 ";
    QTest::newRow("ml from") << "1 ml in cc" << "1 Cubic centimeter" << "1 Milliliter = 1 Cubic centimeter \u00b7 ";
    QTest::newRow("tonnes") << "2 tonnes to t" << "2 Tonnes" << "2 Tonnes = 2 Tonnes \u00b7 ";
    QTest::newRow("hPa") << "1000 hPa in mbar" << "1000 Millibars" << "1000 Hectopascals = 1000 Millibars \u00b7 ";
    QTest::newRow("MiB") << "1 MiB in KiB" << "1024 Kibibytes" << "1 Mebibyte = 1024 Kibibytes \u00b7 ";
    QTest::newRow("a half") << "0.5 ft in in" << "6 Inches" << "0.5 Feet = 6 Inches \u00b7 ";
    QTest::newRow("one as shown") << "12.0000000001 in to ft" << "1 Foot" << "12.0000000001 Inches = 1 Foot \u00b7 ";
}

void TestSearchAnswers::namedAsTyped()
{
    QFETCH(QString, query);
    QFETCH(QString, name);
    QFETCH(QString, conversion);
    const QList<SearchAnswer> answers = answersFor(query);
    QVERIFY(!answers.isEmpty());
    QCOMPARE(answers.front().name, name);
    QVERIFY2(answers.front().description.startsWith(conversion), qPrintable(answers.front().description));
    const std::optional<SearchAnswer> again = answerForId(answers.front().id);
    QVERIFY2(again && again->name == name && again->description == answers.front().description,
             qPrintable(answers.front().id));
}

void TestSearchAnswers::noAnswer_data()
{
    QTest::addColumn<QString>("query");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << QStringLiteral("   ");
    QTest::newRow("number alone") << QStringLiteral("24");
    QTest::newRow("words") << QStringLiteral("hello world");
    QTest::newRow("value last") << QStringLiteral("in to ft 24");
    QTest::newRow("incompatible") << QStringLiteral("24 in to kg");
    // Nanometers, nanoseconds, nanofarads: none of them everyday.
    QTest::newRow("unfinished name of several units") << QStringLiteral("100 nan");
    QTest::newRow("unfinished name of no unit") << QStringLiteral("24 in to fx");
    QTest::newRow("value overflow") << QStringLiteral("1e999 in to ft");
    QTest::newRow("result overflow") << QStringLiteral("1e308 mi to in");
    QTest::newRow("lone surrogate") << QStringLiteral("24 in to ft") + QChar(0xd800);
    QTest::newRow("over the limit") << QStringLiteral("24 in to ft") + QString(kMaxQueryChars, u' ');
    QTest::newRow("100,000 characters") << QString(100000, u'7');
}

void TestSearchAnswers::noAnswer()
{
    QFETCH(QString, query);
    QVERIFY(answersFor(query).isEmpty());
    QVERIFY(!answerForId(query));
}

QTEST_GUILESS_MAIN(TestSearchAnswers)
#include "tst_search_answers.moc"
