// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/catalogue.h>
#include <mezzurix/conversion_table.h>
#include <mezzurix/convert.h>

#include <QtTest>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace mezzurix;

namespace {

constexpr std::size_t kEntryCount = 521;
constexpr std::size_t kUnitCount = 81;

std::string toStd(const QString& text)
{
    return text.toStdString();
}

QByteArray describe(std::optional<double> value)
{
    return value ? QByteArray::number(*value, 'g', 17) : QByteArray("overflow");
}

// Exact equality: the table's values are its data, so even the last bit matters.
void verifySame(std::optional<double> actual, double expected)
{
    QVERIFY2(actual && *actual == expected,
             "got " + describe(actual) + ", expected " + QByteArray::number(expected, 'g', 17));
}

} // namespace

class TestEngineTable : public QObject {
    Q_OBJECT

private slots:
    void tableHoldsEveryPairOfEachCategoryInOrder();
    void pairCodesAreDistinct();
    void diagonalIsOne();
    void onlyThreeFormulaEntries();
    void catalogueUnits();
    void categories_data();
    void categories();
    void pairCode_data();
    void pairCode();
    void findEntry_data();
    void findEntry();
    void findEntryFindsEveryEntryItself();
    void findEntryByCodesAgreesWithPairCodes();
    void codesAcrossCategoriesNameNoOtherPair();
    void rawResults_data();
    void rawResults();
    void roundTrips_data();
    void roundTrips();
    void overflowFails_data();
    void overflowFails();
    void formattedResults_data();
    void formattedResults();
};

void TestEngineTable::tableHoldsEveryPairOfEachCategoryInOrder()
{
    // The table runs category by category in the order of their first codes, each from unit
    // with each to unit in list order.
    std::vector<Category> byCode(mezzurix::categories().begin(), mezzurix::categories().end());
    std::sort(byCode.begin(), byCode.end(), [](const Category& a, const Category& b) {
        return a.units.front().code < b.units.front().code;
    });
    std::vector<std::string> expected;
    for (const Category& category : byCode)
        for (const Unit& from : category.units)
            for (const Unit& to : category.units)
                expected.push_back(mezzurix::pairCode(from.code, to.code));

    const auto table = conversionTable();
    QCOMPARE(table.size(), kEntryCount);
    QCOMPARE(expected.size(), kEntryCount);
    for (std::size_t i = 0; i < kEntryCount; ++i)
        QVERIFY2(table[i].pairCode == expected[i],
                 qPrintable(QStringLiteral("entry %1 is %2, expected %3")
                                .arg(i)
                                .arg(QString::fromUtf8(table[i].pairCode.data(),
                                                       qsizetype(table[i].pairCode.size())))
                                .arg(QString::fromStdString(expected[i]))));
}

void TestEngineTable::pairCodesAreDistinct()
{
    std::set<std::string_view> codes;
    for (const Entry& entry : conversionTable())
        QVERIFY2(codes.insert(entry.pairCode).second, entry.pairCode.data());
    QCOMPARE(codes.size(), kEntryCount);
}

void TestEngineTable::diagonalIsOne()
{
    for (const Category& category : mezzurix::categories())
        for (const Unit& unit : category.units) {
            const Entry* entry = mezzurix::findEntry(mezzurix::pairCode(unit.code, unit.code));
            QVERIFY(entry != nullptr);
            QVERIFY(entry->formula == nullptr);
            QCOMPARE(entry->factor, 1.0);
        }
}

void TestEngineTable::onlyThreeFormulaEntries()
{
    std::vector<std::string_view> formulas;
    for (const Entry& entry : conversionTable()) {
        if (entry.formula != nullptr)
            formulas.push_back(entry.pairCode);
        else
            QVERIFY2(entry.factor > 0.0, entry.pairCode.data());
    }
    QCOMPARE(formulas, (std::vector<std::string_view>{"12", "6061", "6160"}));
}

void TestEngineTable::catalogueUnits()
{
    std::set<int> codes;
    std::size_t count = 0;
    for (const Category& category : mezzurix::categories())
        for (const Unit& unit : category.units) {
            ++count;
            QVERIFY(unit.code >= 0);
            QVERIFY(!unit.text.empty());
            QVERIFY2(codes.insert(unit.code).second, qPrintable(QString::number(unit.code)));
        }
    QCOMPARE(count, kUnitCount);
}

void TestEngineTable::categories_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("leftList");
    QTest::addColumn<QString>("rightList");
    QTest::addColumn<int>("firstCode");
    QTest::addColumn<int>("lastCode");
    QTest::addColumn<int>("unitCount");

    struct Row {
        const char* name;
        const char* item;
        const char* left;
        const char* right;
        int first;
        int last;
        int count;
    };
    const Row rows[] = {
        {"Area", "mnuArea", "lstArea1", "lstArea2", 10, 17, 8},
        {"Computer Memory / Disk Capacity", "mnuMemory", "lstMemory1", "lstMemory2", 201, 205, 5},
        {"Distance", "mnuDistance", "lstDistance1", "lstDistance2", 0, 7, 8},
        {"Energy", "mnuEnergy", "lstEnergy1", "lstEnergy2", 80, 86, 7},
        {"Flow Rate", "mnuFlowRate", "lstFlow1", "lstFlow2", 20, 23, 4},
        {"Force", "mnuForce", "lstForce1", "lstForce2", 90, 97, 8},
        {"Light", "mnuLight", "lstLight1", "lstLight2", 100, 103, 4},
        {"Mass", "mnuMass", "lstMass1", "lstMass2", 30, 35, 6},
        {"Power", "mnuPower", "lstPower1", "lstPower2", 24, 27, 4},
        {"Pressure", "mnuPressure", "lstPressure1", "lstPressure2", 40, 44, 5},
        {"Temperature", "mnuTemp", "lstTemps1", "lstTemps2", 60, 61, 2},
        {"Torque", "mnuTorque", "lstTorque1", "lstTorque2", 70, 74, 5},
        {"Velocity", "mnuSpeed", "lstSpeed1", "lstSpeed2", 50, 55, 6},
        {"Volume", "mnuVolume", "lstVolume1", "lstVolume2", 62, 690, 9},
    };
    int position = 0;
    for (const Row& row : rows) {
        QTest::newRow(row.name) << position++ << row.name << row.item << row.left << row.right
                                << row.first << row.last << row.count;
    }
}

void TestEngineTable::categories()
{
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QString, menuItem);
    QFETCH(QString, leftList);
    QFETCH(QString, rightList);
    QFETCH(int, firstCode);
    QFETCH(int, lastCode);
    QFETCH(int, unitCount);

    const auto all = mezzurix::categories();
    QCOMPARE(all.size(), std::size_t{14});
    const Category& category = all[std::size_t(position)];
    QCOMPARE(category.name, toStd(name));
    QCOMPARE(category.menuItem, toStd(menuItem));
    QCOMPARE(category.leftList, toStd(leftList));
    QCOMPARE(category.rightList, toStd(rightList));
    QCOMPARE(category.units.size(), std::size_t(unitCount));
    QCOMPARE(category.units.front().code, firstCode);
    QCOMPARE(category.units.back().code, lastCode);

    // The caption is the name with one access key, and the shortcut is that key.
    std::string caption(category.menuCaption);
    const auto amp = caption.find('&');
    QVERIFY(amp != std::string::npos && amp + 1 < caption.size());
    QCOMPARE(QChar(caption[amp + 1]).toUpper(), QChar(category.shortcut));
    caption.erase(amp, 1);
    QCOMPARE(caption, std::string(category.name));

    // The description is shown with a blank at either end.
    QVERIFY(category.description.size() > 2);
    QCOMPARE(category.description.front(), ' ');
    QCOMPARE(category.description.back(), ' ');
}

void TestEngineTable::pairCode_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Inches into Inches keeps both zeros") << 0 << 0 << "00";
    QTest::newRow("Inches into Feet") << 0 << 1 << "01";
    QTest::newRow("Sq Inches into Sq Feet") << 10 << 11 << "1011";
    QTest::newRow("Liters into Cubic inches") << 690 << 62 << "69062";
    QTest::newRow("Cubic inches into Liters") << 62 << 690 << "62690";
    QTest::newRow("Gallons into Liters") << 69 << 690 << "69690";
    QTest::newRow("Liters into Gallons") << 690 << 69 << "69069";
    QTest::newRow("Liters into Liters") << 690 << 690 << "690690";
    QTest::newRow("Megabytes into Kilobytes") << 203 << 202 << "203202";
}

void TestEngineTable::pairCode()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, expected);
    QCOMPARE(mezzurix::pairCode(from, to), toStd(expected));
    QVERIFY(mezzurix::findEntry(toStd(expected)) != nullptr);
}

void TestEngineTable::findEntry_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<double>("factor");

    QTest::newRow("Sq Inches into Sq Inches") << "1010" << true << 1.0;
    QTest::newRow("Feet into Inches") << "10" << true << 12.0;
    QTest::newRow("Liters into Gallons") << "69069" << true << 0.264172052358149;
    QTest::newRow("Terabytes into Bytes") << "205201" << true << 1099511627776.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("single digit") << "0" << false << 0.0;
    QTest::newRow("three digits") << "000" << false << 0.0;
    QTest::newRow("Foot-candles joined with Inches") << "1001" << false << 0.0;
    QTest::newRow("Area joined with Distance") << "107" << false << 0.0;
    QTest::newRow("Volume joined with Torque") << "6970" << false << 0.0;
    QTest::newRow("trailing blank") << "01 " << false << 0.0;
    QTest::newRow("leading zero") << "001" << false << 0.0;
    QTest::newRow("seven characters") << "6906900" << false << 0.0;
    QTest::newRow("longer than any code") << "2052012052" << false << 0.0;
    QTest::newRow("letters") << "ab" << false << 0.0;
}

void TestEngineTable::findEntry()
{
    QFETCH(QString, key);
    QFETCH(bool, found);
    QFETCH(double, factor);
    const std::string text = toStd(key);
    const Entry* entry = mezzurix::findEntry(text);
    QCOMPARE(entry != nullptr, found);
    if (entry) {
        QCOMPARE(entry->pairCode, std::string_view(text));
        QVERIFY(entry->formula == nullptr);
        QVERIFY(entry->factor == factor);
    }
}

void TestEngineTable::findEntryFindsEveryEntryItself()
{
    for (const Entry& entry : conversionTable()) {
        // A copy, so that the lookup cannot succeed by comparing addresses.
        const std::string key(entry.pairCode);
        QCOMPARE(mezzurix::findEntry(key), &entry);
    }
}

void TestEngineTable::findEntryByCodesAgreesWithPairCodes()
{
    // Every pair within a category, and a pair across two, by codes and by pair code.
    for (const Category& category : mezzurix::categories())
        for (const Unit& from : category.units)
            for (const Unit& into : category.units) {
                const Entry* byCodes = mezzurix::findEntry(from.code, into.code);
                QVERIFY(byCodes != nullptr);
                QCOMPARE(byCodes, mezzurix::findEntry(mezzurix::pairCode(from.code, into.code)));
            }
    const auto all = mezzurix::categories();
    QCOMPARE(mezzurix::findEntry(all.front().units.front().code, all.back().units.front().code), nullptr);
    QCOMPARE(mezzurix::findEntry(-1, all.front().units.front().code), nullptr);
    QCOMPARE(mezzurix::findEntry(all.front().units.front().code, 100000), nullptr);
}

void TestEngineTable::codesAcrossCategoriesNameNoOtherPair()
{
    // Two units of different categories written as a pair code: no entry, or the one entry
    // that has exactly that code.
    for (const Category& a : mezzurix::categories())
        for (const Category& b : mezzurix::categories()) {
            if (&a == &b)
                continue;
            for (const Unit& from : a.units)
                for (const Unit& into : b.units) {
                    const std::string code = mezzurix::pairCode(from.code, into.code);
                    const Entry* entry = mezzurix::findEntry(code);
                    QVERIFY2(entry == nullptr || entry->pairCode == code, code.c_str());
                }
        }
}

void TestEngineTable::rawResults_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");

    // Distance and area
    QTest::newRow("Inches into Feet, 24") << "01" << 24.0 << 2.0;
    QTest::newRow("Feet into Inches, 24") << "10" << 24.0 << 288.0;
    QTest::newRow("Inches into Feet, 12 is exactly 1") << "01" << 12.0 << 1.0;
    QTest::newRow("Feet into Yards, rounded third") << "12" << 1.0 << 0.333333333333334;
    QTest::newRow("Feet into Meters") << "16" << 1.0 << 0.3048;
    QTest::newRow("Meters into Feet") << "61" << 1.0 << 3.28083989501313;
    QTest::newRow("Miles into Millimeters") << "34" << 1.0 << 1609344.0;
    // Flow, power, mass
    QTest::newRow("Horsepower into Watts") << "2425" << 1.0 << 745.6998716;
    QTest::newRow("Ounces into Megagrams") << "3035" << 1.0 << 2.8349523125e-05;
    // Temperature
    QTest::newRow("Celsius into Fahrenheit, 37") << "6061" << 37.0 << 98.60000000000001;
    QTest::newRow("Celsius into Fahrenheit, 100") << "6061" << 100.0 << 212.0;
    QTest::newRow("Celsius into Fahrenheit, -40") << "6061" << -40.0 << -40.0;
    QTest::newRow("Celsius into Fahrenheit, 0") << "6061" << 0.0 << 32.0;
    QTest::newRow("Fahrenheit into Celsius, 451") << "6160" << 451.0 << 232.7777777777778;
    QTest::newRow("Fahrenheit into Celsius, -459.67") << "6160" << -459.67 << -273.15000000000003;
    QTest::newRow("Fahrenheit into Celsius, 32") << "6160" << 32.0 << 0.0;
    QTest::newRow("Fahrenheit into Celsius, -40") << "6160" << -40.0 << -40.0;
    QTest::newRow("Fahrenheit into Celsius, 0") << "6160" << 0.0 << -17.77777777777778;
    QTest::newRow("Celsius into Celsius") << "6060" << 20.0 << 20.0;
    // Volume
    QTest::newRow("Gallons into Cubic inches") << "6962" << 1.0 << 231.0;
    QTest::newRow("Liters into Cubic centimeters") << "69065" << 1.0 << 1000.0;
    QTest::newRow("Cubic meters into Liters") << "66690" << 1.0 << 1000.0;
    QTest::newRow("Pints into Gallons") << "6769" << 1.0 << 0.125;
    QTest::newRow("Liters into Gallons") << "69069" << 1.0 << 0.264172052358149;
    QTest::newRow("Gallons into Liters") << "69690" << 1.0 << 3.785411784;
    QTest::newRow("Cubic feet into Liters") << "63690" << 1.0 << 28.31684659;
    QTest::newRow("Liters into Cubic feet") << "69063" << 1.0 << 0.03531466672;
    QTest::newRow("Cubic inches into Pints") << "6267" << 1.0 << 0.03463203463;
    // Torque, energy, force
    QTest::newRow("Ounce-force/foot into Ounce-force/inch") << "7170" << 1.0 << 12.0;
    QTest::newRow("Foot pounds into Ounce-force/inch") << "7370" << 1.0 << 192.0;
    QTest::newRow("Newton meters into Ounce-force/inch") << "7470" << 1.0 << 141.61193266123496;
    QTest::newRow("Pound-force inches into Joules") << "8285" << 1.0 << 0.112984829031793;
    QTest::newRow("Inch pounds into Newton meters") << "7274" << 1.0 << 0.1129848290276167;
    QTest::newRow("Joules into Pound-force feet") << "8583" << 1.0 << 0.7375621493;
    QTest::newRow("Newton meters into Foot pounds") << "7473" << 1.0 << 0.7375621492772654;
    QTest::newRow("Horsepower-hours into Pound-force inches") << "8482" << 1.0 << 23759999.9986125;
    QTest::newRow("Horsepower-hours into Pound-force feet") << "8483" << 1.0 << 1980000.0;
    QTest::newRow("Calories into Joules") << "8185" << 1.0 << 4.186800000482;
    QTest::newRow("Kilowatt-hours into Joules") << "8685" << 1.0 << 3600000.0;
    QTest::newRow("BTU into Calories") << "8081" << 1.0 << 251.995761099999;
    QTest::newRow("Kilogram-force into Newtons") << "9294" << 1.0 << 9.80664999978778;
    QTest::newRow("Kilogram-force into Dynes") << "9290" << 1.0 << 980665.0;
    QTest::newRow("Gram-force into Dynes") << "9190" << 1.0 << 980.665;
    QTest::newRow("Pound-force into Gram-force") << "9791" << 1.0 << 453.59237;
    QTest::newRow("Pound-force into Ounce-force") << "9796" << 1.0 << 16.0;
    QTest::newRow("Dynes into Millinewtons") << "9093" << 1.0 << 0.01;
    QTest::newRow("192 Ounce-force/inch into Foot pounds") << "7073" << 192.0 << 0.9999999999999993;
    QTest::newRow("12 Ounce-force/inch into Ounce-force/foot") << "7071" << 12.0 << 0.9999999999999996;
    // Light and memory
    QTest::newRow("Kilobytes into Bytes") << "202201" << 1.0 << 1024.0;
    QTest::newRow("Terabytes into Bytes") << "205201" << 1.0 << 1099511627776.0;
    QTest::newRow("Gigabytes into Megabytes") << "204203" << 1.0 << 1024.0;
    QTest::newRow("Bytes into Kilobytes") << "201202" << 1.0 << 0.0009765625;
    QTest::newRow("Bytes into Terabytes") << "201205" << 1.0 << 9.094947017729282e-13;
    QTest::newRow("a terabyte of Bytes into Terabytes") << "201205" << 1099511627776.0 << 1.0;
    QTest::newRow("Flame into Foot-candles") << "100101" << 1.0 << 4.0;
    QTest::newRow("Flame into Lux") << "100102" << 1.0 << 43.055641666839;
    QTest::newRow("Flame into Meter-candles") << "100103" << 1.0 << 43.055641666839;
    QTest::newRow("Lux into Meter-candles") << "102103" << 7.25 << 7.25;
    QTest::newRow("Meter-candles into Lux") << "103102" << 7.25 << 7.25;
    QTest::newRow("Lux into Foot-candles") << "102101" << 1.0 << 0.09290304;
    QTest::newRow("Foot-candles into Lux") << "101102" << 1.0 << 10.7639104167098;
    // A text that names no pair multiplies by zero.
    QTest::newRow("no entry") << "1001" << 5.0 << 0.0;
    QTest::newRow("empty pair code") << "" << 5.0 << 0.0;
}

void TestEngineTable::rawResults()
{
    QFETCH(QString, code);
    QFETCH(double, x);
    QFETCH(double, expected);
    verifySame(mezzurix::convertValue(toStd(code), x), expected);
}

void TestEngineTable::roundTrips_data()
{
    QTest::addColumn<QString>("there");
    QTest::addColumn<QString>("back");
    QTest::addColumn<double>("expected");

    // Opposite entries are not exact reciprocals.
    QTest::newRow("Liters, Gallons and back") << "69069" << "69690" << 1.0000000000000022;
    QTest::newRow("Flame, Lux and back") << "100102" << "102100" << 1.0000000000000027;
    QTest::newRow("Bytes, Terabytes and back") << "201205" << "205201" << 1.0;
}

void TestEngineTable::roundTrips()
{
    QFETCH(QString, there);
    QFETCH(QString, back);
    QFETCH(double, expected);
    const std::optional<double> halfway = mezzurix::convertValue(toStd(there), 1.0);
    QVERIFY(halfway);
    verifySame(mezzurix::convertValue(toStd(back), *halfway), expected);
}

void TestEngineTable::overflowFails_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("x");

    QTest::newRow("Miles into Inches") << "30" << 1e308;
    QTest::newRow("Celsius into Fahrenheit") << "6061" << 1e308;
    QTest::newRow("Cubic meters into Cubic centimeters") << "6665" << 1e308;
    QTest::newRow("Terabytes into Bytes") << "205201" << 1e300;
}

void TestEngineTable::overflowFails()
{
    QFETCH(QString, code);
    QFETCH(double, x);
    QVERIFY(!mezzurix::convertValue(toStd(code), x));
}

void TestEngineTable::formattedResults_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    QTest::newRow("24 Inches into Feet") << "01" << "24" << 2 << "2.00";
    QTest::newRow("24 Feet into Inches") << "10" << "24" << 2 << "288.00";
    QTest::newRow("24 Inches into Feet, no decimals") << "01" << "24" << 0 << "2";
    QTest::newRow("Inches into Inches") << "00" << "7" << 3 << "7.000";
    QTest::newRow("Feet into Yards, 15 decimals") << "12" << "1" << 15 << "0.333333333333334";
    QTest::newRow("Feet into Meters") << "16" << "1" << 14 << "0.30480000000000";
    QTest::newRow("12 Inches into Feet") << "01" << "12" << 14 << "1.00000000000000";
    QTest::newRow("9 Sq Feet into Sq Yards") << "1112" << "9" << 14 << "1.00000000000001";
    QTest::newRow("Meters into Feet") << "61" << "1" << 14 << "3.28083989501313";
    QTest::newRow("Feet into Meters, back") << "16" << "3.28083989501313" << 14
                                             << "1.00000000000000";
    QTest::newRow("Miles into Millimeters") << "34" << "1" << 14 << "1609344.00000000000000";
    QTest::newRow("Miles into Millimeters, no decimals") << "34" << "1" << 0 << "1609344";
    QTest::newRow("88 Feet/second into Miles/hour") << "5052" << "88" << 10 << "59.9999999864";
    QTest::newRow("Ounces into Megagrams") << "3035" << "1" << 10 << "0.0000283495";
    QTest::newRow("Horsepower into Watts") << "2425" << "1" << 4 << "745.6999";
    QTest::newRow("60 Gallons/Minute into Gallons/Second") << "2120" << "60" << 14
                                                          << "1.00000000000000";
    QTest::newRow("Bar into PSI") << "4142" << "1" << 12 << "14.503773773375";
    QTest::newRow("PSI into Bar") << "4241" << "14.503773773375" << 12 << "1.000000000000";
    QTest::newRow("100 Celsius into Fahrenheit") << "6061" << "100" << 2 << "212.00";
    QTest::newRow("98.6 Fahrenheit into Celsius") << "6160" << "98.6" << 2 << "37.00";
    QTest::newRow("32 Fahrenheit into Celsius") << "6160" << "32" << 2 << "0.00";
    QTest::newRow("-40 Celsius into Fahrenheit") << "6061" << "-40" << 2 << "-40.00";
    QTest::newRow("-40 Fahrenheit into Celsius") << "6160" << "-40" << 2 << "-40.00";
    QTest::newRow("no number, Celsius into Fahrenheit") << "6061" << "abc" << 2 << "32.00";
    QTest::newRow("no number, Fahrenheit into Celsius") << "6160" << "" << 2 << "-17.78";
    QTest::newRow("Celsius into Celsius") << "6060" << "20abc" << 2 << "20.00";
    QTest::newRow("Cubic inches into Pints") << "6267" << "1" << 14 << "0.03463203463000";
    QTest::newRow("Horsepower-hours into Pound-force inches") << "8482" << "1" << 7
                                                              << "23759999.9986125";
    QTest::newRow("Bytes into Terabytes") << "201205" << "1" << 14 << "0.00000000000091";
    // The ten mended factors as the window shows them at 30 decimals.
    const char* mended[][2] = {
        {"16", "0.304800000000000000000000000000"},     {"3035", "0.000028349523125000000000000000"},
        {"7074", "0.007061551814226040000000000000"},   {"7174", "0.084738621770712500000000000000"},
        {"7274", "0.112984829027617000000000000000"},   {"7374", "1.355817948331400000000000000000"},
        {"7470", "141.611932661235000000000000000000"}, {"7471", "11.800994388436200000000000000000"},
        {"7472", "8.850745791327180000000000000000"},   {"7473", "0.737562149277265000000000000000"},
    };
    for (const auto& [code, text] : mended)
        QTest::addRow("mended %s at 30 decimals", code) << code << "1" << 30 << text;
}

void TestEngineTable::formattedResults()
{
    QFETCH(QString, code);
    QFETCH(QString, input);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    // The number format is given explicitly, so the result does not depend on the locale.
    const std::optional<std::string> text =
        mezzurix::convert(toStd(code), toStd(input), decimals, NumberFormat{});
    QVERIFY(text);
    QCOMPARE(QString::fromStdString(*text), expected);
}

QTEST_APPLESS_MAIN(TestEngineTable)
#include "tst_engine_table.moc"
