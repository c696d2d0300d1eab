// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/big_integer.h>

#include <algorithm>
#include <bit>

namespace mezzurix {

namespace {

using Limb = LimbVector::Limb;
using Wide = std::uint64_t;  // holds a limb times a limb plus a limb
constexpr int kLimbBits = 32;
constexpr Wide kLimbBase = Wide{1} << kLimbBits;

// Decimal text is read and written nine digits at a time: 10^9 is the largest power of ten in a limb.
constexpr int kChunkDigits = 9;
constexpr Limb kChunkBase = 1'000'000'000;

void trim(LimbVector& limbs)
{
    while (!limbs.empty() && limbs.back() == 0)
        limbs.pop_back();
}

Limb low(Wide value)
{
    return static_cast<Limb>(value & (kLimbBase - 1));
}

// limbs = limbs × factor + addend.
void multiplyAdd(LimbVector& limbs, Limb factor, Limb addend)
{
    Wide carry = addend;
    for (Limb& limb : limbs) {
        const Wide product = Wide{limb} * factor + carry;
        limb = low(product);
        carry = product >> kLimbBits;
    }
    if (carry != 0)
        limbs.push_back(low(carry));
    trim(limbs);
}

// limbs = limbs / divisor, returning the remainder.
Limb divideInPlace(LimbVector& limbs, Limb divisor)
{
    Wide remainder = 0;
    for (std::size_t i = limbs.size(); i-- > 0;) {
        const Wide current = (remainder << kLimbBits) | limbs[i];
        limbs[i] = static_cast<Limb>(current / divisor);
        remainder = current % divisor;
    }
    trim(limbs);
    return static_cast<Limb>(remainder);
}

LimbVector shiftLeft(const LimbVector& limbs, std::size_t bits)
{
    if (limbs.empty())
        return {};
    const std::size_t whole = bits / kLimbBits;
    const int part = static_cast<int>(bits % kLimbBits);
    LimbVector result(limbs.size() + whole + 1, 0);
    for (std::size_t i = 0; i < limbs.size(); ++i) {
        const Wide shifted = Wide{limbs[i]} << part;
        result[i + whole] |= low(shifted);
        result[i + whole + 1] |= static_cast<Limb>(shifted >> kLimbBits);
    }
    trim(result);
    return result;
}

LimbVector shiftRight(const LimbVector& limbs, std::size_t bits)
{
    const std::size_t whole = bits / kLimbBits;
    if (whole >= limbs.size())
        return {};
    const int part = static_cast<int>(bits % kLimbBits);
    LimbVector result(limbs.size() - whole, 0);
    for (std::size_t i = 0; i < result.size(); ++i) {
        const Wide next = i + whole + 1 < limbs.size() ? limbs[i + whole + 1] : 0;
        const Wide pair = (next << kLimbBits) | limbs[i + whole];
        result[i] = low(pair >> part);
    }
    trim(result);
    return result;
}

} // namespace

BigInteger::BigInteger(std::int64_t value) : negative_(value < 0)
{
    // The magnitude of the most negative value does not fit its own type: take it unsigned.
    Wide magnitude = negative_ ? Wide{0} - static_cast<Wide>(value) : static_cast<Wide>(value);
    while (magnitude != 0) {
        limbs_.push_back(low(magnitude));
        magnitude >>= kLimbBits;
    }
}

BigInteger BigInteger::fromMagnitude(Limbs limbs, bool negative)
{
    BigInteger result;
    trim(limbs);
    result.negative_ = negative && !limbs.empty();
    result.limbs_ = std::move(limbs);
    return result;
}

std::optional<BigInteger> BigInteger::fromDecimal(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    Limbs limbs;
    // The first chunk takes what is left over, so that every later one has nine digits.
    std::size_t chunk = text.size() % kChunkDigits == 0 ? kChunkDigits : text.size() % kChunkDigits;
    for (std::size_t start = 0; start < text.size(); start += chunk, chunk = kChunkDigits) {
        Limb value = 0;
        Limb scale = 1;
        for (const char c : text.substr(start, chunk)) {
            value = value * 10 + static_cast<Limb>(c - '0');
            scale *= 10;
        }
        multiplyAdd(limbs, scale, value);
    }
    return fromMagnitude(std::move(limbs), negative);
}

std::string BigInteger::toDecimal() const
{
    if (isZero())
        return "0";
    Limbs rest = limbs_;
    std::string reversed;
    while (!rest.empty()) {
        Limb chunk = divideInPlace(rest, kChunkBase);
        for (int i = 0; i < kChunkDigits && (chunk != 0 || !rest.empty()); ++i) {
            reversed += static_cast<char>('0' + chunk % 10);
            chunk /= 10;
        }
    }
    if (negative_)
        reversed += '-';
    return {reversed.rbegin(), reversed.rend()};
}

std::size_t BigInteger::bitLength() const
{
    if (isZero())
        return 0;
    return limbs_.size() * kLimbBits - static_cast<std::size_t>(std::countl_zero(limbs_.back()));
}

std::uint64_t BigInteger::low64() const
{
    Wide result = limbs_.empty() ? 0 : limbs_[0];
    if (limbs_.size() > 1)
        result |= Wide{limbs_[1]} << kLimbBits;
    return result;
}

BigInteger BigInteger::magnitude() const
{
    return fromMagnitude(limbs_, false);
}

int BigInteger::compareMagnitudes(const Limbs& a, const Limbs& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;)
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    return 0;
}

BigInteger::Limbs BigInteger::addMagnitudes(const Limbs& a, const Limbs& b)
{
    const Limbs& longer = a.size() >= b.size() ? a : b;
    const Limbs& shorter = a.size() >= b.size() ? b : a;
    Limbs sum(longer.size() + 1, 0);
    Wide carry = 0;
    for (std::size_t i = 0; i < longer.size(); ++i) {
        const Wide total = Wide{longer[i]} + (i < shorter.size() ? shorter[i] : 0) + carry;
        sum[i] = low(total);
        carry = total >> kLimbBits;
    }
    sum.back() = low(carry);
    trim(sum);
    return sum;
}

BigInteger::Limbs BigInteger::subtractMagnitudes(const Limbs& larger, const Limbs& smaller)
{
    Limbs difference(larger.size(), 0);
    Limb borrow = 0;
    for (std::size_t i = 0; i < larger.size(); ++i) {
        const Wide taken = Wide{i < smaller.size() ? smaller[i] : 0} + borrow;
        borrow = Wide{larger[i]} < taken ? 1 : 0;
        difference[i] = low(Wide{larger[i]} + (borrow != 0 ? kLimbBase : 0) - taken);
    }
    trim(difference);
    return difference;
}

BigInteger::Limbs BigInteger::multiplyMagnitudes(const Limbs& a, const Limbs& b)
{
    if (a.empty() || b.empty())
        return {};
    Limbs product(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        Wide carry = 0;
        for (std::size_t j = 0; j < b.size(); ++j) {
            // At most (2^32 - 1)^2 + 2 (2^32 - 1) = 2^64 - 1: never overflows.
            const Wide total = Wide{a[i]} * b[j] + product[i + j] + carry;
            product[i + j] = low(total);
            carry = total >> kLimbBits;
        }
        product[i + b.size()] = low(carry);
    }
    trim(product);
    return product;
}

// Knuth's algorithm D (The Art of Computer Programming, vol. 2, 4.3.1): one quotient limb per step,
// estimated from the top two limbs of the rest and the top limb of the divisor, shifted so that
// its top bit is set; the estimate is at most two too large and is corrected.
void BigInteger::divideMagnitudes(const Limbs& dividend, const Limbs& divisor, Limbs& quotient, Limbs& remainder)
{
    if (compareMagnitudes(dividend, divisor) < 0) {
        quotient.clear();
        remainder = dividend;
        return;
    }
    if (divisor.size() == 1) {
        quotient = dividend;
        const Limb rest = divideInPlace(quotient, divisor.front());
        remainder = rest == 0 ? Limbs{} : Limbs{rest};
        return;
    }
    const std::size_t n = divisor.size();
    const std::size_t m = dividend.size() - n;
    const auto shift = static_cast<std::size_t>(std::countl_zero(divisor.back()));
    const Limbs v = shiftLeft(divisor, shift);
    Limbs u = shiftLeft(dividend, shift);
    u.resize(dividend.size() + 1, 0);
    quotient.assign(m + 1, 0);
    for (std::size_t j = m + 1; j-- > 0;) {
        const Wide top = (Wide{u[j + n]} << kLimbBits) | u[j + n - 1];
        Wide estimate = top / v[n - 1];
        Wide rest = top % v[n - 1];
        while (estimate >= kLimbBase || estimate * v[n - 2] > ((rest << kLimbBits) | u[j + n - 2])) {
            --estimate;
            rest += v[n - 1];
            if (rest >= kLimbBase)
                break;
        }
        // u[j .. j+n] -= estimate × v
        Wide carry = 0;
        Limb borrow = 0;
        for (std::size_t i = 0; i <= n; ++i) {
            const Wide product = estimate * (i < n ? v[i] : 0) + carry;
            carry = product >> kLimbBits;
            const Wide taken = Wide{low(product)} + borrow;
            borrow = Wide{u[i + j]} < taken ? 1 : 0;
            u[i + j] = low(Wide{u[i + j]} + (borrow != 0 ? kLimbBase : 0) - taken);
        }
        if (borrow != 0) {
            // One too many: add the divisor back; the carry out of the top limb cancels the borrow.
            --estimate;
            Wide sum = 0;
            for (std::size_t i = 0; i <= n; ++i) {
                sum = Wide{u[i + j]} + (i < n ? v[i] : 0) + (sum >> kLimbBits);
                u[i + j] = low(sum);
            }
        }
        quotient[j] = low(estimate);
    }
    trim(quotient);
    trim(u);
    remainder = shiftRight(u, shift);
}

BigInteger operator-(BigInteger value)
{
    value.negative_ = !value.negative_ && !value.isZero();
    return value;
}

BigInteger operator+(const BigInteger& a, const BigInteger& b)
{
    if (a.negative_ == b.negative_)
        return BigInteger::fromMagnitude(BigInteger::addMagnitudes(a.limbs_, b.limbs_), a.negative_);
    if (BigInteger::compareMagnitudes(a.limbs_, b.limbs_) >= 0)
        return BigInteger::fromMagnitude(BigInteger::subtractMagnitudes(a.limbs_, b.limbs_), a.negative_);
    return BigInteger::fromMagnitude(BigInteger::subtractMagnitudes(b.limbs_, a.limbs_), b.negative_);
}

BigInteger operator-(const BigInteger& a, const BigInteger& b)
{
    return a + -b;
}

BigInteger operator*(const BigInteger& a, const BigInteger& b)
{
    return BigInteger::fromMagnitude(BigInteger::multiplyMagnitudes(a.limbs_, b.limbs_), a.negative_ != b.negative_);
}

BigInteger operator<<(const BigInteger& value, std::size_t bits)
{
    return BigInteger::fromMagnitude(shiftLeft(value.limbs_, bits), value.negative_);
}

BigInteger operator>>(const BigInteger& value, std::size_t bits)
{
    return BigInteger::fromMagnitude(shiftRight(value.limbs_, bits), value.negative_);
}

int BigInteger::compare(const BigInteger& a, const BigInteger& b)
{
    if (a.negative_ != b.negative_)
        return a.negative_ ? -1 : 1;
    const int magnitudes = compareMagnitudes(a.limbs_, b.limbs_);
    return a.negative_ ? -magnitudes : magnitudes;
}

std::optional<BigInteger::Division> BigInteger::divide(const BigInteger& dividend, const BigInteger& divisor)
{
    if (divisor.isZero())
        return std::nullopt;
    Limbs quotient;
    Limbs remainder;
    divideMagnitudes(dividend.limbs_, divisor.limbs_, quotient, remainder);
    return Division{fromMagnitude(std::move(quotient), dividend.negative_ != divisor.negative_),
                    fromMagnitude(std::move(remainder), dividend.negative_)};
}

BigInteger BigInteger::gcd(BigInteger a, BigInteger b)
{
    while (!b.isZero()) {
        BigInteger rest = divide(a, b)->remainder;
        a = std::move(b);
        b = std::move(rest);
    }
    return a.magnitude();
}

BigInteger BigInteger::power(const BigInteger& base, unsigned exponent)
{
    BigInteger result = 1;
    BigInteger square = base;
    for (; exponent != 0; exponent >>= 1) {
        if ((exponent & 1U) != 0)
            result = result * square;
        if (exponent > 1)
            square = square * square;
    }
    return result;
}

} // namespace mezzurix
