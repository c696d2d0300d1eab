// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Answers into several units ("to mi ft in"), over every target of two and three units the reader
// knows and values from the smallest double to the largest.

#include <mezzurix/convert.h>
#include <mezzurix/definitions.h>
#include <mezzurix/query.h>
#include <mezzurix/typed_units.h>

#include <QtTest>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <span>
#include <string>
#include <vector>

using namespace mezzurix;

namespace {

// The size of `code` in units of `last`, from the definitions.
double sizeIn(int code, int last)
{
    return exactFactor(code, last)->toDouble();
}

// Whether a double holds `amount` exactly: a whole number of at most 53 bits over a power of two.
bool isDouble(const ExactAmount& amount)
{
    const BigInteger& d = amount.denominator();
    return amount.piPower() == 0 && d == (BigInteger(1) << (d.bitLength() - 1)) && amount.numerator().bitLength() <= 53;
}

// A target of several units, largest first, with the size of each in units of the last and of
// the next.
struct Target {
    std::vector<const Unit*> units;
    std::vector<double> inLast;
    std::vector<double> inNext;  // of all but the last
    std::vector<bool> nextIsDouble;  // whether a double holds that size exactly
};

// Every target of two and three units of one category: the units whose scale starts at zero, no
// two of one size.
std::vector<Target> severalUnitTargets()
{
    std::vector<Target> targets;
    for (const Category& category : typedCategories()) {
        std::vector<std::pair<const Unit*, double>> units;
        for (const Unit& unit : category.units)
            if (exactFactor(unit.code, category.units.front().code))
                units.emplace_back(&unit, sizeIn(unit.code, category.units.front().code));
        const auto add = [&](std::vector<const Unit*> chosen) {
            Target target{std::move(chosen), {}, {}, {}};
            for (std::size_t i = 0; i < target.units.size(); ++i) {
                target.inLast.push_back(sizeIn(target.units[i]->code, target.units.back()->code));
                if (i + 1 < target.units.size()) {
                    const ExactAmount next = *exactFactor(target.units[i]->code, target.units[i + 1]->code);
                    target.inNext.push_back(next.toDouble());
                    target.nextIsDouble.push_back(isDouble(next));
                }
            }
            targets.push_back(std::move(target));
        };
        for (const auto& [a, aSize] : units)
            for (const auto& [b, bSize] : units) {
                if (aSize <= bSize)
                    continue;
                add({a, b});
                for (const auto& [c, cSize] : units)
                    if (bSize > cSize)
                        add({a, b, c});
            }
    }
    return targets;
}

// One unit of the last digit the text of `value` shows: in the general form with `digits`, or with
// fixed `decimals`, which keep 15 significant digits at most.
double shownUnit(double value, std::optional<int> decimals, int digits)
{
    const double significant =
        value == 0.0 ? DBL_TRUE_MIN : std::pow(10.0, std::floor(std::log10(std::fabs(value))) - (decimals ? kSignificantDigits : digits) + 1);
    return decimals ? std::max(significant, std::pow(10.0, -*decimals)) : significant;
}

struct Precision {
    std::optional<int> decimals;
    int digits = kSignificantDigits;
};

} // namespace

class TestAnswerParts : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void everyTargetAddsBackExactly();
};

void TestAnswerParts::answers_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("decimals");  // -1 for the general form with 9 digits
    QTest::addColumn<QString>("minus");
    QTest::addColumn<QString>("answer");
    const auto row = [](const char* query, int decimals, const char* minus, const char* answer) {
        QTest::addRow("%s, %d, %s", query, decimals, minus) << query << decimals << minus << QString::fromUtf8(answer);
    };
    row("1e20 in to mi ft in", -1, "-", "1578282828282828 mi 1493 ft 4 in");
    row("-1e20 in to mi ft in", 2, "-", "-1578282828282828 mi 1493 ft 4.00 in");
    row("100000 s to h min s", -1, "-", "27 h 46 min 40 s");
    row("71.99999999999 in to ft in", -1, "-", "6 ft 0 in");
    row("71.99 in to ft in", 0, "-", "6 ft 0 in");
    row("-0 ft to ft in", -1, "-", "0 ft 0 in");
    row("-0 ft to ft in", 2, "-", "0 ft 0.00 in");
    row("-0.0000001 in to ft in", 2, "-", "0 ft 0.00 in");
    row("-1e-300 in to ft in", -1, "-", "-0 ft 1E-300 in");
    row("1e21 in to mi ft in", -1, "-", "1.57828283E+16 mi 0 ft 0 in");
    // Inches beyond the whole numbers a double holds, rounded as shown to a whole light year.
    row("9460730470000000000 mm to ly in mm", -1, "-", "1 ly 0 in 0 mm");
    // The sign an answer in one unit shows: the general form writes "-" in every region, the
    // fixed form the regional minus.
    row("-70 in to ft in", -1, "\u2212", "-5 ft 10 in");
    row("-70 in to ft in", 2, "\u2212", "\u22125 ft 10.00 in");
}

void TestAnswerParts::answers()
{
    QFETCH(QString, query);
    QFETCH(int, decimals);
    QFETCH(QString, minus);
    QFETCH(QString, answer);
    const Query q = std::get<Query>(readQuery(query.toStdString()));
    const NumberFormat format{".", minus.toStdString()};
    const auto result = answerQuery(q, decimals < 0 ? std::nullopt : std::optional<int>(decimals), format,
                                    kTableSignificantDigits);
    QCOMPARE(QString::fromStdString(std::get<Answer>(result).text), answer);
}

// Every target and value: each larger part a whole number whose text is that number in full, each
// part below one of the next larger unit, the last part's text its amount as shown, the sign on
// the first part as the answer in one unit shows it, and the parts adding back to the total within
// the precision shown.
void TestAnswerParts::everyTargetAddsBackExactly()
{
    const std::vector<double> magnitudes = {0.0, DBL_TRUE_MIN, 1e-300, 1e-20, 1e-9, 0.001, 0.1, 0.5, 0.999999999999,
                                            1.0, 1.5, 7.25, 11.999999999999, 12.0, 59.5, 99.99, 1234.5678,
                                            65536.123, 1e6 + 0.3, 123456789.123, 9.87654321e12, 1e15,
                                            9007199254740992.0, 1e20, 1e21, 1e38, 1e39, 1e100, 1e300, DBL_MAX};
    const Precision precisions[] = {{std::nullopt, kTableSignificantDigits}, {std::nullopt, kSignificantDigits},
                                    {std::nullopt, kMaxSignificantDigits}, {0, 0}, {2, 0}};
    int answers = 0;
    const std::vector<Target> targets = severalUnitTargets();
    for (const Target& target : targets) {
        const std::size_t n = target.units.size();
        std::string text = "1 " + std::string(target.units.back()->text) + " to";
        for (const Unit* unit : target.units)
            text += " " + std::string(unit->text);
        const QueryReading reading = readQuery(text);
        const Query* read = std::get_if<Query>(&reading);
        QVERIFY2(read != nullptr && read->intoParts.size() == n, text.c_str());
        // Whole numbers of the largest unit, and just either side of them.
        const double first = target.inLast.front();
        std::vector<double> values = magnitudes;
        for (const double whole : {1.0, 7.0, 1e12})
            values.insert(values.end(), {whole * first, std::nextafter(whole * first, 0.0), whole * first + 1e-6});
        for (const double magnitude : values)
            for (const double value : {magnitude, -magnitude}) {
                Query query = *read;
                query.value = value;
                // Targets of three units in the default form alone, to keep the test quick.
                for (const Precision& precision : std::span(precisions, n == 2 ? std::size(precisions) : 1)) {
                    const auto reply = answerQuery(query, precision.decimals, {}, precision.digits);
                    const Answer* answer = std::get_if<Answer>(&reply);
                    if (answer == nullptr)
                        continue;  // beyond the range of doubles in the last unit
                    ++answers;
                    const std::string where = text + " for " + QByteArray::number(value, 'g', 17).toStdString() + " = " + answer->text +
                                              (precision.decimals ? ", decimals " + std::to_string(*precision.decimals)
                                                                  : ", digits " + std::to_string(precision.digits));
                    const std::string single = precision.decimals
                                                   ? formatFixed(answer->result, *precision.decimals, {})
                                                   : formatGeneral(answer->result, ".", precision.digits);
                    const bool negative = single.starts_with('-');
                    QVERIFY2(answer->parts.size() == n, where.c_str());
                    long double sum = 0.0;  // the wider exponent holds sums beyond the largest double
                    for (std::size_t i = 0; i < n; ++i) {
                        const AnswerPart& part = answer->parts[i];
                        std::string_view shown = part.text;
                        QVERIFY2(shown.starts_with('-') == (negative && i == 0), where.c_str());
                        QVERIFY2(std::signbit(part.amount) == negative, where.c_str());
                        if (i == 0 && negative)
                            shown.remove_prefix(1);
                        const double amount = std::fabs(part.amount);
                        const double written = readLeadingNumber(shown).value();
                        if (i + 1 < n) {
                            QVERIFY2(amount == std::trunc(amount) && written == amount, where.c_str());
                        } else {
                            const double unit = shownUnit(amount, precision.decimals, precision.digits);
                            QVERIFY2(std::fabs(written - amount) <= unit, where.c_str());
                        }
                        // A remainder just below a size that no double holds may round to the size.
                        if (i > 0)
                            QVERIFY2(amount < target.inNext[i - 1] || (amount == target.inNext[i - 1] && !target.nextIsDouble[i - 1]),
                                     where.c_str());
                        sum += static_cast<long double>(amount) * target.inLast[i];
                    }
                    const double total = std::fabs(answer->result);
                    // A larger part beyond the whole numbers a double holds is rounded as shown too:
                    // the first, or one after a unit more than 2^53 times its size (kiloparsecs and
                    // chains).
                    double roundedParts = 0.0;
                    for (std::size_t i = 0; i + 1 < n; ++i) {
                        const double whole = std::fabs(answer->parts[i].amount);
                        if (whole >= 0x1p53)
                            roundedParts += shownUnit(whole, precision.decimals, precision.digits) * target.inLast[i];
                    }
                    const double tolerance = shownUnit(total, precision.decimals, precision.digits) + roundedParts + 1e-14 * total;
                    QVERIFY2(std::fabs(sum - total) <= tolerance, where.c_str());
                }
            }
    }
    qInfo("%zu targets, %d answers into several units", targets.size(), answers);
}

QTEST_APPLESS_MAIN(TestAnswerParts)
#include "tst_answer_parts.moc"
