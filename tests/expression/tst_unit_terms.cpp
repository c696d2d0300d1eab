// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/catalogue_terms.h>
#include <mezzurix/composed_unit.h>
#include <mezzurix/definitions.h>
#include <mezzurix/term_conversion.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_prefixes.h>

#include <QTest>

#include <string>

using namespace mezzurix;

namespace {

UnitTerm unit(std::string symbol, Dimension dimension, std::string_view amount, UnitKind kind = UnitKind::None)
{
    UnitTerm term;
    term.symbol = std::move(symbol);
    term.dimension = dimension;
    term.amount = *ExactAmount::parse(amount);
    term.kind = kind;
    return term;
}

constexpr Dimension kLength({.length = 1});
constexpr Dimension kMass({.mass = 1});
constexpr Dimension kTime({.time = 1});
constexpr Dimension kEnergy({.length = 2, .mass = 1, .time = -2});
constexpr Dimension kTurnsPerTime({.time = -1, .cycles = 1});
constexpr Dimension kAnglePerTime({.time = -1, .angle = 1});

const UnitTerm kMeter = unit("m", kLength, "1");
const UnitTerm kKilometer = unit("km", kLength, "1000");
const UnitTerm kCentimeter = unit("cm", kLength, "0.01");
const UnitTerm kGram = unit("g", kMass, "0.001");
const UnitTerm kKilogram = unit("kg", kMass, "1");
const UnitTerm kSecond = unit("s", kTime, "1");
const UnitTerm kMinute = unit("min", kTime, "60");
const UnitTerm kHour = unit("h", kTime, "3600");
const UnitTerm kKilowatt = unit("kW", Dimension({.length = 2, .mass = 1, .time = -3}), "1000");
const UnitTerm kKilowattHour = unit("kWh", kEnergy, "3600000");
const UnitTerm kSpeed = unit("km/h", Dimension({.length = 1, .time = -1}), "1000/3600");
const UnitTerm kNewtonMeter = unit("N\u00B7m", kEnergy, "1", UnitKind::Torque);
const UnitTerm kJoule = unit("J", kEnergy, "1", UnitKind::Energy);
const UnitTerm kRpm = unit("rpm", kTurnsPerTime, "1/60");
const UnitTerm kRadianPerSecond = unit("rad/s", kAnglePerTime, "1");

ComposedUnit of(const UnitTerm& term)
{
    return ComposedUnit(term);
}

UnitTerm termOf(const std::optional<ComposedUnit>& unit)
{
    return *unit->term();
}

} // namespace

Q_DECLARE_METATYPE(UnitTerm)

class TestUnitTerms : public QObject {
    Q_OBJECT

private slots:
    void composedUnits_data();
    void composedUnits();
    void limitsAreRefused();
    void conversions_data();
    void conversions();
    void temperatureScalesKeepTheirOffsetsAlone();
    void everyCatalogueUnitIsATermOfItsCategory();
    void prefixFactors();
};

void TestUnitTerms::composedUnits_data()
{
    QTest::addColumn<UnitTerm>("term");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("amount");  // of the coherent unit, exactly

    const ComposedUnit cubicCentimeter = *of(kCentimeter).power(3);
    QTest::newRow("g/cm³") << termOf(of(kGram).dividedBy(cubicCentimeter)) << "g/cm\u00B3" << "1000";
    QTest::newRow("kg/(m·s²)") << termOf(of(kKilogram).dividedBy(*of(kMeter).times(*of(kSecond).power(2))))
                               << "kg/(m\u00B7s\u00B2)" << "1";
    QTest::newRow("kW·h") << termOf(of(kKilowatt).times(of(kHour))) << "kW\u00B7h" << "3600000";
    QTest::newRow("m·m") << termOf(of(kMeter).times(of(kMeter))) << "m\u00B2" << "1";
    QTest::newRow("s⁻¹") << termOf(ComposedUnit().dividedBy(of(kSecond))) << "s\u207B\u00B9" << "1";
    QTest::newRow("m⁻¹·s⁻¹") << termOf(ComposedUnit().dividedBy(*of(kMeter).times(of(kSecond))))
                             << "m\u207B\u00B9\u00B7s\u207B\u00B9" << "1";
    QTest::newRow("km/km") << termOf(of(kKilometer).dividedBy(of(kKilometer))) << "1" << "1";
    const ComposedUnit hundredKilometers = *ComposedUnit::number("100", ExactAmount::whole(100)).times(of(kKilometer));
    QTest::newRow("kWh/100 km") << termOf(of(kKilowattHour).dividedBy(hundredKilometers)) << "kWh/100 km" << "36";
    QTest::newRow("(km/h)·s") << termOf(of(kSpeed).times(of(kSecond))) << "(km/h)\u00B7s" << "5/18";
    QTest::newRow("J/(N·m)") << termOf(of(kJoule).dividedBy(of(kNewtonMeter))) << "J/(N\u00B7m)" << "1";
    QTest::newRow("(km/h)²") << termOf(of(kSpeed).power(2)) << "(km/h)\u00B2" << "25/324";
    QTest::newRow("min/km, cancelled back") << termOf(*of(kMinute).dividedBy(of(kKilometer))->times(of(kKilometer)))
                                            << "min" << "60";
}

void TestUnitTerms::composedUnits()
{
    QFETCH(UnitTerm, term);
    QFETCH(QString, symbol);
    QFETCH(QString, amount);
    QCOMPARE(QString::fromStdString(term.symbol), symbol);
    QCOMPARE(QString::fromStdString(term.amount.definitionText()), amount);
    // Within a composition the kinds are lost: N·m and J are one energy there.
    QVERIFY(term.kind == UnitKind::None);
}

void TestUnitTerms::limitsAreRefused()
{
    // Exponents stop at the dimension's limit, and a reciprocal unit composes with nothing.
    QVERIFY(of(kMeter).power(Dimension::kMaxExponent));
    QVERIFY(!of(kMeter).power(Dimension::kMaxExponent + 1));
    QVERIFY(!of(kMeter).power(Dimension::kMaxExponent)->times(of(kMeter)));
    UnitTerm litersPer100km = unit("L/100km", Dimension({.length = -2}), "100000/0.001");
    litersPer100km.reciprocal = true;
    QVERIFY(of(litersPer100km).term());
    QVERIFY(!of(litersPer100km).times(of(kMeter))->term());
    QVERIFY(!of(litersPer100km).power(2)->term());
}

void TestUnitTerms::conversions_data()
{
    QTest::addColumn<UnitTerm>("from");
    QTest::addColumn<UnitTerm>("into");
    QTest::addColumn<QString>("factor");  // empty for no conversion
    QTest::addColumn<bool>("reciprocal");

    const UnitTerm minutesPerKm = termOf(of(kMinute).dividedBy(of(kKilometer)));
    const UnitTerm kilowattHoursPer100km =
        termOf(of(kKilowattHour).dividedBy(*ComposedUnit::number("100", ExactAmount::whole(100)).times(of(kKilometer))));
    const UnitTerm kmPerKilowattHour = termOf(of(kKilometer).dividedBy(of(kKilowattHour)));
    const UnitTerm litersPerKm = unit("L/km", Dimension({.length = 2}), "0.000001");
    const UnitTerm kmPerLiter = unit("km/L", Dimension({.length = -2}), "1000000");
    const UnitTerm wattSecond = termOf(of(unit("W", kKilowatt.dimension, "1")).times(of(kSecond)));

    QTest::newRow("one quantity") << kKilometer << kCentimeter << "100000" << false;
    QTest::newRow("pace into speed") << minutesPerKm << kSpeed << "60" << true;
    QTest::newRow("speed into pace") << kSpeed << minutesPerKm << "60" << true;
    QTest::newRow("fuel used into distance driven") << litersPerKm << kmPerLiter << "1" << true;
    QTest::newRow("energy per distance into distance per energy")
        << kilowattHoursPer100km << kmPerKilowattHour << "100" << true;
    QTest::newRow("cycles into angles") << kRpm << kRadianPerSecond << "\u03C0/30" << false;
    QTest::newRow("angles into cycles") << kRadianPerSecond << kRpm << "30/\u03C0" << false;
    QTest::newRow("torque into energy") << kNewtonMeter << kJoule << "" << false;
    QTest::newRow("energy into torque") << kJoule << kNewtonMeter << "" << false;
    QTest::newRow("no kind into torque") << wattSecond << kNewtonMeter << "1" << false;
    QTest::newRow("no kind into energy") << wattSecond << kJoule << "1" << false;
    QTest::newRow("time per length is no length") << minutesPerKm << kMeter << "" << false;
    QTest::newRow("undeclared inverse") << kSecond << termOf(ComposedUnit().dividedBy(of(kSecond))) << "" << false;
    QTest::newRow("cycles alone are no angle per time") << kRpm << kSecond << "" << false;
}

void TestUnitTerms::conversions()
{
    QFETCH(UnitTerm, from);
    QFETCH(UnitTerm, into);
    QFETCH(QString, factor);
    QFETCH(bool, reciprocal);
    const std::optional<TermConversion> conversion = termConversion(from, into);
    QCOMPARE(conversion.has_value(), !factor.isEmpty());
    if (!conversion)
        return;
    QCOMPARE(QString::fromStdString(conversion->factor.definitionText()), factor);
    QCOMPARE(conversion->reciprocal, reciprocal);
    // There and back again is the identity, exactly.
    const std::optional<TermConversion> back = termConversion(into, from);
    QVERIFY(back);
    const ExactAmount x = *ExactAmount::parse("7/3");
    QCOMPARE(*convertTermExactly(*back, *convertTermExactly(*conversion, x)), x);
}

void TestUnitTerms::temperatureScalesKeepTheirOffsetsAlone()
{
    UnitTerm celsius = unit("\u00B0C", Dimension({.temperature = 1}), "1");
    celsius.offset = *ExactAmount::parse("273.15");
    UnitTerm fahrenheit = unit("\u00B0F", Dimension({.temperature = 1}), "5/9");
    fahrenheit.offset = *ExactAmount::parse("459.67");
    const std::optional<TermConversion> scales = termConversion(celsius, fahrenheit);
    QVERIFY(scales);
    QCOMPARE(*convertTermExactly(*scales, ExactAmount::whole(100)), ExactAmount::whole(212));
    QCOMPARE(*convertTermExactly(*scales, *ExactAmount::parse("-40")), *ExactAmount::parse("-40"));
    QCOMPARE(*convertTerm(*scales, 37.0), 98.6);
    // Per minute they are intervals: 100 °C/min is 180 °F/min.
    const std::optional<TermConversion> rates =
        termConversion(termOf(of(celsius).dividedBy(of(kMinute))), termOf(of(fahrenheit).dividedBy(of(kMinute))));
    QVERIFY(rates);
    QCOMPARE(*convertTermExactly(*rates, ExactAmount::whole(100)), ExactAmount::whole(180));
}

// Every unit of the catalogue reads as a term of its own category's dimension, and the symbols its
// prefixes stand before are among its names.
void TestUnitTerms::everyCatalogueUnitIsATermOfItsCategory()
{
    int units = 0;
    for (std::size_t c = 0; c < typedCategories().size(); ++c)
        for (const Unit& u : typedCategories()[c].units) {
            const CatalogueUnit* found = catalogueUnit(u.code);
            QVERIFY2(found, u.text.data());
            QCOMPARE(categoryHolding(found->term.dimension, found->term.kind), std::optional<std::size_t>(c));
            QVERIFY(found->term.amount.toDouble() > 0.0);
            const std::vector<UnitName> names = namesOf(u.code);
            // A unit read only with a prefix gives its bare symbol no name ("C" stays Celsius).
            const bool bareNamed = found->prefixForms.prefixes != Prefixes::SiOnlyPrefixed;
            for (std::string_view symbols = bareNamed ? found->prefixForms.symbols : std::string_view(); !symbols.empty();) {
                const std::string_view symbol = symbols.substr(0, symbols.find('|'));
                symbols.remove_prefix(std::min(symbols.size(), symbol.size() + 1));
                const bool named = std::any_of(names.begin(), names.end(), [&](const UnitName& n) {
                    return n.kind == NameKind::CaseSymbol ? n.text == symbol
                                                          : QString::fromUtf8(n.text.data(), qsizetype(n.text.size()))
                                                                    .compare(QString::fromUtf8(symbol.data(), qsizetype(symbol.size())),
                                                                             Qt::CaseInsensitive) == 0;
                });
                QVERIFY2(named, std::string(symbol).c_str());
            }
            QCOMPARE(found->prefixForms.symbols.empty(), found->prefixForms.prefixes == Prefixes::None);
            ++units;
        }
    QCOMPARE(std::size_t(units), unitDefinitions().size());
}

void TestUnitTerms::prefixFactors()
{
    // Every prefix is a power of its base, each spelling of one prefix the same power, and bits
    // and bytes take what IEC 80000-13 gives them.
    for (const auto& prefixes : {siPrefixes(), binaryPrefixes()})
        for (const UnitPrefix& p : prefixes) {
            const ExactAmount factor = prefixFactor(p);
            const ExactAmount expected = *ExactAmount::whole(p.base).power(p.exponent);
            QCOMPARE(factor, expected);
            for (const UnitPrefix& q : prefixes)
                if (p.word == q.word)
                    QCOMPARE(q.exponent, p.exponent);
            QCOMPARE(takesPrefix(Prefixes::Si, p), p.base == 10);
            QCOMPARE(takesPrefix(Prefixes::Bytes, p), p.base == 2);
            QCOMPARE(takesPrefix(Prefixes::Bits, p), p.base == 2 || p.exponent >= 3);
            QVERIFY(!takesPrefix(Prefixes::None, p));
        }
    QCOMPARE(siPrefixes().front().exponent, 30);
    QCOMPARE(siPrefixes().back().exponent, -30);
}

QTEST_APPLESS_MAIN(TestUnitTerms)
#include "tst_unit_terms.moc"
