// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/catalogue.h>
#include <mezzurix/query_typing.h>
#include <mezzurix/unit_names.h>

#include <QtTest>

#include <string>

using namespace mezzurix;

namespace {

bool continuesUtf8(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string textOf(const Query& query)
{
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
    row("100 km/", "Kilometers/hour", 2);  // or Kilometers/liter
    row("100 kil", "", 0);  // any of many units yet
    row("24 in th", "Thou", 1);
    row("100 km/h", "Kilometers/hour", 1);
    row("32 psi to b", "Bar", 1);
    row("32 psi to ba", "Bar", 1);
    row("convert 5 kg to po", "Pounds(avdp)", 1);
    row("5 ft 10 in to c", "Centimeters", 2);  // or Chains
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

QTEST_APPLESS_MAIN(TestQueryTyping)
#include "tst_query_typing.moc"
