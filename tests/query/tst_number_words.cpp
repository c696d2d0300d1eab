// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What people mean beyond the plain query: numbers written in words where a value is expected,
// questions whose value is "a" or "one", and words around a quantity that name no unit.

#include <mezzurix/query.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include <QtTest>

#include <string>

using namespace mezzurix;

namespace {

// English words for 0 to 999,999, as people write them: "two hundred fifty", "twenty-one",
// "one thousand five hundred"; with `and` after a hundred ("one hundred and fifty").
std::string spelled(int n, bool and_)
{
    static const char* const small[] = {"zero",    "one",     "two",       "three",    "four",
                                        "five",    "six",     "seven",     "eight",    "nine",
                                        "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                                        "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
    static const char* const tens[] = {"", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"};
    const auto below100 = [&](int k) {
        if (k < 20)
            return std::string(small[k]);
        return std::string(tens[k / 10]) + (k % 10 != 0 ? std::string("-") + small[k % 10] : "");
    };
    const auto below1000 = [&](int k) {
        if (k < 100)
            return below100(k);
        std::string words = std::string(small[k / 100]) + " hundred";
        if (k % 100 != 0)
            words += (and_ ? " and " : " ") + below100(k % 100);
        return words;
    };
    if (n < 1000)
        return below1000(n);
    std::string words = below1000(n / 1000) + " thousand";
    if (n % 1000 != 0)
        words += " " + below1000(n % 1000);
    return words;
}

double valueOf(const std::string& text)
{
    const QueryReading reading = readQuery(text);
    const Query* query = std::get_if<Query>(&reading);
    if (query == nullptr)
        return -1.0;
    return query->value;
}

std::string unitsOf(const std::string& text)
{
    const QueryReading reading = readQuery(text);
    const Query* query = std::get_if<Query>(&reading);
    if (query == nullptr)
        return "error " + std::string(errorKindName(std::get<QueryError>(reading).kind));
    return std::string(findUnitRecord(query->fromCode())->key) + ">" +
           std::string(findUnitRecord(*query->intoCode())->key);
}

} // namespace

class TestNumberWords : public QObject {
    Q_OBJECT

private slots:
    void everyWholeNumberInWords();
    void fractionsInWords_data();
    void fractionsInWords();
    void questionsWithoutANumber_data();
    void questionsWithoutANumber();
    void wordsThatAreNoNumber_data();
    void wordsThatAreNoNumber();
    void leftOutWordsNeverChangeTheAnswer();
    void leftOutWords_data();
    void leftOutWords();
    void misspeltNamesOfEveryUnit();
    void misspeltNames_data();
    void misspeltNames();
};

// Every whole number to 999,999 in steps that reach each form, written as people write it, in
// any case, reads as its digits.
void TestNumberWords::everyWholeNumberInWords()
{
    int checked = 0;
    for (int n = 0; n < 1000000; n += n < 2000 ? 1 : 997) {
        for (const bool and_ : {false, true}) {
            const std::string words = spelled(n, and_);
            QCOMPARE(valueOf(words + " m to cm"), double(n));
            ++checked;
        }
    }
    QCOMPARE(valueOf("Twenty-One miles to km"), 21.0);
    QCOMPARE(valueOf("a hundred m to cm"), 100.0);
    QCOMPARE(valueOf("a dozen eggs m to cm"), -1.0);  // "eggs" is no unit
    QCOMPARE(valueOf("two dozen inches to cm"), 24.0);
    QVERIFY(checked > 5000);
}

void TestNumberWords::fractionsInWords_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<double>("value");
    const auto row = [](const char* query, double value) { QTest::newRow(query) << QString(query) << value; };
    row("half a cup to ml", 0.5);
    row("half an hour to min", 0.5);
    row("a half cup to ml", 0.5);
    row("a quarter pound in grams", 0.25);
    row("a quarter of a mile to m", 0.25);
    row("three quarters of a cup to ml", 0.75);
    row("a third cup to ml", 1.0 / 3);
    row("two thirds cup to ml", 2.0 / 3);
    row("one and a half liters to cups", 1.5);
    row("one and a quarter miles to km", 1.25);
    row("twenty and three quarters inches to cm", 20.75);
    row("2 and a half feet in cm", 2.5);
    row("1 and a half liters to cups", 1.5);
    row("-2 and a half feet in cm", -2.5);
    // A fraction after the unit is that part of the unit, never words to leave out
    row("a cup and a half to ml", 1.5);
    row("an hour and a half in minutes", 1.5);
    row("2 feet and a half in cm", 2.5);
    row("a mile and a quarter in km", 1.25);
    row("-2 hours and a half to min", -2.5);
    row("a mile to km", 1.0);
    row("an hour to minutes", 1.0);
    row("one liter to cups", 1.0);
    // Durations: the fields after a colon are sixtieths, "m" after an hour part is minutes
    row("2:30 h to min", 2.5);
    row("1:05:30 h to min", 1.0 + 5.0 / 60 + 30.0 / 3600);
    row("5:30 min/km to km/h", 5.5);
    row("-2:30 h to min", -2.5);
    row("1h45m to min", 105.0);
    row("1h 45m to min", 105.0);
    row("1 h 45 min to s", 105.0);
    row("12:75 h to min", -1.0);  // no field of sixty or more
    row("5 m to s", -1.0);        // "m" alone stays meters
}

void TestNumberWords::fractionsInWords()
{
    QFETCH(QString, query);
    QFETCH(double, value);
    QCOMPARE(valueOf(query.toStdString()), value);
}

void TestNumberWords::questionsWithoutANumber_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("units");
    const auto row = [](const char* query, const char* units) { QTest::newRow(query) << QString(query) << QString(units); };
    row("how many ounces in a quart", "us_quart>us_fluid_ounce");
    row("how many ml in a tablespoon", "us_tablespoon>cubic_centimeter");
    row("how many yards are in a mile", "mile>yard");
    row("how many seconds in an hour", "hour>second");
    row("How many feet in one mile?", "mile>foot");
    row("a stone in pounds", "stone>pound");
    row("what is a mile in km", "mile>kilometer");
    row("inches in a foot", "foot>inch");
    row("cups in a gallon?", "us_gallon>us_cup");
    row("feet in 3 miles", "mile>foot");
}

void TestNumberWords::questionsWithoutANumber()
{
    QFETCH(QString, query);
    QFETCH(QString, units);
    QCOMPARE(QString::fromStdString(unitsOf(query.toStdString())), units);
}

// Words are numbers only where the value stands: elsewhere they keep their meaning, and a word
// that is no number is still refused.
void TestNumberWords::wordsThatAreNoNumber_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("units");
    const auto row = [](const char* query, const char* units) { QTest::newRow(query) << QString(query) << QString(units); };
    row("a", "error no-value");
    row("a to b", "error missing-unit");
    row("several m to cm", "error no-value");
    row("halfway m to cm", "error no-value");
    row("one2 m to cm", "error no-value");
    row("kg to lb", "error no-value");
    row("24 in to ft", "inch>foot");
    row("5 ft and 10 in to cm", "inch>centimeter");
}

void TestNumberWords::wordsThatAreNoNumber()
{
    QFETCH(QString, query);
    QFETCH(QString, units);
    QCOMPARE(QString::fromStdString(unitsOf(query.toStdString())), units);
}

// Every pair of every category, with words that name no unit after the from unit: the same units
// as without them, and the words said.
void TestNumberWords::leftOutWordsNeverChangeTheAnswer()
{
    int checked = 0;
    for (const Category& category : typedCategories())
        for (const Unit& from : category.units)
            for (const Unit& into : category.units) {
                const std::string f(from.text), t(into.text);
                const std::string plain = unitsOf("2 " + f + " to " + t);
                for (const char* words : {"of water", "yesterday"}) {
                    const std::string text = "2 " + f + " " + words + " to " + t;
                    const QueryReading reading = readQuery(text);
                    QVERIFY2(unitsOf(text) == plain, text.c_str());
                    if (const Query* query = std::get_if<Query>(&reading))
                        QCOMPARE(query->ignoredText, std::string(words));
                    ++checked;
                }
            }
    QVERIFY(checked > 5000);
}

void TestNumberWords::leftOutWords_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("ignored");
    const auto row = [](const char* query, const char* units, const char* ignored) {
        QTest::newRow(query) << QString(query) << QString(units) << QString(ignored);
    };
    row("2 cups of water to ml", "us_cup>cubic_centimeter", "of water");
    row("30 mph wind in km/h", "mile_per_hour>kilometer_per_hour", "wind");
    row("25 mm of rain in inches", "millimeter>inch", "of rain");
    row("3 gallons of gas to liters", "us_gallon>liter", "of gas");
    row("10 kg bag of rice to lb", "kilogram>pound", "bag of rice");
    // Names that hold "of" stay names; a near miss of a unit that fits is read as that unit;
    // leaving words out never makes a volume a mass; an operator is no word.
    row("5 inches of mercury to kPa", "inch_of_mercury>kilopascal", "");
    row("5 feat tall in cm", "foot>centimeter", "tall");
    row("2 cups of flour to grams", "error incompatible-units", "");
    row("4 m x to ft", "error unknown-unit", "");
    row("4 kWh bs to", "error unknown-unit", "");  // a separator ending the query
    row("24 lbf inbf in to lbf ft", "error unknown-unit", "");  // never a word inside a name
}

void TestNumberWords::leftOutWords()
{
    QFETCH(QString, query);
    QFETCH(QString, units);
    QFETCH(QString, ignored);
    const std::string text = query.toStdString();
    QCOMPARE(QString::fromStdString(unitsOf(text)), units);
    const QueryReading reading = readQuery(text);
    if (const Query* read = std::get_if<Query>(&reading))
        QCOMPARE(QString::fromStdString(read->ignoredText), ignored);
    else if (query.contains(u"flour"))
        QCOMPARE(QString::fromStdString(std::get<QueryError>(reading).message),
                 QStringLiteral("Volume cannot be converted into Mass without a density at column 20"));
}

// Every written name of five letters or more of every unit, with two of its letters swapped,
// beside each other unit of its category: read as a unit of that category, mostly its own, and
// said to be corrected; never as a unit of another category.
void TestNumberWords::misspeltNamesOfEveryUnit()
{
    int checked = 0;
    int own = 0;
    for (const Category& category : typedCategories())
        for (const Unit& unit : category.units)
            for (const UnitName& name : namesOf(unit.code)) {
                std::string typo(name.text);
                if (name.kind != NameKind::Name || typo.size() < 5 || typo.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos ||
                    typo[2] == typo[3])
                    continue;
                std::swap(typo[2], typo[3]);
                for (const Unit& other : category.units) {
                    if (other.code == unit.code)
                        continue;
                    const QueryReading reading = readQuery("1 " + typo + " to " + std::string(other.text));
                    const Query* query = std::get_if<Query>(&reading);
                    if (query == nullptr)
                        continue;
                    ++checked;
                    QVERIFY2(query->fromTerm || &query->category() == &category, typo.c_str());
                    if (query->fromCode() == unit.code && !query->corrections.empty() &&
                        query->corrections.front().typed == typo)
                        ++own;
                }
            }
    qInfo("%d misspelt queries read, %d as their own unit", checked, own);
    QVERIFY(checked > 1000);
    QVERIFY(own * 10 > checked * 9);
}

void TestNumberWords::misspeltNames_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("units");
    const auto row = [](const char* query, const char* units) { QTest::newRow(query) << QString(query) << QString(units); };
    row("5 kilogarms to lb", "kilogram>pound");
    row("10 millimiters to in", "millimeter>inch");  // milliliters would not convert
    row("100 fahrenhiet to celsuis", "fahrenheit>celsius");
    row("3 yrads in m", "yard>meter");
    row("2 poudns to kg", "pound>kilogram");
    row("5 kg to poudns", "kilogram>pound");
    // Three letters are never corrected, nor is a word that fits no unit the other side takes,
    // nor one two units fit alike
    row("5 ft to fet", "error unknown-unit");
    row("5 poudns to liters", "error unknown-unit");
    // A word is corrected once: not "0kg/m3" to kg/m3, then "tokg/m3" again
    row("2.7 g/cm3 to0kg/m3", "error unknown-unit");
    // A run that starts with a digit is no misspelt word: "1oot" written back after "0.1" would
    // read as part of the number
    row("0\u21521oot to m", "error unknown-unit");
}

void TestNumberWords::misspeltNames()
{
    QFETCH(QString, query);
    QFETCH(QString, units);
    QCOMPARE(QString::fromStdString(unitsOf(query.toStdString())), units);
}

QTEST_APPLESS_MAIN(TestNumberWords)
#include "tst_number_words.moc"
