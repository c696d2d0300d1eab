// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The units only typed conversions know: everyday queries that need them, the clashes between
// their symbols and the window's, and the window's own lists left as they are.

#include <mezzurix/catalogue.h>
#include <mezzurix/query.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_record.h>

#include <QtTest>

#include <limits>
#include <string>

using namespace mezzurix;

namespace {

QString keyOf(int code)
{
    const std::string_view key = findUnitRecord(code)->key;
    return QString::fromUtf8(key.data(), qsizetype(key.size()));
}

// "from>into" unit keys of a query, or its error's message.
QString outcome(const QString& text)
{
    const QueryReading reading = readQuery(text.toStdString());
    if (const auto* error = std::get_if<QueryError>(&reading))
        return QString::fromStdString("error: " + error->message);
    const Query& query = std::get<Query>(reading);
    const QString from = query.fromTerm ? "term:" + QString::fromStdString(query.fromTerm->symbol) : keyOf(query.fromCode());
    return from + '>' + (query.intoCode() ? keyOf(*query.intoCode()) : QString());
}

} // namespace

class TestTypedUnits : public QObject {
    Q_OBJECT

private slots:
    void everydayAnswers_data();
    void everydayAnswers();
    void clashes_data();
    void clashes();
    void windowListsStayItsOwn();
};

void TestTypedUnits::everydayAnswers_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("answer");  // the general form, nine significant digits
    const char* rows[][2] = {
        {"0 C to K", "273.15"},
        {"1 cup to ml", "236.588237"},
        {"2 tbsp in ml", "29.5735296"},
        {"1 tsp to ml", "4.92892159"},
        {"8 fl oz to ml", "236.588237"},
        {"11 stone to kg", "69.853225"},
        {"30 knots to km/h", "55.56"},
        {"1 nautical mile to km", "1.852"},
        {"1 acre to m2", "4046.85642"},
        {"1 hectare to acres", "2.47105381"},
        {"1 atm to psi", "14.6959488"},
        {"760 mmHg to kPa", "101.325014"},
        {"760 torr to kPa", "101.325"},
        {"29.92 inHg to hPa", "1013.20748"},  // 25.4 mmHg to the inch
        {"1 MPa to psi", "145.037738"},
        {"100 kcal to kJ", "418.68"},
        {"1 kWh to MJ", "3.6"},
        {"500 Wh to J", "1800000"},
        {"150 PS to kW", "110.324813"},
        {"30 mpg to l/100km", "7.84048611"},
        {"7.84048611 L/100 km to mpg", "30"},
        {"30 mpg imp to mpg", "24.9802255"},
        {"90 min to h", "1.5"},
        {"500 mg to g", "0.5"},
        {"1 mm to um", "1000"},
        {"1 imperial gallon to liters", "4.54609"},
        {"1 long ton to kg", "1016.04691"},
        {"8 bits to bytes", "1"},
        {"1 cfm to L/min", "28.3168466"},
        {"5 ft 10 in to cm", "177.8"},
        {"1 h 30 min to min", "90"},
        {"1 yr to days", "365.25"},
        {"-40 F to °R", "419.67"},
        {"491.67 °R to C", "0"},
        {"1 PB to TB", "1024"},
        {"1 ozt to g", "31.1034768"},
        {"1 ct to mg", "200"},
        {"1 kgf·m to N·m", "9.80665"},
        {"1 Cal to cal", "1000"},
        {"1 barrel to gal", "42"},
        {"5 mW to W", "0.005"},
        {"1 pc to ly", "3.26156378"},
        {"1 au to km", "149597871"},
        {"1 ly to km", "9460730470000"},
        {"1 Mpc to ly", "3261563.78"},
        {"1 kpc to pc", "1000"},
        {"1 month to days", "30.4375"},
        {"1 century to days", "36525"},
        {"1 decade to months", "120"},
        {"2 fortnights to days", "28"},
        {"2 µs to ns", "2000"},
        {"1 slug to kg", "14.5939029"},
        {"1 eV to J", "1.60217663E-19"},
        {"1 therm to MJ", "105.4804"},
        {"1 thermochemical calorie to cal", "0.999331231"},
        {"100 bhp to kW", "74.5699872"},
        {"1 board foot to in3", "144"},
        {"1 nibble to bits", "4"},
        {"3 leagues to mi", "9"},
        {"1 furlong to ft", "660"},
        {"1 chain to ft", "66"},
        {"15 hands to in", "60"},
        {"10 fathoms to m", "18.288"},
        {"1 \u00c5 to nm", "0.1"},
        {"1 inHg to mmHg", "25.4"},
        {"3 ares to m2", "300"},
        {"5 \u00B5m to mm", "0.005"},
        {"5 Cal to J", "20934"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
}

void TestTypedUnits::everydayAnswers()
{
    QFETCH(QString, query);
    QFETCH(QString, answer);
    const QueryReading reading = readQuery(query.toStdString());
    const Query* q = std::get_if<Query>(&reading);
    QVERIFY2(q, qPrintable(outcome(query)));
    const auto answered = answerQuery(*q, std::nullopt, {}, 9);
    QVERIFY(std::holds_alternative<Answer>(answered));
    QCOMPARE(QString::fromStdString(std::get<Answer>(answered).text), answer);
}

void TestTypedUnits::clashes_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("outcome");  // from>into unit keys, or the start of the error
    const char* rows[][2] = {
        {"1 m to ft", "meter>foot"},
        {"1 min to s", "minute>second"},
        {"1 mi to km", "mile>kilometer"},
        {"1 t to kg", "megagram>kilogram"},
        {"1 tonne to kg", "megagram>kilogram"},
        {"1 ton to kg", "short_ton>kilogram"},
        {"1 long ton to kg", "long_ton>kilogram"},
        {"1 Cal to J", "kilocalorie>joule"},
        {"1 cal to J", "calorie>joule"},
        {"1 pint to L", "us_pint>liter"},
        {"1 quart to L", "us_quart>liter"},
        {"1 gallon to L", "us_gallon>liter"},
        {"1 imp gallon to L", "imperial_gallon>liter"},
        {"1 UK pint to L", "imperial_pint>liter"},
        {"1 imperial fl oz to ml", "imperial_fluid_ounce>cubic_centimeter"},
        {"1 b to B", "bit>byte"},
        {"1 Mb to B", "error: unknown unit"},
        {"1 mb to bar", "millibar>bar"},
        {"1 K to C", "kelvin>celsius"},
        {"1 KB to B", "kilobyte>byte"},
        {"1 °R to F", "rankine>fahrenheit"},
        {"1 degR to F", "rankine>fahrenheit"},
        {"1 R to F", "error: unknown unit"},
        {"1 nm to m", "nanometer>meter"},
        {"1 NM to m", "nautical_mile>meter"},
        {"1 Nm to N cm", "newton_meter>newton_centimeter"},
        {"1 kn to km/h", "knot>kilometer_per_hour"},
        {"1 kN to N", "kilonewton>newton"},
        {"1 mW to W", "milliwatt>watt"},
        {"1 MW to W", "megawatt>watt"},
        {"1 mg to g", "milligram>gram"},
        {"1 Mg to g", "megagram>gram"},
        {"0 mpg to L/100km", "error: no answer: 0 mpg is no distance"},
        {"0 L/100km to km/L", "error: no answer: 0 L/100km is no fuel"},
        {"1 s to ms", "second>millisecond"},
        {"1 ps to ns", "picosecond>nanosecond"},
        {"1 PS to kW", "metric_horsepower>kilowatt"},
        {"5 us to ns", "microsecond>nanosecond"},
        {"1 US gallon to l", "us_gallon>liter"},
        {"1 ci to cc", "cubic_inch>cubic_centimeter"},
        {"1 Ci to cc", "error: unknown unit"},
        {"1 AU to km", "astronomical_unit>kilometer"},
        {"1 Mpc to kpc", "megaparsec>kiloparsec"},
        {"30 imperial mpg to mpg", "mile_per_imperial_gallon>mile_per_us_gallon"},
        {"30 mpg (imp) to mpg", "mile_per_imperial_gallon>mile_per_us_gallon"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
}

void TestTypedUnits::clashes()
{
    QFETCH(QString, query);
    QFETCH(QString, outcome);
    QVERIFY2(::outcome(query).startsWith(outcome), qPrintable(::outcome(query)));
}

// The window keeps its 14 categories and 81 units; each keeps its index and list position among
// those of typed conversions, so a query of window units still starts the window's conversion.
void TestTypedUnits::windowListsStayItsOwn()
{
    QCOMPARE(categories().size(), std::size_t(14));
    std::size_t windowUnits = 0;
    for (std::size_t c = 0; c < categories().size(); ++c) {
        const Category& window = categories()[c];
        const Category& typed = typedCategories()[c];
        QCOMPARE(typed.name, window.name);
        for (std::size_t p = 0; p < window.units.size(); ++p) {
            QCOMPARE(typed.units[p].code, window.units[p].code);
            QVERIFY(inWindow(window.units[p].code));
        }
        for (std::size_t p = window.units.size(); p < typed.units.size(); ++p)
            QVERIFY(!inWindow(typed.units[p].code));
        windowUnits += window.units.size();
    }
    QCOMPARE(windowUnits, std::size_t(81));
    QCOMPARE(typedCategories().size(), std::size_t(28));

    const auto inWindowQuery = [](const char* text) { return std::get<Query>(readQuery(text)).inWindow(); };
    QVERIFY(inWindowQuery("24 in to ft"));
    QVERIFY(inWindowQuery("5 ft 10 in to cm"));
    QVERIFY(!inWindowQuery("1 cup to ml"));
    QVERIFY(!inWindowQuery("1 l to cups"));
    QVERIFY(!inWindowQuery("90 min to h"));
    QCOMPARE(std::get<Query>(readQuery("1 cup to ml")).pairCode(), std::string());
    QCOMPARE(std::get<Query>(readQuery("24 in to ft")).pairCode(), std::string("01"));
    for (const Category& category : typedCategories())
        for (std::size_t p = 0; p < category.units.size(); ++p) {
            const std::optional<TypedPlace> place = typedPlaceOf(category.units[p].code);
            QVERIFY(place && &typedCategories()[place->categoryIndex] == &category && place->position == p);
        }
    const int pastTheLast = kFirstTypedOnlyCode + int(unitRecords().size()) - int(windowUnits);
    for (const int unknown : {-1, 8, pastTheLast, std::numeric_limits<int>::max()})
        QVERIFY2(!typedPlaceOf(unknown), std::to_string(unknown).c_str());
}

QTEST_APPLESS_MAIN(TestTypedUnits)
#include "tst_typed_units.moc"
