// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/big_integer.h>

#include <QTest>

#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

using mezzurix::BigInteger;
using mezzurix::LimbVector;

namespace {

__extension__ using Int128 = __int128;
__extension__ using Unsigned128 = unsigned __int128;

constexpr int kRandomRounds = 4000;

// Below 2^bits, any bits from 0 to 127.
Unsigned128 randomBelow(std::mt19937_64& random, int bits)
{
    const Unsigned128 value = (Unsigned128{random()} << 64) | random();
    return bits == 0 ? 0 : value >> (128 - bits);
}

// A signed value of at most `bits` bits (up to 126, so that sums and differences still fit).
Int128 randomSigned(std::mt19937_64& random, int bits)
{
    const auto magnitude = static_cast<Int128>(randomBelow(random, bits));
    return random() % 2 == 0 ? magnitude : -magnitude;
}

Unsigned128 magnitude(Int128 value)
{
    return value < 0 ? Unsigned128{0} - static_cast<Unsigned128>(value) : static_cast<Unsigned128>(value);
}

BigInteger big(Int128 value)
{
    BigInteger result;
    for (int shift = 96; shift >= 0; shift -= 32)
        result = (result << 32) + BigInteger(static_cast<std::int64_t>((magnitude(value) >> shift) & 0xFFFFFFFFU));
    return value < 0 ? -result : result;
}

Int128 small(const BigInteger& value)
{
    const Unsigned128 bits = (Unsigned128{(value >> 64).low64()} << 64) | value.low64();
    return value.isNegative() ? -static_cast<Int128>(bits) : static_cast<Int128>(bits);
}

std::string decimal(Int128 value)
{
    if (value == 0)
        return "0";
    std::string digits;
    for (Unsigned128 rest = magnitude(value); rest != 0; rest /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
    return (value < 0 ? "-" : "") + digits;
}

std::size_t bitsOf(Unsigned128 value)
{
    std::size_t bits = 0;
    for (; value != 0; value >>= 1)
        ++bits;
    return bits;
}

Unsigned128 euclid(Unsigned128 a, Unsigned128 b)
{
    while (b != 0)
        a = std::exchange(b, a % b);
    return a;
}

// Limbs that make the quotient estimates of long division go wrong: all ones, top bit only, and
// their neighbours, among random ones.
BigInteger awkward(std::mt19937_64& random, int limbs)
{
    static constexpr std::uint32_t kPatterns[] = {0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFE, 0xFFFFFFFF};
    BigInteger result;
    for (int i = 0; i < limbs; ++i) {
        const std::uint64_t pick = random() % 8;
        const std::uint32_t limb = pick < 6 ? kPatterns[pick] : static_cast<std::uint32_t>(random());
        result = (result << 32) + BigInteger(std::int64_t{limb});
    }
    return random() % 2 == 0 ? result : -result;
}

QByteArray show(const BigInteger& value)
{
    return QByteArray::fromStdString(value.toDecimal());
}

} // namespace

class TestBigInteger : public QObject {
    Q_OBJECT

private slots:
    void agreesWith128BitArithmetic();
    void identitiesHoldOnLargeNumbers();
    void edges();
    void limbsBehaveAsAVector();
};

// Every operation against the compiler's own 128-bit integers, on operands of every size that
// keeps the results within them.
void TestBigInteger::agreesWith128BitArithmetic()
{
    std::mt19937_64 random(20260612);
    for (int round = 0; round < kRandomRounds; ++round) {
        const int bitsA = static_cast<int>(random() % 127);
        const int bitsB = static_cast<int>(random() % 127);
        const Int128 a = randomSigned(random, bitsA);
        const Int128 b = randomSigned(random, bitsB);
        const BigInteger bigA = big(a);
        const BigInteger bigB = big(b);
        const QByteArray where = QByteArray::fromStdString(decimal(a) + ", " + decimal(b));

        QVERIFY2(small(bigA) == a, where);
        QCOMPARE(bigA.toDecimal(), decimal(a));
        QVERIFY2(BigInteger::fromDecimal(decimal(a)) == bigA, where);
        QVERIFY2(small(bigA + bigB) == a + b, where);
        QVERIFY2(small(bigA - bigB) == a - b, where);
        QVERIFY2(BigInteger::compare(bigA, bigB) == (a < b ? -1 : a > b ? 1 : 0), where);
        QVERIFY2((bigA < bigB) == (a < b) && (bigA >= bigB) == (a >= b), where);
        QVERIFY2((bigA == bigB) == (a == b), where);
        if (bitsA + bitsB <= 126)
            QVERIFY2(small(bigA * bigB) == a * b, where);
        if (b != 0) {
            const auto division = BigInteger::divide(bigA, bigB);
            QVERIFY2(small(division->quotient) == a / b && small(division->remainder) == a % b, where);
        }
        const auto shift = static_cast<std::size_t>(random() % 130);
        if (bitsA + static_cast<int>(shift) <= 126)
            QVERIFY2(small(bigA << shift) == a * (Int128{1} << shift), where);
        // Shifting the magnitude right divides by 2^shift, truncating toward zero.
        QVERIFY2(small(bigA >> shift) == (shift >= 127 ? 0 : a / (Int128{1} << shift)), where);
        const Unsigned128 gcd = euclid(magnitude(a), magnitude(b));
        QVERIFY2(small(BigInteger::gcd(bigA, bigB)) == static_cast<Int128>(gcd), where);
        QCOMPARE(bigA.bitLength(), bitsOf(magnitude(a)));
    }
}

// On numbers of up to some hundred limbs, whose limbs provoke the corrections of long division:
// the operations undo each other, and gcd and power keep their laws.
void TestBigInteger::identitiesHoldOnLargeNumbers()
{
    std::mt19937_64 random(7);
    for (int round = 0; round < kRandomRounds / 4; ++round) {
        const BigInteger a = awkward(random, static_cast<int>(random() % 64));
        const BigInteger b = awkward(random, 1 + static_cast<int>(random() % 40));
        const BigInteger c = awkward(random, 1 + static_cast<int>(random() % 8));
        const QByteArray where = show(a) + ", " + show(b);
        if (b.isZero())
            continue;

        QVERIFY2((a + b) - b == a && (a - b) + b == a && a + -a == BigInteger(), where);
        const auto exact = BigInteger::divide(a * b, b);
        QVERIFY2(exact->quotient == a && exact->remainder.isZero(), where);
        const auto division = BigInteger::divide(a, b);
        QVERIFY2(division->quotient * b + division->remainder == a, where);
        QVERIFY2(division->remainder.magnitude() < b.magnitude(), where);
        QVERIFY2(division->remainder.isZero() || division->remainder.isNegative() == a.isNegative(), where);

        const BigInteger gcd = BigInteger::gcd(a, b);
        QVERIFY2(!gcd.isNegative() && !gcd.isZero(), where);
        QVERIFY2(BigInteger::divide(a, gcd)->remainder.isZero() && BigInteger::divide(b, gcd)->remainder.isZero(), where);
        QVERIFY2(BigInteger::gcd(BigInteger::divide(a, gcd)->quotient, BigInteger::divide(b, gcd)->quotient) == 1, where);
        QVERIFY2(BigInteger::gcd(a * c, b * c) == gcd * c.magnitude(), where);

        const auto shift = static_cast<std::size_t>(random() % 200);
        QVERIFY2((a << shift) >> shift == a, where);
        QVERIFY2((a << shift) == a * BigInteger::power(2, static_cast<unsigned>(shift)), where);
        const auto times = static_cast<unsigned>(random() % 6);
        BigInteger product = 1;
        for (unsigned i = 0; i < times; ++i)
            product = product * c;
        QVERIFY2(BigInteger::power(c, times) == product, where);
        QVERIFY2(BigInteger::fromDecimal(a.toDecimal()) == a, where);
    }
}

void TestBigInteger::edges()
{
    // Decimal texts at the edges of the nine-digit chunks they are read and written in.
    for (const auto& [text, written] : {std::pair{"-0", "0"}, {"000123", "123"}, {"999999999", "999999999"},
                                        {"1000000000", "1000000000"},
                                        {"-100000000000000000001000000000", "-100000000000000000001000000000"}})
        QCOMPARE(BigInteger::fromDecimal(text)->toDecimal(), std::string(written));
    for (const char* refused : {"", "-", "+1", "1.5", "1 2", "--1"})
        QVERIFY(!BigInteger::fromDecimal(refused));
    const BigInteger lowest(std::numeric_limits<std::int64_t>::min());
    QCOMPARE(lowest.toDecimal(), std::string("-9223372036854775808"));
    QCOMPARE((-lowest).low64(), std::uint64_t{1} << 63);
    QVERIFY(!BigInteger::divide(5, 0));
    QVERIFY(!BigInteger::divide(0, 0));
    QVERIFY(!(-BigInteger()).isNegative() && !(BigInteger(5) - 5).isNegative() && !(BigInteger(-5) * 0).isNegative());
    QVERIFY(!(BigInteger(-1) >> 1).isNegative());
    QCOMPARE(BigInteger::gcd(0, 0), BigInteger());
    QCOMPARE(BigInteger::gcd(-12, 0), BigInteger(12));
    QCOMPARE(BigInteger::power(0, 0), BigInteger(1));
    QCOMPARE(BigInteger::power(-2, 63), BigInteger(std::numeric_limits<std::int64_t>::min()));
    QCOMPARE(BigInteger::power(10, 40).toDecimal(), "1" + std::string(40, '0'));
    QCOMPARE(BigInteger(1).bitLength(), std::size_t{1});
    QCOMPARE((BigInteger(1) << 1000).bitLength(), std::size_t{1001});
}

// The limbs' own vector, which keeps a few limbs in itself, against std::vector: random operations
// on a few of them, around the size where it moves its limbs to the heap and back.
void TestBigInteger::limbsBehaveAsAVector()
{
    using Model = std::vector<std::uint32_t>;
    constexpr std::size_t kVectors = 4;
    std::mt19937_64 random(11);
    std::vector<LimbVector> ours(kVectors);
    std::vector<Model> model(kVectors);
    const auto same = [&](std::size_t i) {
        const LimbVector& v = ours[i];
        return v.size() == model[i].size() && v.empty() == model[i].empty() &&
               Model(v.begin(), v.end()) == model[i] && (v.empty() || (v.front() == model[i].front() && v.back() == model[i].back()));
    };
    for (int step = 0; step < 200000; ++step) {
        const std::size_t i = random() % kVectors;
        const std::size_t j = random() % kVectors;  // may be i: self-assignment
        const auto limb = static_cast<std::uint32_t>(random());
        const std::size_t count = random() % 14;
        const int operation = static_cast<int>(random() % 11);
        switch (operation) {
        case 0: ours[i].push_back(limb); model[i].push_back(limb); break;
        case 1: if (!model[i].empty()) { ours[i].pop_back(); model[i].pop_back(); } break;
        case 2: ours[i].resize(count, limb); model[i].resize(count, limb); break;
        case 3: ours[i].assign(count, limb); model[i].assign(count, limb); break;
        case 4:  // from its own limbs no more than std::vector
            if (i != j) { ours[i].assign(ours[j].begin(), ours[j].end()); model[i] = model[j]; }
            break;
        case 5: ours[i] = ours[j]; model[i] = model[j]; break;
        case 6: {
            // Moved from, then used again: empty.
            LimbVector moved = std::move(ours[j]);
            Model kept = std::move(model[j]);
            ours[j].push_back(limb);
            model[j] = {limb};
            ours[i] = std::move(moved);
            model[i] = std::move(kept);
            break;
        }
        case 7: { LimbVector copy(ours[j]); ours[i] = copy; model[i] = model[j]; break; }
        case 8: ours[i] = LimbVector(count, limb); model[i] = Model(count, limb); break;
        case 9: ours[i].clear(); model[i].clear(); break;
        case 10: if (!model[i].empty()) { ours[i][count % model[i].size()] = limb; model[i][count % model[i].size()] = limb; } break;
        }
        for (std::size_t k = 0; k < kVectors; ++k)
            QVERIFY2(same(k), qPrintable(QString("step %1, operation %2, vector %3").arg(step).arg(operation).arg(k)));
        QVERIFY((ours[i] == ours[j]) == (model[i] == model[j]));
    }
    QVERIFY(LimbVector({1, 2, 3}) == LimbVector({1, 2, 3}) && !(LimbVector({1, 2}) == LimbVector({1, 2, 3})));
}

QTEST_APPLESS_MAIN(TestBigInteger)
#include "tst_big_integer.moc"
