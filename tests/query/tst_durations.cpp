// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Durations as people write them ("1h45m", "2h15", "2:30 h", "1:05:30"), paces ("5:30 min/km"),
// numbers in scientific notation, and the degree words of each language beside a temperature.

#include "query_outcome.h"

#include <mezzurix/query.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include <QtTest>

#include <cmath>
#include <string>

using namespace mezzurix;

namespace {

// The answer's number, or NaN when the query is refused.
double resultOf(const std::string& text, const QueryOptions& options = {})
{
    const QueryReading reading = readQuery(text, options);
    const Query* query = std::get_if<Query>(&reading);
    if (query == nullptr)
        return std::nan("");
    const auto answer = answerQuery(*query, std::nullopt);
    return std::holds_alternative<Answer>(answer) ? std::get<Answer>(answer).result : std::nan("");
}

bool near(double a, double b)
{
    return std::fabs(a - b) <= 1e-12 * std::fabs(b);
}

} // namespace

class TestDurations : public QObject {
    Q_OBJECT

private slots:
    void durations_data();
    void durations();
    void clockFieldsOverAGrid();
    void clockFieldsOfEveryTimeUnit();
    void notHoursAndMinutes_data();
    void notHoursAndMinutes();
    void degreeWordsBesideATemperature();
};

void TestDurations::durations_data()
{
    // A query as people write it, and a plain query with the same answer.
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("same");
    const char* rows[][2] = {
        {"1h45m to min", "105 min to min"},
        {"1h 45m to min", "105 min to min"},
        {"1 h 45 min to s", "105 min to s"},
        {"2h15 in min", "135 min to min"},
        {"2h15m in min", "135 min to min"},
        {"2 h 15 to min", "135 min to min"},
        {"-2h15 to min", "-135 min to min"},
        {"2:30 h to min", "150 min to min"},
        {"2:30 h in min", "150 min to min"},
        {"1:05:30 in min", "3930 s to min"},
        {"1:05:30 to s", "3930 s to s"},
        {"1:05:30 h to min", "3930 s to min"},
        {"-1:05:30 in min", "-3930 s to min"},
        {"5:30 min/km to min/mi", "5.5 min/km to min/mi"},
        {"5:30 min/km to km/h", "5.5 min/km to km/h"},
        {"4:05 min/mi in min/km", "245 s/mi to min/km"},
        {"5ft10 to cm", "70 in to cm"},
        // Scientific notation, all four ways
        {"3e8 m to km", "300000000 m to km"},
        {"3E8 m to km", "300000000 m to km"},
        {"3 x 10^8 m to km", "300000000 m to km"},
        {"3\u00D710\u2078 m to km", "300000000 m to km"},
        {"3*10^8 m to km", "300000000 m to km"},
        {"3 * 10^8 m to km", "300000000 m to km"},
        {"2.5e-3 m to mm", "0.0025 m to mm"},
        {"2.5 x 10^-3 m to mm", "0.0025 m to mm"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
}

void TestDurations::durations()
{
    QFETCH(QString, query);
    QFETCH(QString, same);
    const double expected = resultOf(same.toStdString());
    QVERIFY(!std::isnan(expected));
    const double result = resultOf(query.toStdString());
    QVERIFY2(near(result, expected), (query.toStdString() + ": " + outcome(readQuery(query.toStdString()))).c_str());
}

void TestDurations::clockFieldsOverAGrid()
{
    // h:mm:ss alone is a duration in hours, and h:mm or h:mm:ss before "h" the same; "XhYY" and
    // "Xh YYm" are X hours and YY minutes.
    int checked = 0;
    for (const int h : {0, 1, 2, 9, 12, 23, 100})
        for (const int m : {0, 1, 5, 30, 59})
            for (const int s : {0, 1, 30, 59}) {
                const auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
                const double seconds = h * 3600.0 + m * 60.0 + s;
                const std::string clock = std::to_string(h) + ":" + two(m) + ":" + two(s);
                for (const std::string& text : {clock + " to s", clock + " in s", clock + " h to s", clock + " hours to s"})
                    QVERIFY2(near(resultOf(text), seconds) || seconds == 0.0, text.c_str());
                const double minutes = h * 60.0 + m;
                for (const std::string& text : {std::to_string(h) + ":" + two(m) + " h to min",
                                                std::to_string(h) + "h" + two(m) + " to min",
                                                std::to_string(h) + "h " + two(m) + "m to min",
                                                std::to_string(h) + "h" + two(m) + "m to min"})
                    QVERIFY2(near(resultOf(text), minutes) || minutes == 0.0, text.c_str());
                checked += 8;
            }
    QVERIFY(checked > 1000);
}

void TestDurations::clockFieldsOfEveryTimeUnit()
{
    // The fields after a colon divide the named unit by 60, whatever the unit.
    int checked = 0;
    for (const Category& category : typedCategories())
        for (const Unit& unit : category.units) {
            if (category.units.empty() || &unit == &category.units.front())
                continue;
            const std::string into(category.units.front().text);
            const std::string name(unit.text);
            const double plain = resultOf("1.5 " + name + " to " + into);
            if (std::isnan(plain))
                continue;
            const std::string text = "1:30 " + name + " to " + into;
            QVERIFY2(near(resultOf(text), plain), text.c_str());
            ++checked;
        }
    QVERIFY2(checked > 150, std::to_string(checked).c_str());
}

void TestDurations::notHoursAndMinutes_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("expected");
    QTest::newRow("m alone is meters") << "5 m to s" << "error incompatible-units";
    QTest::newRow("a number after meters is no minutes") << "2m15 to s" << "error missing-unit";
    QTest::newRow("m3 stays cubic meters") << "2 m3 to L" << "cubic_meter>liter";
    QTest::newRow("in2 stays square inches") << "2 in2 to cm2" << "square_inch>square_centimeter";
    QTest::newRow("a field of sixty") << "12:75 h to min" << "error";
    QTest::newRow("h:mm:ss before another unit") << "1:05:30 in cm" << "error incompatible-units";
    QTest::newRow("digits after the fields") << "5:30 8in/km to min/mi" << "error";
}

void TestDurations::notHoursAndMinutes()
{
    QFETCH(QString, query);
    QFETCH(QString, expected);
    const std::string result = outcome(readQuery(query.toStdString()));
    QVERIFY2(result.rfind(expected.toStdString(), 0) == 0, result.c_str());
}

void TestDurations::degreeWordsBesideATemperature()
{
    // Each language's names of the angle's degree read as a temperature beside one, and as the
    // degree beside an angle; each language has them.
    const int degree = [] {
        for (const Category& category : typedCategories())
            for (const Unit& unit : category.units)
                if (keyOf(unit.code) == "degree")
                    return unit.code;
        return -1;
    }();
    int checked = 0;
    for (const LanguageNames* language : unitNameLanguages()) {
        QueryOptions options;
        options.language = std::string(language->code);
        int words = 0;
        for (const UnitName& name : language->names) {
            if (name.unitCode != degree)
                continue;
            const std::string word(name.text);
            ++words;
            QCOMPARE(outcome(readQuery("25 " + word + " in F", options)), std::string("celsius>fahrenheit"));
            QCOMPARE(outcome(readQuery("25 " + word + " in Fahrenheit", options)), std::string("celsius>fahrenheit"));
            QCOMPARE(outcome(readQuery("77 F in " + word, options)), std::string("fahrenheit>celsius"));
            QCOMPARE(outcome(readQuery("90 " + word + " in rad", options)), std::string("degree>radian"));
            ++checked;
        }
        QVERIFY2(words > 0, language->code.data());
        // Only the user's language: English reads the German word as the gradian.
        QVERIFY(outcome(readQuery("25 Grad in F")) != "celsius>fahrenheit");
    }
    QVERIFY(near(resultOf("25 Grad in Fahrenheit", [] { QueryOptions o; o.language = "de"; return o; }()), 77.0));
    QVERIFY(checked >= 3);
}

QTEST_APPLESS_MAIN(TestDurations)
#include "tst_durations.moc"
