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

namespace {

std::string swappedCase(std::string_view text)
{
    std::string swapped(text);
    for (char& c : swapped)
        c = c >= 'a' && c <= 'z' ? char(c - 32) : c >= 'A' && c <= 'Z' ? char(c + 32) : c;
    return swapped;
}

QString quoted(std::string_view text, int code)
{
    return QStringLiteral("\"%1\" (%2)").arg(QString::fromUtf8(text.data(), int(text.size()))).arg(code);
}

} // namespace

void TestNameTable::everyNameFindsItsUnit()
{
    QFETCH(int, language);
    const LanguageNames* names = language < 0 ? nullptr : unitNameLanguages()[std::size_t(language)];
    const TableSource source = tableSource(names);
    const NameTable built(source.entries);
    const NameTable written(english::bucketSlots(), english::starts(), english::text());
    const NameTable& table = names == nullptr ? written : built;
    using Tier = NameTable::Tier;
    for (std::size_t i = 0; i < source.entries.size(); ++i) {
        const NameTable::Entry& entry = source.entries[i];
        const auto has = [&](std::span<const int> codes) { return std::ranges::find(codes, entry.code) != codes.end(); };
        if (entry.code < 0) {
            // A known symbol the catalogue lacks is left out where an earlier name has its text.
            int unsupported = 0;
            table.find(entry.text, &unsupported);
            const bool namedEarlier = std::any_of(source.entries.begin(), source.entries.begin() + std::ptrdiff_t(i),
                                                  [&](const NameTable::Entry& e) { return e.text == entry.text; });
            if (unsupported != entry.code && !namedEarlier)
                QFAIL(qPrintable(quoted(entry.text, entry.code) + " is no known symbol"));
            continue;
        }
        // As written, a name reads as its unit; another reading only where it names it on the
        // other side, or is English beside the language's own name.
        const UnitMatch exact = table.findExact(entry.text);
        if (!has(exact.codes()) && !((entry.otherSide || (names != nullptr && !entry.translated)) && has(exact.others())))
            QFAIL(qPrintable(quoted(entry.text, entry.code) + " is not found as written"));
        if (names != nullptr || entry.otherSide)
            continue;
        // In another case, a name whose case means nothing still reads in full; a symbol whose
        // case means something reads at most as the one unit of another case.
        const std::string other = swappedCase(entry.text);
        if (other == entry.text)
            continue;
        Tier tier = Tier::None;
        table.find(other, nullptr, &tier);
        if (!entry.exactCase && tier != Tier::Exact && tier != Tier::Loose)
            QFAIL(qPrintable(quoted(entry.text, entry.code) + " is not read in another case"));
        const bool spelledSo = std::any_of(source.entries.begin(), source.entries.end(),
                                           [&](const NameTable::Entry& e) { return e.text == other; });
        if (entry.exactCase && !spelledSo && tier != Tier::CaseFree && tier != Tier::None)
            QFAIL(qPrintable(quoted(entry.text, entry.code) + " is read as a name in another case"));
    }
}

QTEST_APPLESS_MAIN(TestNameTable)
#include "tst_name_table.moc"
