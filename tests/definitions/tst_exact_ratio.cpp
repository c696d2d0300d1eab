// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every sum, difference, product and quotient of ratios at the edges of 128 bits is exact, in
// lowest terms, or refused: checked against sign-and-magnitude arithmetic on unsigned 128 bits for
// whole numbers, which tells exactly which results fit, and against doubles for everything.

#include <mezzurix/exact_ratio.h>

#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <utility>

using namespace mezzurix;

namespace {

using Int = ExactRatio::Int;
__extension__ using Magnitude = unsigned __int128;

// The largest magnitude a term of a ratio keeps, 2^127 - 1.
constexpr Magnitude kLargest = (Magnitude(1) << 127) - 1;

// A double result of exact operands this many units of the last place off is still right: the
// operands and the operation are each rounded once.
constexpr double kUlpsOfRounding = 4;

// Whole numbers and ratios at the edges: 2^127 - 1 and its neighbours, 2^126, the square root
// of 2^127 on either side, their reciprocals, and ratios whose terms come close to 2^127.
constexpr const char* kExtremes[] = {
    "0",
    "1",
    "-1",
    "2",
    "170141183460469231731687303715884105727",
    "-170141183460469231731687303715884105727",
    "170141183460469231731687303715884105726",
    "85070591730234615865843651857942052864",
    "-85070591730234615865843651857942052864",
    "85070591730234615865843651857942052863",
    "18446744073709551616",
    "13043817825332782212",
    "-13043817825332782213",
    "1e38",
    "-1e-38",
    "1/170141183460469231731687303715884105727",
    "-1/170141183460469231731687303715884105726",
    "170141183460469231731687303715884105727/2",
    "1/3",
    "-2/3",
    "99999999999999999999/7",
};

struct Operation {
    const char* name;
    std::function<std::optional<ExactRatio>(const ExactRatio&, const ExactRatio&)> exact;
    std::function<double(double, double)> approximate;
};

// A whole number as sign and magnitude, one bit wider than a term.
struct SignedMagnitude {
    bool negative = false;
    Magnitude magnitude = 0;
};

SignedMagnitude signedMagnitude(Int n)
{
    return {n < 0, n < 0 ? Magnitude(0) - Magnitude(n) : Magnitude(n)};
}

// The exact sum or product of two whole numbers, or nullopt when its magnitude passes 2^127 - 1.
std::optional<SignedMagnitude> fitting(SignedMagnitude result)
{
    return result.magnitude <= kLargest ? std::optional(result) : std::nullopt;
}

std::optional<SignedMagnitude> exactSum(Int a, Int b)
{
    const SignedMagnitude x = signedMagnitude(a);
    const SignedMagnitude y = signedMagnitude(b);
    if (x.negative == y.negative)
        return fitting({x.negative, x.magnitude + y.magnitude});  // below 2^128: no wrap
    return x.magnitude >= y.magnitude ? fitting({x.negative, x.magnitude - y.magnitude})
                                      : fitting({y.negative, y.magnitude - x.magnitude});
}

std::optional<SignedMagnitude> exactProduct(Int a, Int b)
{
    const SignedMagnitude x = signedMagnitude(a);
    const SignedMagnitude y = signedMagnitude(b);
    if (y.magnitude != 0 && x.magnitude > std::numeric_limits<Magnitude>::max() / y.magnitude)
        return std::nullopt;
    return fitting({x.negative != y.negative, x.magnitude * y.magnitude});
}

Magnitude greatestCommonDivisor(Magnitude a, Magnitude b)
{
    while (b != 0)
        a = std::exchange(b, a % b);
    return a;
}

QByteArray termText(Int n)
{
    SignedMagnitude term = signedMagnitude(n);
    QByteArray digits;
    do {
        digits.prepend(static_cast<char>('0' + static_cast<int>(term.magnitude % 10)));
        term.magnitude /= 10;
    } while (term.magnitude != 0);
    return term.negative ? '-' + digits : digits;
}

// Both terms as they are, even where a wrapped term has no negation.
QByteArray shown(const ExactRatio& value)
{
    return termText(value.numerator()) + '/' + termText(value.denominator());
}

} // namespace

class TestExactRatio : public QObject {
    Q_OBJECT
private slots:
    void operationsOnExtremesAreExactOrRefused();
};

void TestExactRatio::operationsOnExtremesAreExactOrRefused()
{
    const Operation operations[] = {
        {"+", [](const ExactRatio& a, const ExactRatio& b) { return a + b; }, std::plus<double>()},
        {"-", [](const ExactRatio& a, const ExactRatio& b) { return a - b; }, std::minus<double>()},
        {"*", [](const ExactRatio& a, const ExactRatio& b) { return a * b; }, std::multiplies<double>()},
        {"/", [](const ExactRatio& a, const ExactRatio& b) { return a / b; }, std::divides<double>()},
    };
    int checkedExactly = 0;
    int refused = 0;
    for (const char* left : kExtremes)
        for (const char* right : kExtremes) {
            const std::optional<ExactRatio> a = ExactRatio::parse(left);
            const std::optional<ExactRatio> b = ExactRatio::parse(right);
            QVERIFY(a && b);
            for (const Operation& operation : operations) {
                const QByteArray where = QByteArray(left) + ' ' + operation.name + ' ' + right;
                const std::optional<ExactRatio> result = operation.exact(*a, *b);
                refused += result ? 0 : 1;

                const bool whole = a->denominator() == 1 && b->denominator() == 1;
                const std::string_view name = operation.name;
                if (whole && name != "/") {
                    const Int second = name == "-" ? -b->numerator() : b->numerator();
                    const std::optional<SignedMagnitude> expected =
                        name == "*" ? exactProduct(a->numerator(), second) : exactSum(a->numerator(), second);
                    if (expected && !result)
                        QFAIL(where + " fits, and is refused");
                    if (!expected && result)
                        QFAIL(where + " does not fit, and gives " + shown(*result));
                    if (expected) {
                        const SignedMagnitude got = signedMagnitude(result->numerator());
                        if (result->denominator() != 1 || got.magnitude != expected->magnitude ||
                            (got.negative != expected->negative && got.magnitude != 0))
                            QFAIL(where + " gives " + shown(*result));
                        ++checkedExactly;
                    }
                }

                if (name == "/" && b->isZero() && result)
                    QFAIL(where + " gives " + shown(*result));
                if (!result)
                    continue;
                if (result->denominator() <= 0 ||
                    greatestCommonDivisor(signedMagnitude(result->numerator()).magnitude,
                                          static_cast<Magnitude>(result->denominator())) != 1)
                    QFAIL(where + " gives " + shown(*result) + ", not in lowest terms");
                const double x = a->nearestDouble();
                const double y = b->nearestDouble();
                const double approximate = operation.approximate(x, y);
                const double scale = name == "+" || name == "-" ? std::fabs(x) + std::fabs(y) : std::fabs(approximate);
                const double tolerance = kUlpsOfRounding * std::numeric_limits<double>::epsilon() * scale;
                if (std::fabs(result->nearestDouble() - approximate) > tolerance)
                    QFAIL(where + " gives " + shown(*result) + ", nowhere near " + QByteArray::number(approximate, 'g', 17));
            }
        }
    qInfo("%d whole results checked exactly, %d refused", checkedExactly, refused);
    QVERIFY(checkedExactly > 0 && refused > 0);
}

QTEST_GUILESS_MAIN(TestExactRatio)
#include "tst_exact_ratio.moc"
