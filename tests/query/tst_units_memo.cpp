// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A units part read again from the readings kept reads as it did the first time, and a reading
// kept under some options is never taken under others.

#include "units_memo.h"

#include <mezzurix/query.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_names.h>

#include <QtTest>

#include <string>

using namespace mezzurix;

namespace {

std::string describe(const QueryReading& reading)
{
    if (const auto* error = std::get_if<QueryError>(&reading))
        return "error " + std::string(errorKindName(error->kind));
    const Query& q = std::get<Query>(reading);
    return std::to_string(q.categoryIndex) + ":" + std::to_string(q.fromPosition) + ">" +
           (q.intoPosition ? std::to_string(*q.intoPosition) : "-") + " from " + std::to_string(q.fromSpan.offset) +
           "+" + std::to_string(q.fromSpan.length) + " into " + std::to_string(q.intoSpan.offset) + "+" +
           std::to_string(q.intoSpan.length) + " value " + q.valueText;
}

// The query read with nothing kept, and read again with its reading kept.
std::pair<std::string, std::string> coldAndWarm(const std::string& text, const QueryOptions& options = {})
{
    units_memo::clear();
    const std::string cold = describe(readQuery(text, options));
    return {cold, describe(readQuery(text, options))};
}

} // namespace

class TestUnitsMemo : public QObject {
    Q_OBJECT
private slots:
    void everyPairReadsAgainAsAtFirst();
    void anotherValueKeepsTheUnitsWhereTheyStand();
    void optionsThatChangeTheReadingAreNotCrossed();
    void unitsPartsOfOneHashAreToldApart();
};

void TestUnitsMemo::everyPairReadsAgainAsAtFirst()
{
    // Every pair of units of each category, by list text, in a few phrasings.
    int kept = 0;
    for (const Category& category : typedCategories())
        for (const Unit& from : category.units)
            for (const Unit& into : category.units)
                for (const char* form : {"1.5 %1 to %2", "2 %1 in %2?", "convert 3 %1 -> %2"}) {
                    const QString text = QString::fromUtf8(form).arg(QString::fromUtf8(from.text.data(), int(from.text.size())),
                                                                     QString::fromUtf8(into.text.data(), int(into.text.size())));
                    const auto [cold, warm] = coldAndWarm(text.toStdString());
                    QVERIFY2(cold == warm, qPrintable(text + ": " + QString::fromStdString(cold) + " then " +
                                                      QString::fromStdString(warm)));
                    kept += cold.starts_with("error") ? 0 : 1;
                }
    qInfo("%d readings kept", kept);
    QVERIFY(kept > 0);
}

void TestUnitsMemo::anotherValueKeepsTheUnitsWhereTheyStand()
{
    units_memo::clear();
    const QueryReading first = readQuery("1 in to ft");
    const QueryReading second = readQuery("  -12,345.5e2 in to ft");
    const Query& a = std::get<Query>(first);
    const Query& b = std::get<Query>(second);
    QCOMPARE(b.valueText, std::string("-12345.5e2"));
    QCOMPARE(b.categoryIndex, a.categoryIndex);
    QCOMPARE(b.fromPosition, a.fromPosition);
    QCOMPARE(b.intoPosition, a.intoPosition);
    QCOMPARE(b.fromSpan.offset, std::size_t(14));
    QCOMPARE(b.fromSpan.length, std::size_t(2));
    QCOMPARE(b.intoSpan.offset, std::size_t(20));
    QCOMPARE(b.intoSpan.length, std::size_t(2));
}

void TestUnitsMemo::optionsThatChangeTheReadingAreNotCrossed()
{
    // Pound-force feet are a unit of Torque and one of Energy; joules are Energy's alone.
    units_memo::clear();
    QVERIFY(std::holds_alternative<Query>(readQuery("1 lbf ft to J")));
    const auto torque = std::find_if(typedCategories().begin(), typedCategories().end(),
                                     [](const Category& c) { return c.name == "Torque"; });
    QVERIFY(torque != typedCategories().end());
    QueryOptions torqueOnly;
    torqueOnly.category = std::size_t(torque - typedCategories().begin());
    QVERIFY(std::holds_alternative<QueryError>(readQuery("2 lbf ft to J", torqueOnly)));

    // A unit named in a language, then the same query without it.
    for (const LanguageNames* language : unitNameLanguages()) {
        const UnitName& name = language->names.front();
        const std::string text = "1 " + std::string(name.text) + " to " + std::string(name.text);
        QueryOptions in;
        in.language = std::string(language->code);
        units_memo::clear();
        const QueryReading translated = readQuery(text, in);
        QVERIFY2(std::holds_alternative<Query>(translated), text.c_str());
        // Read in this order: coldAndWarm() forgets what the language's reading left.
        const std::string afterLanguage = describe(readQuery(text));
        const std::string withNothingKept = coldAndWarm(text).first;
        QVERIFY2(afterLanguage == withNothingKept,
                 (text + ": " + afterLanguage + " after the language, " + withNothingKept + " alone").c_str());
    }
}

void TestUnitsMemo::unitsPartsOfOneHashAreToldApart()
{
    // Two units parts of one length whose hashes agree (found by a search over case and blanks):
    // the second falls in the first one's slot, and must be read, not taken from it.
    const std::string first = "1 MeTeRS\tTO INChES";
    const std::string second = "1\tINChEs\ttO\tMEteRs";
    units_memo::clear();
    const std::string alone = describe(readQuery(second));
    QVERIFY2(!alone.starts_with("error") && alone != describe(readQuery(first)), alone.c_str());
    units_memo::clear();
    QVERIFY(std::holds_alternative<Query>(readQuery(first)));
    QCOMPARE(describe(readQuery(second)), alone);
}

QTEST_GUILESS_MAIN(TestUnitsMemo)
#include "tst_units_memo.moc"
