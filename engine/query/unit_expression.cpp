// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_expression.h"

#include "expression_reader.h"
#include "query_parts.h"
#include "query_text.h"

#include <mezzurix/catalogue_terms.h>
#include <mezzurix/typed_units.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace mezzurix::unit_expression {

using query_parts::say;

ExactAmount exactOf(double x)
{
    constexpr int kMantissaBits = 53;
    int exponent = 0;
    const double mantissa = std::frexp(x, &exponent);
    const auto whole = static_cast<std::int64_t>(std::ldexp(mantissa, kMantissaBits));
    exponent -= kMantissaBits;
    const auto shift = static_cast<std::size_t>(std::abs(exponent));
    return exponent >= 0 ? *ExactAmount::fraction(BigInteger(whole) << shift, 1)
                         : *ExactAmount::fraction(whole, BigInteger(1) << shift);
}

ExactAmount exactValue(const number_scan::Scan& scan, const value_reader::Value& value)
{
    // A decimal exactly as typed ("0.1"); a fraction as the double it reads to.
    if (scan.form == number_scan::Form::Decimal)
        if (std::optional<ExactAmount> exact = ExactAmount::parse(value.text))
            return *exact;
    return exactOf(value.value);
}

std::variant<Quantity, QueryError> readSide(const Context& context, std::size_t begin, std::size_t end,
                                            const Quantity* value, std::size_t* rest)
{
    return Reader(context, begin, end, value).read(rest);
}

std::string describeTerm(const UnitTerm& term)
{
    const std::optional<std::size_t> category = categoryHolding(term.dimension, term.kind);
    if (!category)
        return say("%s (%s)", term.symbol, term.dimension.text());
    // The category in the messages' language; English's in lower case, as a word within the sentence.
    const std::string english(typedCategories()[*category].name);
    std::string name = say(english.c_str());
    if (name == english)
        for (char& c : name)
            c = query_text::foldByte(c);
    return say("%s (%s)", term.symbol, name);
}

} // namespace mezzurix::unit_expression
