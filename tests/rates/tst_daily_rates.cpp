// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bank's daily file: the recorded one reads whole, every hostile or broken response in
// responses/refused/ is refused for its own reason, and every cross rate of the recorded file is
// its two published texts' exact quotient, rounded once.

#include <mezzurix/exact_amount.h>
#include <mezzurix/reference_rates.h>

#include <QtTest>

#include <bit>
#include <cstdint>
#include <string>
#include <utility>

using namespace mezzurix;
using namespace mezzurix::rates;

namespace {

const QDir kResponses(QStringLiteral(MEZZURIX_RATES_RESPONSES));

std::string readResponse(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll().toStdString();
}

std::string recorded()
{
    return readResponse(kResponses.filePath(QStringLiteral("eurofxref-daily.xml")));
}

// The recorded file with `body` in place of its rates block's contents.
std::string withRates(const std::string& rows)
{
    const std::string file = recorded();
    const std::size_t start = file.find('>', file.find("<Cube time=")) + 1;
    const std::size_t end = file.find("</Cube>", start);
    return file.substr(0, start) + rows + file.substr(end);
}

ReferenceRates accepted(const std::string& response)
{
    auto parsed = parseDailyRates(response);
    if (const RatesError* error = std::get_if<RatesError>(&parsed))
        qFatal("refused: %s", error->message.c_str());
    return std::get<ReferenceRates>(std::move(parsed));
}

QString refusal(const std::string& response)
{
    const auto parsed = parseDailyRates(response);
    const RatesError* error = std::get_if<RatesError>(&parsed);
    return error != nullptr ? QString::fromStdString(error->message) : QString();
}

// Each response in responses/refused/ and the reason it is refused for.
constexpr std::pair<const char*, const char*> kRefused[] = {
    {"truncated", "cut off: it ends inside an attribute value"},
    {"negative-rate", "the rate of USD is not a positive decimal number of at most 15 digits: \"-1.0833\""},
    {"nan-rate", "the rate of USD is not a positive decimal number"},
    {"infinite-rate", "the rate of USD is not a positive decimal number"},
    {"huge-rate", "the rate of USD is not a positive decimal number"},
    {"exponent-rate", "the rate of USD is not a positive decimal number"},
    {"sixteen-digit-rate", "the rate of USD is not a positive decimal number"},
    {"zero-rate", "the rate of USD is not a positive decimal number"},
    {"empty-rate", "the rate of USD is not a positive decimal number"},
    {"grouped-rate", "the rate of IDR is not a positive decimal number"},
    {"character-reference-rate", "the rate of USD is not a positive decimal number"},
    {"lowercase-code", "\"usd\" is not a currency code"},
    {"four-letter-code", "\"USDX\" is not a currency code"},
    {"duplicate-code", "USD comes twice"},
    {"euro-code", "a rate for the euro itself"},
    {"billion-laughs", "document type declarations are refused"},
    {"external-entity", "document type declarations are refused"},
    {"undefined-entity", "an entity reference other than XML's own"},
    {"two-days", "the rates of more than one day"},
    {"no-day", "no euro reference rates in it"},
    {"empty-day", "no euro reference rates in it"},
    {"invalid-date", "the date \"2026-02-30\" is not a date"},
    {"rate-outside-day", "a rate outside the dated block of rates"},
    {"rate-without-currency", "a rate without its currency"},
    {"mismatched-tags", "</gesmes:Sendr> closes no open element of that name"},
    {"empty", "no XML element in it"},
    {"html-error-page", "</p> closes no open element of that name"},
    {"text-after-document", "text outside the document element"},
    {"duplicate-attribute", "the attribute currency twice in one tag"},
};

} // namespace

class TestDailyRates : public QObject {
    Q_OBJECT
private slots:
    void recordedFileReadsWhole();
    void refusedResponses_data();
    void refusedResponses();
    void everyRefusedResponseHasItsReason();
    void boundsOfSizeDepthAndCount();
    void refusedTextsAreShownSafely();
    void otherWritingsOfTheSameRates_data();
    void otherWritingsOfTheSameRates();
    void crossRatesAreTheExactQuotientRounded();
};

// Checked against a plain pattern over the file's text, not against the reader's own walk.
void TestDailyRates::recordedFileReadsWhole()
{
    const std::string text = recorded();
    const ReferenceRates rates = accepted(text);
    QCOMPARE(dateText(rates.date), std::string("2026-12-08"));
    QRegularExpression row(QStringLiteral("<Cube currency='([A-Z]{3})' rate='([0-9.]+)'/>"));
    auto match = row.globalMatch(QString::fromStdString(text));
    std::size_t i = 0;
    for (; match.hasNext(); ++i) {
        const auto m = match.next();
        QVERIFY2(i < rates.rates.size(), "fewer rates read than written");
        QCOMPARE(QString::fromStdString(rates.rates[i].code), m.captured(1));
        QCOMPARE(QString::fromStdString(rates.rates[i].text), m.captured(2));
        QCOMPARE(rates.rates[i].perEuro, m.captured(2).toDouble());
        QCOMPARE(rates.find(rates.rates[i].code), &rates.rates[i]);
    }
    QCOMPARE(rates.rates.size(), i);
    QCOMPARE(i, std::size_t(29));
    QCOMPARE(rates.find("EUR")->perEuro, 1.0);
    QCOMPARE(rates.find("usd"), nullptr);
}

void TestDailyRates::refusedResponses_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    for (const auto& [file, reason] : kRefused)
        QTest::newRow(file) << QString::fromLatin1(file) << QString::fromLatin1(reason);
}

void TestDailyRates::refusedResponses()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    const QString message = refusal(readResponse(kResponses.filePath(QStringLiteral("refused/") + file + ".xml")));
    QVERIFY2(message.contains(reason), qPrintable(message));
}

// A response added to the folder without a reason above fails here, and so does a row whose file
// is gone.
void TestDailyRates::everyRefusedResponseHasItsReason()
{
    QStringList rows;
    for (const auto& entry : kRefused)
        rows << QString::fromLatin1(entry.first) + ".xml";
    rows.sort();
    QCOMPARE(QDir(kResponses.filePath(QStringLiteral("refused"))).entryList(QDir::Files, QDir::Name), rows);
}

void TestDailyRates::boundsOfSizeDepthAndCount()
{
    // Padding in a comment keeps the file well-formed: only its size refuses it.
    const std::string file = recorded();
    const std::string comment = "<!--" + std::string(kMaxResponseBytes - file.size() - 7, 'x') + "-->";
    QVERIFY(refusal(file + comment).isEmpty());
    QVERIFY(refusal(file + comment + "\n").startsWith(QStringLiteral("larger than 1 MB")));

    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<Cube>";
    QVERIFY(refusal(deep).contains(QStringLiteral("nested deeper than 16 levels")));

    std::string rows;
    for (std::size_t i = 0; i <= kMaxCurrencies; ++i)
        rows += "<Cube currency='" + std::string{char('A' + i / 26 % 26), char('A' + i % 26), 'Q'} + "' rate='1.5'/>";
    QCOMPARE(refusal(withRates(rows)), QStringLiteral("more than 200 currencies"));
}

// Whatever bytes a response holds, its refusal is printable ASCII of a bounded length.
void TestDailyRates::refusedTextsAreShownSafely()
{
    for (int byte = 0; byte < 256; ++byte) {
        const std::string text(60, static_cast<char>(byte));
        for (const std::string& response : {withRates("<Cube currency='USD' rate='1" + text + "'/>"),
                                            withRates("<Cube currency='" + text + "' rate='1'/>"),
                                            withRates("<Cube currency='USD' rate='1'/></a" + text + ">")}) {
            const QString message = refusal(response);
            QVERIFY(!message.isEmpty());
            QVERIFY2(message.size() < 200, qPrintable(message));
            for (const QChar c : message)
                QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7F, qPrintable(message));
        }
    }
    // The control sequence introducer of UTF-8's C1 controls, which XML lets through.
    QVERIFY(refusal(withRates("<Cube currency='USD' rate='\xC2\x9B" "31m'/>")).endsWith(QStringLiteral("\"\\xC2\\x9B31m\"")));
    QVERIFY(refusal(withRates("<Cube currency='USD' rate='\x1B[31m'/>")).endsWith(QStringLiteral("a control character")));
}

void TestDailyRates::otherWritingsOfTheSameRates_data()
{
    QTest::addColumn<QString>("response");
    const std::string three = withRates("<Cube currency='USD' rate='1.0833'/><Cube currency='JPY' rate='162.87'/>"
                                        "<Cube currency='GBP' rate='0.84580'/>");
    const auto row = [](const char* name, const std::string& text) {
        QTest::newRow(name) << QString::fromStdString(text);
    };
    row("as published", three);
    row("double quotes", QString::fromStdString(three).replace('\'', '"').toStdString());
    row("byte order mark", "\xEF\xBB\xBF" + three);
    row("CR LF line ends", QString::fromStdString(three).replace("\n", "\r\n").toStdString());
    row("no declaration", three.substr(three.find('\n') + 1));
    row("blanks around =", QString::fromStdString(three).replace("rate=", "rate = ").toStdString());
    row("end tags", QString::fromStdString(three).replace("'/>", "'></Cube>").toStdString());
    row("comment, CDATA and XML's entities",
        QString::fromStdString(three)
            .replace("European Central Bank", "European &amp; Central &#66;ank<![CDATA[<x>]]><!-- -->")
            .toStdString());
    row("unknown attribute", QString::fromStdString(three).replace("rate='162.87'", "rate='162.87' unit='1'").toStdString());
}

void TestDailyRates::otherWritingsOfTheSameRates()
{
    QFETCH(QString, response);
    const ReferenceRates rates = accepted(response.toStdString());
    QCOMPARE(dateText(rates.date), std::string("2026-12-08"));
    QCOMPARE(rates.rates.size(), std::size_t(3));
    QCOMPARE(rates.find("GBP")->text, std::string("0.84580"));
    QCOMPARE(rates.find("JPY")->perEuro, 162.87);
}

// Every pair, the euro among them, in both directions: the exact quotient of the two texts,
// rounded once to the nearest double (ExactAmount rounds it independently).
void TestDailyRates::crossRatesAreTheExactQuotientRounded()
{
    ReferenceRates rates = accepted(recorded());
    std::vector<Rate> all = rates.rates;
    all.push_back(*rates.find("EUR"));
    for (const Rate& from : all) {
        for (const Rate& to : all) {
            const auto exact = *ExactAmount::parse(to.text) / *ExactAmount::parse(from.text);
            const double cross = crossRate(from, to);
            QVERIFY2(std::bit_cast<std::uint64_t>(cross) == std::bit_cast<std::uint64_t>(exact->toDouble()),
                     qPrintable(QString::fromStdString(from.code + " to " + to.code)));
        }
        QCOMPARE(crossRate(*rates.find("EUR"), from), from.perEuro);
    }
}

QTEST_GUILESS_MAIN(TestDailyRates)
#include "tst_daily_rates.moc"
