// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/exact_amount.h>
#include <mezzurix/number_digits.h>

#include <cstdlib>

namespace mezzurix {

namespace {

using number_digits::isDigit;

// Reads the grammar in exact_amount.h from the front of `rest_`, one piece at a time.
class AmountReader {
public:
    explicit AmountReader(std::string_view text) : rest_(text) {}

    bool atEnd() const { return rest_.empty(); }

    bool take(std::string_view prefix)
    {
        if (!rest_.starts_with(prefix))
            return false;
        rest_.remove_prefix(prefix.size());
        return true;
    }

    // An optional "+" or "-": whether it was "-".
    bool takeSign()
    {
        if (take("-"))
            return true;
        take("+");
        return false;
    }

    std::optional<ExactAmount> factor()
    {
        if (take("pi") || take("\u03C0"))
            return ExactAmount::pi();
        return decimal();
    }

private:
    std::optional<ExactAmount> decimal()
    {
        std::string digits;
        int scale = 0;  // the value is digits × 10^scale
        bool point = false;
        for (; !rest_.empty(); rest_.remove_prefix(1)) {
            const char c = rest_.front();
            if (c == '.' && !point) {
                point = true;
            } else if (isDigit(c)) {
                if (static_cast<int>(digits.size()) == ExactAmount::kMaxDigits)
                    return std::nullopt;
                digits += c;
                scale -= point ? 1 : 0;
            } else {
                break;
            }
        }
        if (digits.empty())
            return std::nullopt;
        // Zero times any power of ten is zero, "0e999999" too: its exponent needs no bound.
        const bool zero = digits.find_first_not_of('0') == std::string::npos;
        if (take("e") || take("E")) {
            const std::optional<int> power = exponent(!zero);
            if (!power)
                return std::nullopt;
            scale += *power;  // both within a few thousand
        }
        const BigInteger mantissa = *BigInteger::fromDecimal(digits);
        const BigInteger ten = BigInteger::power(10, static_cast<unsigned>(std::abs(scale)));
        return scale >= 0 ? ExactAmount::fraction(mantissa * ten, 1) : ExactAmount::fraction(mantissa, ten);
    }

    // An optional sign and at least one digit, refused as soon as it passes kMaxExponent; where
    // it is not `bounded` (its mantissa is zero), read whole as 0.
    std::optional<int> exponent(bool bounded)
    {
        const bool negative = takeSign();
        if (rest_.empty() || !isDigit(rest_.front()))
            return std::nullopt;
        int value = 0;
        for (; !rest_.empty() && isDigit(rest_.front()); rest_.remove_prefix(1)) {
            value = bounded ? value * 10 + (rest_.front() - '0') : 0;
            if (value > ExactAmount::kMaxExponent)
                return std::nullopt;
        }
        return negative ? -value : value;
    }

    std::string_view rest_;
};

} // namespace

std::optional<ExactAmount> ExactAmount::parse(std::string_view text)
{
    AmountReader reader(text);
    const bool negative = reader.takeSign();
    std::optional<ExactAmount> value = reader.factor();
    while (value && !reader.atEnd()) {
        const bool times = reader.take("*") || reader.take("\u00B7");
        if (!times && !reader.take("/"))
            return std::nullopt;
        const std::optional<ExactAmount> next = reader.factor();
        if (!next)
            return std::nullopt;
        value = times ? *value * *next : *value / *next;
    }
    if (value && negative)
        return -*value;
    return value;
}

} // namespace mezzurix
