// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_record.h>
#include <mezzurix/useful_targets.h>

#include <QtTest>

#include <algorithm>
#include <map>
#include <set>

using namespace mezzurix;

class TestUsefulTargets : public QObject {
    Q_OBJECT

private slots:
    void everyOrderNamesUnitsOfItsOwnCategory();
    void everyUnitHasAnOrderLongEnoughToChooseAllItShows();
    void unknownUnitHasNoOrder();
};

namespace {

// Category index of every unit code.
std::map<int, std::size_t> categoryOfCodes()
{
    std::map<int, std::size_t> of;
    for (std::size_t c = 0; c < typedCategories().size(); ++c)
        for (const Unit& unit : typedCategories()[c].units)
            of.emplace(unit.code, c);
    return of;
}

// A search shows this many answers for a value with a from unit only.
constexpr std::size_t kShown = 5;

} // namespace

void TestUsefulTargets::everyOrderNamesUnitsOfItsOwnCategory()
{
    const std::map<int, std::size_t> categoryOf = categoryOfCodes();
    std::set<int> seen;
    for (const UsefulTargets& order : usefulTargetTable()) {
        const QByteArray from = QByteArray::number(order.fromCode);
        QVERIFY2(categoryOf.count(order.fromCode), from);
        QVERIFY2(seen.insert(order.fromCode).second, "two orders for " + from);
        const std::span<const int> into = usefulTargets(order.fromCode);
        QVERIFY2(!into.empty(), from);
        // The unused places come only after the used ones.
        QVERIFY2(std::all_of(order.intoCodes.begin() + std::ptrdiff_t(into.size()), order.intoCodes.end(),
                             [](int code) { return code == kNoUnit; }),
                 from);
        std::set<int> targets;
        for (const int code : into) {
            const QByteArray pair = from + " -> " + QByteArray::number(code);
            QVERIFY2(categoryOf.count(code), "no unit in " + pair);
            QVERIFY2(categoryOf.at(code) == categoryOf.at(order.fromCode), "another category in " + pair);
            QVERIFY2(code != order.fromCode, "the unit itself in " + pair);
            QVERIFY2(targets.insert(code).second, "twice in " + pair);
        }
    }
}

// What a search shows first is decided by the order alone, never by the list it falls back to.
void TestUsefulTargets::everyUnitHasAnOrderLongEnoughToChooseAllItShows()
{
    int units = 0;
    int windowUnits = 0;
    for (const Category& category : typedCategories())
        for (const Unit& unit : category.units) {
            const std::size_t wanted = std::min(kShown, category.units.size() - 1);
            QVERIFY2(usefulTargets(unit.code).size() >= wanted, qPrintable(QString::fromUtf8(unit.text.data(),
                                                                                             qsizetype(unit.text.size()))));
            ++units;
            windowUnits += inWindow(unit.code);
        }
    QCOMPARE(windowUnits, 81);
    QCOMPARE(std::size_t(units), unitRecords().size());
}

void TestUsefulTargets::unknownUnitHasNoOrder()
{
    QVERIFY(usefulTargets(kNoUnit).empty());
    QVERIFY(usefulTargets(9999).empty());
}

QTEST_GUILESS_MAIN(TestUsefulTargets)
#include "tst_useful_targets.moc"
