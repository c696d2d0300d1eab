// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The table of unit names: the English one the build writes out is the one a run would build, and
// in every language's table each name finds its unit.

#include "english_name_table.h"
#include "name_sources.h"
#include "name_table.h"

#include <mezzurix/unit_names.h>

#include <QtTest>

#include <algorithm>

using namespace mezzurix;
using namespace mezzurix::names;

class TestNameTable : public QObject {
    Q_OBJECT
private slots:
    void writtenEnglishTableIsTheBuiltOne();
    void everyNameFindsItsUnit_data();
    void everyNameFindsItsUnit();
};

void TestNameTable::writtenEnglishTableIsTheBuiltOne()
{
    const TableSource source = tableSource(nullptr);
    const NameTable built(source.entries);
    QVERIFY(std::ranges::equal(english::bucketSlots(), built.bucketSlots()));
    QVERIFY(std::ranges::equal(english::starts(), built.starts()));
    QCOMPARE(english::text(), built.text());
    QCOMPARE(english::maxTokens(), source.maxTokens);
}

void TestNameTable::everyNameFindsItsUnit_data()
{
    QTest::addColumn<int>("language");  // into unitNameLanguages(), or -1 for English alone
    QTest::newRow("English") << -1;
    for (std::size_t i = 0; i < unitNameLanguages().size(); ++i)
        QTest::newRow(std::string(unitNameLanguages()[i]->code).c_str()) << int(i);
}

void TestNameTable::everyNameFindsItsUnit()
{
    QFETCH(int, language);
    const LanguageNames* names = language < 0 ? nullptr : unitNameLanguages()[std::size_t(language)];
    const TableSource source = tableSource(names);
    const NameTable built(source.entries);
    const NameTable written(english::bucketSlots(), english::starts(), english::text());
    const NameTable& table = names == nullptr ? written : built;
    for (std::size_t i = 0; i < source.entries.size(); ++i) {
        const NameTable::Entry& entry = source.entries[i];
        int unsupported = 0;
        const UnitMatch match = table.find(entry.text, &unsupported);
        const auto has = [&](std::span<const int> codes) { return std::ranges::find(codes, entry.code) != codes.end(); };
        const bool namedEarlier = std::any_of(source.entries.begin(), source.entries.begin() + std::ptrdiff_t(i),
                                              [&](const NameTable::Entry& e) { return e.text == entry.text; });
        // A known symbol the catalogue lacks is left out where an earlier name has its text.
        const bool found = entry.code < 0 ? unsupported == entry.code || namedEarlier
                                          : has(match.codes()) || has(match.others());
        if (!found)
            QFAIL(qPrintable(QStringLiteral("\"%1\" (%2) is not found").arg(QString::fromUtf8(entry.text.data(), int(entry.text.size()))).arg(entry.code)));
    }
}

QTEST_APPLESS_MAIN(TestNameTable)
#include "tst_name_table.moc"
