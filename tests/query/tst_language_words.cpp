// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Each language's own words around a quantity, from its catalogue: questions without a number,
// numbers in words, the word for "of", and number words that are also unit names.

#include "number_words.h"

#include <mezzurix/query.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include <QtTest>

#include <string>
#include <vector>

using namespace mezzurix;

namespace {

QueryReading readIn(const std::string& text, std::string_view language, bool allowMissingInto = false)
{
    QueryOptions options;
    options.language = std::string(language);
    options.allowMissingInto = allowMissingInto;
    return readQuery(text, options);
}

// "1.5 us_cup>cubic_centimeter", or the error's message.
std::string readingOf(const std::string& text, std::string_view language)
{
    const QueryReading reading = readIn(text, language);
    const Query* query = std::get_if<Query>(&reading);
    if (query == nullptr)
        return std::get<QueryError>(reading).message;
    const std::optional<int> into = query->intoCode();
    return QString::number(query->value).toStdString() + " " + std::string(findUnitRecord(query->fromCode())->key) +
           ">" + (into ? std::string(findUnitRecord(*into)->key) : "-");
}

// The value a query's words give where a value is expected, or nullopt where it is not read.
std::optional<double> valueIn(const std::string& text, std::string_view language)
{
    const QueryReading reading = readIn(text, language);
    const Query* query = std::get_if<Query>(&reading);
    return query != nullptr ? std::optional(query->value) : std::nullopt;
}

bool sameFolded(std::string_view a, std::string_view b)
{
    return QString::fromUtf8(a.data(), qsizetype(a.size())).toCaseFolded() ==
           QString::fromUtf8(b.data(), qsizetype(b.size())).toCaseFolded();
}

// Every word the language writes a value with, and what it is worth alone before a unit: a
// whole number its value, a multiplier or scale its value times one, a part one over its
// denominator, an article one.
struct NumberWord {
    std::string word;
    double value;
};

std::vector<NumberWord> numberWordsOf(const LanguageNames& language)
{
    std::vector<NumberWord> words;
    const auto add = [&](std::span<const std::string_view> list, bool part) {
        for (const std::string_view listed : list) {
            const std::optional<number_words::Entry> entry = number_words::entryOf(listed);
            QVERIFY2(entry.has_value(), std::string(listed).c_str());
            words.push_back({std::string(entry->word), part ? 1.0 / entry->value : entry->value});
        }
    };
    add(language.numberWords, false);
    add(language.multiplierWords, false);
    add(language.scaleWords, false);
    add(language.partWords, true);
    for (const std::string_view article : language.articles)
        words.push_back({std::string(article), 1.0});
    return words;
}

// Whether `name` reads `word`: in its own case only for an exact-case symbol.
bool reads(const UnitName& name, std::string_view word)
{
    return name.kind == NameKind::CaseSymbol ? name.text == word : sameFolded(name.text, word);
}

} // namespace

class TestLanguageWords : public QObject {
    Q_OBJECT

private slots:
    void everydayQueries_data();
    void everydayQueries();
    void everyNumberWordReadsAsItsValue();
    void numberWordsThatAreUnitNames();
    void aSlipInAShownNameIsReadAsTheLanguagesOwn();
};

void TestLanguageWords::everydayQueries_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("reading");
    const auto row = [](const char* language, const char* query, const char* reading) {
        QTest::newRow(query) << QString(language) << QString::fromUtf8(query) << QString(reading);
    };
    row("de", "wie viele Gramm hat ein Pfund", "1 pound>gram");
    row("de", "wie viel Milliliter sind eine Tasse", "1 us_cup>cubic_centimeter");
    row("de", "wie viele Zentimeter sind in einem Meter?", "1 meter>centimeter");
    row("de", "anderthalb Tassen in ml", "1.5 us_cup>cubic_centimeter");
    row("de", "eineinhalb Liter in ml", "1.5 liter>cubic_centimeter");
    row("de", "eine halbe Tasse in ml", "0.5 us_cup>cubic_centimeter");
    row("de", "drei Viertel Liter in ml", "0.75 liter>cubic_centimeter");
    row("de", "zwölf Zoll in cm", "12 inch>centimeter");
    row("de", "ein Dutzend Zoll in cm", "12 inch>centimeter");
    row("de", "einundzwanzig Zoll in cm", "21 inch>centimeter");
    row("de", "zweihundertfünfzig Gramm in Unzen", "250 gram>ounce");
    row("de", "zweitausenddreihundert Meter in km", "2300 meter>kilometer");
    row("de", "zwei Tassen Wasser in ml", "2 us_cup>cubic_centimeter");
    row("de", "25 Grad in Fahrenheit", "25 celsius>fahrenheit");
    row("fr", "combien de millilitres dans une tasse", "1 us_cup>cubic_centimeter");
    row("fr", "combien de grammes y a-t-il dans une livre ?", "1 pound>gram");
    row("fr", "combien d'onces dans un litre", "1 liter>us_fluid_ounce");
    row("fr", "combien d’onces y a-t-il dans un litre", "1 liter>us_fluid_ounce");
    row("fr", "une demi-tasse en ml", "0.5 us_cup>cubic_centimeter");
    row("fr", "une heure et demie en minutes", "1.5 hour>minute");  // once read as 1 hour, "et demie" left out
    row("de", "eine Stunde und eine halbe in Minuten", "1.5 hour>minute");
    row("es", "una hora y media en minutos", "1.5 hour>minute");
    row("it", "un chilo e mezzo in libbre", "1.5 kilogram>pound");
    row("pt_BR", "uma xícara e meia em ml", "1.5 us_cup>cubic_centimeter");
    row("fr", "un et demi litre en ml", "1.5 liter>cubic_centimeter");
    row("fr", "trois quarts de litre en ml", "0.75 liter>cubic_centimeter");
    row("fr", "vingt et un mètres en pieds", "21 meter>foot");
    row("fr", "quatre-vingt-dix kilomètres en miles", "90 kilometer>mile");
    row("fr", "deux cents grammes en onces", "200 gram>ounce");
    row("fr", "deux mille cinq cents mètres en km", "2500 meter>kilometer");
    row("fr", "deux tasses d'eau en ml", "2 us_cup>cubic_centimeter");
    row("fr", "deux tasses de lait en ml", "2 us_cup>cubic_centimeter");
    row("fr", "deux tasses de farine en grammes", "Volume cannot be converted into Mass without a density");
    row("fr", "25 degrés en Fahrenheit", "25 celsius>fahrenheit");
    row("es", "cuántas onzas hay en un kilo", "1 kilogram>ounce");
    row("es", "¿cuántos gramos hay en una libra?", "1 pound>gram");
    row("es", "cuántos centímetros en un metro", "1 meter>centimeter");
    row("es", "media taza a ml", "0.5 us_cup>cubic_centimeter");
    row("es", "uno y medio litros a ml", "1.5 liter>cubic_centimeter");
    row("es", "treinta y dos grados en fahrenheit", "32 celsius>fahrenheit");
    row("es", "doscientos cincuenta gramos en onzas", "250 gram>ounce");
    row("es", "mil gramos en kg", "1000 gram>kilogram");
    row("es", "5 mil en mm", "5 thou>millimeter");
    // A scale word after digits, where a unit's name follows it and the two make no name
    row("es", "2 mil metros en millas", "2000 meter>mile");
    row("es", "2.5 mil litros en galones", "2500 liter>us_gallon");
    row("pt_BR", "2 mil metros em milhas", "2000 meter>mile");
    row("fr", "3 mille mètres en miles", "3000 meter>mile");
    row("fr", "1 mille carré en km²", "1 square_mile>square_kilometer");
    row("", "2 thousand meters to miles", "2000 meter>mile");
    row("", "1.5 million liters in gallons", "1.5e+06 liter>us_gallon");
    row("", "2 mil to mm", "2 thou>millimeter");
    row("es", "un cuarto de galón a litros", "0.25 us_gallon>liter");
    row("es", "dos tazas de agua a ml", "2 us_cup>cubic_centimeter");
    row("it", "quanti grammi in una libbra", "1 pound>gram");
    row("it", "quante once ci sono in un chilo", "1 kilogram>ounce");
    row("it", "quanti centimetri ci sono in un metro?", "1 meter>centimeter");
    row("it", "mezza tazza in ml", "0.5 us_cup>cubic_centimeter");
    row("it", "una e mezza tazze in ml", "1.5 us_cup>cubic_centimeter");
    row("it", "ventidue metri in piedi", "22 meter>foot");
    row("it", "mille metri in km", "1000 meter>kilometer");
    row("it", "duemilacinquecento metri in km", "2500 meter>kilometer");
    row("it", "trentadue gradi in fahrenheit", "32 celsius>fahrenheit");
    row("it", "quarantotto ore in giorni", "48 hour>day");
    row("it", "due tazze di acqua in ml", "2 us_cup>cubic_centimeter");
    row("it", "due tazze dell'acqua in ml", "2 us_cup>cubic_centimeter");
    row("pt_BR", "quantos gramas tem em um quilo", "1 kilogram>gram");
    row("pt_BR", "quantas onças em uma libra", "1 pound>ounce");
    row("pt_BR", "meia xícara em ml", "0.5 us_cup>cubic_centimeter");
    row("pt_BR", "um e meio litro em ml", "1.5 liter>cubic_centimeter");
    row("pt_BR", "três quartos de xícara em ml", "0.75 us_cup>cubic_centimeter");
    row("pt_BR", "vinte e dois metros em pés", "22 meter>foot");
    row("pt_BR", "cento e vinte gramas em onças", "120 gram>ounce");
    row("pt_BR", "um metro em cm", "1 meter>centimeter");
    row("pt_BR", "5 um em mm", "5 micrometer>millimeter");
    row("pt_BR", "duas xícaras de água em ml", "2 us_cup>cubic_centimeter");
    // English's rule for a word left out: a word is a misspelt unit only within the typo reader's
    // edits, so "water" is no "meter".
    row("", "2 cups water to ml", "2 us_cup>cubic_centimeter");
    row("", "30 mph wind in km/h", "30 mile_per_hour>kilometer_per_hour");
}

void TestLanguageWords::everydayQueries()
{
    QFETCH(QString, language);
    QFETCH(QString, query);
    QFETCH(QString, reading);
    const std::string read = readingOf(query.toStdString(), language.toStdString());
    QVERIFY2(QString::fromStdString(read).startsWith(reading), read.c_str());
}

// Every number word of every catalogue, in its case and with a capital, reads as its value
// where a value is expected.
void TestLanguageWords::everyNumberWordReadsAsItsValue()
{
    int checked = 0;
    for (const LanguageNames* language : unitNameLanguages()) {
        QVERIFY2(!language->numberWords.empty() && !language->partWords.empty() && !language->questions.empty(),
                 std::string(language->code).c_str());
        for (const NumberWord& each : numberWordsOf(*language)) {
            QVERIFY2(each.value > 0 || each.word.size() > 1, each.word.c_str());
            std::string capital = each.word;
            if (capital[0] >= 'a' && capital[0] <= 'z')
                capital[0] = char(capital[0] - 'a' + 'A');
            for (const std::string& word : {each.word, capital}) {
                const std::optional<double> value = valueIn(word + " m in cm", language->code);
                const std::string read = value ? std::to_string(*value) : "nothing";
                QVERIFY2(value && qFuzzyCompare(1.0 + *value, 1.0 + each.value),
                         (std::string(language->code) + ": " + word + " reads " + read).c_str());
                ++checked;
            }
        }
    }
    QVERIFY(checked > 500);
}

// A number word that is also a name the language reads (Spanish and Portuguese "mil", the
// micrometer's "um", French "quart") is a number where a value is expected and the unit after
// a value.
void TestLanguageWords::numberWordsThatAreUnitNames()
{
    int clashes = 0;
    for (const LanguageNames* language : unitNameLanguages()) {
        std::vector<UnitName> names(unitAliases().begin(), unitAliases().end());
        names.insert(names.end(), language->names.begin(), language->names.end());
        for (const Category& category : typedCategories())
            for (const Unit& unit : category.units)
                names.push_back({unit.code, unit.text, NameKind::ListText});
        for (const NumberWord& each : numberWordsOf(*language))
            for (const UnitName& name : names) {
                if (!reads(name, each.word))
                    continue;
                ++clashes;
                const std::string where = std::string(language->code) + ": " + each.word;
                const QueryReading reading = readIn("2 " + each.word, language->code, true);
                const Query* query = std::get_if<Query>(&reading);
                QVERIFY2(query != nullptr && query->value == 2, where.c_str());
                bool named = false;
                for (const UnitName& read : namesOf(query->fromCode(), language))
                    named = named || reads(read, each.word);
                QVERIFY2(named, where.c_str());
            }
    }
    QVERIFY(clashes >= 4);
}

// Every display name of every language that is a name of its own, typed with one letter too many,
// is read back as a name of the language's own, not as an English name just as near ("Kilogrammx" is "Kilogramm", not
// "kilogramme"), wherever it is corrected at all.
void TestLanguageWords::aSlipInAShownNameIsReadAsTheLanguagesOwn()
{
    int corrected = 0;
    for (const LanguageNames* language : unitNameLanguages())
        for (const DisplayName& shown : language->displayNames) {
            const std::string name(shown.plural);
            if (name.find(' ') != std::string::npos || name.size() < 6)
                continue;
            const QueryReading reading = readIn("2 " + name + "x to " + name, language->code);
            const Query* query = std::get_if<Query>(&reading);
            if (query == nullptr || query->corrections.size() != 1)
                continue;
            const std::string& read = query->corrections.front().read;
            const auto own = [&](std::string_view text) {
                return std::any_of(language->names.begin(), language->names.end(),
                                   [&](const UnitName& each) { return sameFolded(each.text, text); });
            };
            // A display name English spells alike ("Millibar") may be read as English's.
            if (!own(name))
                continue;
            QVERIFY2(own(read),
                     (std::string(language->code) + ": " + name + "x read as " + read).c_str());
            ++corrected;
        }
    QVERIFY(corrected > 300);
}

QTEST_GUILESS_MAIN(TestLanguageWords)
#include "tst_language_words.moc"
