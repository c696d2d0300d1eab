// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/catalogue_terms.h>
#include <mezzurix/convert.h>
#include <mezzurix/definitions.h>
#include <mezzurix/query.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_prefixes.h>

#include <QTest>

#include <cmath>
#include <string>
#include <vector>

using namespace mezzurix;

namespace {

// Answers through the definitions lie within a few units in the last place of the exact value;
// those through the window's table keep the table's factor, at worst 4.1e-10 away.
constexpr double kDefinitionsTolerance = 1e-14;
constexpr double kTableTolerance = 1e-9;

double relativeGap(double value, const ExactAmount& exact)
{
    const double expected = exact.toDouble();
    return expected == 0.0 ? std::abs(value) : std::abs(value - expected) / std::abs(expected);
}

QueryOptions optionsFor(const QString& language)
{
    QueryOptions options;
    options.language = language.toStdString();
    if (!language.isEmpty())
        options.decimalPoint = ",";
    return options;
}

std::string termText(const std::optional<UnitTerm>& term)
{
    return term ? term->symbol : std::string();
}

// The query read, answered, and read back from its canonical text to the same units and answer.
std::optional<double> answered(const std::string& text, const QueryOptions& options = {})
{
    const QueryReading reading = readQuery(text, options);
    const Query* query = std::get_if<Query>(&reading);
    if (query == nullptr) {
        qWarning("%s: %s", text.c_str(), std::get<QueryError>(reading).message.c_str());
        return std::nullopt;
    }
    const auto answer = answerQuery(*query, std::nullopt);
    if (!std::holds_alternative<Answer>(answer))
        return std::nullopt;
    const double result = std::get<Answer>(answer).result;
    const QueryReading again = readQuery(canonicalText(*query));
    const Query* back = std::get_if<Query>(&again);
    if (back == nullptr || termText(back->fromTerm) != termText(query->fromTerm) ||
        termText(back->intoTerm) != termText(query->intoTerm) || back->fromCode() != query->fromCode() ||
        back->intoCode() != query->intoCode() || back->value != query->value) {
        qWarning("%s does not read back from %s", text.c_str(), canonicalText(*query).c_str());
        return std::nullopt;
    }
    const auto answerAgain = answerQuery(*back, std::nullopt);
    if (!std::holds_alternative<Answer>(answerAgain) || std::get<Answer>(answerAgain).result != result)
        return std::nullopt;
    return result;
}

// How to write a catalogue unit in an expression, or nothing for one that composes with nothing.
std::optional<std::string> written(int code)
{
    const CatalogueUnit* unit = catalogueUnit(code);
    if (unit == nullptr || unit->term.reciprocal || unit->term.symbol.empty())
        return std::nullopt;
    const std::string& symbol = unit->term.symbol;
    const bool composite = symbol.find('/') != std::string::npos || symbol.find("\u00B7") != std::string::npos;
    return composite ? "(" + symbol + ")" : symbol;
}

const ExactAmount& amountOf(int code)
{
    return catalogueUnit(code)->term.amount;
}

ExactAmount exact(std::optional<ExactAmount> value)
{
    return *value;
}

} // namespace

class TestExpressions : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void everyPrefixOnEveryPrefixableUnit();
    void composedPairsOfEveryCategory();
    void refusals_data();
    void refusals();
    void sidesAndSpans();
};

void TestExpressions::answers_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("exact");  // the answer, as ExactAmount::parse reads it (left to right)

    const auto row = [](const char* query, const char* exact, const char* language = "") {
        QTest::newRow(query) << QString::fromUtf8(query) << QString::fromUtf8(language) << QString::fromUtf8(exact);
    };
    // Densities, accelerations, power and energy written as quotients, paces, data rates
    row("2.7 g/cm3 to kg/m3", "2700");
    row("1000 kg/m\u00B3 to lb/ft\u00B3", "1000*0.028316846592/0.45359237");
    row("1 kg per m3 to g/L", "1");
    row("3 m/s2 to ft/s2", "3/0.3048");
    row("9.8 m/s^2 to ft/s\u00B2", "9.8/0.3048");
    row("2 (m/s)^2 to ft\u00B2/s\u00B2", "2/0.09290304");
    row("2 kcal/h to W", "2*4186.8/3600");
    row("18 kWh/100km to Wh/mi", "18*3600000/100000*1609.344/3600");
    row("1 kWh/100km to mi/kWh", "3600000/36/1609.344");
    row("5.5 min/km to min/mi", "5.5*1.609344");
    row("4 min/km to km/h", "15");
    row("0.5 L/(100 km) to mpg", "100000/0.5/0.001*0.003785411784/1609.344");
    row("10 Gbit/s to Mbit/s", "10000");
    row("9.81 kg\u00B7m/s\u00B2 to N", "9.81");
    row("1 kg/(m\u00B7s\u00B2) to Pa", "1");
    row("100 \u00B0C/min to \u00B0F/min", "180");
    row("1 J/(kg\u00B7\u00B0C) to J/(kg\u00B7K)", "1");
    row("5 m^-1 to ft^-1", "5*0.3048");
    row("1 s\u207B\u00B9 to min\u207B\u00B9", "60");
    row("3 cubic mm to mL", "0.003");
    // Rotation, angles, electricity, and prefixes as written before names in another case
    row("500 mA to A", "0.5");
    row("5.8 GHz to MHz", "5800");
    row("50 Hz to rpm", "3000");
    row("3000 rpm to rad/s", "3000*2*pi/60");
    row("100 rad/s to Hz", "100/2/pi");
    row("45 degrees to radians", "45*pi/180");
    row("250 Mbps to MB/s", "250000000/8/1048576");
    row("5 \u00B5F to nF", "5000");
    row("12 V \u00D7 2 A to W", "24");
    row("1 V/A to \u03A9", "1");
    row("2 A \u00D7 3 h to mAh", "6000");
    row("1 mHz to Hz", "0.001");
    row("1 Gm to km", "1000000");
    row("2 Pt to t", "2000000000000000");
    // The other side reads a bare symbol that is another unit's: C the coulomb, F the farad
    row("1 mC to C", "0.001");
    row("2 A h to C", "7200");
    row("3 C to mAh", "3/3.6");
    row("4700 nF to F", "0.0000047");
    row("1 fC to mC", "0.000000000001");
    row("1 aC to mC", "0.000000000000001");
    row("1 cC to mC", "10");
    // Products written with a blank where they spell a declared unit or join SI symbols
    row("100 kW h to MJ", "360");
    row("100 kW\u00B7h to MJ", "360");
    row("2 kW*h to kJ", "7200");
    // Plain SI prefixes, by symbol and by word
    row("2 \u00B5s to ns", "2000");
    row("2 \u03BCs to ns", "2000");
    row("5 us to ns", "5000");
    row("2 microseconds to ns", "2000");
    row("500 dg to g", "50");
    row("5 \u00B5W to W", "0.000005");
    row("5 pm to mm", "0.000000005");
    row("5 GWh to J", "18000000000000");
    row("3 gigajoules to kWh", "3000000000/3600000");
    row("1 Mm to km", "1000");
    row("1 daL to L", "10");
    row("1 kilobit to bit", "1000");
    row("1 Kibit to bit", "1024");
    row("1 EiB to PiB", "1024");
    row("8 Mbit to MB", "8000000/8/1048576");
    // Quantities multiplied and divided, numbers times powers of ten, sums of one dimension
    row("4 m x 3 m to sq ft", "12/0.09290304");
    row("4m x 3m to sq ft", "12/0.09290304");
    row("2 m \u00D7 1.5 m \u00D7 0.8 m to L", "2400");
    row("3 ft \u00D7 2 ft \u00D7 1 ft to cu ft", "6");
    row("50 mph * 3 h to km", "150*1.609344");
    row("400 km / 30 L to mpg", "400/30*1000/0.001/1609.344*0.003785411784");
    row("72 km/h / 2 to m/s", "10");
    row("1 kWh / 1 h to W", "1000");
    row("3 x 10^8 m/s to km/h", "1080000000");
    row("3\u00D710\u2078 m/s to km/h", "1080000000");
    row("3 x 10^-3 m to mm", "3");
    row("5 ft + 3 in to cm", "160.02");
    row("5 ft. + 3 in. to cm", "160.02");
    row("2 h - 15 min to min", "105");
    row("1 ft - 12 in to m", "0");
    row("20 \u00B0C + 5 K to \u00B0F", "77");
    // Fractions stay fractions, mixed numbers mixed
    row("3 / 4 in to mm", "19.05");
    row("3/4 in to mm", "19.05");
    row("1-1/2 in to mm", "38.1");
    row("1 1/2 ft + 6 in to ft", "2");
    // Dots standing alone belong to no unit, as abbreviation dots belong to none
    row("5 . m/s^3 to ft/s^3", "5/0.3048");
    row("4:30. kg/m^4 to g/cm^4", "4.5/100000000*1000");
    row("5 m/s^3 . to ft/s^3 .", "5/0.3048");
    // Every phrasing, and a user's language
    row("how many ns in 2 \u00B5s", "2000");
    row("convert 2.7 g/cm3 to kg/m3", "2700");
    row("what is 5 ft + 3 in in cm", "160.02");
    row("2.7 g/cm3 = ? kg/m3", "2700");
    row("2.7 g/cm3 -> kg/m3", "2700");
    row("3 qm pro s in m2/h", "10800", "de");
    row("2,5 m x 2 m in qm", "5", "de");
}

// Each answer agrees with exact arithmetic on the typed numbers and the units' definitions.
void TestExpressions::answers()
{
    QFETCH(QString, query);
    QFETCH(QString, language);
    QFETCH(QString, exact);
    const QueryOptions options = optionsFor(language);
    const std::optional<double> result = answered(query.toStdString(), options);
    QVERIFY(result);
    const QueryReading reading = readQuery(query.toStdString(), options);
    const double tolerance = std::get<Query>(reading).inWindow() ? kTableTolerance : kDefinitionsTolerance;
    const double gap = relativeGap(*result, *ExactAmount::parse(exact.toStdString()));
    QVERIFY2(gap <= tolerance, (std::to_string(*result) + " is " + std::to_string(gap) + " off").c_str());
}

// Every prefix on every unit that takes it, by symbol and by word, is exactly its power of ten
// (or of two) of the bare unit; where the prefixed spelling is a declared name of another unit,
// the declared unit wins ("ft" is no femtotonne, "kt" no kilotonne).
void TestExpressions::everyPrefixOnEveryPrefixableUnit()
{
    int prefixed = 0;
    int named = 0;
    for (const UnitDefinition& definition : unitDefinitions()) {
        const CatalogueUnit* unit = catalogueUnit(definition.code);
        if (unit->prefixForms.prefixes == Prefixes::None)
            continue;
        const std::string bare(typedCategories()[typedPlaceOf(definition.code)->categoryIndex]
                                   .units[typedPlaceOf(definition.code)->position].text);
        std::vector<std::pair<std::string, bool>> bases;  // spelling, a symbol
        for (const bool symbols : {true, false}) {
            const std::string_view list = symbols ? unit->prefixForms.symbols : unit->prefixForms.names;
            for (std::size_t at = 0; at < list.size();) {
                const std::size_t bar = std::min(list.find('|', at), list.size());
                bases.emplace_back(std::string(list.substr(at, bar - at)), symbols);
                at = bar + 1;
            }
        }
        for (const auto& prefixes : {siPrefixes(), binaryPrefixes()})
            for (const UnitPrefix& prefix : prefixes) {
                if (!takesPrefix(unit->prefixForms.prefixes, prefix))
                    continue;
                for (const auto& [base, symbol] : bases) {
                    const std::string spelling = std::string(symbol ? prefix.symbol : prefix.word) + base;
                    QueryOptions alone;
                    alone.allowMissingInto = true;
                    const QueryReading reading = readQuery("1 " + spelling, alone);
                    const Query* query = std::get_if<Query>(&reading);
                    QVERIFY2(query, spelling.c_str());
                    const ExactAmount factor = prefixFactor(prefix);
                    const bool declared = !query->fromTerm;
                    if (declared && catalogueUnit(query->fromCode())->term.amount != *(factor * unit->term.amount)) {
                        qInfo("%s is another unit's name", spelling.c_str());
                        ++named;
                        continue;
                    }
                    const std::optional<double> result = answered("1 " + spelling + " to " + bare);
                    QVERIFY2(result, spelling.c_str());
                    QVERIFY2(relativeGap(*result, factor) <= (declared ? kTableTolerance : 0.0), spelling.c_str());
                    ++prefixed;
                }
            }
    }
    qInfo("%d prefixed spellings, %d of them other units' names", prefixed + named, named);
    QVERIFY(prefixed > 500);
    // Symbols such as ft (femtotonne), min, mi, kt (knots) and Pa stay the units they name.
    QVERIFY(named < 20);
}

// Quotients, products and powers of every category's units with those of another agree with
// exact arithmetic on the units' amounts: every pair of a category against two units of the next.
void TestExpressions::composedPairsOfEveryCategory()
{
    const auto categories = typedCategories();
    int checked = 0;
    const ExactAmount x = *ExactAmount::parse("7.25");
    for (std::size_t c = 0; c < categories.size(); ++c) {
        const Category& partner = categories[(c + 1) % categories.size()];
        std::vector<int> others;
        for (const Unit& u : partner.units)
            if (written(u.code))
                others.push_back(u.code);
        const int v1 = others.front();
        const int v2 = others.back();
        for (const Unit& a : categories[c].units)
            for (const Unit& b : categories[c].units) {
                if (!written(a.code) || !written(b.code))
                    continue;
                const std::string u1 = *written(a.code), u2 = *written(b.code);
                const std::string w1 = *written(v1), w2 = *written(v2);
                const ExactAmount ratio = exact(amountOf(a.code) / amountOf(b.code));
                const ExactAmount partners = exact(amountOf(v1) / amountOf(v2));
                const struct {
                    std::string query;
                    ExactAmount expected;
                } forms[] = {
                    {"7.25 " + u1 + "/" + w1 + " to " + u2 + "/" + w2, exact(x * exact(ratio / partners))},
                    {"7.25 " + u1 + "\u00B7" + w1 + " to " + u2 + "\u00B7" + w2, exact(x * exact(ratio * partners))},
                    {"7.25 " + u1 + "^2 to " + u2 + "^2", exact(x * *ratio.power(2))},
                    {"7.25 " + u1 + "^-1 to " + u2 + "\u207B\u00B9", exact(x * *ratio.power(-1))},
                    // No word between the sides: the from side ends where it reads whole.
                    {"7.25 " + u1 + "^2 " + u2 + "^2", exact(x * *ratio.power(2))},
                };
                for (const auto& form : forms) {
                    const std::optional<double> result = answered(form.query);
                    QVERIFY2(result, form.query.c_str());
                    const QueryReading reading = readQuery(form.query);
                    const double tolerance = std::get<Query>(reading).inWindow() ? kTableTolerance : kDefinitionsTolerance;
                    QVERIFY2(relativeGap(*result, form.expected) <= tolerance, form.query.c_str());
                    ++checked;
                }
            }
    }
    qInfo("%d composed queries", checked);
    QVERIFY(checked > 3000);
}

void TestExpressions::refusals_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");

    const auto row = [](const char* query, const char* kind, const char* message) {
        QTest::newRow(query) << QString::fromUtf8(query) << kind << QString::fromUtf8(message);
    };
    // Both sides named, each with the category that holds it or its dimension
    row("2.7 g/mm3 to kg", "incompatible-units", "cannot convert g/mm\u00B3 (density) into kg (mass)");
    // A prefix reading as written comes before a name in another case: fC is no foot-candle.
    row("1 fC to lx", "incompatible-units", "cannot convert fC (electric charge) into lx (light)");
    row("1 aC to ac", "incompatible-units", "cannot convert aC (electric charge) into ac (area)");
    row("4 m x 3 m to kg", "incompatible-units", "cannot convert m\u00B2 (area) into kg (mass) at column 14");
    row("50 mph * 3 h to kg", "incompatible-units", "cannot convert mph\u00B7h (distance) into kg (mass)");
    row("1 m\u00B2/s to g/cm", "incompatible-units", "cannot convert m\u00B2/s (m\u00B2/s) into g/cm (kg/m)");
    row("1 kg/(m\u00B7s) to Pa", "incompatible-units", "cannot convert kg/(m\u00B7s) (kg/(m\u00B7s)) into Pa (pressure)");
    row("2 min/ft to s", "incompatible-units", "cannot convert min/ft (pace) into s (time)");
    row("2 m\u00B7s to s", "incompatible-units", "cannot convert m\u00B7s (m\u00B7s) into s (time)");
    row("2 min/km to s", "incompatible-units", "cannot convert Minutes per kilometer (Pace) into Seconds (Time)");
    row("5 ft + 3 s to m", "incompatible-units", "cannot add ft (distance) and s (time)");
    row("20 \u00B0C + 5 \u00B0C to \u00B0F", "incompatible-units", "cannot add or subtract \u00B0C, a temperature");
    // Torque is never energy, named or composed of the named
    row("5 N m to J", "incompatible-units", "cannot convert Newton meters (Torque) into Joules (Energy)");
    row("0 min/ft to km/h", "result-out-of-range", "no answer: km/h is the inverse of min/ft");
    row("1 m / 0 s to m/s", "bad-value", "division by zero in \"/ 0 s\" at column 5");
    row("1 kWh/0km to J/m", "bad-value", "division by zero in \"/0km\" at column 6");
    row("1 kWh/km to J/0 m", "bad-value", "\"0\" makes a unit of no size");
    // Numbers alone carry no unit, and "/" divides only after one
    row("60 / s to min", "unknown-unit", "unknown unit");
    row("2 x 3 to m", "missing-unit", "no unit after the value");
    row("3 m^99 to ft", "value-out-of-range", "beyond the range of numbers");
    // Where the expression reads no farther than the classic reader, the classic error stands.
    row("4 m x to ft", "unknown-unit", "unknown unit \"x to ft\"");
    row("1 kg/(m to g", "unknown-unit", "unknown unit \"kg/(m\"");
    // Bits take no prefix below kilo; the classic reader's errors stand where the expression got
    // no farther
    row("1 mbit to bit", "unknown-unit", "unknown unit \"mbit\"");
    row("2.7 g/mm3 to kg/m3 please", "unknown-unit", "unknown unit \"please\"");
    row("24 ft to fet", "unknown-unit", "did you mean \"feet\"?");
    row("5 mJ to xyz", "unknown-unit", "unknown unit \"xyz\" at column 9");
    // No word between the sides: the into side starts where the from side stops reading, and a
    // composed unit there is named, not taken for a misspelt one
    row("2.7 g/cm3 g/cm3/m", "incompatible-units", "cannot convert g/cm\u00B3 (density) into (g/cm\u00B3)/m (kg/m\u2074)");
    row("2.7 g/cm3 kg/m3/s", "incompatible-units", "cannot convert g/cm\u00B3 (density) into (kg/m\u00B3)/s");
    row("2.7 g/cm3 kg", "incompatible-units", "cannot convert Grams per cubic centimeter (Density) into Kilograms (Mass)");
    row("2.7 g/cm3 flour", "unknown-unit", "unknown unit \"flour\" at column 11");
    row("2 m 3 m", "missing-unit", "no unit to convert into");
    row("10 kilowatt hour", "missing-unit", "no unit to convert into");
    // ...not a misspelt min/km: a dot after the clock value changes nothing
    row("4:30. min/k^2 to s/km", "incompatible-units", "cannot convert min/K\u00B2 (s/K\u00B2) into s/km (pace)");
}

void TestExpressions::refusals()
{
    QFETCH(QString, query);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QueryReading reading = readQuery(query.toStdString());
    const QueryError* error = std::get_if<QueryError>(&reading);
    if (error == nullptr)
        QFAIL(("read as " + canonicalText(std::get<Query>(reading))).c_str());
    QCOMPARE(QString::fromUtf8(errorKindName(error->kind).data()), kind);
    QVERIFY2(QString::fromStdString(error->message).contains(message), error->message.c_str());
    QVERIFY(error->where.offset + error->where.length <= std::size_t(query.toUtf8().size()));
}

// Where each side stands, and which sides are terms.
void TestExpressions::sidesAndSpans()
{
    const auto read = [](const std::string& text, const QueryOptions& options = {}) {
        const QueryReading reading = readQuery(text, options);
        if (!std::holds_alternative<Query>(reading))
            qFatal("%s: %s", text.c_str(), std::get<QueryError>(reading).message.c_str());
        return std::get<Query>(reading);
    };
    const auto spanned = [](const std::string& text, TextSpan span) { return text.substr(span.offset, span.length); };

    const std::string density = "2.7 g/mm3 to lb/in3";
    const Query q = read(density);
    QCOMPARE(spanned(density, q.valueSpan), "2.7");
    QCOMPARE(spanned(density, q.fromSpan), "g/mm3");
    QCOMPARE(spanned(density, q.intoSpan), "lb/in3");
    QCOMPARE(q.fromTerm->symbol, "g/mm\u00B3");
    QCOMPARE(q.fromCode(), kNoUnitCode);
    QCOMPARE(q.category().name, "Density");
    QVERIFY(!q.intoCode() && q.pairCode().empty() && !q.inWindow());
    QCOMPARE(canonicalText(q), "2.7 g/mm\u00B3 to lb/in\u00B3");
    // Another English symbol of a part is kept as typed, and reads back.
    const Query flow = read("2 mL/min to L/h");
    QCOMPARE(flow.fromTerm->symbol, "mL/min");
    QCOMPARE(read(canonicalText(flow)).fromTerm->symbol, "mL/min");

    // A computed quantity: its value counted in its unit, its first number the value span.
    const std::string room = "4 m x 3 m to sq ft";
    const Query area = read(room);
    QVERIFY(!area.fromTerm && !area.intoTerm && area.inWindow());
    QCOMPARE(area.value, 12.0);
    QCOMPARE(area.valueText, "12");
    QCOMPARE(spanned(room, area.valueSpan), "4");
    QCOMPARE(spanned(room, area.fromSpan), "m x 3 m");
    QCOMPARE(canonicalText(area), "12 Sq Meters to Sq Feet");

    // The query's category is the from side's; an into unit of another category is a term, and a
    // term converts into a catalogue unit of its own category by the unit's place.
    const Query pace = read("4 min/km to km/h");
    QVERIFY(!pace.fromTerm && pace.intoTerm);
    QCOMPARE(pace.category().name, "Pace");
    const Query composedPace = read("4 min/ft to km/h");
    QVERIFY(composedPace.fromTerm && composedPace.intoTerm);
    QCOMPARE(composedPace.category().name, "Pace");
    QCOMPARE(read("1 m\u00B7s to m\u00B7min").categoryIndex, kNoCategory);
    const Query power = read("2 kcal/h to W");
    QVERIFY(power.fromTerm && !power.intoTerm && power.intoCode());
    QCOMPARE(power.category().name, "Power");
    QCOMPARE(withInto(power, 0).intoTerm.has_value(), false);

    // A term alone, where no into unit is asked for.
    QueryOptions alone;
    alone.allowMissingInto = true;
    const Query single = read("24 g/mm3", alone);
    QVERIFY(single.fromTerm && !single.intoTerm && !single.intoPosition);
    QVERIFY(std::holds_alternative<QueryError>(answerQuery(single, std::nullopt)));
    // "N·m" is torque, "kW h" the kilowatt-hour: composed units that spell declared ones take them.
    QCOMPARE(read("3 N\u00B7m/s\u00B7s to ozf\u00B7in").category().name, "Torque");
    QCOMPARE(canonicalText(read("24 kW h", alone)), "24 Kilowatt-hours");
}

QTEST_APPLESS_MAIN(TestExpressions)
#include "tst_expressions.moc"
