// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one grammar of typed numbers, seen from its users: the argument splitter, the value reader
// and the tokeniser must agree on every word built from the pieces numbers are made of.

#include <mezzurix/number_rules.h>
#include <mezzurix/query.h>
#include <mezzurix/query_arguments.h>

#include <QtTest>

#include <bit>
#include <cctype>
#include <string>
#include <vector>

using namespace mezzurix;

namespace {

// The pieces a number's start may be written with, and some that end it.
const std::vector<std::string> kPieces = {
    "-", "+", "\u2212", ".", ",", "0", "7", "12", "1,234", "\u00BD", "\u2189", "\u215E", "/", "\u2044", "3", " ", "e",
    "E-", "x",
};

// Every word of up to `count` pieces.
std::vector<std::string> wordsOf(std::size_t count)
{
    std::vector<std::string> words{""};
    std::vector<std::string> last{""};
    for (std::size_t n = 0; n < count; ++n) {
        std::vector<std::string> next;
        for (const std::string& word : last)
            for (const std::string& piece : kPieces)
                next.push_back(word + piece);
        words.insert(words.end(), next.begin(), next.end());
        last = std::move(next);
    }
    return words;
}

bool refusedForItsValue(const QueryReading& reading)
{
    const QueryError* error = std::get_if<QueryError>(&reading);
    return error != nullptr && (error->kind == QueryErrorKind::NoValue ||
                                (error->kind == QueryErrorKind::BadValue &&
                                 error->message.starts_with("no digits in the number")));
}

std::string zeros(std::size_t count)
{
    return std::string(count, '0');
}

} // namespace

class TestNumberScan : public QObject {
    Q_OBJECT
private slots:
    void everyFrontEndAgreesOnWhereAValueStarts();
    void valuesBeyondTheRangeOfNumbers_data();
    void valuesBeyondTheRangeOfNumbers();
    void whereNumbersStartAndEnd_data();
    void whereNumbersStartAndEnd();
    void digitPowersWithinQuotients_data();
    void digitPowersWithinQuotients();
    void neverReadSilentlyOneWay_data();
    void neverReadSilentlyOneWay();
};

void TestNumberScan::everyFrontEndAgreesOnWhereAValueStarts()
{
    QueryOptions comma;
    comma.decimalPoint = ",";
    const QueryOptions point;
    std::size_t values = 0;
    for (const std::string& word : wordsOf(3)) {
        if (word.starts_with(' '))
            continue;
        const std::string query = word + " in to mm";
        const QueryReading withComma = readQuery(query, comma);
        const QueryReading withPoint = readQuery(query, point);
        const bool splitterValue = startsLikeValue(word);
        // The splitter cannot know yet whether a comma is a point: it takes exactly the words a
        // comma reader finds a value in, and every word a point reader does.
        QVERIFY2(splitterValue == !refusedForItsValue(withComma), query.c_str());
        QVERIFY2(splitterValue || refusedForItsValue(withPoint), query.c_str());
        // A value read is the number its text says, and it is followed by the units alone.
        if (const Query* q = std::get_if<Query>(&withPoint)) {
            ++values;
            const std::optional<double> back = readLeadingNumber(q->valueText);
            QVERIFY2(back && std::bit_cast<std::uint64_t>(*back) == std::bit_cast<std::uint64_t>(q->value), query.c_str());
            QVERIFY2(q->valueSpan.offset == 0 && q->valueSpan.length <= word.size(), query.c_str());
        }
    }
    QVERIFY(values > 500);
}

void TestNumberScan::valuesBeyondTheRangeOfNumbers_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<double>("value");

    const std::string longOnes(400, '1');
    const struct {
        std::string query;
        bool refused;
        double value;
    } rows[] = {
        {"1e-400 m to ft", true, 0.0},
        {"-1e-400 m to ft", true, 0.0},
        {"1e-310 m to ft", true, 0.0},  // a subnormal double
        {"2.2250738585072011e-308 m to ft", true, 0.0},
        {"2.2250738585072014e-308 m to ft", false, 2.2250738585072014e-308},  // the smallest normal one
        {"0." + zeros(400) + "1 m to ft", true, 0.0},
        {"0e-400 m to ft", false, 0.0},
        {"0." + zeros(400) + " m to ft", false, 0.0},
        {"1e309 m to ft", true, 0.0},
        {"1/1" + zeros(400) + " in to ft", true, 0.0},
        {"1/1" + zeros(308) + " in to ft", true, 0.0},  // a quotient below the normal range
        {longOnes + "/2 in to ft", true, 0.0},
        {longOnes + " 1/2 in to ft", true, 0.0},
        {"3 1/1" + zeros(400) + " in to ft", true, 0.0},
        {"1/3 in to ft", false, 1.0 / 3.0},
        {"1 1/2 in to ft", false, 1.5},
    };
    for (const auto& row : rows)
        QTest::newRow(row.query.substr(0, 40).c_str()) << QString::fromStdString(row.query) << row.refused << row.value;
}

void TestNumberScan::valuesBeyondTheRangeOfNumbers()
{
    QFETCH(QString, query);
    QFETCH(bool, refused);
    QFETCH(double, value);
    const QueryReading reading = readQuery(query.toStdString());
    if (refused) {
        const QueryError* error = std::get_if<QueryError>(&reading);
        QVERIFY(error != nullptr);
        QCOMPARE(error->kind, QueryErrorKind::ValueOutOfRange);
        QVERIFY2(error->message.find("is beyond the range of numbers") != std::string::npos, error->message.c_str());
        return;
    }
    const Query* q = std::get_if<Query>(&reading);
    QVERIFY(q != nullptr);
    QCOMPARE(q->value, value);
}

void TestNumberScan::whereNumbersStartAndEnd_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QString>("outcome");  // the value read, or the kind of error

    // A question's value may start with a sign or a point, as any value may.
    QTest::newRow("question -2") << "how many ft in -2 m" << "." << "-2";
    QTest::newRow("question \u22122") << "how many ft in \u22122 m" << "." << "-2";
    QTest::newRow("question .5") << "how many ft are in .5 m" << "." << "0.5";
    // Within the units a number starts with a digit: ".5" and "-½" are no parts of a quantity.
    QTest::newRow("ft .5 in") << "5 ft .5 in to cm" << "." << "unknown-unit";
    QTest::newRow("1-½") << "1-\u00BD in to mm" << "." << "unknown-unit";
    QTest::newRow("1-1/2") << "1-1/2 in to mm" << "." << "1.5";
    // Where "." marks groups it is no point as well.
    QTest::newRow("1.234.5 regional") << "1.234.5 m to cm" << "," << "bad-value";
    QTest::newRow("1.234,5 regional") << "1.234,5 m to cm" << "," << "1234.5";
}

void TestNumberScan::whereNumbersStartAndEnd()
{
    QFETCH(QString, query);
    QFETCH(QString, point);
    QFETCH(QString, outcome);
    QueryOptions options;
    options.decimalPoint = point.toStdString();
    const QueryReading reading = readQuery(query.toStdString(), options);
    if (const Query* q = std::get_if<Query>(&reading))
        QCOMPARE(QString::number(q->value), outcome);
    else
        QCOMPARE(QString::fromUtf8(errorKindName(std::get<QueryError>(reading).kind).data()), outcome);
}

void TestNumberScan::digitPowersWithinQuotients_data()
{
    QTest::addColumn<QString>("powered");
    QTest::addColumn<QString>("superscript");

    // A digit power reads as its superscript wherever the unit stands.
    QTest::newRow("m3/h") << "1 m3/h to L/min" << "1 m\u00B3/h to L/min";
    QTest::newRow("ft3/min") << "1 ft3/min to L/min" << "1 ft\u00B3/min to L/min";
    QTest::newRow("into m3/h") << "1 L/min to m3/h" << "1 L/min to m\u00B3/h";
    QTest::newRow("m3") << "2 m3 to L" << "2 m\u00B3 to L";
    QTest::newRow("in2") << "2 in2 to cm2" << "2 in\u00B2 to cm\u00B2";
    QTest::newRow("5 ft 10 in") << "5 ft 10 in to cm" << "5 ft 10 in to cm";
    QTest::newRow("ft10in") << "5ft10in to cm" << "5 ft 10 in to cm";
}

void TestNumberScan::digitPowersWithinQuotients()
{
    QFETCH(QString, powered);
    QFETCH(QString, superscript);
    const QueryReading reading = readQuery(powered.toStdString());
    const QueryReading expected = readQuery(superscript.toStdString());
    const Query* q = std::get_if<Query>(&reading);
    const Query* e = std::get_if<Query>(&expected);
    QVERIFY2(q != nullptr, std::get_if<QueryError>(&reading) ? std::get<QueryError>(reading).message.c_str() : "");
    QVERIFY(e != nullptr);
    QCOMPARE(canonicalText(*q), canonicalText(*e));
}

void TestNumberScan::neverReadSilentlyOneWay_data()
{
    QTest::addColumn<QString>("group");
    QTest::newRow("German") << ".";
    QTest::newRow("French") << "\u202F";
}

// Every number built from digits and the marks either convention gives them: where the regional
// convention and "." with "," groups read it as different numbers it is refused, and otherwise it
// is read as the convention that reads it does.
void TestNumberScan::neverReadSilentlyOneWay()
{
    QFETCH(QString, group);
    QueryOptions regional;
    regional.decimalPoint = ",";
    regional.groupSign = group.toStdString();
    QueryOptions both = regional;
    both.refuseAmbiguousNumbers = true;
    const QueryOptions dot;
    // Where the locale groups digits otherwise, other comma locales' "." between groups is a third
    // reading ("1.500" is 1.5 or 1500 in French).
    QueryOptions dotGroups = regional;
    dotGroups.groupSign = ".";
    const std::vector<std::string> pieces = {"1", "25", "250", "0", ",", ".", " ", "\u202F"};
    std::vector<std::string> numbers{""};
    std::size_t refused = 0;
    std::size_t read = 0;
    for (std::size_t length = 0; length < 5; ++length) {
        std::vector<std::string> longer;
        for (const std::string& number : numbers)
            for (const std::string& piece : pieces)
                longer.push_back(number + piece);
        numbers = std::move(longer);
        for (const std::string& number : numbers) {
            // A number ends with a digit; a mark after it is no part of the value in question.
            if (!std::isdigit(static_cast<unsigned char>(number.back())))
                continue;
            const std::string query = number + " m to cm";
            const QueryReading asRegion = readQuery(query, regional);
            const QueryReading asDot = readQuery(query, dot);
            const QueryReading asOtherComma = readQuery(query, dotGroups);
            const QueryReading chosen = readQuery(query, both);
            std::vector<double> values;
            for (const QueryReading* reading : {&asRegion, &asDot, &asOtherComma})
                if (const Query* each = std::get_if<Query>(reading))
                    values.push_back(each->value);
            const bool differ = std::ranges::any_of(values, [&](double v) { return v != values.front(); });
            // A number every convention that reads it reads alike is read ("2,5", "1,234.5").
            if (!values.empty() && !differ)
                QVERIFY2(std::holds_alternative<Query>(chosen), query.c_str());
            if (const Query* c = std::get_if<Query>(&chosen)) {
                ++read;
                QVERIFY2(!differ, query.c_str());
                QVERIFY2(std::ranges::find(values, c->value) != values.end(), query.c_str());
            } else if (std::get<QueryError>(chosen).kind == QueryErrorKind::AmbiguousNumber) {
                ++refused;
                QVERIFY2(differ, query.c_str());
            } else {
                QVERIFY2(!differ, query.c_str());
            }
        }
    }
    QVERIFY(refused > 0 && read > refused);
}

QTEST_APPLESS_MAIN(TestNumberScan)
#include "tst_number_scan.moc"
