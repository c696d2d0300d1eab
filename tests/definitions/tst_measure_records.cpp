// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The units of angle, frequency, rates, density, acceleration, pace and electricity against facts
// written independently of their records: each row states how many of one unit make another, from
// the units' definitions, and must hold exactly.

#include <mezzurix/exact_amount.h>
#include <mezzurix/unit_record.h>

#include <QTest>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

using namespace mezzurix;

namespace {

struct Relation {
    const char* from;
    const char* into;
    const char* intoPerFrom;  // exact, as ExactAmount::parse reads it
};

constexpr Relation kRelations[] = {
    // Angle
    {"turn", "degree", "360"},
    {"turn", "gradian", "400"},
    {"radian", "degree", "180/pi"},
    {"degree", "arcminute", "60"},
    {"arcminute", "arcsecond", "60"},
    {"turn", "radian", "2*pi"},
    // Frequency: a hertz is one cycle per second
    {"hertz", "revolution_per_minute", "60"},
    {"revolution_per_second", "hertz", "1"},
    {"kilohertz", "hertz", "1000"},
    {"megahertz", "kilohertz", "1000"},
    {"gigahertz", "megahertz", "1000"},
    // Angular velocity
    {"radian_per_second", "degree_per_second", "180/pi"},
    // Data rate: 8 bits a byte, binary memory multiples
    {"byte_per_second", "bit_per_second", "8"},
    {"kilobit_per_second", "bit_per_second", "1000"},
    {"megabit_per_second", "kilobit_per_second", "1000"},
    {"gigabit_per_second", "megabit_per_second", "1000"},
    {"kilobyte_per_second", "byte_per_second", "1024"},
    {"megabyte_per_second", "kilobyte_per_second", "1024"},
    {"gigabyte_per_second", "megabyte_per_second", "1024"},
    // Density: a liter is a cubic decimeter, a US gallon 231 cubic inches, a pound 16 ounces
    {"gram_per_cubic_centimeter", "kilogram_per_cubic_meter", "1000"},
    {"gram_per_milliliter", "gram_per_cubic_centimeter", "1"},
    {"kilogram_per_liter", "gram_per_milliliter", "1"},
    {"pound_per_cubic_foot", "kilogram_per_cubic_meter", "0.45359237/0.3048/0.3048/0.3048"},
    {"pound_per_us_gallon", "pound_per_cubic_foot", "1728/231"},
    {"ounce_per_cubic_inch", "pound_per_cubic_foot", "1728/16"},
    // Acceleration
    {"standard_gravity", "foot_per_second_squared", "980665/30480"},
    {"foot_per_second_squared", "meter_per_second_squared", "0.3048"},
    {"meter_per_second_squared", "galileo", "100"},
    // Pace
    {"minute_per_kilometer", "second_per_kilometer", "60"},
    {"second_per_kilometer", "second_per_100_meters", "0.1"},
    {"minute_per_mile", "minute_per_kilometer", "1/1.609344"},
    // Electricity
    {"kilohm", "ohm", "1000"},
    {"megohm", "kilohm", "1000"},
    {"ampere_hour", "coulomb", "3600"},
    {"ampere_hour", "milliampere_hour", "1000"},
    {"ampere", "milliampere", "1000"},
    {"volt", "millivolt", "1000"},
    {"kilovolt", "millivolt", "1000000"},
    {"farad", "microfarad", "1000000"},
    {"microfarad", "nanofarad", "1000"},
    {"nanofarad", "picofarad", "1000"},
};

// Every unit of these categories must be in a relation above.
constexpr std::string_view kCategories[] = {
    "angle", "frequency", "angular_velocity", "data_rate", "density", "acceleration", "pace",
    "current", "voltage", "resistance", "charge", "capacitance",
};

ExactAmount amountOf(const char* key)
{
    const UnitRecord* record = findUnitRecord(key);
    if (record == nullptr)
        qFatal("no unit record %s", key);
    return unitAmount(*record).value();
}

} // namespace

class TestMeasureRecords : public QObject {
    Q_OBJECT

private slots:
    void relationHoldsExactly_data();
    void relationHoldsExactly();
    void everyUnitIsInARelation();
};

void TestMeasureRecords::relationHoldsExactly_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("into");
    QTest::addColumn<QByteArray>("intoPerFrom");
    for (const Relation& r : kRelations)
        QTest::addRow("%s in %s", r.from, r.into) << QByteArray(r.from) << QByteArray(r.into) << QByteArray(r.intoPerFrom);
}

void TestMeasureRecords::relationHoldsExactly()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, into);
    QFETCH(QByteArray, intoPerFrom);
    const std::optional<ExactAmount> ratio = amountOf(from.constData()) / amountOf(into.constData());
    QVERIFY(ratio.has_value());
    QCOMPARE(QString::fromStdString(ratio->definitionText()),
             QString::fromStdString(ExactAmount::parse(intoPerFrom.toStdString()).value().definitionText()));
}

void TestMeasureRecords::everyUnitIsInARelation()
{
    std::set<std::string_view> related;
    for (const Relation& r : kRelations) {
        related.insert(r.from);
        related.insert(r.into);
    }
    int units = 0;
    for (const UnitRecord& unit : unitRecords()) {
        if (std::find(std::begin(kCategories), std::end(kCategories), unit.category) == std::end(kCategories))
            continue;
        ++units;
        QVERIFY2(related.contains(unit.key), qPrintable(QString::fromUtf8(unit.key.data(), unit.key.size())));
    }
    QVERIFY(units > 0);
}

QTEST_APPLESS_MAIN(TestMeasureRecords)
#include "tst_measure_records.moc"
