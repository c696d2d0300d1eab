// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/convert.h>
#include <mezzurix/number_rules.h>

#include <QTest>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

using mezzurix::NumberFormat;

namespace {

const NumberFormat kDot{".", "-"};
const NumberFormat kComma{",", "-"};
const NumberFormat kUnicodeMinus{".", "\u2212"};

QByteArray describe(const std::optional<double>& v)
{
    return v ? QByteArray::number(*v, 'g', 17) : QByteArray("nullopt");
}

std::string repeat(std::string_view piece, std::size_t length)
{
    std::string out;
    while (out.size() < length)
        out += piece;
    out.resize(length);
    return out;
}

// The longest text the input box is expected to hold.
constexpr std::size_t kLongInput = 32767;

} // namespace

class TestNumberRules : public QObject {
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void leadingNumberOtherSeparators();
    void leadingNumberLongInput_data();
    void leadingNumberLongInput();
    void formatFixed_data();
    void formatFixed();
    void formatFixedRegional_data();
    void formatFixedRegional();
    void wholeNumber_data();
    void wholeNumber();
    void formatGeneral_data();
    void formatGeneral();
    void formatGeneralDigits_data();
    void formatGeneralDigits();
    void generalDigitsSweep();
    void nonFiniteValuesGiveEmptyText();
    void roundTripSweep();
    void convertEdges();
};

void TestNumberRules::leadingNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");

    const auto row = [](const char* name, QByteArray text, double expected) {
        QTest::newRow(name) << text << true << expected;
    };
    row("plain integer", "24", 24);
    row("decimal", "3.5", 3.5);
    row("blank inside digits", "2 5", 25);
    row("thousands written with a blank", "1 000", 1000);
    row("blank after sign", "- 5", -5);
    row("tab line feed carriage return", "\t1\n2\r3 ", 123);
    row("blanks around point and exponent", " 1 . 5 e 2 ", 150);
    row("plus sign", "+7", 7);
    row("minus sign", "-7.25", -7.25);
    row("leading point", ".5", 0.5);
    row("trailing point", "5.", 5);
    row("exponent E", "1E3", 1000);
    row("exponent e with minus", "25e-1", 2.5);
    row("exponent D", "1D2", 100);
    row("exponent d with plus", "3d+2", 300);
    row("exponent marker without digits", "1e", 1);
    row("exponent marker and sign without digits", "1e+", 1);
    row("exponent marker then letter", "4ex", 4);
    row("comma ends the number", "1,5", 1);
    row("letters end the number", "12abc", 12);
    row("letters after decimals", "3.5kg", 3.5);
    row("second point ends the number", "1.2.3", 1.2);
    row("second sign ends the number", "5-3", 5);
    row("empty", "", 0);
    row("only blanks", "   ", 0);
    row("letters only", "abc", 0);
    row("lone minus", "-", 0);
    row("lone plus", "+", 0);
    row("lone point", ".", 0);
    row("sign and point", "-.", 0);
    row("double sign", "--5", 0);
    row("exponent without mantissa", "e5", 0);
    row("hex upper", "&HFF", 255);
    row("hex lower prefix and digits", "&hff", 255);
    row("hex does not wrap at 16 bits", "&HFFFF", 65535);
    row("hex does not wrap at 32 bits", "&HFFFFFFFF", 4294967295.0);
    row("hex E is a digit", "&H1E5", 485);
    row("hex alone", "&H", 0);
    row("hex stops at non-digit", "&H1G", 1);
    row("hex with blanks", " & H 1 0 ", 16);
    row("hex beyond 2^53 rounds correctly", "&H20000000000003", 9007199254740996.0);
    row("octal upper", "&O17", 15);
    row("octal lower", "&o777", 511);
    row("octal stops at 8", "&O78", 7);
    row("octal alone", "&O", 0);
    row("octal beyond 2^53 rounds correctly", "&O400000000000000003", 9007199254740996.0);
    row("octal top of range", "&O1" + QByteArray(341, '0'), std::ldexp(1.0, 1023));
    row("ampersand without radix", "&X12", 0);
    row("sign before ampersand", "-&H10", 0);
    row("underflow reads zero", "1e-999", 0);
    row("negative underflow reads zero", "-1e-999", 0);
    row("subnormal", "5e-324", 5e-324);
    row("largest double", "1.7976931348623157e308", std::numeric_limits<double>::max());
    row("huge exponent on zero", "0e99999999999999999999", 0);
    row("hex many leading zeros", "&H" + QByteArray(1000, '0') + "10", 16);

    const auto failure = [](const char* name, QByteArray text) { QTest::newRow(name) << text << false << 0.0; };
    failure("overflow by exponent", "1e999");
    failure("negative overflow", "-1e309");
    failure("just above the largest double", "1.8e308");
    failure("overflow by exponent D", "1D400");
    failure("overflow with long exponent", "1e99999999999999999999999");
    failure("hex beyond range", "&H" + QByteArray(400, 'F'));
    failure("octal beyond range", "&O" + QByteArray(342, '7'));
}

void TestNumberRules::leadingNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const std::optional<double> got = mezzurix::readLeadingNumber(std::string_view(text.constData(), text.size()));
    QVERIFY2(got.has_value() == valid, describe(got).constData());
    if (valid)
        QVERIFY2(*got == expected, describe(got).constData());

    // Where "," is the regional decimal separator, the same number written with it reads the same.
    if (!text.contains(',')) {
        QByteArray comma = text;
        comma.replace('.', ',');
        QCOMPARE(describe(mezzurix::readLeadingNumber(comma.toStdString(), ",")), describe(got));
        QCOMPARE(describe(mezzurix::readLeadingNumber(text.toStdString(), ",")), describe(got));
    }
}

// Separators the comma rows above do not cover: several bytes, a blank, none.
void TestNumberRules::leadingNumberOtherSeparators()
{
    QCOMPARE(mezzurix::readLeadingNumber("1\u066b5", "\u066b"), std::optional<double>(1.5));
    QCOMPARE(mezzurix::readLeadingNumber("1 5", " "), std::optional<double>(15));
    QCOMPARE(mezzurix::readLeadingNumber("1,5", ""), std::optional<double>(1));
    QCOMPARE(mezzurix::readLeadingNumber("\u2212 1,5", ",", "\u2212"), std::optional<double>(-1.5));
    QCOMPARE(mezzurix::readLeadingNumber("\u22121.5"), std::optional<double>(0));
}

void TestNumberRules::leadingNumberLongInput_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");

    std::string rubbish = repeat("abc\x01\x7f\t ,;#&\xc3\xa9", kLongInput);
    QTest::newRow("rubbish") << QByteArray::fromStdString(rubbish) << true << 0.0;

    std::string zerosThenNumber = repeat("0", 32000) + "1.5" + rubbish;
    zerosThenNumber.resize(kLongInput);
    QTest::newRow("long zero run then number") << QByteArray::fromStdString(zerosThenNumber) << true << 1.5;

    std::string blankZeros = repeat("0 \t", 30000) + "42abc" + rubbish;
    blankZeros.resize(kLongInput);
    QTest::newRow("zeros and blanks then number") << QByteArray::fromStdString(blankZeros) << true << 42.0;

    QTest::newRow("long digit run overflows")
        << QByteArray::fromStdString(std::string("1") + repeat("0", kLongInput - 1)) << false << 0.0;

    QTest::newRow("long fraction underflows")
        << QByteArray::fromStdString(std::string("0.") + repeat("0", kLongInput - 3) + "1") << true << 0.0;

    const std::string digits = repeat("1234567890", kLongInput - 7);
    QTest::newRow("long digit run scaled back by exponent")
        << QByteArray::fromStdString(digits + "e-" + std::to_string(digits.size() - 1)) << true
        << 1.2345678901234567;

    QTest::newRow("long fraction with exponent")
        << QByteArray::fromStdString(std::string("0.") + repeat("0", 32000) + "25e32003"
                                     + repeat("x", kLongInput - 32010))
        << true << 250.0;

    std::string control = repeat("\x01\x02\x1b", kLongInput);
    control[0] = '9';
    QTest::newRow("digit then control characters") << QByteArray::fromStdString(control) << true << 9.0;
}

void TestNumberRules::leadingNumberLongInput()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    QCOMPARE(text.size(), qsizetype(kLongInput));
    // Only the view's own bytes are readable: a copy without a terminator catches over-reads
    // under the sanitizers.
    const std::string exact(text.constData(), text.size());
    const std::optional<double> got = mezzurix::readLeadingNumber(exact);
    QVERIFY2(got.has_value() == valid, describe(got).constData());
    if (valid)
        QVERIFY2(*got == expected, describe(got).constData());
}

void TestNumberRules::formatFixed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two decimals filled") << 2.5 << 2 << "2.50";
    QTest::newRow("one decimal rounded") << 2.46 << 1 << "2.5";
    QTest::newRow("negative filled") << -3.0 << 3 << "-3.000";
    QTest::newRow("quarter to whole") << 0.25 << 0 << "0";
    QTest::newRow("half to whole rounds away") << 0.5 << 0 << "1";
    QTest::newRow("minus half rounds away") << -0.5 << 0 << "-1";
    QTest::newRow("binary below tie still rounds up") << 2.675 << 2 << "2.68";
    QTest::newRow("exact tie rounds away") << 0.125 << 2 << "0.13";
    QTest::newRow("carry into new digit") << 9.999 << 2 << "10.00";
    QTest::newRow("carry at whole") << 9.5 << 0 << "10";
    QTest::newRow("integer no separator") << 2.0 << 0 << "2";
    QTest::newRow("no grouping") << 1000.0 << 2 << "1000.00";
    QTest::newRow("start-up output") << 24.0 / 12.0 << 14 << "2.00000000000000";
    QTest::newRow("one tenth to 30 decimals") << 0.1 << 30 << "0." + QString("1") + QString(29, '0');
    QTest::newRow("one third to 30 decimals") << 1.0 / 3.0 << 30 << "0." + QString(15, '3') + QString(15, '0');
    QTest::newRow("feet into yards factor") << 0.333333333333334 << 15 << "0.333333333333334";
    QTest::newRow("digits beyond 15 print as zeros") << 123456789012345678.0 << 0 << "123456789012346000";
    QTest::newRow("largest magnitude") << 1e308 << 0 << "1" + QString(308, '0');
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << 1
                                    << "179769313486232" + QString(294, '0') + ".0";
    QTest::newRow("smallest subnormal is zero") << 5e-324 << 30 << "0." + QString(30, '0');
    QTest::newRow("negative subnormal has no minus") << -5e-324 << 2 << "0.00";
    QTest::newRow("negative rounding to zero has no minus") << -0.001 << 2 << "0.00";
    QTest::newRow("negative zero") << -0.0 << 0 << "0";
    QTest::newRow("zero with decimals") << 0.0 << 3 << "0.000";
    QTest::newRow("small value to 30 decimals") << 1.5e-20 << 30 << "0.000000000000000000015000000000";
    QTest::newRow("rounds up into first decimal place") << 0.00096 << 3 << "0.001";
    QTest::newRow("below half of last place") << 0.00049 << 3 << "0.000";
    QTest::newRow("decimals clamped above") << 0.5 << 99 << "0.5" + QString(29, '0');
    QTest::newRow("decimals clamped below") << 2.5 << -4 << "3";
    QTest::newRow("16-digit tie rounds away") << 1000000000000025.0 << 0 << "1000000000000030";
    QTest::newRow("16-digit fraction tie rounds away") << 123456789012344.5 << 1 << "123456789012345.0";
    QTest::newRow("negative 16-digit tie rounds away") << -123456789012344.5 << 0 << "-123456789012345";
    QTest::newRow("quarter tie at 16th digit") << 12345678901234.25 << 2 << "12345678901234.30";
    QTest::newRow("tie carrying through nines") << 999999999999999.5 << 0 << "1000000000000000";
    // Scaled by a power of ten these two land exactly on a half; their exact values do not.
    QTest::newRow("just below a 16th-digit half") << 767254.2562549735 << 9 << "767254.256254973";
    QTest::newRow("just above a 16th-digit half") << 5165307.834950175 << 8 << "5165307.83495018";
}

void TestNumberRules::formatFixed()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(mezzurix::formatFixed(value, decimals, kDot)), expected);
    std::string text = "x";
    mezzurix::appendFixed(text, value, decimals, kDot);
    QCOMPARE(QString::fromStdString(text), "x" + expected);
}

void TestNumberRules::formatFixedRegional_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("decimalPoint");
    QTest::addColumn<QString>("minusSign");
    QTest::addColumn<QString>("expected");

    QTest::newRow("comma") << 2.54 << 3 << "," << "-" << "2,540";
    QTest::newRow("comma below one") << -0.5 << 1 << "," << "-" << "-0,5";
    QTest::newRow("comma no decimals") << 2.54 << 0 << "," << "-" << "3";
    QTest::newRow("unicode minus") << -3.0 << 2 << "." << "\u2212" << "\u22123.00";
    QTest::newRow("unicode minus not on zero") << -0.001 << 1 << "." << "\u2212" << "0.0";
    QTest::newRow("multi-byte separator") << 1.5 << 1 << "\u066b" << "-" << "1\u066b5";
}

void TestNumberRules::formatFixedRegional()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, decimalPoint);
    QFETCH(QString, minusSign);
    QFETCH(QString, expected);
    const NumberFormat format{decimalPoint.toStdString(), minusSign.toStdString()};
    QCOMPARE(QString::fromStdString(mezzurix::formatFixed(value, decimals, format)), expected);
    // Appended to other text, the same text follows it.
    std::string text = "x";
    mezzurix::appendFixed(text, value, decimals, format);
    QCOMPARE(QString::fromStdString(text), "x" + expected);
}

void TestNumberRules::wholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("decimalPoint");
    QTest::addColumn<QString>("minusSign");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");

    const auto ok = [](const char* name, const QString& text, const QString& point, const QString& minus, double v) {
        QTest::newRow(name) << text << point << minus << true << v;
    };
    const auto bad = [](const char* name, const QString& text, const QString& point) {
        QTest::newRow(name) << text << point << "-" << false << 0.0;
    };
    ok("fixed output", "15.0", ".", "-", 15);
    ok("blanks around", "  15 \t", ".", "-", 15);
    ok("comma output", "2,54000000000000", ",", "-", 2.54);
    ok("scientific", "1E+20", ".", "-", 1e20);
    ok("scientific lower e negative exponent", "1.5e-07", ".", "-", 1.5e-7);
    ok("minus", "-3.000", ".", "-", -3);
    ok("plus", "+4", ".", "-", 4);
    ok("regional minus", "\u22122,5", ",", "\u2212", -2.5);
    ok("hyphen with regional minus set", "-2,5", ",", "\u2212", -2.5);
    ok("leading point", ".5", ".", "-", 0.5);
    ok("trailing point", "5.", ".", "-", 5);
    ok("combo entry", "14", ".", "-", 14);
    ok("underflow reads zero", "1E-999", ".", "-", 0);
    bad("empty", "", ".");
    bad("blanks only", "   ", ".");
    bad("letters", "abc", ".");
    bad("trailing letters", "15abc", ".");
    bad("blank inside", "1 000", ".");
    bad("thousands separator", "1,000.5", ".");
    bad("dot when comma is the separator", "2.54", ",");
    bad("lone sign", "-", ".");
    bad("lone point", ".", ".");
    bad("double sign", "--1", ".");
    bad("exponent without digits", "1E", ".");
    bad("exponent sign without digits", "1E+", ".");
    bad("exponent D", "1D5", ".");
    bad("two points", "1.2.3", ".");
    bad("hex", "&H10", ".");
    bad("overflow", "1E999", ".");
    bad("negative overflow", "-1E309", ".");
}

void TestNumberRules::wholeNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, decimalPoint);
    QFETCH(QString, minusSign);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const NumberFormat format{decimalPoint.toStdString(), minusSign.toStdString()};
    const std::optional<double> got = mezzurix::readWholeNumber(text.toStdString(), format);
    QVERIFY2(got.has_value() == valid, describe(got).constData());
    if (valid)
        QVERIFY2(*got == expected, describe(got).constData());
}

void TestNumberRules::formatGeneral_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("decimalPoint");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, double v, const char* text) { QTest::newRow(name) << v << "." << text; };
    row("zero", 0.0, "0");
    row("negative zero", -0.0, "0");
    row("integer", 2.0, "2");
    row("trailing zeros dropped", 2.54, "2.54");
    row("negative", -1.5, "-1.5");
    row("one third", 1.0 / 3.0, "0.333333333333333");
    row("ten to the 20", 1e20, "1E+20");
    row("small scientific", 1.5e-7, "1.5E-07");
    row("15 digit mantissa", 1234567890123456.0, "1.23456789012346E+15");
    row("hundred exponent", 1e100, "1E+100");
    row("tiny", 1e-300, "1E-300");
    row("lowest plain exponent", 0.0001, "0.0001");
    row("first small scientific", 0.00001, "1E-05");
    row("largest plain", 999999999999999.0, "999999999999999");
    row("rounding moves into scientific", 9999999999999999.0, "1E+16");
    row("rounding leaves scientific", 0.00009999999999999995, "0.0001");
    row("binary noise removed", 0.1 + 0.2, "0.3");
    row("negative scientific", -2.5e-10, "-2.5E-10");
    row("largest double", std::numeric_limits<double>::max(), "1.79769313486232E+308");
    row("smallest subnormal", 5e-324, "4.94065645841247E-324");
    row("tie at 16th digit rounds away", 1000000000000025.0, "1.00000000000003E+15");
    row("fraction tie rounds away", 123456789012344.5, "123456789012345");
    row("just below a 16th-digit half", 767254.2562549735, "767254.256254973");
    QTest::newRow("comma separator") << -2.54 << "," << "-2,54";
    QTest::newRow("comma in mantissa") << 1.5e-7 << "," << "1,5E-07";
}

void TestNumberRules::formatGeneral()
{
    QFETCH(double, value);
    QFETCH(QString, decimalPoint);
    QFETCH(QString, expected);
    // Negative values keep the ASCII "-" that the input rule reads back.
    QCOMPARE(QString::fromStdString(mezzurix::formatGeneral(value, decimalPoint.toStdString())), expected);
    std::string text = "x";
    mezzurix::appendGeneral(text, value, decimalPoint.toStdString());
    QCOMPARE(QString::fromStdString(text), "x" + expected);
}

void TestNumberRules::formatGeneralDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("expected");

    QTest::newRow("noise below 9 digits") << 12 * 0.333333333333334 << 9 << "4";
    QTest::newRow("negative noise") << -18 * 1.8 + 32 << 9 << "-0.4";
    QTest::newRow("kilogram-force") << 9.80664999978778 << 9 << "9.80665";
    QTest::newRow("speed") << 30 * 1.466666667 << 9 << "44";
    QTest::newRow("nine digits kept") << 100 * 0.621371192237332 << 9 << "62.1371192";
    QTest::newRow("ten digits show the noise") << 30 * 1.466666667 << 10 << "44.00000001";
    QTest::newRow("tie of the 15 digits rounds away") << 0.1234567885 << 9 << "0.123456789";
    QTest::newRow("carry into a new digit") << 9.9999999996 << 9 << "10";
    QTest::newRow("one digit") << 62.1371192237332 << 1 << "60";
    QTest::newRow("one digit carries") << 0.96 << 1 << "1";
    QTest::newRow("whole number keeps its digits") << 1099511627776.0 << 9 << "1099511627776";
    QTest::newRow("whole one digit past the count") << 1234.0 << 3 << "1234";
    QTest::newRow("whole at 15 digits only") << 1099511627776.0000001 << 9 << "1099511627776";
    QTest::newRow("not whole is rounded") << 1234567890123.4 << 9 << "1234567890000";
    QTest::newRow("scientific") << 1.23456789012e-7 << 9 << "1.23456789E-07";
    QTest::newRow("scientific large") << 1.23456789012e20 << 9 << "1.23456789E+20";
    QTest::newRow("16 digits, trailing zeros dropped") << 0.1 + 0.2 << 16 << "0.3";
    QTest::newRow("17 digits") << 0.1 + 0.2 << 17 << "0.30000000000000004";
    QTest::newRow("17 digits of kilogram-force") << 9.80664999978778 << 17 << "9.8066499997877798";
    QTest::newRow("below the range") << 2.5 << 0 << "3";
    QTest::newRow("above the range") << 0.1 << 40 << "0.10000000000000001";
}

void TestNumberRules::formatGeneralDigits()
{
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(mezzurix::formatGeneral(value, ".", digits)), expected);
}

// Any value at any count of digits: read back within half a unit of the last digit kept (of the
// 15 first, as every output form rounds), never more digits than asked but in whole numbers, and
// at 17 digits the very same double.
void TestNumberRules::generalDigitsSweep()
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-20, 20);
    for (int i = 0; i < 2000; ++i) {
        const double v = unit(random) * std::pow(10.0, exponent(random));
        for (int digits = 1; digits <= mezzurix::kMaxSignificantDigits; ++digits) {
            const std::string text = mezzurix::formatGeneral(v, ".", digits);
            const std::string context = QByteArray::number(v, 'g', 17).toStdString() + " at " +
                                        std::to_string(digits) + ": " + text;
            const std::optional<double> back = mezzurix::readWholeNumber(text, kDot);
            QVERIFY2(back, context.c_str());
            const double halfUnit = 0.5 * std::pow(10.0, 1 - std::min(digits, mezzurix::kSignificantDigits));
            QVERIFY2(std::fabs(*back - v) <= (halfUnit + 5.1e-15) * std::fabs(v), context.c_str());
            std::string significant;
            for (const char c : text.substr(0, text.find('E')))
                if (c >= '0' && c <= '9' && (c != '0' || !significant.empty()))
                    significant += c;
            const bool whole = text.find_first_of(".E") == std::string::npos;
            QVERIFY2(significant.size() <= std::size_t(digits) || whole, context.c_str());
            if (digits == mezzurix::kMaxSignificantDigits)
                QVERIFY2(*back == v, context.c_str());
        }
    }
}

void TestNumberRules::nonFiniteValuesGiveEmptyText()
{
    for (double v : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
        QVERIFY(mezzurix::formatFixed(v, 2, kDot).empty());
        QVERIFY(mezzurix::formatGeneral(v).empty());
        std::string text = "x";
        mezzurix::appendFixed(text, v, 2, kDot);
        mezzurix::appendGeneral(text, v, ".");
        QCOMPARE(text, std::string("x"));
    }
}

void TestNumberRules::roundTripSweep()
{
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<int> places(0, mezzurix::kMaxDecimals);
    constexpr int kSamples = 4000;
    for (int i = 0; i < kSamples; ++i) {
        // Half the samples are arbitrary bit patterns, half are values of everyday size.
        double v = 0.0;
        if (i % 2 == 0) {
            v = std::bit_cast<double>(random());
            if (!std::isfinite(v))
                continue;
        } else {
            v = unit(random) * std::pow(10.0, exponent(random));
        }
        const std::string context = QByteArray::number(v, 'g', 17).toStdString();

        for (const NumberFormat& format : {kDot, kComma}) {
            const std::string general = mezzurix::formatGeneral(v, format.decimalPoint);
            const std::optional<double> back = mezzurix::readWholeNumber(general, format);
            QVERIFY2(back.has_value(), (context + " " + general).c_str());
            // Within half a unit of the 15th digit, and stable when written again.
            QVERIFY2(std::fabs(*back - v) <= 5.1e-15 * std::fabs(v), (context + " " + general).c_str());
            QCOMPARE(mezzurix::formatGeneral(*back, format.decimalPoint), general);

            // Plain-range values carry all 15 digits at 30 decimals, so both forms agree.
            if (std::fabs(v) >= 1e-4 && std::fabs(v) < 1e15) {
                const std::string fixed = mezzurix::formatFixed(v, mezzurix::kMaxDecimals, format);
                QVERIFY2(mezzurix::readWholeNumber(fixed, format) == back, (context + " " + fixed).c_str());
            }
        }

        const int d = places(random);
        const std::string fixed = mezzurix::formatFixed(v, d, kDot);
        const std::size_t point = fixed.find('.');
        if (d == 0) {
            QVERIFY2(point == std::string::npos, fixed.c_str());
        } else {
            QVERIFY2(point != std::string::npos && fixed.size() - point - 1 == std::size_t(d), fixed.c_str());
        }
        if (std::fabs(v) < 1e15) {
            const std::optional<double> read = mezzurix::readLeadingNumber(fixed);
            QVERIFY(read.has_value());
            const double tolerance = 0.5 * std::pow(10.0, -d) + 1e-14 * std::fabs(v);
            QVERIFY2(std::fabs(*read - v) <= tolerance, (context + " " + fixed).c_str());
        }
    }
}

void TestNumberRules::convertEdges()
{
    // A pair code that names no pair converts everything to zero.
    QCOMPARE(mezzurix::convert("", "5", 2, kDot), std::optional<std::string>("0.00"));
    QCOMPARE(mezzurix::convert("999999", "-5", 0, kUnicodeMinus), std::optional<std::string>("0"));
    QCOMPARE(mezzurix::convert("", "1e-999", 2, kDot), std::optional<std::string>("0.00"));
    // An input beyond the double range stops the conversion, whatever the pair.
    QVERIFY(!mezzurix::convert("", "1e999", 2, kDot));
    QVERIFY(!mezzurix::convert("00", "&H" + std::string(300, 'F'), 2, kDot));
}

QTEST_APPLESS_MAIN(TestNumberRules)
#include "tst_number_rules.moc"
