// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/catalogue.h>
#include <mezzurix/everyday_units.h>
#include <mezzurix/query_typing.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include <QtTest>

#include <string>

using namespace mezzurix;

namespace {

bool continuesUtf8(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The unit's list text; a composed from unit as the query writes it.
std::string textOf(const Query& query)
{
    if (query.fromTerm && !query.intoPosition)
        return canonicalText(query);
    return std::string(query.category().units[query.intoPosition.value_or(query.fromPosition)].text);
}

} // namespace

class TestQueryTyping : public QObject {
    Q_OBJECT
private slots:
    void everyNameCutFindsItsUnit();
    void typingSequences_data();
    void typingSequences();
    void bothCategoriesOfASharedName();
    void everydayUnitsGuessedBeforeOthers();
    void fits_data();
    void fits();
};

// Every name of every unit, typed as the into unit and cut after each character, offers that unit.
void TestQueryTyping::everyNameCutFindsItsUnit()
{
    int checked = 0;
    for (const Category& category : categories())
        for (const Unit& unit : category.units) {
            const Unit& from = category.units[0].code != unit.code ? category.units[0] : category.units[1];
            const std::string head = "2 " + std::string(from.text) + " to ";
            for (const UnitName& name : namesOf(unit.code))
                for (std::size_t cut = 1; cut <= name.text.size(); ++cut) {
                    if (cut < name.text.size() && continuesUtf8(name.text[cut]))
                        continue;
                    if (name.text[cut - 1] == ' ')
                        continue;  // a finished word: the next one decides
                    const std::string typed = head + std::string(name.text.substr(0, cut));
                    const auto reading = readWhileTyping(typed);
                    const auto* queries = std::get_if<std::vector<Query>>(&reading);
                    QVERIFY2(queries != nullptr, typed.c_str());
                    const bool offered = std::any_of(queries->begin(), queries->end(), [&](const Query& q) {
                        return q.intoPosition && q.intoCode() == unit.code;
                    });
                    QVERIFY2(offered, typed.c_str());
                    ++checked;
                }
        }
    QVERIFY(checked > 1000);
}

// What each step of typing offers first, and how many units it offers.
void TestQueryTyping::typingSequences_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("first");  // the into unit, or the from unit where none is named
    QTest::addColumn<int>("count");

    const auto row = [](const char* text, const char* first, int count) {
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(first) << count;
    };
    row("24 in", "Inches", 1);
    row("24 in t", "Inches", 1);
    row("24 in to", "Inches", 1);
    row("24 in to f", "Feet", 3);  // then Fathoms and Furlongs
    row("24 in to ft", "Feet", 1);
    row("24 in to inc", "Inches", 1);  // into the from unit itself, which nothing else begins
    row("24 in to m", "Meters", 6);  // then Millimeters, Miles, Micrometers, Megaparsecs and Thou
    row("5 kg to p", "Pounds(avdp)", 1);
    row("5 kg to po", "Pounds(avdp)", 1);
    row("5 kg to pou", "Pounds(avdp)", 1);
    row("5 kg to poun", "Pounds(avdp)", 1);
    row("5 kg to pound", "Pounds(avdp)", 1);
    row("5 kg to pounds", "Pounds(avdp)", 1);
    row("72 °F to °", "Celsius", 3);  // then Kelvin and Rankine
    row("72 °F to °C", "Celsius", 1);
    row("100 km/", "Kilometers/hour", 1);  // the everyday one of it and Kilometers/liter
    row("5 ga", "Gallons", 1);
    row("1 cu", "US cups", 1);
    row("60 mp", "Miles/hour", 1);
    row("2000 sq", "Sq Feet", 1);
    row("2 an", "", 0);  // half of "2 and"; no everyday unit starts so
    row("40 nm t", "Nanometers", 1);  // a separator being typed, not nm times tonnes
    row("8 lbs 6", "Pounds(avdp)", 1);  // the next part being typed
    row("2 cups of w", "US cups", 1);
    row("30 mph w", "Miles/hour", 1);
    row("24 in to xyz", "", 0);  // past the separator, words name the into unit
    row("40 nm to ft-", "Pound-force/foot(Foot pounds)", 2);  // nm as newton meters; or Ounce-force/foot
    row("5 kiloga", "Kilograms", 1);  // the misspelt start of a name
    row("98 fahrenhiet to celsu", "Celsius", 1);
    row("100 kil", "Kilograms", 1);  // the most everyday of the many units it starts
    row("5 megaw", "Megawatt-hours", 2);  // no everyday unit, and only two it may become
    row("24 in th", "Thou", 1);
    row("100 km/h", "Kilometers/hour", 1);
    row("32 psi to b", "Bar", 1);
    row("32 psi to ba", "Bar", 1);
    row("convert 5 kg to po", "Pounds(avdp)", 1);
    row("5 ft 10 in to c", "Centimeters", 2);  // or Chains
    row("5:30 min/k", "5.5 min/K", 2);  // as it stands, then the pace it is on its way to
    row("5:/km min/5", "1 (s/km)·min", 1);  // the 5 divides: finishing "min/5" as min/mi would not
    row("1005 hund", "", 0);  // on its way to "hundred", no misspelt hand
    row("250 millimiters to i", "Inches", 5);  // a misspelling of two categories, left to the into unit
    row("\u2007xyz abc", "", 0);  // a blank of several bytes before any word
}

void TestQueryTyping::typingSequences()
{
    QFETCH(QString, text);
    QFETCH(QString, first);
    QFETCH(int, count);
    const QByteArray utf8 = text.toUtf8();
    const auto reading = readWhileTyping(std::string_view(utf8.constData(), std::size_t(utf8.size())));
    const auto* queries = std::get_if<std::vector<Query>>(&reading);
    if (count == 0) {
        QVERIFY(queries == nullptr || queries->empty());
        return;
    }
    QVERIFY(queries != nullptr);
    QStringList offered;
    for (const Query& query : *queries)
        offered.append(QString::fromStdString(textOf(query)));
    QCOMPARE(offered.value(0), first);
    QCOMPARE(offered.size(), count);
    // Readings offered together differ in their units, never in the value.
    for (const Query& query : *queries)
        QCOMPARE(query.value, queries->front().value);
}

void TestQueryTyping::bothCategoriesOfASharedName()
{
    for (const char* text : {"100 ft-lb", "100 lb-ft", "35 in-lb", "100 lbf ft", "24 lbf in"}) {
        const auto reading = readWhileTyping(text);
        const auto* queries = std::get_if<std::vector<Query>>(&reading);
        QVERIFY2(queries != nullptr, text);
        QCOMPARE(queries->size(), std::size_t(2));
        QCOMPARE(queries->at(0).category().name, std::string_view("Torque"));
        QCOMPARE(queries->at(1).category().name, std::string_view("Energy"));
        QVERIFY(!queries->at(0).intoPosition && !queries->at(1).intoPosition);
    }
}

// Every everyday unit is a unit, and each written name of each, cut after its second character
// and on, is answered: as that unit or a more everyday one, never as a unit less everyday, unless
// the cut is itself a whole name ("5 mi").
void TestQueryTyping::everydayUnitsGuessedBeforeOthers()
{
    std::vector<int> codes;
    for (const std::string_view key : kEverydayUnits) {
        QVERIFY2(findUnitRecord(key) != nullptr, std::string(key).c_str());
        codes.push_back(unitCode(key));
    }
    const auto rank = [&](int code) { return std::find(codes.begin(), codes.end(), code) - codes.begin(); };
    int checked = 0;
    for (const std::string_view key : kEverydayUnits) {
        const UnitRecord& unit = *findUnitRecord(key);
        for (std::string_view rest = unit.names; !rest.empty();) {
            const std::size_t bar = std::min(rest.find('|'), rest.size());
            const std::string name(rest.substr(0, bar));
            rest.remove_prefix(std::min(bar + 1, rest.size()));
            for (std::size_t cut = 2; cut < name.size(); ++cut) {
                const std::string value = "5 ";
                const std::string text = value + name.substr(0, cut);
                std::vector<TypedFit> fits;
                const auto reading = readWhileTyping(text, {}, &fits);
                const auto* queries = std::get_if<std::vector<Query>>(&reading);
                QVERIFY2(queries != nullptr, text.c_str());
                if (fits.front() == TypedFit::AsTyped)
                    continue;
                // Words before the cut may read as a from unit of their own: "5 US c" as µs to c.
                const Query& first = queries->front();
                if (first.intoPosition || first.fromSpan.offset != value.size())
                    continue;
                QVERIFY2(queries->size() == 1, text.c_str());
                QVERIFY2(rank(queries->front().fromCode()) <= rank(unitCode(unit)), text.c_str());
                ++checked;
            }
        }
    }
    QVERIFY2(checked > 300, std::to_string(checked).c_str());
}

// How each reading fits the text, as KRunner ranks them.
void TestQueryTyping::fits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("fits");
    const int asTyped = int(TypedFit::AsTyped);
    const int completes = int(TypedFit::CompletesOthers);
    const int guessed = int(TypedFit::Guessed);
    QTest::newRow("24 in to ft") << "24 in to ft" << QList<int>{asTyped};
    QTest::newRow("24 in to m") << "24 in to m" << QList<int>{completes, guessed, guessed, guessed, guessed, guessed};
    QTest::newRow("24 in to f") << "24 in to f" << QList<int>{guessed, guessed, guessed};
    QTest::newRow("100 ft-lb") << "100 ft-lb" << QList<int>{asTyped, asTyped};
    QTest::newRow("5 ga") << "5 ga" << QList<int>{guessed};
    QTest::newRow("5 kilogarms to lb") << "5 kilogarms to lb" << QList<int>{guessed};
}

void TestQueryTyping::fits()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, fits);
    const QByteArray utf8 = text.toUtf8();
    std::vector<TypedFit> got;
    const auto reading = readWhileTyping(std::string_view(utf8.constData(), std::size_t(utf8.size())), {}, &got);
    QVERIFY(std::holds_alternative<std::vector<Query>>(reading));
    QCOMPARE(got.size(), std::get<std::vector<Query>>(reading).size());
    QList<int> each;
    for (const TypedFit fit : got)
        each.append(int(fit));
    QCOMPARE(each, fits);
}

QTEST_APPLESS_MAIN(TestQueryTyping)
#include "tst_query_typing.moc"
