// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/exact_amount.h>

#include <QTest>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

using mezzurix::BigInteger;
using mezzurix::ExactAmount;

namespace {

// The powers of ten of the SI prefixes, quecto to quetta.
constexpr int kPrefixPowers[] = {-30, -27, -24, -21, -18, -15, -12, -9, -6, -3, -2, -1,
                                 1,   2,   3,   6,   9,   12,  15,  18,  21, 24, 27, 30};
constexpr int kUnitPower = 3;  // cubic units and their reciprocals
constexpr int kRandomRounds = 3000;

// π to 100 decimals.
constexpr std::string_view kPiDigits = "3.1415926535897932384626433832795028841971693993751058209749445923078164062862089986280348253421170679";

ExactAmount amount(const std::string& text)
{
    return ExactAmount::parse(text).value();
}

ExactAmount powerOfTen(int n)
{
    const BigInteger power = BigInteger::power(10, static_cast<unsigned>(std::abs(n)));
    return *(n >= 0 ? ExactAmount::fraction(power, 1) : ExactAmount::fraction(1, power));
}

// The double the C++ library reads from a decimal text; where it reports the value out of range,
// the infinity or zero that strtod gives.
double libraryDouble(const std::string& text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        return std::strtod(text.c_str(), nullptr);
    return end == text.data() + text.size() ? value : std::numeric_limits<double>::quiet_NaN();
}

// A finite double exactly.
ExactAmount exactly(double value)
{
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);
    const auto significand = static_cast<std::int64_t>(std::ldexp(fraction, 53));
    exponent -= 53;
    const BigInteger scale = BigInteger(1) << static_cast<std::size_t>(std::abs(exponent));
    return *(exponent >= 0 ? ExactAmount::fraction(significand * scale, 1) : ExactAmount::fraction(significand, scale));
}

ExactAmount halfOf(const ExactAmount& a, const ExactAmount& b)
{
    return *(*(a + b) / ExactAmount::whole(2));
}

QByteArray show(double value)
{
    return QByteArray::number(value, 'g', 17);
}

} // namespace

class TestExactAmount : public QObject {
    Q_OBJECT

private slots:
    void everyPrefixPairAndPowerIsExact();
    void roundsLikeTheLibrary_data();
    void roundsLikeTheLibrary();
    void randomDecimalsRoundLikeTheLibrary();
    void midpointsRoundToEven();
    void piAmountsNearMidpointsRoundToTheirSide();
    void ratiosOfWholeNumbersRoundLikeDivision();
    void piIsCarriedExactly();
    void powersOfPi_data();
    void powersOfPi();
    void texts_data();
    void texts();
    void hostileTextsAreRefused();
    void arithmetic_data();
    void arithmetic();
    void decimalText_data();
    void decimalText();
};

// For every two prefixes, each to every power from -3 to 3: the product and the quotient are the
// power of ten exactly, their doubles the library's for "1e<n>", and their decimals all written.
void TestExactAmount::everyPrefixPairAndPowerIsExact()
{
    int checked = 0;
    for (const int a : kPrefixPowers)
        for (const int b : kPrefixPowers)
            for (int m = -kUnitPower; m <= kUnitPower; ++m)
                for (int n = -kUnitPower; n <= kUnitPower; ++n) {
                    const ExactAmount x = *amount("1e" + std::to_string(a)).power(m);
                    const ExactAmount y = *amount("1e" + std::to_string(b)).power(n);
                    for (const auto& [value, exponent] : {std::pair{*(x * y), a * m + b * n}, {*(x / y), a * m - b * n}}) {
                        const QByteArray where = QByteArray::number(exponent);
                        QVERIFY2(value == powerOfTen(exponent), where);
                        QCOMPARE(value.toDouble(), libraryDouble("1e" + std::to_string(exponent)));
                        const std::string zeros(static_cast<std::size_t>(std::abs(exponent) - (exponent < 0 ? 1 : 0)), '0');
                        QCOMPARE(value.decimalText(3), exponent >= 0 ? "1" + zeros : "0." + zeros + "1");
                        ++checked;
                    }
                }
    QCOMPARE(checked, 24 * 24 * 7 * 7 * 2);
}

void TestExactAmount::roundsLikeTheLibrary_data()
{
    QTest::addColumn<QString>("text");

    for (const char* text : {"9007199254740993",         // 2^53 + 1: halfway, to the even 2^53
                             "9007199254740995",         // halfway, to the even 2^53 + 4
                             "9007199254740993.000000000000000000000001", "9007199254740992.999999999999999999999999",
                             "1.7976931348623157e308",   // the largest double
                             "1.7976931348623158e308", "1.797693134862315807937e308",
                             "1.7976931348623159e308",   // past the last midpoint: infinity
                             "4.9e-324", "5e-324",       // the smallest subnormal
                             "2.4703282292062327e-324",  // just below half of it: zero
                             "2.4703282292062328e-324",  // just above: the smallest subnormal
                             "2.2250738585072011e-308",  // the largest subnormal
                             "2.2250738585072012e-308", "2.2250738585072014e-308", "1e23", "8.98846567431158e307", "0.1",
                             "-0.3048", "1e-400", "-1e400", "123456789012345678901234567890", "1e-1000", "1e1000"})
        QTest::newRow(text) << text;
    // Exactly half the smallest subnormal (2^-1075 = 5^1075 × 10^-1075), to the even zero, and
    // three halves, to the even two. Written with one digit before the point: 2.47…e-324.
    for (const int times : {1, 3}) {
        const std::string digits = (BigInteger::power(5, 1075) * times).toDecimal();
        const int exponent = static_cast<int>(digits.size()) - 1 - 1075;
        QTest::newRow(times == 1 ? "2^-1075" : "3 x 2^-1075")
            << QString::fromStdString(digits.substr(0, 1) + "." + digits.substr(1) + "e" + std::to_string(exponent));
    }
}

void TestExactAmount::roundsLikeTheLibrary()
{
    QFETCH(QString, text);
    const std::string decimal = text.toStdString();
    const double expected = libraryDouble(decimal);
    const double rounded = amount(decimal).toDouble();
    QVERIFY2(rounded == expected && std::signbit(rounded) == std::signbit(expected), show(rounded) + " against " + show(expected));
}

// Decimals of every length up to 40 digits across the whole range of doubles, subnormals and
// overflow included.
void TestExactAmount::randomDecimalsRoundLikeTheLibrary()
{
    std::mt19937_64 random(1852);
    for (int round = 0; round < kRandomRounds; ++round) {
        std::string text = random() % 2 == 0 ? "" : "-";
        const auto digits = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < digits; ++i)
            text += static_cast<char>('0' + random() % 10);
        text += "e" + std::to_string(static_cast<int>(random() % 700) - 360);
        const double rounded = amount(text).toDouble();
        QVERIFY2(rounded == libraryDouble(text), text.c_str());
    }
}

// Exactly between two neighbouring doubles anywhere in the range: to the one with an even
// significand; a hair either side: to the nearer.
void TestExactAmount::midpointsRoundToEven()
{
    std::mt19937_64 random(31);
    const ExactAmount hair = powerOfTen(-30);
    for (int round = 0; round < kRandomRounds; ++round) {
        const double low = std::bit_cast<double>(random() % std::bit_cast<std::uint64_t>(std::numeric_limits<double>::max()));
        const double high = std::nextafter(low, std::numeric_limits<double>::infinity());
        const ExactAmount exactLow = exactly(low);
        const ExactAmount exactHigh = exactly(high);
        const ExactAmount middle = halfOf(exactLow, exactHigh);
        const ExactAmount step = *(*(exactHigh - exactLow) * hair);
        const double even = (std::bit_cast<std::uint64_t>(low) & 1U) == 0 ? low : high;
        QVERIFY2(exactLow.toDouble() == low && exactHigh.toDouble() == high, show(low));
        QVERIFY2(middle.toDouble() == even, show(low));
        QVERIFY2((middle - step)->toDouble() == low && (middle + step)->toDouble() == high, show(low));
        QVERIFY2((-middle).toDouble() == -even, show(low));
    }
    // Between the largest double and the next power of two, which is no double: infinity.
    const ExactAmount largest = exactly(std::numeric_limits<double>::max());
    const ExactAmount beyond = *ExactAmount::fraction(BigInteger(1) << 1024, 1);
    QCOMPARE(halfOf(largest, beyond).toDouble(), std::numeric_limits<double>::infinity());
    QCOMPARE((halfOf(largest, beyond) - hair)->toDouble(), std::numeric_limits<double>::max());
}

// An amount with π within 10^-60 of a midpoint, above or below it as π lies above or below its
// 60 decimals: the first bounds on π cannot tell, tighter ones must.
void TestExactAmount::piAmountsNearMidpointsRoundToTheirSide()
{
    const ExactAmount below = amount(std::string(kPiDigits.substr(0, 62)));
    const ExactAmount above = *(below + powerOfTen(-60));
    std::mt19937_64 random(314);
    for (int round = 0; round < kRandomRounds / 10; ++round) {
        const double low = std::bit_cast<double>(random() % std::bit_cast<std::uint64_t>(std::numeric_limits<double>::max()));
        const double high = std::nextafter(low, std::numeric_limits<double>::infinity());
        const ExactAmount middle = halfOf(exactly(low), exactly(high));
        QVERIFY2((*(middle * ExactAmount::pi()) / below)->toDouble() == high, show(low));
        QVERIFY2((*(middle * ExactAmount::pi()) / above)->toDouble() == low, show(low));
    }
}

// The division of two whole numbers that doubles hold exactly is rounded correctly by the
// hardware: the exact fraction must round to the same double.
void TestExactAmount::ratiosOfWholeNumbersRoundLikeDivision()
{
    std::mt19937_64 random(5);
    for (int round = 0; round < kRandomRounds; ++round) {
        const auto p = static_cast<std::int64_t>(random() >> (11 + random() % 50));
        const auto q = static_cast<std::int64_t>(random() >> (11 + random() % 50)) + 1;
        const QByteArray where = QByteArray::number(qint64(p)) + "/" + QByteArray::number(qint64(q));
        QVERIFY2(ExactAmount::fraction(p, q)->toDouble() == static_cast<double>(p) / static_cast<double>(q), where);
        QVERIFY2(ExactAmount::fraction(-p, q)->toDouble() == -static_cast<double>(p) / static_cast<double>(q), where);
    }
}

void TestExactAmount::piIsCarriedExactly()
{
    const ExactAmount degree = amount("pi/180");
    QCOMPARE(*(*(degree * ExactAmount::whole(180)) / ExactAmount::pi()), ExactAmount::whole(1));
    QCOMPARE(*degree.power(2), amount("π*π/32400"));

    const ExactAmount parsec = amount("149597870700*648000/pi");
    QCOMPARE(parsec.definitionText(), std::string("96939420213600000/\u03C0"));
    const double meters = parsec.toDouble();
    const double expected = 3.0856775814913673e16;
    QVERIFY2(std::fabs(meters - expected) <= expected * std::numeric_limits<double>::epsilon(), show(meters));
    QCOMPARE(parsec.decimalText(25), std::string("30856775814913672.78913937\u2026"));

    QCOMPARE(ExactAmount::pi().decimalText(101), std::string(kPiDigits) + "\u2026");
    // The whole part in full, beyond any fixed number of π's digits.
    QCOMPARE(amount("1e90*pi").decimalText(5),
             "3141592653589793238462643383279502884197169399375105820974944592307816406286208998628034825\u2026");
    QCOMPARE(amount("648000/pi").decimalText(10), std::string("206264.8062\u2026"));
    QCOMPARE(amount("-pi").decimalText(3), std::string("-3.14\u2026"));
}

void TestExactAmount::powersOfPi_data()
{
    QTest::addColumn<int>("power");
    QTest::addColumn<double>("nearest");
    QTest::addColumn<QString>("digits");  // 30 significant

    QTest::newRow("π") << 1 << 0x1.921fb54442d18p+1 << "3.14159265358979323846264338327…";
    QTest::newRow("1/π") << -1 << 0x1.45f306dc9c883p-2 << "0.318309886183790671537767526745…";
    QTest::newRow("π²") << 2 << 0x1.3bd3cc9be45dep+3 << "9.86960440108935861883449099987…";
    QTest::newRow("1/π²") << -2 << 0x1.9f02f6222c720p-4 << "0.101321183642337771443879463209…";
    QTest::newRow("π³") << 3 << 0x1.f019b59389d7cp+4 << "31.0062766802998201754763150671…";
    QTest::newRow("1/π³") << -3 << 0x1.08345eb45d77ep-5 << "0.0322515344331994891844220526885…";
}

void TestExactAmount::powersOfPi()
{
    QFETCH(int, power);
    QFETCH(double, nearest);
    QFETCH(QString, digits);
    const ExactAmount value = *ExactAmount::pi().power(power);
    QCOMPARE(value.toDouble(), nearest);
    QCOMPARE(QString::fromStdString(value.decimalText(30)), digits);
}

void TestExactAmount::texts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("exact");  // empty: refused

    QTest::newRow("decimal") << "0.3048" << "381/1250";
    QTest::newRow("exponent") << "-1.5e3" << "-1500";
    QTest::newRow("small") << "1.602176634e-19" << "801088317/5000000000000000000000000000";
    QTest::newRow("quetta") << "1e30" << "1" + QString(30, '0');
    QTest::newRow("ratio") << "5/18" << "5/18";
    QTest::newRow("ratio of decimals") << "4.4482216152605/0.00064516" << "8896443230521/1290320000";
    QTest::newRow("degree") << "pi/180" << "π/180";
    QTest::newRow("parsec in au") << "648000/pi" << "648000/π";
    QTest::newRow("left to right") << "1/2*3" << "3/2";
    QTest::newRow("dot") << "2·pi" << "2·π";
    QTest::newRow("pi squared") << "4*pi*pi/3" << "4·π²/3";
    QTest::newRow("below with pi") << "1/3/pi/pi" << "1/(3·π²)";
    QTest::newRow("negative pi") << "-pi" << "-π";
    QTest::newRow("plus") << "+7" << "7";
    QTest::newRow("point first") << ".5" << "1/2";
    QTest::newRow("point last") << "12." << "12";
    QTest::newRow("minus zero") << "-0.000" << "0";
    QTest::newRow("pi cancelled") << "pi/pi" << "1";
    QTest::newRow("zero, any exponent") << "0.00e999999999999" << "0";
}

// Each text reads to its exact value, whose text reads back to the same value.
void TestExactAmount::texts()
{
    QFETCH(QString, text);
    QFETCH(QString, exact);
    const std::optional<ExactAmount> value = ExactAmount::parse(text.toStdString());
    QVERIFY(value);
    QCOMPARE(QString::fromStdString(value->definitionText()), exact);
    if (std::abs(value->piPower()) <= 1)
        QVERIFY(ExactAmount::parse(value->definitionText()) == value);
}

void TestExactAmount::hostileTextsAreRefused()
{
    const std::string maxDigits(ExactAmount::kMaxDigits, '7');
    const std::string maxExponent = std::to_string(ExactAmount::kMaxExponent);
    std::string maxPi = "pi";
    std::string belowMaxPi = "1";
    for (int i = 1; i < ExactAmount::kMaxPiPower; ++i) {
        maxPi += "*pi";
        belowMaxPi += "/pi";
    }
    // At the limits: read.
    for (const std::string& text : {maxDigits, "." + maxDigits, "1e" + maxExponent, "1e-" + maxExponent,
                                    maxDigits + "e" + maxExponent, "." + maxDigits + "e-" + maxExponent, maxPi, belowMaxPi + "/pi"})
        QVERIFY2(ExactAmount::parse(text), text.substr(0, 40).c_str());
    // Beyond them, and malformed: refused.
    const std::string refused[] = {
        "", "-", "+", ".", "e5", "1e", "1e+", "1e-", "--1", "+-1", "-+1", "1/0", "pi/0", "1/0.000", "1.2.3", "pi2", "2pi",
        "2 pi", " 1", "1 ", "1/", "/1", "*1", "1**2", "1//2", "0x10", "1,5", "nan", "inf", "p", "pie", "1e1.5",
        maxDigits + "7", "0." + maxDigits, "1e" + std::to_string(ExactAmount::kMaxExponent + 1),
        "1e-" + std::to_string(ExactAmount::kMaxExponent + 1), "0e", "0e-", "0e+x", "1e2147483647", "1e-2147483648",
        "1e2147483648", "1e-99999999999999999999999999", "1e" + std::string(100000, '9'), std::string(100000, '1'),
        "0." + std::string(100000, '0') + "1", maxPi + "*pi", belowMaxPi + "/pi/pi",
        // 10^3000 has more than kMaxBits bits.
        "1e1000*1e1000*1e1000", "1e-1000/1e1000/1e1000"};
    for (const std::string& text : refused)
        QVERIFY2(!ExactAmount::parse(text), text.substr(0, 40).c_str());
}

void TestExactAmount::arithmetic_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("b");       // for "^", the exponent
    QTest::addColumn<QString>("result");  // empty: refused

    const QString lowest = QString::number(std::numeric_limits<int>::min());
    const QString highest = QString::number(std::numeric_limits<int>::max());
    QTest::newRow("sum") << "1/3" << "+" << "1/6" << "1/2";
    QTest::newRow("difference to zero") << "0.1" << "-" << "1/10" << "0";
    QTest::newRow("sum of pi") << "pi" << "+" << "pi/2" << "3·π/2";
    QTest::newRow("pi less pi") << "pi" << "-" << "pi" << "0";
    QTest::newRow("rational plus pi") << "1" << "+" << "pi" << "";
    QTest::newRow("zero plus pi") << "0" << "+" << "pi" << "π";
    QTest::newRow("product") << "-2/3" << "*" << "9/4" << "-3/2";
    QTest::newRow("degree in radians and back") << "pi/180" << "*" << "180/pi" << "1";
    QTest::newRow("quotient") << "5/18" << "/" << "-5/36" << "-2";
    QTest::newRow("by zero") << "5/18" << "/" << "0" << "";
    QTest::newRow("negative power") << "2" << "^" << "-3" << "1/8";
    QTest::newRow("odd power of a negative") << "-2/3" << "^" << "3" << "-8/27";
    QTest::newRow("power of pi") << "pi" << "^" << "-2" << "1/π²";
    QTest::newRow("zero to a negative power") << "0" << "^" << "-1" << "";
    QTest::newRow("cubic quettameter") << "1e30" << "^" << "3" << "1" + QString(90, '0');
    QTest::newRow("one to the lowest int") << "1" << "^" << lowest << "1";
    QTest::newRow("minus one to the lowest int") << "-1" << "^" << lowest << "1";
    QTest::newRow("minus one to the highest int") << "-1" << "^" << highest << "-1";
    QTest::newRow("two to the lowest int") << "2" << "^" << lowest << "";
    QTest::newRow("pi beyond the limit") << "pi" << "^" << QString::number(ExactAmount::kMaxPiPower + 1) << "";
    QTest::newRow("pi to the lowest int") << "pi" << "^" << lowest << "";
    QTest::newRow("2^(kMaxBits - 1)") << "2" << "^" << QString::number(ExactAmount::kMaxBits - 1)
                                      << QString::fromStdString(BigInteger::power(2, ExactAmount::kMaxBits - 1).toDecimal());
    QTest::newRow("2^kMaxBits") << "2" << "^" << QString::number(ExactAmount::kMaxBits) << "";
    QTest::newRow("product beyond the limit") << "1e1000*1e1000" << "*" << "1e1000" << QString();
    QTest::newRow("product within the limit") << "1e800" << "*" << "1e800" << "1" + QString(1600, '0');
}

void TestExactAmount::arithmetic()
{
    QFETCH(QString, a);
    QFETCH(QString, operation);
    QFETCH(QString, b);
    QFETCH(QString, result);
    const ExactAmount x = amount(a.toStdString());
    std::optional<ExactAmount> value;
    if (operation == "^") {
        value = x.power(b.toInt());
    } else {
        const ExactAmount y = amount(b.toStdString());
        value = operation == "+" ? x + y : operation == "-" ? x - y : operation == "*" ? x * y : x / y;
    }
    QCOMPARE(bool(value), !result.isEmpty());
    if (value)
        QCOMPARE(QString::fromStdString(value->definitionText()), result);
}

void TestExactAmount::decimalText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("decimals");

    QTest::newRow("a third") << "1/3" << 5 << "0.33333…";
    QTest::newRow("two thirds, cut not rounded") << "2/3" << 4 << "0.6666…";
    QTest::newRow("ratio of decimals") << "1/0.09290304" << 15 << "10.7639104167097…";
    QTest::newRow("ending") << "5/8" << 15 << "0.625";
    QTest::newRow("small") << "2.5e-7" << 15 << "0.00000025";
    QTest::newRow("zeros after the point") << "1/1024" << 4 << "0.0009765…";
    QTest::newRow("whole part and more beyond the digits") << "10995116277761/10" << 5 << "1099511627776…";
    QTest::newRow("zero") << "0.000" << 15 << "0";
}

void TestExactAmount::decimalText()
{
    QFETCH(QString, text);
    QFETCH(int, digits);
    QFETCH(QString, decimals);
    QCOMPARE(QString::fromStdString(amount(text.toStdString()).decimalText(digits)), decimals);
}

QTEST_APPLESS_MAIN(TestExactAmount)
#include "tst_exact_amount.moc"
