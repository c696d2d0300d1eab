// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Answering a currency query: exact arithmetic on the published rates, one rounding at the end.
#include <mezzurix/currency.h>

#include <algorithm>
#include <cmath>

namespace mezzurix {

std::string roundedText(const ExactAmount& amount, int decimals, const NumberFormat& format)
{
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    const BigInteger scaled = amount.numerator().magnitude() * BigInteger::power(10, static_cast<unsigned>(decimals));
    const std::optional<BigInteger::Division> division = BigInteger::divide(scaled, amount.denominator());
    BigInteger units = division->quotient;
    if (division->remainder * 2 >= amount.denominator())  // halves away from zero
        units = units + 1;
    std::string digits = units.toDecimal();
    if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    std::string text = amount.numerator().isNegative() && !units.isZero() ? format.minusSign : std::string();
    text += digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    if (decimals > 0)
        text += format.decimalPoint + digits.substr(digits.size() - static_cast<std::size_t>(decimals));
    return text;
}

std::optional<CurrencyAnswer> answerCurrency(const CurrencyQuery& query, std::string_view fromPerEuro,
                                             std::string_view intoPerEuro, std::optional<int> decimals,
                                             std::optional<int> significantDigits, const NumberFormat& format)
{
    const std::optional<ExactAmount> from = ExactAmount::parse(fromPerEuro);
    const std::optional<ExactAmount> into = ExactAmount::parse(intoPerEuro);
    const std::optional<ExactAmount> value = ExactAmount::parse(query.valueText);
    if (!from || !into || !value || from->isZero() || from->numerator().isNegative() || into->isZero() ||
        into->numerator().isNegative())
        return std::nullopt;
    const std::optional<ExactAmount> rate = *into / *from;
    const std::optional<ExactAmount> amount = rate ? *value * *rate : std::nullopt;
    if (!amount)
        return std::nullopt;
    CurrencyAnswer answer{*rate, *amount, amount->toDouble(), {}};
    if (!std::isfinite(answer.result))
        return std::nullopt;
    answer.text = significantDigits ? formatGeneral(answer.result, format.decimalPoint, *significantDigits)
                                    : roundedText(*amount, decimals.value_or(query.into->minorDigits), format);
    return answer;
}

} // namespace mezzurix
