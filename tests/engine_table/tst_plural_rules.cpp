// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/plural_rules.h>

#include <QtTest>

using namespace mezzurix;

class TestPluralRules : public QObject {
    Q_OBJECT

private slots:
    void formFollowsTheNumberAsPrinted_data();
    void formFollowsTheNumberAsPrinted();
};

namespace {

// Printed numbers, each with the form it takes under three rule shapes: i = 1 and v = 0
// (English, German, Italian), n = 1 (Spanish), i = 0,1 (French, Brazilian Portuguese).
struct Printed {
    const char* dot;    // as written with "." as decimal sign and "," between groups
    const char* comma;  // as written with "," as decimal sign and "." between groups
    bool englishOne;
    bool spanishOne;
    bool frenchOne;
};

constexpr Printed kPrinted[] = {
    {"1", "1", true, true, true},
    {"-1", "-1", true, true, true},
    {"\u22121", "\u22121", true, true, true},
    {"+1", "+1", true, true, true},
    {"1.0", "1,0", false, true, true},
    {"1.00", "1,00", false, true, true},
    {"1.5", "1,5", false, false, true},
    {"0.5", "0,5", false, false, true},
    {"0", "0", false, false, true},
    {"-0.25", "-0,25", false, false, true},
    {"01", "01", true, true, true},
    {"2", "2", false, false, false},
    {"2.0", "2,0", false, false, false},
    {"11", "11", false, false, false},
    {"21", "21", false, false, false},
    {"101", "101", false, false, false},
    {"1,000", "1.000", false, false, false},
    {"1,001.5", "1.001,5", false, false, false},
    {"1e3", "1e3", false, false, false},
    {"", "", false, false, false},
    {"-", "-", false, false, false},
};

struct Language {
    const char* code;
    bool Printed::*one;
    bool commaDecimal;
};

constexpr Language kLanguages[] = {
    {"en", &Printed::englishOne, false},    {"en_US.UTF-8", &Printed::englishOne, false},
    {"C", &Printed::englishOne, false},     {"de_DE.UTF-8", &Printed::englishOne, true},
    {"it", &Printed::englishOne, true},     {"pt_PT", &Printed::englishOne, true},
    {"es_ES@euro", &Printed::spanishOne, true}, {"fr", &Printed::frenchOne, true},
    {"fr_CA", &Printed::frenchOne, true},   {"pt_BR", &Printed::frenchOne, true},
    {"pt", &Printed::frenchOne, true},
};

} // namespace

void TestPluralRules::formFollowsTheNumberAsPrinted_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("decimalSign");
    QTest::addColumn<bool>("one");
    for (const Language& language : kLanguages)
        for (const Printed& printed : kPrinted) {
            const char* text = language.commaDecimal ? printed.comma : printed.dot;
            const char* sign = language.commaDecimal ? "," : ".";
            QTest::addRow("%s %s", language.code, text) << language.code << text << sign << printed.*language.one;
        }
}

void TestPluralRules::formFollowsTheNumberAsPrinted()
{
    QFETCH(QString, language);
    QFETCH(QString, text);
    QFETCH(QString, decimalSign);
    QFETCH(bool, one);
    const auto category = pluralCategory(language.toStdString(), text.toStdString(), decimalSign.toStdString());
    QCOMPARE(category == PluralCategory::One, one);
}

QTEST_APPLESS_MAIN(TestPluralRules)
#include "tst_plural_rules.moc"
