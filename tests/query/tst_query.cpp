// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "query_outcome.h"

#include <mezzurix/catalogue.h>
#include <mezzurix/convert.h>
#include <mezzurix/query.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>

using namespace mezzurix;

namespace {

std::string folded(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    return out;
}

std::string swappedCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
    return out;
}

const Category& categoryOf(int code)
{
    for (const Category& category : typedCategories())
        for (const Unit& unit : category.units)
            if (unit.code == code)
                return category;
    qFatal("no unit %d", code);
}

QueryOptions optionsFor(const QString& flags)
{
    QueryOptions options;
    options.allowMissingInto = flags.contains('s');
    if (flags.contains(','))
        options.decimalPoint = ",";
    return options;
}

} // namespace

class TestQuery : public QObject {
    Q_OBJECT

private slots:
    void aliasTableIsConsistent_data();
    void aliasTableIsConsistent();
    void everyNameReadsInEveryPair_data();
    void everyNameReadsInEveryPair();
    void otherSideNamesReadByTheOtherSide();
    void languageWordsNameNoUnit();
    void typedInTheUsersLanguage_data();
    void typedInTheUsersLanguage();
    void parityWithTheWindowOverAllPairs();
    void grammar_data();
    void grammar();
    void errors_data();
    void errors();
    void searchHelpers();
    void everydayQueries_data();
    void everydayQueries();
    void severalUnitsOverWholeCategories();
    void unsupportedSymbolsNeverReadByCase();
};

// English alone, and English with each language whose names are read.
void addLanguageRows()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QString();
    for (const LanguageNames* language : unitNameLanguages())
        QTest::newRow(std::string(language->code).c_str()) << QString::fromUtf8(language->code.data(), language->code.size());
}

const LanguageNames* fetchedLanguage()
{
    QFETCH(QString, language);
    return findNameLanguage(language.toStdString());
}

void TestQuery::aliasTableIsConsistent_data()
{
    addLanguageRows();
}

void TestQuery::aliasTableIsConsistent()
{
    // Within the active languages: English and the user's.
    const LanguageNames* language = fetchedLanguage();
    // Grouped by unit in the order of the codes, which a unit's symbol is looked up by.
    QVERIFY(std::is_sorted(unitAliases().begin(), unitAliases().end(),
                           [](const UnitName& a, const UnitName& b) { return a.unitCode < b.unitCode; }));
    std::vector<UnitName> aliases(unitAliases().begin(), unitAliases().end());
    if (language != nullptr)
        aliases.insert(aliases.end(), language->names.begin(), language->names.end());
    // Names that stand for two units: the pound-force inch and foot of Torque and of Energy.
    const std::set<std::set<int>> shared = {{72, 82}, {73, 83}};
    std::map<std::string, std::vector<UnitName>> byFolded;
    for (const Category& category : typedCategories())
        for (const Unit& unit : category.units)
            for (const UnitName& name : namesOf(unit.code, language))
                byFolded[folded(name.text)].push_back(name);
    for (const UnitName& alias : aliases) {
        QVERIFY2(categoryOf(alias.unitCode).units.size() > 0, alias.text.data());
        // The reader collapses blanks and rewrites typed forms; the table holds the result.
        const std::string text(alias.text);
        QVERIFY2(!text.empty() && text.front() != ' ' && text.back() != ' ' && text.find("  ") == std::string::npos &&
                     text.find_first_of("^*\t>=") == std::string::npos && text.find("\u22C5") == std::string::npos &&
                     text.find("\u2192") == std::string::npos,
                 text.c_str());
        // Separator words other than "in" are never part of a name, so the reader skips them.
        for (const char* word : {"to", "into", "as"})
            QVERIFY2((" " + folded(text) + " ").find(std::string(" ") + word + " ") == std::string::npos, text.c_str());
    }
    for (const auto& [key, names] : byFolded) {
        std::set<int> units;
        for (const UnitName& name : names)
            units.insert(name.unitCode);
        for (std::size_t i = 0; i < names.size(); ++i)
            for (std::size_t j = i + 1; j < names.size(); ++j) {
                const UnitName& a = names[i];
                const UnitName& b = names[j];
                const bool bothExactCase = a.kind == NameKind::CaseSymbol && b.kind == NameKind::CaseSymbol;
                if (a.unitCode == b.unitCode) {
                    QVERIFY2(bothExactCase && a.text != b.text, ("duplicate name " + key).c_str());
                    continue;
                }
                // Different units: told apart by case, or one name shared across two categories.
                const bool toldApart = bothExactCase && a.text != b.text;
                const bool sharedAcross = a.text == b.text && a.kind != NameKind::CaseSymbol &&
                                          &categoryOf(a.unitCode) != &categoryOf(b.unitCode) &&
                                          shared.count(units);
                // Or the user's language's name wins over an English one ("Grad", the degree, over
                // the gradian's "grad"; everyNameReadsInEveryPair reads it so).
                const bool languageWins = a.translated != b.translated &&
                                          a.kind != NameKind::CaseSymbol && b.kind != NameKind::CaseSymbol;
                QVERIFY2(toldApart || sharedAcross || languageWins, ("name hides another: " + key).c_str());
            }
    }
}

void TestQuery::everyNameReadsInEveryPair_data()
{
    addLanguageRows();
}

void TestQuery::everyNameReadsInEveryPair()
{
    const LanguageNames* language = fetchedLanguage();
    QueryOptions options;
    options.language = language != nullptr ? std::string(language->code) : std::string();
    const auto namesOf = [language](int code) { return mezzurix::namesOf(code, language); };
    const auto readQuery = [&options](const std::string& text) { return mezzurix::readQuery(text, options); };
    // Every name of every unit (those only typed conversions know included), in a query to and from each other unit of its category, written
    // as typed, glued to the number, and (where case is free) in the other case.
    std::map<std::string, std::set<int>> byFolded;  // the units a spelling names in any case
    for (const Category& category : typedCategories())
        for (const Unit& unit : category.units)
            for (const UnitName& name : namesOf(unit.code))
                byFolded[folded(name.text)].insert(unit.code);
    std::map<std::string, int> translated;  // the unit of each name of the language, folded
    if (language != nullptr)
        for (const UnitName& name : language->names)
            if (name.kind != NameKind::CaseSymbol)
                translated[folded(name.text)] = name.unitCode;
    std::map<std::string, int> exactNames;  // symbols read in their exact case only
    for (const UnitName& alias : unitAliases())
        if (alias.kind == NameKind::CaseSymbol)
            exactNames[std::string(alias.text)] = alias.unitCode;
    int checked = 0;
    for (const Category& category : typedCategories())
        for (const Unit& unit : category.units)
            for (const UnitName& name : namesOf(unit.code))
                for (const Unit& other : category.units) {
                    if (other.code == unit.code)
                        continue;
                    // An English name the language gives another unit reads as that unit.
                    const auto hiding = translated.find(folded(name.text));
                    if (!name.translated && name.kind != NameKind::CaseSymbol && hiding != translated.end() &&
                        hiding->second != unit.code) {
                        const std::string read = outcome(readQuery("1 " + std::string(name.text) + " to " +
                                                                   std::string(other.text)));
                        QVERIFY2(read.rfind(keyOf(hiding->second) + ">", 0) == 0 || read.rfind("error", 0) == 0,
                                 read.c_str());
                        continue;
                    }
                    const std::string n(name.text), o(other.text);
                    const std::string forward = keyOf(unit.code) + ">" + keyOf(other.code);
                    const std::string backward = keyOf(other.code) + ">" + keyOf(unit.code);
                    QCOMPARE(outcome(readQuery("1 " + n + " to " + o)), forward);
                    QCOMPARE(outcome(readQuery("1" + n + "->" + o)), forward);
                    QCOMPARE(outcome(readQuery("1 " + o + " in " + n)), backward);
                    const std::string other_case = swappedCase(n);
                    const auto swapped = namesOf(unit.code);
                    const bool alsoAName = std::any_of(swapped.begin(), swapped.end(),
                                                       [&](const UnitName& s) { return s.text == other_case; });
                    if (name.kind != NameKind::CaseSymbol)
                        QCOMPARE(outcome(readQuery("1 " + o + " into " + other_case)), backward);
                    else if (!alsoAName) {
                        // In another case a symbol reads as its unit only where no other unit
                        // has a name of that spelling; it never reads as another unit, unless it
                        // is exactly that unit's own symbol ("b" bits, "B" bytes) or a prefix
                        // before one ("Ml", megaliters: a term rather than a catalogue unit). Where
                        // that unit is of another category, the other side reads it as this one
                        // ("1 MB to bar" is millibars, as "100 ps in kW" is metric horsepower).
                        const std::string result = outcome(readQuery("1 " + other_case + " to " + o));
                        const bool anotherUnitsSymbol =
                            exactNames.count(other_case) &&
                            (result.rfind(keyOf(exactNames[other_case]) + ">", 0) == 0 ||
                             (result == forward && &categoryOf(exactNames[other_case]) != &category));
                        const bool prefixed = result.rfind(keyOf(kNoUnitCode) + ">", 0) == 0;
                        QVERIFY2(result.rfind("error", 0) == 0 || anotherUnitsSymbol || prefixed ||
                                     (result == forward && byFolded[folded(n)].size() == 1),
                                 other_case.c_str());
                    }
                    checked += 4;
                }
    qInfo("%d queries, %zu aliases", checked, unitAliases().size() + (language != nullptr ? language->names.size() : 0));
}

// Every name read only by the other side ("C" the coulomb, "degrees" Celsius), against every
// other unit of its category on either side: it reads as its unit, or, where it names several of
// that category, as one of them or not at all; never as a unit of another category, and never as
// the other side's own unit. Alone, or beside a unit of no category it has, it keeps its own reading.
void TestQuery::otherSideNamesReadByTheOtherSide()
{
    std::map<std::string, std::set<int>> unitsOf;  // of each other-side name
    for (const UnitName& name : otherSideNames())
        unitsOf[std::string(name.text)].insert(name.unitCode);
    QVERIFY(unitsOf.count("C") && unitsOf.count("degrees"));
    int checked = 0;
    for (const auto& [name, units] : unitsOf)
        for (const int unit : units)
            for (const Unit& other : categoryOf(unit).units) {
                if (other.code == unit)
                    continue;
                std::set<int> readable = units;  // what the name may read as beside `other`
                readable.erase(other.code);
                const std::string o(other.text);
                for (const bool forward : {true, false}) {
                    const std::string query = forward ? "1 " + name + " to " + o : "1 " + o + " to " + name;
                    const QueryReading reading = readQuery(query);
                    const auto* read = std::get_if<Query>(&reading);
                    const int side = read == nullptr ? -1 : forward ? read->fromCode() : read->intoCode().value_or(-1);
                    const int across = read == nullptr ? -1 : forward ? read->intoCode().value_or(-1) : read->fromCode();
                    const bool fine = read != nullptr ? readable.count(side) && across == other.code
                                                      : readable.size() > 1 && std::get<QueryError>(reading).kind ==
                                                                                   QueryErrorKind::AmbiguousUnit;
                    QVERIFY2(fine, (query + ": " + outcome(reading)).c_str());
                    ++checked;
                }
            }
    QVERIFY(checked > 20);
    QCOMPARE(outcome(readQuery("1 C to F")), std::string("celsius>fahrenheit"));
    QCOMPARE(outcome(readQuery("30 degrees to rad")), std::string("degree>radian"));
}

void TestQuery::languageWordsNameNoUnit()
{
    // A language's separators, "per" and "and" words are never read as a unit of its own or
    // English; each language's "into" words separate the units of a query.
    for (const LanguageNames* language : unitNameLanguages()) {
        QueryOptions options;
        options.language = std::string(language->code);
        for (const auto words : {language->intoWords, language->perWords, language->andWords})
            for (const std::string_view word : words)
                for (const UnitName& name : language->names)
                    QVERIFY2(folded(name.text) != folded(word) || word == "in", name.text.data());
        for (const std::string_view word : language->intoWords)
            QCOMPARE(outcome(readQuery("24 in " + std::string(word) + " cm", options)), std::string("inch>centimeter"));
        // The rows are the language's own.
        for (const UnitName& name : language->names)
            QVERIFY(name.translated);
    }
    QCOMPARE(findNameLanguage("de_DE.UTF-8"), findNameLanguage("de"));
    QVERIFY(findNameLanguage("de_AT@euro") != nullptr);
    QVERIFY(findNameLanguage("C") == nullptr && findNameLanguage("POSIX") == nullptr && findNameLanguage("") == nullptr);
}

void TestQuery::typedInTheUsersLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("expected");  // outcome(), or "value>" with the value read
    QTest::newRow("de Zoll") << "de_DE.UTF-8" << "24 Zoll in cm" << "inch>centimeter";
    QTest::newRow("de Fuß Zoll") << "de_DE.UTF-8" << "5 Fuß 10 Zoll in cm" << "inch>centimeter";
    QTest::newRow("de und") << "de_DE.UTF-8" << "5 Fuß und 10 Zoll in cm" << "inch>centimeter";
    QTest::newRow("de Pfund") << "de_DE.UTF-8" << "1 Pfund in Gramm" << "pound>gram";
    QTest::newRow("de pro") << "de_DE.UTF-8" << "100 km/h in Meilen pro Stunde" << "kilometer_per_hour>mile_per_hour";
    QTest::newRow("de nach") << "de_DE.UTF-8" << "3 Quadratmeter nach qm" << "square_meter>square_meter";
    QTest::newRow("de in in") << "de_DE.UTF-8" << "24 in in cm" << "inch>centimeter";
    QTest::newRow("fr pouces") << "fr_FR.UTF-8" << "24 pouces en cm" << "inch>centimeter";
    QTest::newRow("fr livre") << "fr_FR.UTF-8" << "1 livre en grammes" << "pound>gram";
    QTest::newRow("fr par") << "fr_FR.UTF-8" << "100 km/h en milles par heure" << "kilometer_per_hour>mile_per_hour";
    QTest::newRow("fr et") << "fr_FR.UTF-8" << "5 pieds et 10 pouces en cm" << "inch>centimeter";
    QTest::newRow("es pulgadas") << "es_ES.UTF-8" << "24 pulgadas a cm" << "inch>centimeter";
    QTest::newRow("es a and A") << "es_ES.UTF-8" << "500 mA a A" << "milliampere>ampere";
    QTest::newRow("es libra") << "es_ES.UTF-8" << "1 libra a gramos" << "pound>gram";
    QTest::newRow("es por") << "es_ES.UTF-8" << "100 km/h a millas por hora" << "kilometer_per_hour>mile_per_hour";
    QTest::newRow("es y") << "es_ES.UTF-8" << "5 pies y 10 pulgadas en cm" << "inch>centimeter";
    // Units only typed conversions know, in each language
    QTest::newRow("de Grad") << "de_DE.UTF-8" << "90 Grad in rad" << "degree>radian";
    QTest::newRow("de grad") << "de_DE.UTF-8" << "90 grad in rad" << "degree>radian";
    QTest::newRow("en grad") << "C" << "90 grad in rad" << "gradian>radian";
    QTest::newRow("de Tasse") << "de_DE.UTF-8" << "1 Tasse in ml" << "us_cup>cubic_centimeter";
    QTest::newRow("de Knoten") << "de_DE.UTF-8" << "30 Knoten in km/h" << "knot>kilometer_per_hour";
    QTest::newRow("de Wochen in Tagen") << "de_DE.UTF-8" << "3 Wochen in Tagen" << "week>day";
    QTest::newRow("de Seemeilen") << "de_DE.UTF-8" << "2 Seemeilen in km" << "nautical_mile>kilometer";
    QTest::newRow("de Esslöffel") << "de_DE.UTF-8" << "2 Esslöffel in ml" << "us_tablespoon>cubic_centimeter";
    QTest::newRow("fr tasse") << "fr_FR.UTF-8" << "1 tasse en ml" << "us_cup>cubic_centimeter";
    QTest::newRow("fr nœuds") << "fr_FR.UTF-8" << "30 nœuds en km/h" << "knot>kilometer_per_hour";
    QTest::newRow("fr heures") << "fr_FR.UTF-8" << "2 heures en secondes" << "hour>second";
    QTest::newRow("fr cuillère à soupe") << "fr_FR.UTF-8" << "2 cuillères à soupe en ml" << "us_tablespoon>cubic_centimeter";
    QTest::newRow("fr chevaux-vapeur") << "fr_FR.UTF-8" << "100 chevaux-vapeur en kW" << "metric_horsepower>kilowatt";
    QTest::newRow("es taza") << "es_ES.UTF-8" << "1 taza a ml" << "us_cup>cubic_centimeter";
    QTest::newRow("es nudos") << "es_ES.UTF-8" << "30 nudos a km/h" << "knot>kilometer_per_hour";
    QTest::newRow("es horas") << "es_ES.UTF-8" << "2 horas a minutos" << "hour>minute";
    QTest::newRow("es millas náuticas") << "es_ES.UTF-8" << "2 millas náuticas a km" << "nautical_mile>kilometer";
    QTest::newRow("es cucharadas") << "es_ES.UTF-8" << "2 cucharadas a ml" << "us_tablespoon>cubic_centimeter";
    // Only the user's language is added to English.
    QTest::newRow("fr name under de") << "de_DE.UTF-8" << "24 pouces en cm" << "error";
    QTest::newRow("de name in English") << "C" << "24 Zoll in cm" << "error";
}

void TestQuery::typedInTheUsersLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, query);
    QFETCH(QString, expected);
    QueryOptions options;
    options.language = locale.toStdString();
    const std::string result = outcome(readQuery(query.toStdString(), options));
    QVERIFY2(result.rfind(expected.toStdString(), 0) == 0, result.c_str());
}

void TestQuery::parityWithTheWindowOverAllPairs()
{
    // The typed query gives exactly the window's output (fixed decimals) or the clipboard's
    // (general form) for the same pair and digits, and its canonical text reads back the same.
    const NumberFormat dot;
    const NumberFormat comma{",", "-"};
    const std::string values[] = {"24", "-1.5", "1e-7", "123456.789", "0.1"};
    const std::optional<int> decimals[] = {std::nullopt, 0, 14, 30};
    int pairs = 0;
    for (const Category& category : categories())
        for (const Unit& from : category.units)
            for (const Unit& into : category.units) {
                ++pairs;
                const std::string code = pairCode(from.code, into.code);
                for (const std::string& value : values) {
                    const QueryReading reading = readQuery(value + " " + std::string(from.text) + " to " + std::string(into.text));
                    const Query* query = std::get_if<Query>(&reading);
                    QVERIFY2(query && query->pairCode() == code, outcome(reading).c_str());
                    const QueryReading again = readQuery(canonicalText(*query));
                    QCOMPARE(outcome(again), outcome(reading));
                    QCOMPARE(std::get<Query>(again).value, query->value);
                    for (const std::optional<int> d : decimals) {
                        const auto answer = answerQuery(*query, d, dot);
                        const std::string expected = d ? convert(code, value, *d, dot).value()
                                                       : formatGeneral(*convertValue(code, *readLeadingNumber(value)), dot.decimalPoint);
                        QCOMPARE(std::get<Answer>(answer).text, expected);
                    }
                }
                QueryOptions regional;
                regional.decimalPoint = ",";
                const QueryReading commaReading = readQuery("2,5 " + std::string(from.text) + " " + std::string(into.text), regional);
                QCOMPARE(std::get<Answer>(answerQuery(std::get<Query>(commaReading), 14, comma)).text,
                         convert(code, "2.5", 14, comma).value());
            }
    QCOMPARE(pairs, 521);
}

void TestQuery::grammar_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("flags");  // s: into may be missing, ",": regional comma
    QTest::addColumn<QString>("canonical");

    const char* rows[][3] = {
        {"24 in to ft", "", "24 Inches to Feet"},
        {"24 in in cm", "", "24 Inches to Centimeters"},
        {"24 in ft", "", "24 Inches to Feet"},
        {"24 inches into feet", "", "24 Inches to Feet"},
        {"  24\tIN  As  FT ", "", "24 Inches to Feet"},
        {"24in->ft", "", "24 Inches to Feet"},
        {"24 in\u2192ft", "", "24 Inches to Feet"},
        {"24 in=>ft", "", "24 Inches to Feet"},
        {"24 in > ft", "", "24 Inches to Feet"},
        {"24 in = ft", "", "24 Inches to Feet"},
        {"24 in in", "", "24 Inches to Inches"},
        {"100km/h to mph", "", "100 Kilometers/hour to Miles/hour"},
        {"5' in", "", "5 Feet to Inches"},
        {"12\" ft", "", "12 Inches to Feet"},
        {"1e3m km", "", "1e3 Meters to Kilometers"},
        {"+2.5E-3 m mm", "", "2.5e-3 Meters to Millimeters"},
        {".5 in cm", "", ".5 Inches to Centimeters"},
        {"\u221240 \u00B0C to \u00B0F", "", "-40 Celsius to Fahrenheit"},
        {"-40 C F", "", "-40 Celsius to Fahrenheit"},
        {"24 sq in to square feet", "", "24 Sq Inches to Sq Feet"},
        {"24 in^2 to ft2", "", "24 Sq Inches to Sq Feet"},
        {"24 lbf in to N m", "", "24 Pound-force/inch(Inch pounds) to Newton meters"},
        {"24 lbf in to J", "", "24 Pound-force inches to Joules"},
        {"24 lbf*in to N\u22C5m", "", "24 Pound-force/inch(Inch pounds) to Newton meters"},
        {"24 ft lb to Nm", "", "24 Pound-force/foot(Foot pounds) to Newton meters"},
        {"5 oz in g", "", "5 Ounces(avdp) to Grams"},
        {"5 Mg to kg", "", "5 Megagrams to Kilograms"},
        {"1 t to lb", "", "1 Tonnes to Pounds(avdp)"},
        {"1 short ton to kg", "", "1 Tons(avdp-2000#) to Kilograms"},
        {"10 MB to KB", "", "10 Megabytes (MB) to Kilobytes (KB)"},
        {"10 mb to hPa", "", "10 Millibar to Hectopascals"},
        {"3 Bytes (B) to kB", "", "3 Bytes (B) to Kilobytes (KB)"},
        {"1,5 m to cm", ",", "1.5 Meters to Centimeters"},
        {"1.5 m to cm", ",", "1.5 Meters to Centimeters"},
        {"24 in", "s", "24 Inches"},
        {"24 in to", "s", "24 Inches"},
        {"24 kg in", "s", "24 Kilograms"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << row[1] << QString::fromUtf8(row[2]);
}

void TestQuery::grammar()
{
    QFETCH(QString, query);
    QFETCH(QString, flags);
    QFETCH(QString, canonical);
    const QueryReading reading = readQuery(query.toStdString(), optionsFor(flags));
    const Query* q = std::get_if<Query>(&reading);
    QVERIFY2(q, outcome(reading).c_str());
    QCOMPARE(QString::fromStdString(canonicalText(*q)), canonical);
    // The spans hold the names as typed.
    const std::string text = query.toStdString();
    QVERIFY(q->fromSpan.length > 0 && q->fromSpan.offset + q->fromSpan.length <= text.size());
    QCOMPARE(q->intoSpan.length > 0, q->intoCode().has_value());
}

void TestQuery::errors_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("message");  // a part of it

    struct Row {
        const char* query;
        const char* flags;
        const char* kind;
        int offset;
        int length;
        const char* message;
    };
    const Row rows[] = {
        {"", "", "empty", 0, 0, "empty query"},
        {" \t ", "", "empty", 0, 3, "empty query"},
        {"24 in \xC3( ft", "", "invalid-utf8", 6, 1, "invalid UTF-8 at column 7"},
        {"24 in \xE0\x80\xAF", "", "invalid-utf8", 6, 1, "invalid UTF-8"},
        {"in to ft 24", "", "no-value", 0, 2, "no value at column 1"},
        {"&H10 m to ft", "", "no-value", 0, 4, "no value"},
        {"- 5 m to ft", "", "bad-value", 0, 1, "no digits in the number"},
        {"1,23 m to ft", "", "bad-value", 1, 1, "unexpected \",\" in the number at column 2"},
        {"1,5 kg to lb", "", "bad-value", 1, 1, "a decimal comma is read with --regional"},
        {"1 000 m to ft", "", "bad-value", 1, 1, "digit grouping is \",\" between groups of three"},
        {"1,2345 m to ft", "", "bad-value", 1, 1, "groups of three"},
        {"0,500 m to ft", "", "bad-value", 1, 1, "groups of three"},
        {"1.2.3 m to ft", "", "bad-value", 3, 1, "digit grouping"},
        {"1.23,5 m to ft", ",", "bad-value", 4, 1, "the decimal point is \".\" or \",\""},
        {"1/0 in to mm", "", "bad-value", 0, 3, "division by zero in \"1/0\" at column 1"},
        {"1 1/0 in to mm", "", "bad-value", 0, 5, "division by zero"},
        {"1e999 m to ft", "", "value-out-of-range", 0, 5, "the value \"1e999\" at column 1 is beyond"},
        {"24", "", "missing-unit", 2, 0, "no unit after the value at column 3"},
        {"24 to ft", "", "missing-unit", 3, 2, "no unit to convert from"},
        {"24 in", "", "missing-unit", 5, 0, "no unit to convert into at column 6"},
        {"24 in to", "", "missing-unit", 8, 0, "no unit to convert into"},
        {"24 fet to in", "", "unknown-unit", 3, 3, "unknown unit \"fet\" at column 4; did you mean \"feet\"?"},
        {"24 in to fet", "", "unknown-unit", 9, 3, "unknown unit \"fet\" at column 10"},
        {"500 dcal to cal", "", "unknown-unit", 4, 4, "unknown unit \"dcal\" at column 5; decicalories are not supported"},
        {"5 \xC2\xB5" "cal to cal", "", "unknown-unit", 2, 5, "microcalories are not supported"},
        {"5 EB to GB", "", "unknown-unit", 2, 2, "exabytes are not supported"},
        // "ci" is the cubic inch only in its exact case: "Ci", the curie, is spelled so in another.
        {"1 CI to ml", "", "unknown-unit", 2, 2, "unknown unit \"CI\" at column 3"},
        {"5 MM to m", "", "unknown-unit", 2, 2, "unknown unit \"MM\""},
        {"1 MG to g", "", "unknown-unit", 2, 2, "did you mean \"g\", \"kg\" or \"ug\"?"},  // never "mg"
        {"1 dB to B", "", "unknown-unit", 2, 2, "unknown unit \"dB\" at column 3; did you mean"},  // no decibytes
        {"1 yrds to kg", "", "unknown-unit", 2, 4, "did you mean \"yards\" or \"yrs\"?"},  // one edit in 4 bytes
        {"5 mw to W", "", "unknown-unit", 2, 2, "unknown unit \"mw\""},
        {"5 Mb to MB", "", "unknown-unit", 2, 2, "unknown unit \"Mb\""},
        {"5 Mn to N", "", "unknown-unit", 2, 2, "unknown unit"},
        {"5 nm to N m", "", "incompatible-units", 8, 3, "cannot convert Nanometers (Distance) into Newton meters (Torque)"},
        {"5 Gcal to J", "", "unknown-unit", 2, 4, "gigacalories are not supported"},
        {"24 lbf in", "s", "ambiguous-unit", 3, 6, "Pound-force/inch(Inch pounds) (Torque) or Pound-force inches (Energy)"},
        {"24 in to kg", "", "incompatible-units", 9, 2, "cannot convert Inches (Distance) into Kilograms (Mass)"},
        {"24 kg in", "", "incompatible-units", 6, 2, "Kilograms (Mass) into Inches (Distance)"},
        {"24 in to ft please", "", "trailing-text", 12, 6, "unexpected \"please\" at column 13 after the units"},
        {"24 ft to to m", "", "missing-unit", 6, 2, "no unit after \"to\" at column 7"},
        {"1 kg to N m please", "", "incompatible-units", 8, 3, "cannot convert Kilograms (Mass) into Newton meters (Torque)"},
        {"5 ft 3 kg to m", "", "incompatible-units", 5, 4, "cannot add \"3 kg\""},
        {"5 in 3 ft to m", "", "incompatible-units", 0, 9, "do not run from the largest to the smallest"},
        {"5 m 3 to cm", "", "missing-unit", 4, 1, "no unit after the number \"3\""},
        {"70 in to in ft", "", "incompatible-units", 9, 5, "do not run from the largest"},
        {"100 in to ft feet", "", "incompatible-units", 10, 7, "do not run from the largest"},
        {"5 ft 3 in to fet", "", "unknown-unit", 13, 3, "unknown unit \"fet\" at column 14; did you mean \"feet\"?"},
        {"5 C 3 F to C", "", "incompatible-units", 0, 7, "do not add up"},
    };
    for (const Row& row : rows)
        QTest::newRow(row.query) << QString::fromLatin1(row.query) << row.flags << row.kind << row.offset
                                 << row.length << QString::fromUtf8(row.message);
}

void TestQuery::errors()
{
    QFETCH(QString, query);
    QFETCH(QString, flags);
    QFETCH(QString, kind);
    QFETCH(int, offset);
    QFETCH(int, length);
    QFETCH(QString, message);
    const QByteArray bytes = query.toLatin1();  // rows hold raw bytes, invalid UTF-8 included
    const QueryReading reading = readQuery(std::string_view(bytes.data(), std::size_t(bytes.size())), optionsFor(flags));
    const QueryError* error = std::get_if<QueryError>(&reading);
    QVERIFY2(error, outcome(reading).c_str());
    QCOMPARE(QString::fromUtf8(errorKindName(error->kind).data()), kind);
    QCOMPARE(int(error->where.offset), offset);
    QCOMPARE(int(error->where.length), length);
    QVERIFY2(QString::fromStdString(error->message).contains(message), error->message.c_str());
}

void TestQuery::searchHelpers()
{
    // The search provider's path: a from unit alone, then each other unit of its category.
    QueryOptions search;
    search.allowMissingInto = true;
    const Query inches = std::get<Query>(readQuery("24 in", search));
    QCOMPARE(std::get<QueryError>(answerQuery(inches, std::nullopt)).kind, QueryErrorKind::MissingUnit);
    const Query feet = withInto(inches, 1);
    QCOMPARE(feet.pairCode(), std::string("01"));
    QCOMPARE(std::get<Answer>(answerQuery(feet, std::nullopt)).text, std::string("2"));
    QCOMPARE(std::get<Answer>(answerQuery(feet, 2, NumberFormat{",", "-"})).text, std::string("2,00"));
    QCOMPARE(outcome(readQuery(canonicalText(inches), search)), std::string("inch>"));

    const Query huge = std::get<Query>(readQuery("1e308 mi to in"));
    const QueryError overflow = std::get<QueryError>(answerQuery(huge, 2));
    QCOMPARE(overflow.kind, QueryErrorKind::ResultOutOfRange);
    QCOMPARE(overflow.where.length, std::size_t{5});
    // A batch writes its answers one after another into one text; a failure adds nothing.
    std::string text = "2 ";
    QVERIFY(std::holds_alternative<QueryError>(appendAnswer(text, huge, 2)));
    QCOMPARE(std::get<double>(appendAnswer(text, feet, 2, NumberFormat{",", "-"})), 2.0);
    QCOMPARE(text, std::string("2 2,00"));

    const QueryError tooLong = std::get<QueryError>(readQuery("24 in to ft" + std::string(kMaxQueryBytes, ' ')));
    QCOMPARE(tooLong.kind, QueryErrorKind::TooLong);
    QCOMPARE(tooLong.where.offset, kMaxQueryBytes);
}

void TestQuery::everydayQueries_data()
{
    // Queries as people type them, each with a plain query of the same meaning, or (after "=")
    // the answer's text in the general form.
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("same");
    const char* rows[][3] = {
        {"5 ft 10 in to cm", "", "70 in to cm"},
        {"5'10\" to cm", "", "70 in to cm"},
        {"5\u2032" "10\u2033 to cm", "", "70 in to cm"},
        {"5\u2032 10\u2033 to cm", "", "70 in to cm"},
        {"5ft10in to cm", "", "70 in to cm"},
        {"5 ft 10 to cm", "", "70 in to cm"},
        {"5 feet and 10 inches to cm", "", "70 in to cm"},
        {"-5 ft 10 in to cm", "", "-70 in to cm"},
        {"1 lb 4 oz to kg", "", "20 oz to kg"},
        {"12\u00B030'15\" to degrees", "", "45015 arcsec to degrees"},
        {"12\u00B030\u203215\u2033 to rad", "", "45015 arcsec to rad"},
        {"-45\u00B0 30' to deg", "", "-2730 arcmin to deg"},
        {"30' to degrees", "", "30 arcmin to degrees"},
        {"8 lbs 6 oz in kg", "", "134 oz to kg"},
        {"11 st 4 lb in kg", "", "158 lb to kg"},
        {"12 oz to ml", "", "12 fl oz to ml"},
        {"40 nm to ft-lb", "", "40 N m to ft-lb"},
        {"4 gb to mb", "", "4 GB to MB"},
        {"2 gal 3 qt to L", "", "11 qt to L"},
        {"5 ft 10 1/2 in to cm", "", "70.5 in to cm"},
        {"175 cm to ft in", "", "=5 ft 8.8976377952756 in"},
        {"70 inches to feet and inches", "", "=5 ft 10 in"},
        {"-70 in to ft in", "", "=-5 ft 10 in"},
        {"20 oz to lb oz", "", "=1 lb 4 oz"},
        {"71.9999999999999999 in to ft in", "", "=6 ft 0 in"},
        {"1/2 in to mm", "", "0.5 in to mm"},
        {"1 1/2 in to mm", "", "1.5 in to mm"},
        {"1-1/2 in to mm", "", "1.5 in to mm"},
        {"\u00BD in to mm", "", "0.5 in to mm"},
        {"1\u00BD in to mm", "", "1.5 in to mm"},
        {"\u00BE in to mm", "", "0.75 in to mm"},
        {"-3/4 in to mm", "", "-0.75 in to mm"},
        {"6/3m>cm", "", "2 m to cm"},
        {"how many cm in 5 ft", "", "5 ft to cm"},
        {"how many inches are in 2 ft?", "", "2 ft to in"},
        {"what is 5 ft in m", "", "5 ft to m"},
        {"convert 24 in to ft", "", "24 in to ft"},
        {"24 in = ? ft", "", "24 in to ft"},
        {"24 in to ft?", "", "24 in to ft"},
        {"24 in to ft.", "", "24 in to ft"},
        {"24 in to ft!", "", "24 in to ft"},
        {"72 degrees F to C", "", "72 F to C"},
        {"20\u00B0 C to F", "", "20 C to F"},
        {"1 \u00BA" "C to \u00BA" "F", "", "1 C to F"},
        {"20 degree C to deg F", "", "20 C to F"},
        {"1 lb. to kg", "", "1 lb to kg"},
        {"1 lbs. to kg", "", "1 lb to kg"},
        {"1 oz. to g", "", "1 oz to g"},
        {"1 ft. to m", "", "1 ft to m"},
        {"1 in. to cm", "", "1 in to cm"},
        {"1 gal. to L", "", "1 gal to L"},
        {"1 sqft to m2", "", "1 sq ft to m2"},
        {"1 sq. ft. to m2", "", "1 sq ft to m2"},
        {"1 sqin to sqm", "", "1 sq in to m2"},
        {"1 sqyd to m2", "", "1 sq yd to m2"},
        {"1 cuft to cuin", "", "1 cu ft to cu in"},
        {"5 kmph to mph", "", "5 km/h to mph"},
        {"5 km per hour to mps", "", "5 km/h to m/s"},
        {"5 gallons per minute to L/min", "", "5 gal/min to L/min"},
        {"1 ltr to gal", "", "1 L to gal"},
        {"1 gm to oz", "", "1 g to oz"},
        {"1 gms to oz", "", "1 g to oz"},
        {"1 kgs to lb", "", "1 kg to lb"},
        {"100 ft-lbs to Nm", "", "100 lbf ft to N m"},
        {"100 ft lbs to Nm", "", "100 lbf ft to N m"},
        {"100 ft\u00B7lbs to Nm", "", "100 lbf ft to N m"},
        {"90 Nm to ft lbs", "", "90 N m to lbf ft"},
        {"25 in-lbs to Nm", "", "25 lbf in to N m"},
        {"25 in lbs to Nm", "", "25 lbf in to N m"},
        {"65 ft.lb to Nm", "", "65 lbf ft to N m"},
        {"1 oz in to N m", "", "1 ozf in to N m"},
        {"1 in oz to N m", "", "1 ozf in to N m"},
        {"1 lb-in to lb-ft", "", "1 lbf in to lbf ft"},
        {"24 lbf ft to lbf in", "", "=288"},
        {"1 KG to lb", "", "1 kg to lb"},
        {"1 Kg to lb", "", "1 kg to lb"},
        {"1 KM to mi", "", "1 km to mi"},
        {"1 Km to mi", "", "1 km to mi"},
        {"1 CM to mm", "", "1 cm to mm"},
        {"1 KW to hp", "", "1 kW to hp"},
        {"1 kwh to J", "", "1 kWh to J"},
        {"1 kpa to psi", "", "1 kPa to psi"},
        {"5 MPH to M/S", "", "5 mph to m/s"},
        {"1,500 ft to m", "", "1500 ft to m"},
        {"12,345,678.9 m to km", "", "12345678.9 m to km"},
        {"1.500 m to ft", ",", "1500 m to ft"},
        {"1.500,5 m to ft", ",", "1500.5 m to ft"},
        {"1.234.567 m to km", ",", "1234567 m to km"},
        {"1,5 m to ft", ",", "1.5 m to ft"},
        {"1.5 m to ft", ",", "1.5 m to ft"},
        {"0.500 m to ft", ",", "0.5 m to ft"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << row[1] << QString::fromUtf8(row[2]);
}

void TestQuery::everydayQueries()
{
    QFETCH(QString, query);
    QFETCH(QString, flags);
    QFETCH(QString, same);
    const QueryReading reading = readQuery(query.toStdString(), optionsFor(flags));
    const Query* q = std::get_if<Query>(&reading);
    QVERIFY2(q, outcome(reading).c_str());
    const std::string answer = std::get<Answer>(answerQuery(*q, std::nullopt)).text;
    if (same.startsWith('=')) {
        QCOMPARE(QString::fromStdString(answer), same.mid(1));
        return;
    }
    const QueryReading plain = readQuery(same.toStdString());
    QVERIFY2(std::holds_alternative<Query>(plain), outcome(plain).c_str());
    // Several parts are converted one by one, and the table's factors for two units of one
    // category agree to nine digits (an ounce is 0.02834952312 kg, a pound 0.45359237 kg).
    const double expected = std::get<Answer>(answerQuery(std::get<Query>(plain), std::nullopt)).result;
    const double result = std::get<Answer>(answerQuery(*q, std::nullopt)).result;
    QVERIFY2(std::fabs(result - expected) <= 1e-9 * std::fabs(expected), answer.c_str());
    // What the window is handed reads back to the same value.
    QCOMPARE(readLeadingNumber(q->valueText), std::optional<double>(q->value));
}

void TestQuery::severalUnitsOverWholeCategories()
{
    // Every two units of every proportional category, larger first: "7 A 3 B to X" equals the
    // parts converted one by one, and every answer into "A B" adds back up to the single answer.
    int checked = 0;
    for (const Category& category : categories())
        for (const Unit& a : category.units)
            for (const Unit& b : category.units) {
                const std::optional<double> size = convertValue(pairCode(a.code, b.code), 1.0);
                if (!size || *size <= 1.0 || convertValue(pairCode(a.code, b.code), 0.0) != 0.0)
                    continue;
                const std::string an(a.text), bn(b.text);
                for (const Unit& into : category.units) {
                    const std::string query = "7 " + an + " 3 " + bn + " to " + std::string(into.text);
                    const QueryReading reading = readQuery(query);
                    const Query* q = std::get_if<Query>(&reading);
                    QVERIFY2(q, (query + ": " + outcome(reading)).c_str());
                    QCOMPARE(q->fromParts.size(), std::size_t{2});
                    const double expected = *convertValue(pairCode(a.code, into.code), 7.0) +
                                            *convertValue(pairCode(b.code, into.code), 3.0);
                    const double result = std::get<Answer>(answerQuery(*q, std::nullopt)).result;
                    QCOMPARE(result, expected);
                    ++checked;
                }
                for (const double value : {0.0, 1.0, 1234.5678, -99.99}) {
                    const Unit& from = category.units.front();
                    const std::string query = std::to_string(value) + " " + std::string(from.text) + " to " + an + " " + bn;
                    const QueryReading reading = readQuery(query);
                    const Query* q = std::get_if<Query>(&reading);
                    QVERIFY2(q, (query + ": " + outcome(reading)).c_str());
                    const Answer answer = std::get<Answer>(answerQuery(*q, 2));
                    QCOMPARE(answer.parts.size(), std::size_t{2});
                    QCOMPARE(answer.parts[0].amount, std::trunc(answer.parts[0].amount));
                    QVERIFY2(std::fabs(answer.parts[1].amount) < *size * (1 + 1e-9), (query + " = " + answer.text).c_str());
                    const double back = answer.parts[0].amount * *size + answer.parts[1].amount;
                    QVERIFY2(std::fabs(back - answer.result) <= 0.005 + 1e-9 * std::fabs(answer.result),
                             (query + " = " + answer.text).c_str());
                    ++checked;
                }
            }
    qInfo("%d quantities of several units", checked);
    QVERIFY(checked > 500);
}

void TestQuery::unsupportedSymbolsNeverReadByCase()
{
    // Every SI-prefixed symbol of the catalogue's metric units, in its exact case, reads as that
    // unit (declared, or through its prefix) or is refused; it is never read, nor suggested, as a
    // unit a thousand times away.
    const char* const prefixes[] = {"Y", "Z", "E", "P", "T", "G", "M", "k", "h", "da", "d", "c", "m", "\u00B5", "n", "p", "f", "a"};
    const char* const bases[] = {"m", "g", "W", "J", "Pa", "N", "L", "bar", "s", "K", "t", "l", "lx", "Wh"};
    int checked = 0;
    for (const char* base : bases)
        for (const char* prefix : prefixes) {
            const std::string symbol = std::string(prefix) + base;
            const QueryReading reading = readQuery("1 " + symbol + " to " + base);
            if (const Query* q = std::get_if<Query>(&reading); q != nullptr && q->fromTerm) {
                // Read through its prefix, as the unit it names.
                QCOMPARE(q->fromTerm->symbol, symbol);
            } else if (q != nullptr) {
                bool named = false;
                for (const UnitName& name : namesOf(q->fromCode()))
                    named = named || name.text == symbol;
                named = named || categoryOf(q->fromCode()).units[q->fromPosition].text == symbol;
                QVERIFY2(named, symbol.c_str());
            } else {
                const QueryError& error = std::get<QueryError>(reading);
                for (const std::string& candidate : error.candidates)
                    QVERIFY2(folded(candidate) != folded(symbol), (symbol + " suggests " + candidate).c_str());
            }
            ++checked;
        }
    QCOMPARE(checked, int(std::size(bases) * std::size(prefixes)));
}

QTEST_APPLESS_MAIN(TestQuery)
#include "tst_query.moc"
