// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/dimension.h>

#include <QTest>

#include <limits>

using mezzurix::BaseQuantity;
using mezzurix::Dimension;

Q_DECLARE_METATYPE(Dimension)

namespace {

constexpr BaseQuantity kBases[] = {BaseQuantity::Length,      BaseQuantity::Mass,
                                   BaseQuantity::Time,        BaseQuantity::Current,
                                   BaseQuantity::Temperature, BaseQuantity::Amount,
                                   BaseQuantity::LuminousIntensity, BaseQuantity::Information,
                                   BaseQuantity::Angle,       BaseQuantity::Cycles};

// The operations are usable while compiling, for declarations.
constexpr Dimension kLength = Dimension::of(BaseQuantity::Length);
constexpr Dimension kVelocity = *kLength.dividedBy(Dimension::of(BaseQuantity::Time));
static_assert(kVelocity == Dimension({.length = 1, .time = -1}));
static_assert(Dimension().isDimensionless() && !kVelocity.isDimensionless());

} // namespace

class TestDimension : public QObject {
    Q_OBJECT

private slots:
    void operationsAddExponentsOfEveryBase();
    void exponentsBeyondTheLimitAreRefused();
    void text_data();
    void text();
};

// For every pair of bases and every pair of powers within the limit: times adds the exponents,
// dividedBy subtracts them, and each undoes the other.
void TestDimension::operationsAddExponentsOfEveryBase()
{
    QCOMPARE(std::size(kBases), mezzurix::kBaseQuantityCount);
    constexpr int kRange = 4;
    for (const BaseQuantity a : kBases)
        for (const BaseQuantity b : kBases)
            for (int m = -kRange; m <= kRange; ++m)
                for (int n = -kRange; n <= kRange; ++n) {
                    const Dimension x = *Dimension::of(a).power(m);
                    const Dimension y = *Dimension::of(b).power(n);
                    const Dimension product = *x.times(y);
                    const Dimension quotient = *x.dividedBy(y);
                    for (const BaseQuantity base : kBases) {
                        const int expected = (base == a ? m : 0) + (base == b ? n : 0);
                        QCOMPARE(product.exponent(base), expected);
                        QCOMPARE(quotient.exponent(base), (base == a ? m : 0) - (base == b ? n : 0));
                    }
                    QCOMPARE(*product.dividedBy(y), x);
                    QCOMPARE(*quotient.times(y), x);
                    QCOMPARE(product.isDimensionless(), a == b ? m + n == 0 : m == 0 && n == 0);
                    QCOMPARE(*product.power(2), *product.times(product));
                    QCOMPARE(*product.power(-1), *Dimension().dividedBy(product));
                }
}

void TestDimension::exponentsBeyondTheLimitAreRefused()
{
    constexpr int kMax = Dimension::kMaxExponent;
    const Dimension time = Dimension::of(BaseQuantity::Time);
    const Dimension top = *time.power(kMax);
    QCOMPARE(top.exponent(BaseQuantity::Time), kMax);
    QCOMPARE(time.power(-kMax)->exponent(BaseQuantity::Time), -kMax);
    QVERIFY(!time.power(kMax + 1) && !time.power(-kMax - 1));
    QVERIFY(!top.times(time) && !time.power(-kMax)->dividedBy(time));
    QVERIFY(!top.power(2) && !top.power(-2));
    // Products that would overflow an int on the way.
    for (const int n : {std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), 1 << 30})
        QVERIFY(!time.power(n) && !top.power(n));
    QCOMPARE(*top.power(0), Dimension());
    QCOMPARE(*Dimension().power(std::numeric_limits<int>::min()), Dimension());
}

void TestDimension::text_data()
{
    QTest::addColumn<Dimension>("dimension");
    QTest::addColumn<QString>("text");

    QTest::newRow("dimensionless") << Dimension() << "1";
    QTest::newRow("area") << Dimension({.length = 2}) << "m²";
    QTest::newRow("density") << Dimension({.length = -3, .mass = 1}) << "kg/m³";
    QTest::newRow("energy") << Dimension({.length = 2, .mass = 1, .time = -2}) << "kg·m²/s²";
    QTest::newRow("specific heat") << Dimension({.length = 2, .time = -2, .temperature = -1}) << "m²/(s²·K)";
    QTest::newRow("dynamic viscosity") << Dimension({.length = -1, .mass = 1, .time = -1}) << "kg/(m·s)";
    QTest::newRow("frequency") << Dimension({.time = -1, .cycles = 1}) << "cycle/s";
    QTest::newRow("per second") << Dimension({.time = -1}) << "s⁻¹";
    QTest::newRow("only negative") << Dimension({.length = -1, .time = -12}) << "m⁻¹·s⁻¹²";
    QTest::newRow("data rate") << Dimension({.time = -1, .information = 1}) << "bit/s";
    QTest::newRow("every base") << Dimension({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}) << "kg·m·s·A·K·mol·cd·bit·rad·cycle";
    QTest::newRow("luminous efficacy") << Dimension({.length = -2, .mass = -1, .time = 3, .luminousIntensity = 1})
                                       << "s³·cd/(kg·m²)";
}

void TestDimension::text()
{
    QFETCH(Dimension, dimension);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(dimension.text()), text);
}

QTEST_APPLESS_MAIN(TestDimension)
#include "tst_dimension.moc"
