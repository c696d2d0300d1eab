// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/currency.h>
#include <mezzurix/reference_rates.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_names.h>

#include <QtTest>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace mezzurix;

namespace {

std::vector<std::string> itemsOf(std::string_view list)
{
    std::vector<std::string> items;
    forEachListed(list, [&](std::string_view item) { items.emplace_back(item); });
    return items;
}

// "USD>EUR", "not currency" or the error kind.
std::string outcome(const CurrencyReading& reading)
{
    if (const auto* query = std::get_if<CurrencyQuery>(&reading))
        return std::string(query->from->code) + ">" + std::string(query->into->code);
    if (const auto* error = std::get_if<QueryError>(&reading))
        return std::string(errorKindName(error->kind));
    return "not currency";
}

std::string read(const std::string& text, const std::string& locale = {}, const std::string& language = {})
{
    QueryOptions options;
    options.language = language;
    return outcome(readCurrencyQuery(text, options, locale));
}

const rates::ReferenceRates& recordedRates()
{
    static const rates::ReferenceRates recorded = [] {
        std::ifstream file(MEZZURIX_RATES_RESPONSES "/eurofxref-daily.xml", std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        auto parsed = rates::parseDailyRates(text.str());
        if (!std::holds_alternative<rates::ReferenceRates>(parsed))
            qFatal("the recorded rates do not read");
        return std::get<rates::ReferenceRates>(parsed);
    }();
    return recorded;
}

// `text` with ASCII letters lowered, as names are compared.
std::string folded(std::string_view text)
{
    std::string lowered(text);
    for (char& c : lowered)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lowered;
}

// The euro and every code of the recorded file.
std::vector<std::string> recordedCodes()
{
    std::vector<std::string> codes{"EUR"};
    for (const rates::Rate& rate : recordedRates().rates)
        codes.push_back(rate.code);
    return codes;
}

// Each name of a currency with the language it is read in (empty for every language).
std::vector<std::pair<std::string, std::string>> namesOf(const Currency& currency)
{
    std::vector<std::pair<std::string, std::string>> names{{std::string(currency.code), ""}};
    for (const std::string& name : itemsOf(currency.names))
        names.emplace_back(name, "");
    for (const LanguageNames* language : unitNameLanguages())
        for (const std::string& name : itemsOf(currencyNamesIn(currency, language)))
            names.emplace_back(name, std::string(language->code));
    return names;
}

} // namespace

class TestCurrency : public QObject {
    Q_OBJECT

private slots:
    // Every code of the rates file has a row, and every pair of them reads, in any case.
    void everyRecordedPairReads()
    {
        const std::vector<std::string> codes = recordedCodes();
        QCOMPARE(codes.size(), currencies().size());
        for (const std::string& from : codes) {
            QVERIFY2(findCurrency(from) != nullptr, from.c_str());
            for (const std::string& into : codes) {
                std::string lower = from;
                for (char& c : lower)
                    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                QCOMPARE(read("12.5 " + lower + " to " + into), from + ">" + into);
                QCOMPARE(read(from + " 3 " + into), from + ">" + into);
            }
        }
    }

    // English and every language's catalogue name every currency, after 1 in the singular and
    // after others in the plural; a language names each once, and among the names it reads.
    void everyLanguageNamesEveryCurrency()
    {
        for (const Currency& currency : currencies())
            for (const char* one : {"1", "-1", "+1"}) {
                QCOMPARE(currencyNameAfter(currency, one, ""), currency.singular);
                QCOMPARE(currencyNameAfter(currency, std::string(one) + "0", ""), currency.plural);
            }
        for (const LanguageNames* language : unitNameLanguages()) {
            QCOMPARE(language->currencyNames.size(), currencies().size());
            for (const CurrencyName& own : language->currencyNames) {
                const Currency* currency = findCurrency(own.code);
                const std::string what = std::string(language->code) + " " + std::string(own.code);
                QVERIFY2(currency != nullptr && !own.singular.empty() && !own.plural.empty(), what.c_str());
                QCOMPARE(currencyNameAfter(*currency, "1", language->code), own.singular);
                QCOMPARE(currencyNameAfter(*currency, "2", language->code), own.plural);
                std::vector<std::string> read = itemsOf(currency->names);
                for (std::string& name : itemsOf(own.names))
                    read.push_back(std::move(name));
                for (const std::string_view shown : {own.singular, own.plural})
                    QVERIFY2(std::any_of(read.begin(), read.end(),
                                         [&](const std::string& name) { return folded(name) == folded(shown); }),
                             (what + ": " + std::string(shown) + " is no name it reads").c_str());
            }
        }
    }

    // Every name and symbol reads, in its language, on either side, beside each other currency;
    // and no name of one currency is another's.
    void everyNameReadsOnBothSides()
    {
        for (const Currency& currency : currencies())
            for (const auto& [name, language] : namesOf(currency)) {
                for (const Currency& other : currencies()) {
                    if (&other == &currency)
                        continue;
                    const std::string pair = std::string(currency.code) + ">" + std::string(other.code);
                    const std::string back = std::string(other.code) + ">" + std::string(currency.code);
                    QVERIFY2(read("20 " + name + " to " + std::string(other.code), "", language) == pair, name.c_str());
                    QVERIFY2(read("20 " + std::string(other.code) + " in " + name, "", language) == back, name.c_str());
                }
                if (name.find(' ') == std::string::npos && currency.code != "EUR")
                    QVERIFY2(read(name + "20 to EUR", "", language).starts_with(std::string(currency.code)), name.c_str());
            }
    }

    // A unit's name never reads as a currency, and a currency's name never as a catalogue unit
    // (only as a prefixed one: "zl" the zeptoliter, which a currency beside it outweighs).
    void unitsAndCurrenciesKeepApart()
    {
        for (const Category& category : typedCategories())
            for (const Unit& unit : category.units)
                for (const LanguageNames* language : unitNameLanguages())
                    for (const UnitName& name : mezzurix::namesOf(unit.code, language)) {
                        const std::string text = "1 " + std::string(name.text) + " to " + std::string(name.text);
                        QVERIFY2(read(text, "", std::string(language->code)) == "not currency", text.c_str());
                    }
        QueryOptions options;
        options.allowMissingInto = true;
        for (const Currency& currency : currencies())
            for (const auto& [name, language] : namesOf(currency)) {
                options.language = language;
                const QueryReading unit = readQuery("1 " + name, options);
                QVERIFY2(std::holds_alternative<QueryError>(unit) || std::get<Query>(unit).fromTerm, name.c_str());
            }
    }

    // Each shared name reads as each of its currencies in that currency's region, and as the
    // fallback (or not at all) elsewhere.
    // English's shared names, and each language's words for them, in that language.
    void sharedNamesFollowTheRegion()
    {
        int translatedWords = 0;
        std::vector<const LanguageNames*> languages{nullptr};
        languages.insert(languages.end(), unitNameLanguages().begin(), unitNameLanguages().end());
        for (const LanguageNames* language : languages) {
            const std::string code = language != nullptr ? std::string(language->code) : std::string();
            for (const SharedCurrencyName& shared : sharedCurrencyNames()) {
                const std::string_view names = language != nullptr ? sharedCurrencyNamesIn(shared, language) : shared.names;
                for (const std::string& name : itemsOf(names)) {
                    translatedWords += language != nullptr;
                    for (const std::string& currencyCode : itemsOf(shared.codes)) {
                        const Currency* currency = findCurrency(currencyCode);
                        QVERIFY(currency != nullptr);
                        const std::string locale = "xx_" + std::string(currency->territories.substr(0, 2)) + ".UTF-8";
                        const std::string other = currencyCode == "EUR" ? "GBP" : "EUR";
                        QCOMPARE(read("7 " + name + " to " + other, locale, code), currencyCode + ">" + other);
                    }
                    QCOMPARE(read("7 " + name + " to EUR", "C", code),
                             shared.fallback.empty() ? std::string("ambiguous-unit") : std::string(shared.fallback) + ">EUR");
                }
            }
            // The names a currency is read by only beside another: as it there, and as no
            // currency beside a unit.
            for (const Currency& currency : currencies()) {
                const std::string_view beside = language != nullptr ? besideCurrencyNamesIn(currency, language)
                                                                    : currency.byOtherSide;
                const std::string other = currency.code == "EUR" ? "USD" : "EUR";
                for (const std::string& name : itemsOf(beside)) {
                    translatedWords += language != nullptr;
                    QCOMPARE(read("7 " + name + " to " + other, "C", code), std::string(currency.code) + ">" + other);
                    QCOMPARE(read("7 " + name + " to kg", "C", code), std::string("not currency"));
                }
            }
        }
        QVERIFY(translatedWords >= 20);
    }

    void readings_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* query, const char* locale, const char* expected) {
            const std::string tag = *locale != '\0' ? std::string(query) + " under " + locale : std::string(query);
            QTest::newRow(tag.c_str()) << QString::fromUtf8(query) << QString::fromUtf8(locale) << QString::fromUtf8(expected);
        };
        row("$20 to eur", "", "USD>EUR");
        row("20$ in €", "", "USD>EUR");
        row("€20 in $", "en_CA.UTF-8", "EUR>CAD");
        row("20 € to dollars", "en_AU.UTF-8", "EUR>AUD");
        row("$20 to eur", "es_MX.UTF-8", "MXN>EUR");
        row("-$20 to eur", "", "USD>EUR");
        row("-$-20 to eur", "", "not currency");
        row("£50 in €", "", "GBP>EUR");
        row("100 pounds to eur", "", "GBP>EUR");
        row("100 usd in pounds", "", "USD>GBP");
        row("100 pounds to kg", "", "not currency");
        row("1 pound to pounds", "", "not currency");
        row("20000 yen to dollars", "", "JPY>USD");
        row("¥100 to eur", "zh_CN.UTF-8", "CNY>EUR");
        row("100 kr to eur", "sv_SE.UTF-8", "SEK>EUR");
        row("100 kr to eur", "da_DK.UTF-8", "DKK>EUR");
        row("100 kr to eur", "en_US.UTF-8", "ambiguous-unit");
        row("50 zl to eur", "", "PLN>EUR");
        row("Fr. 20 to eur", "", "CHF>EUR");
        row("Rs 500 to usd", "", "INR>USD");
        row("R$ 10 to usd", "", "BRL>USD");
        row("10 pounds sterling in US dollars", "", "GBP>USD");
        row("how many euros in 20 $", "", "USD>EUR");
        row("convert 20 usd to eur", "", "USD>EUR");
        row("$20 usd to eur", "", "USD>EUR");
        row("20 usd eur", "", "USD>EUR");
        row("20 Ft to m", "", "not currency");
        row("24 in to ft", "", "not currency");
        row("100 usd", "", "missing-unit");
        row("$20", "", "missing-unit");
        row("100 usd to", "", "missing-unit");
        row("100 usd to kg", "", "incompatible-units");
        row("100 kg to usd", "", "incompatible-units");
        row("1 zl to ml", "", "not currency");
        row("$20 eur to gbp", "", "incompatible-units");
    }

    void readings()
    {
        QFETCH(QString, query);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(read(query.toStdString(), locale.toStdString())), expected);
    }

    // For every pair of the rates file, the answer agrees with the file to the digits shown: it
    // is the nearest amount in the currency's minor unit to the exact cross rate.
    void crossRatesAgreeWithTheFile()
    {
        const rates::ReferenceRates& recorded = recordedRates();
        for (const std::string& from : recordedCodes())
            for (const std::string& into : recordedCodes()) {
                const auto reading = readCurrencyQuery("100 " + from + " to " + into, {}, "");
                const CurrencyQuery& query = std::get<CurrencyQuery>(reading);
                const rates::Rate* fromRate = recorded.find(from);
                const rates::Rate* intoRate = recorded.find(into);
                const auto answer = answerCurrency(query, fromRate->text, intoRate->text, std::nullopt, std::nullopt);
                QVERIFY(answer.has_value());
                const double expected = 100 * rates::crossRate(*fromRate, *intoRate);
                const double shown = std::stod(answer->text);
                const double unit = std::pow(10.0, -query.into->minorDigits);
                QVERIFY2(std::fabs(shown - expected) <= unit / 2 * (1 + 1e-9), (from + ">" + into + " " + answer->text).c_str());
                const std::size_t point = answer->text.find('.');
                QCOMPARE(point == std::string::npos ? 0 : int(answer->text.size() - point - 1), query.into->minorDigits);
                QCOMPARE(answer->rate.toDouble(), rates::crossRate(*fromRate, *intoRate));
            }
    }

    void rounding_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("half up") << "2.345" << 2 << "2.35";
        QTest::newRow("half away from zero") << "-2.345" << 2 << "-2.35";
        QTest::newRow("just under half") << "2.3449999999999999999" << 2 << "2.34";
        QTest::newRow("leading zeros") << "0.049" << 2 << "0.05";
        QTest::newRow("no decimals") << "162.5" << 0 << "163";
        QTest::newRow("negative to zero") << "-0.001" << 2 << "0.00";
        QTest::newRow("a third") << "1/3" << 4 << "0.3333";
        QTest::newRow("padded") << "7" << 3 << "7.000";
    }

    void rounding()
    {
        QFETCH(QString, amount);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        const std::optional<ExactAmount> exact = ExactAmount::parse(amount.toStdString());
        QVERIFY(exact.has_value());
        QCOMPARE(QString::fromStdString(roundedText(*exact, decimals)), expected);
    }
};

QTEST_APPLESS_MAIN(TestCurrency)
#include "tst_currency.moc"
