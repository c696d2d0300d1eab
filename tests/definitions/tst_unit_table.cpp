// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The unit table as a whole: every record complete and consistent with its category, the window's
// units exactly where its lists and its conversion table have them, no name standing for two
// units, and every category's SI unit of its dimension.

#include <mezzurix/catalogue.h>
#include <mezzurix/conversion_table.h>
#include <mezzurix/exact_amount.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>
#include <mezzurix/useful_targets.h>

#include <QtTest>

#include <map>
#include <set>
#include <string>
#include <vector>

using namespace mezzurix;

namespace {

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

// The pieces of a list of names ("ft|feet") or of targets ("meter inch").
std::vector<std::string_view> pieces(std::string_view list, char separator)
{
    std::vector<std::string_view> all;
    while (!list.empty()) {
        const std::size_t at = list.find(separator);
        all.push_back(list.substr(0, at));
        list.remove_prefix(at == std::string_view::npos ? list.size() : at + 1);
    }
    return all;
}

// Coherent SI units with a name of their own, as categories write them, and their dimensions.
struct NamedUnit {
    std::string_view symbol;
    Dimension dimension;
};
constexpr NamedUnit kNamedUnits[] = {
    {"N", Dimension({.length = 1, .mass = 1, .time = -2})},
    {"J", Dimension({.length = 2, .mass = 1, .time = -2})},
    {"N·m", Dimension({.length = 2, .mass = 1, .time = -2})},
    {"W", Dimension({.length = 2, .mass = 1, .time = -3})},
    {"Pa", Dimension({.length = -1, .mass = 1, .time = -2})},
    {"lx", Dimension({.length = -2, .luminousIntensity = 1})},
    {"m/m³", Dimension({.length = -2})},  // distance per volume of fuel
    {"Hz", Dimension({.time = -1, .cycles = 1})},
    {"V", Dimension({.length = 2, .mass = 1, .time = -3, .current = -1})},
    {"Ω", Dimension({.length = 2, .mass = 1, .time = -3, .current = -2})},
    {"C", Dimension({.time = 1, .current = 1})},
    {"F", Dimension({.length = -2, .mass = -1, .time = 4, .current = 2})},
};

// A name as the reader compares it: exact-case symbols as they are, every other name with its
// case folded.
struct ReadName {
    const UnitRecord* unit;
    std::string_view text;
    bool exactCase;
    bool translated = false;  // a name of the user's language, which wins over English ones
};

void addNames(std::vector<ReadName>& names, const UnitRecord& unit, std::string_view list, bool exactCase)
{
    for (const std::string_view text : pieces(list, '|'))
        names.push_back({&unit, text, exactCase});
}

// Every name of English, the list texts included, and those of `language` when given, with its
// display names.
std::vector<ReadName> namesRead(const LanguageNames* language)
{
    std::vector<ReadName> names;
    for (const UnitRecord& unit : unitRecords()) {
        addNames(names, unit, listText(unit), false);
        if (readsBareSymbols(unit))
            addNames(names, unit, unit.symbols, true);
        addNames(names, unit, unit.abbreviations, false);
        addNames(names, unit, unit.names, false);
    }
    if (language != nullptr) {
        for (const UnitName& name : language->names)
            names.push_back({findUnitRecord(name.unitCode), name.text, name.kind == NameKind::CaseSymbol, true});
        // What answers show is read back too.
        for (const DisplayName& shown : language->displayNames)
            for (const std::string_view text : {shown.singular, shown.plural})
                names.push_back({findUnitRecord(shown.unitCode), text, false, true});
    }
    return names;
}

// One unit in two categories of one dimension that people keep apart (the pound-force foot of
// torque and of energy): one name may stand for both, as the other unit of a query decides.
bool sameUnitOfTwoKinds(const UnitRecord& a, const UnitRecord& b)
{
    const CategoryRecord* one = findCategoryRecord(a.category);
    const CategoryRecord* other = findCategoryRecord(b.category);
    return one->dimension == other->dimension && one->kind != other->kind &&
           unitAmount(a) == unitAmount(b);
}

} // namespace

class TestUnitTable : public QObject {
    Q_OBJECT

private slots:
    void everyRecordIsComplete_data();
    void everyRecordIsComplete();
    void everyKeyAndCodeNamesOneUnit();
    void amountsNameOtherUnits_data();
    void amountsNameOtherUnits();
    void windowUnitsStayWhereTheWindowHasThem();
    void noNameStandsForTwoUnits_data();
    void noNameStandsForTwoUnits();
    void everyCategoryCountsInTheSiUnitOfItsDimension_data();
    void everyCategoryCountsInTheSiUnitOfItsDimension();
};

void TestUnitTable::everyRecordIsComplete_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < unitRecords().size(); ++i)
        QTest::newRow(bytes(unitRecords()[i].key).constData()) << int(i);
}

void TestUnitTable::everyRecordIsComplete()
{
    QFETCH(int, row);
    const UnitRecord& unit = unitRecords()[std::size_t(row)];
    QVERIFY(!unit.key.empty());
    for (const char c : unit.key)
        QVERIFY2((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_', "a key is lower case");
    QVERIFY(findCategoryRecord(unit.category) != nullptr);

    const std::optional<ExactAmount> amount = unitAmount(unit);
    QVERIFY2(amount && amount->numerator() > 0, "a positive exact amount");
    QVERIFY(unit.offset.empty() || ExactAmount::parse(unit.offset));
    QVERIFY(!unit.singular.empty() && !unit.plural.empty() && !unit.description.empty());
    // Only a unit the window does not show may count the other way round.
    QVERIFY(!unit.reciprocal || unit.window.code < 0);
    QVERIFY(unit.window.code < 0 || !unit.window.caption.empty());

    const std::vector<std::string_view> targets = pieces(unit.targets, ' ');
    QVERIFY(!targets.empty() && targets.size() <= kMaxUsefulTargets);
    std::set<std::string_view> seen;
    for (const std::string_view key : targets) {
        const UnitRecord* target = findUnitRecord(key);
        QVERIFY2(target != nullptr, bytes(key));
        QVERIFY2(target->category == unit.category, bytes(key) + " of another category");
        QVERIFY2(target != &unit, "a unit's own target");
        QVERIFY2(seen.insert(key).second, bytes(key) + " twice");
    }
}

void TestUnitTable::everyKeyAndCodeNamesOneUnit()
{
    std::set<int> codes;
    for (const UnitRecord& unit : unitRecords()) {
        QCOMPARE(findUnitRecord(unit.key), &unit);
        const int code = unitCode(unit);
        QVERIFY2(codes.insert(code).second, bytes(unit.key));
        QCOMPARE(findUnitRecord(code), &unit);
        QCOMPARE(inWindow(code), unit.window.code >= 0);
    }
    QCOMPARE(unitCode("no_such_unit"), -1);
    QVERIFY(findUnitRecord("") == nullptr && findUnitRecord(-1) == nullptr && findUnitRecord(8) == nullptr);
}

void TestUnitTable::amountsNameOtherUnits_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("exact");  // as a definition writes it; empty: refused
    QTest::newRow("a key times a number") << "foot*6" << "1143/625";
    QTest::newRow("a key over a number") << "year/12" << "2629800";
    QTest::newRow("with pi") << "foot*648000/pi" << "987552/(5\u00b7\u03c0)";
    QTest::newRow("a number times a key") << "2\u00b7inch" << "127/2500";
    QTest::newRow("over a key") << "1/foot" << "1250/381";
    QTest::newRow("no unit's key") << "fathoms*2" << "";
    QTest::newRow("no factor after the operator") << "foot*" << "";
    QTest::newRow("a key in upper case") << "Foot*6" << "";
}

// A factor of an amount may be another unit's key, standing for that unit's amount.
void TestUnitTable::amountsNameOtherUnits()
{
    QFETCH(QString, amount);
    QFETCH(QString, exact);
    const std::string text = amount.toStdString();
    const UnitRecord unit{.key = "test", .category = "distance", .amount = text};
    const std::optional<ExactAmount> read = unitAmount(unit);
    QCOMPARE(read.has_value(), !exact.isEmpty());
    if (read)
        QCOMPARE(QString::fromStdString(read->definitionText()), exact);
}

// Each window record is its list's unit at its position, with its code and caption, and every
// pair of a category's window units is one entry of the conversion table.
void TestUnitTable::windowUnitsStayWhereTheWindowHasThem()
{
    std::set<std::string> tablePairs;
    for (const Entry& entry : conversionTable())
        tablePairs.emplace(entry.pairCode);
    std::set<std::string> recordPairs;
    std::size_t windowUnits = 0;
    for (const Category& category : categories()) {
        std::vector<const UnitRecord*> listed;
        for (const UnitRecord& unit : unitRecords())
            if (unit.window.code >= 0 && findCategoryRecord(unit.category)->name == category.name)
                listed.push_back(&unit);
        QCOMPARE(listed.size(), category.units.size());
        for (std::size_t p = 0; p < listed.size(); ++p) {
            // Codes grow with the list position (Liters is 690, after Gallons' 69).
            QVERIFY(p == 0 || listed[p - 1]->window.code < listed[p]->window.code);
            QCOMPARE(category.units[p].code, listed[p]->window.code);
            QCOMPARE(category.units[p].text, listed[p]->window.caption);
            for (const UnitRecord* into : listed)
                recordPairs.insert(pairCode(listed[p]->window.code, into->window.code));
        }
        windowUnits += listed.size();
    }
    QCOMPARE(windowUnits, std::size_t(81));
    QCOMPARE(categories().size(), std::size_t(14));
    QCOMPARE(recordPairs.size(), std::size_t(521));
    QVERIFY(recordPairs == tablePairs);
}

void TestUnitTable::noNameStandsForTwoUnits_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QString();
    for (const LanguageNames* language : unitNameLanguages())
        QTest::newRow(bytes(language->code).constData()) << QString::fromUtf8(bytes(language->code));
}

// Within English and each language: two exact-case symbols of two units differ in their exact
// text, and any other name differs from every name of another unit in its folded case, but for a
// name of the language, which wins over an English one.
void TestUnitTable::noNameStandsForTwoUnits()
{
    QFETCH(QString, language);
    const std::vector<ReadName> names = namesRead(findNameLanguage(language.toStdString()));
    std::map<QString, std::vector<const ReadName*>> byFolded;
    for (const ReadName& name : names)
        byFolded[QString::fromUtf8(bytes(name.text)).toCaseFolded()].push_back(&name);
    for (const auto& [folded, same] : byFolded)
        for (const ReadName* a : same)
            for (const ReadName* b : same) {
                if (a->unit == b->unit || (a->exactCase && b->exactCase && a->text != b->text))
                    continue;
                // The language's name is read, the English one of another unit is not ("Grad").
                if (a->translated != b->translated && !a->exactCase && !b->exactCase)
                    continue;
                QVERIFY2(sameUnitOfTwoKinds(*a->unit, *b->unit),
                         bytes(a->text) + " of " + bytes(a->unit->key) + " and " + bytes(b->text) + " of " +
                             bytes(b->unit->key));
            }
}

void TestUnitTable::everyCategoryCountsInTheSiUnitOfItsDimension_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < categoryRecords().size(); ++i)
        QTest::newRow(bytes(categoryRecords()[i].key).constData()) << int(i);
}

// Amounts count the category's SI unit, so a unit's amount agrees with its category's dimension
// when that unit is the coherent unit of the dimension.
void TestUnitTable::everyCategoryCountsInTheSiUnitOfItsDimension()
{
    QFETCH(int, row);
    const CategoryRecord& category = categoryRecords()[std::size_t(row)];
    bool named = false;
    for (const NamedUnit& unit : kNamedUnits)
        named = named || (unit.symbol == category.siUnit && unit.dimension == category.dimension);
    QVERIFY2(named || category.siUnit == category.dimension.text(),
             bytes(category.siUnit) + " against " + QByteArray::fromStdString(category.dimension.text()));
    std::size_t units = 0;
    for (const UnitRecord& unit : unitRecords())
        units += unit.category == category.key ? 1 : 0;
    QVERIFY(units > 1);
    // The window's categories first, in its menu's order; only the others describe themselves.
    QCOMPARE(category.description.empty(), row < int(categories().size()));
    if (row < int(categories().size()))
        QCOMPARE(category.name, categories()[std::size_t(row)].name);
}

QTEST_GUILESS_MAIN(TestUnitTable)
#include "tst_unit_table.moc"
