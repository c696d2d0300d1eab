// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/catalogue.h>
#include <mezzurix/conversion_table.h>
#include <mezzurix/convert.h>
#include <mezzurix/definitions.h>
#include <mezzurix/exact_amount.h>
#include <mezzurix/exact_ratio.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_record.h>

#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

using namespace mezzurix;

namespace {

// Every factor of the table must agree with the exact ratio of its units' definitions this well:
// the table's constants carry 9 to 10 significant digits.
constexpr double kFactorTolerance = 1e-9;
// A change this large to any one factor must be caught.
constexpr double kCaughtChange = 1e-8;

struct Pair {
    const Category* category;
    int from;
    int into;
};

std::map<std::string, Pair, std::less<>> pairsByCode()
{
    std::map<std::string, Pair, std::less<>> pairs;
    for (const Category& category : categories())
        for (const Unit& from : category.units)
            for (const Unit& into : category.units)
                pairs[pairCode(from.code, into.code)] = {&category, from.code, into.code};
    return pairs;
}

QByteArray text(double value)
{
    return QByteArray::number(value, 'g', 17);
}

bool withinTolerance(double factor, const ExactAmount& exact)
{
    return relativeDeviation(factor, exact) <= kFactorTolerance;
}

ExactAmount exactly(const char* text)
{
    return ExactAmount::parse(text).value();
}

} // namespace

class TestDefinitions : public QObject {
    Q_OBJECT

private slots:
    void everyUnitHasOneWellFormedDefinition();
    void everyFactorIsTheRatioOfItsDefinitions();
    void temperatureFormulasFollowTheOffsets();
    void exactReaderAgreesWithTheLibraryOnEveryDecimalAmount();
    void exactRatio_data();
    void exactRatio();
    void singularAfterExactlyOne_data();
    void singularAfterExactlyOne();
    void singularForEveryUnit();
    void everyPairOfEveryCategoryFollowsTheDefinitions();
    void zeroHasNoReciprocal();
};

void TestDefinitions::everyUnitHasOneWellFormedDefinition()
{
    const std::set<std::string_view> sources = {"SI Brochure", "NIST SP 811", "NIST Handbook 44", "IEC 80000-13",
                                                "IAU", "this program's own"};
    std::size_t units = 0;
    for (const Category& category : typedCategories()) {
        const UnitDefinition* first = findDefinition(category.units.front().code);
        QVERIFY(first != nullptr);
        for (const Unit& unit : category.units) {
            ++units;
            const UnitDefinition* definition = findDefinition(unit.code);
            QVERIFY2(definition != nullptr && definition->code == unit.code, unit.text.data());
            const QByteArray name(unit.text.data(), qsizetype(unit.text.size()));
            QVERIFY2(ExactAmount::parse(definition->amount), name);
            QVERIFY2(ExactAmount::parse(definition->amount)->numerator() > 0, name);
            QVERIFY2(definition->offset.empty() || ExactAmount::parse(definition->offset), name);
            // Only a unit the window does not show may count the other way round.
            QVERIFY2(!definition->reciprocal || !inWindow(unit.code), name);
            QVERIFY2(!definition->singular.empty() && !definition->description.empty(), name);
            QVERIFY2(sources.contains(sourceName(definition->source)), name);
            // One SI unit per category, so every pair has a ratio.
            QVERIFY2(definition->siUnit == first->siUnit, name);
        }
    }
    QCOMPARE(unitDefinitions().size(), units);
    std::set<int> codes;
    for (const UnitDefinition& definition : unitDefinitions())
        QVERIFY(codes.insert(definition.code).second);
    QVERIFY(findDefinition(-1) == nullptr && findDefinition(8) == nullptr && findDefinition(100000) == nullptr);
}

// Every entry between units without offsets, formula entries included (a formula that is a
// multiplication shows its factor as its result for 1), against the exact ratio. A change of
// 1e-8 to any factor must leave the tolerance.
void TestDefinitions::everyFactorIsTheRatioOfItsDefinitions()
{
    const auto pairs = pairsByCode();
    int checked = 0;
    double worst = 0.0;
    for (const Entry& entry : conversionTable()) {
        const auto pair = pairs.find(entry.pairCode);
        QVERIFY(pair != pairs.end());
        const std::optional<ExactAmount> exact = exactFactor(pair->second.from, pair->second.into);
        if (!exact) {
            QCOMPARE(pair->second.category->name, std::string_view("Temperature"));
            continue;
        }
        const double factor = entry.formula != nullptr ? entry.formula(1.0) : entry.factor;
        const QByteArray where = QByteArray(entry.pairCode.data(), qsizetype(entry.pairCode.size())) + ": factor " +
                                 text(factor) + ", exact " + QByteArray::fromStdString(exact->decimalText(20)) +
                                 ", off by " + text(relativeDeviation(factor, *exact));
        QVERIFY2(withinTolerance(factor, *exact), where);
        QVERIFY2(!withinTolerance(factor * (1 + kCaughtChange), *exact), where);
        QVERIFY2(!withinTolerance(factor * (1 - kCaughtChange), *exact), where);
        worst = std::max(worst, relativeDeviation(factor, *exact));
        ++checked;
    }
    QCOMPARE(checked, 521 - 4);
    // The table's worst factor, Liters into Quarts (1.056688209).
    QVERIFY2(worst > 4e-10 && worst < 4.2e-10, text(worst));
}

// The two formulas against the offsets of their units' definitions, across the range people use.
void TestDefinitions::temperatureFormulasFollowTheOffsets()
{
    const char* values[] = {"-459.67", "-273.15", "-40", "-17.7", "0", "32", "37", "98.6", "100", "451", "1000",
                            "5000.5"};
    int checked = 0;
    for (const auto& [from, into] : {std::pair{60, 61}, std::pair{61, 60}, std::pair{60, 60}, std::pair{61, 61}})
        for (const char* value : values) {
            const ExactAmount x = exactly(value);
            const std::optional<ExactAmount> exact = exactConversion(from, into, x);
            QVERIFY(exact);
            const std::optional<double> result = convertValue(pairCode(from, into), x.toDouble());
            QVERIFY(result);
            const double expected = exact->toDouble();
            // Relative to the larger of the result and one degree: near zero only the degrees count.
            QVERIFY2(std::fabs(*result - expected) <= kFactorTolerance * std::max(std::fabs(expected), 1.0),
                     pairCode(from, into).c_str() + QByteArray(" at ") + value + ": " + text(*result) + " against " +
                         text(expected));
            ++checked;
        }
    QCOMPARE(checked, 48);
    QCOMPARE(exactConversion(60, 61, exactly("100"))->decimalText(17), std::string("212"));
    QCOMPARE(exactConversion(61, 60, exactly("-459.67"))->decimalText(17), std::string("-273.15"));
}

// Each amount written as a plain decimal read exactly and rounded must be the double the C library
// reads from the same text.
void TestDefinitions::exactReaderAgreesWithTheLibraryOnEveryDecimalAmount()
{
    int checked = 0;
    for (const UnitDefinition& definition : unitDefinitions())
        for (const std::string_view number : {definition.amount, definition.offset}) {
            if (number.empty() || number.find_first_not_of("0123456789.") != std::string_view::npos)
                continue;
            const std::string copy(number);
            QCOMPARE(ExactAmount::parse(number)->toDouble(), std::strtod(copy.c_str(), nullptr));
            QCOMPARE(ExactAmount::parse(number)->decimalText(40), copy);
            ++checked;
        }
    QVERIFY(checked > 60);
}

void TestDefinitions::exactRatio_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("decimals");  // empty: refused
    QTest::addColumn<double>("nearest");

    QTest::newRow("a third") << "1/3" << 5 << "0.33333…" << 1.0 / 3;
    QTest::newRow("two thirds, cut not rounded") << "2/3" << 4 << "0.6666…" << 2.0 / 3;
    QTest::newRow("ratio of decimals") << "1/0.09290304" << 15 << "10.7639104167097…" << 10.763910416709722;
    QTest::newRow("ending") << "5/8" << 15 << "0.625" << 0.625;
    QTest::newRow("negative") << "-1.5e3" << 15 << "-1500" << -1500.0;
    QTest::newRow("small") << "2.5e-7" << 15 << "0.00000025" << 2.5e-7;
    QTest::newRow("whole part beyond the digits") << "1099511627776" << 5 << "1099511627776" << 1099511627776.0;
    QTest::newRow("point last") << "12." << 15 << "12" << 12.0;
    QTest::newRow("zero") << "0.000" << 15 << "0" << 0.0;
    QTest::newRow("empty") << "" << 15 << "" << 0.0;
    QTest::newRow("letters") << "12ab" << 15 << "" << 0.0;
    QTest::newRow("division by zero") << "1/0" << 15 << "" << 0.0;
    QTest::newRow("beyond 128 bits") << "1e40" << 15 << "" << 0.0;
    QTest::newRow("too many digits") << "123456789012345678901234567890123456789012" << 15 << "" << 0.0;
    QTest::newRow("largest power of ten") << "1e38" << 39 << "100000000000000000000000000000000000000" << 1e38;
    QTest::newRow("smallest power of ten") << "-1e-38" << 15 << "-0.00000000000000000000000000000000000001"
                                           << -1e-38;
    QTest::newRow("ten times the rest beyond 128 bits") << "0.00000000000000000000000000000000000003" << 15
                                                        << "0.00000000000000000000000000000000000003" << 3e-38;
    QTest::newRow("decimals taking back an exponent") << "0.1e39" << 39 << "100000000000000000000000000000000000000"
                                                      << 1e38;
    QTest::newRow("exponent of the lowest int") << "1e-2147483648" << 15 << "" << 0.0;
    QTest::newRow("exponent of the highest int") << "1e2147483647" << 15 << "" << 0.0;
    QTest::newRow("lowest exponent after decimals") << "0.5e-2147483648" << 15 << "" << 0.0;
    QTest::newRow("exponent beyond int") << "1e-99999999999" << 15 << "" << 0.0;
    QTest::newRow("decimals past the smallest power") << "0.1e-38" << 15 << "" << 0.0;
}

void TestDefinitions::exactRatio()
{
    QFETCH(QString, text);
    QFETCH(int, digits);
    QFETCH(QString, decimals);
    QFETCH(double, nearest);
    const std::optional<ExactRatio> value = ExactRatio::parse(text.toStdString());
    QCOMPARE(bool(value), !decimals.isEmpty());
    if (!value)
        return;
    QCOMPARE(QString::fromStdString(value->decimalText(digits)), decimals);
    QCOMPARE(value->nearestDouble(), nearest);
}

void TestDefinitions::singularAfterExactlyOne_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("name");

    QTest::newRow("1 Foot") << 1 << "1" << "Foot";
    QTest::newRow("-1 Foot") << 1 << "-1" << "Foot";
    QTest::newRow("+1 Foot") << 1 << "+1" << "Foot";
    QTest::newRow("minus sign") << 1 << "\u22121" << "Foot";
    QTest::newRow("1.0 Feet") << 1 << "1.0" << "Feet";
    QTest::newRow("11 Feet") << 1 << "11" << "Feet";
    QTest::newRow("0.1 Feet") << 1 << "0.1" << "Feet";
    QTest::newRow("empty") << 1 << "" << "Feet";
    QTest::newRow("Pound, not the window's Pound(avdp)") << 31 << "1" << "Pound";
    QTest::newRow("Square foot") << 11 << "1" << "Square foot";
    QTest::newRow("Mile per hour") << 52 << "1" << "Mile per hour";
    QTest::newRow("Kilobyte") << 202 << "1" << "Kilobyte";
    QTest::newRow("Pound-force inch") << 72 << "1" << "Pound-force inch";
    QTest::newRow("Cubic foot per minute") << unitCode("cubic_foot_per_minute") << "1" << "Cubic foot per minute";
    QTest::newRow("Stone") << unitCode("stone") << "1" << "Stone";
}

void TestDefinitions::singularAfterExactlyOne()
{
    QFETCH(int, code);
    QFETCH(QString, number);
    QFETCH(QString, name);
    for (const Category& category : typedCategories())
        for (const Unit& unit : category.units)
            if (unit.code == code)
                QCOMPARE(QString::fromUtf8(nameAfterNumber(unit, number.toStdString()).data()).left(name.size()),
                         name);
}

// Every display name's singular is its plural with the plural ending of one word taken off
// ("Inches", "Pound-force feet", "Degrees Celsius"), "Feet" made "Foot", "Gravities" "Gravity",
// "Centuries" "Century", or the plural itself where it has none (Lux, PSI, Horsepower); the
// window's captions ("Pounds(avdp)") are never used.
void TestDefinitions::singularForEveryUnit()
{
    const std::set<std::pair<std::string_view, std::string_view>> endings = {{"", ""}, {"", "s"}, {"", "es"},
                                                                             {"oo", "ee"}, {"y", "ies"}};
    for (const Category& category : typedCategories())
        for (const Unit& unit : category.units) {
            const UnitRecord* record = findUnitRecord(unit.code);
            QCOMPARE(nameAfterNumber(unit, "2"), record->plural);
            QCOMPARE(nameAfterNumber(unit, "1"), record->singular);
            QVERIFY2(record->plural.find_first_of("()#") == std::string_view::npos, record->plural.data());
            std::string_view one = record->singular;
            std::string_view many = record->plural;
            while (!one.empty() && !many.empty() && one.front() == many.front()) {
                one.remove_prefix(1);
                many.remove_prefix(1);
            }
            while (!one.empty() && !many.empty() && one.back() == many.back()) {
                one.remove_suffix(1);
                many.remove_suffix(1);
            }
            QVERIFY2(endings.contains({one, many}),
                     (std::string(record->singular) + " / " + std::string(record->plural)).c_str());
        }
}

// Every pair of every category, the units only typed conversions know included, at values across
// the range people use, against exact arithmetic on the two definitions: a pair of the window's
// units keeps the table's factor (within the table's precision), any other goes through the
// definitions and lands within 1e-12 of the exact value.
void TestDefinitions::everyPairOfEveryCategoryFollowsTheDefinitions()
{
    constexpr double kThroughDefinitions = 1e-12;
    const char* values[] = {"1", "-12", "0.37", "250", "98.6", "123456.789"};
    std::map<std::string_view, int> pairs;
    int checked = 0;
    for (const Category& category : typedCategories())
        for (const Unit& from : category.units)
            for (const Unit& into : category.units) {
                ++pairs[category.name];
                const bool table = inWindow(from.code) && inWindow(into.code);
                for (const char* value : values) {
                    const ExactAmount x = exactly(value);
                    const std::optional<ExactAmount> exact = exactConversion(from.code, into.code, x);
                    const QByteArray where = QByteArray(from.text.data(), qsizetype(from.text.size())) + " to " +
                                             QByteArray(into.text.data(), qsizetype(into.text.size())) + " at " + value;
                    QVERIFY2(exact, where);
                    const std::optional<double> result = convertUnits(from.code, into.code, x.toDouble());
                    QVERIFY2(result, where);
                    const double expected = exact->toDouble();
                    // Relative to the larger of the result and one unit: a temperature near its
                    // zero counts in degrees.
                    const double tolerance = (table ? kFactorTolerance : kThroughDefinitions) *
                                             std::max(std::fabs(expected), 1.0);
                    QVERIFY2(std::fabs(*result - expected) <= tolerance,
                             where + ": " + text(*result) + " against " + text(expected));
                    if (table)
                        QCOMPARE(*result, *convertValue(pairCode(from.code, into.code), x.toDouble()));
                    ++checked;
                }
            }
    for (const auto& [name, count] : pairs)
        qInfo("%s: %d pairs", name.data(), count);
    // Every unit of the table, each with every unit of its category.
    std::map<std::string_view, int> units;
    for (const UnitRecord& unit : unitRecords())
        ++units[findCategoryRecord(unit.category)->name];
    QCOMPARE(pairs.size(), categoryRecords().size());
    int expected = 0;
    for (const auto& [name, count] : units) {
        QCOMPARE(pairs[name], count * count);
        expected += count * count;
    }
    QCOMPARE(checked, expected * int(std::size(values)));
    // The offsets of the new temperature scales.
    QCOMPARE(*convertUnits(60, unitCode("kelvin"), 0.0), 273.15);
    QCOMPARE(*convertUnits(unitCode("rankine"), 60, 491.67), 0.0);
    QCOMPARE(*convertUnits(61, unitCode("rankine"), 0.0), 459.67);
}

// Fuel used over a distance against distance per fuel: 0 of either has no value in the other, and
// the two are each other's reciprocal (235.214583... over the number).
void TestDefinitions::zeroHasNoReciprocal()
{
    const int usMpg = unitCode("mile_per_us_gallon");
    const int imperialMpg = unitCode("mile_per_imperial_gallon");
    const int litersPer100Km = unitCode("liter_per_100_kilometers");
    const int kmPerLiter = unitCode("kilometer_per_liter");
    QVERIFY(reciprocalPair(usMpg, litersPer100Km) && reciprocalPair(litersPer100Km, kmPerLiter) &&
            !reciprocalPair(usMpg, kmPerLiter));
    QVERIFY(!reciprocalPair(litersPer100Km, litersPer100Km) && !reciprocalPair(1, 6));
    QVERIFY(!convertUnits(usMpg, litersPer100Km, 0.0));
    QVERIFY(!convertUnits(litersPer100Km, imperialMpg, 0.0));
    QVERIFY(!exactConversion(usMpg, litersPer100Km, ExactAmount()));
    QVERIFY(!exactFactor(usMpg, litersPer100Km));
    QCOMPARE(QString::fromStdString(exactConversion(usMpg, litersPer100Km, exactly("1"))->decimalText(12)),
             QString::fromUtf8("235.214583333\u2026"));
    QCOMPARE(*convertUnits(litersPer100Km, litersPer100Km, 0.0), 0.0);
}

QTEST_GUILESS_MAIN(TestDefinitions)
#include "tst_definitions.moc"
