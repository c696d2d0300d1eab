// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/composed_unit.h>

#include "superscript.h"

#include <cstdlib>

namespace mezzurix {

namespace {

bool sameUnit(const TermFactor& a, const TermFactor& b)
{
    return !a.number && !b.number && a.unit.symbol == b.unit.symbol && a.unit.amount == b.unit.amount &&
           a.unit.dimension == b.unit.dimension;
}

bool withinExponentLimit(long long exponent)
{
    return std::llabs(exponent) <= Dimension::kMaxExponent;
}

struct Shown {
    std::string text;
    bool number;
};

// A factor as it is written within the symbol, with `exponent` (which is its own, or its own
// negated below the "/").
Shown shown(const TermFactor& factor, int exponent, bool alone)
{
    std::string text = factor.unit.symbol;
    // A symbol that would read otherwise among others is grouped: "(km/h)·s", "J/(kW·h)", "(km/h)²".
    const bool composite = text.find_first_of("/ ") != std::string::npos || text.find("\u00B7") != std::string::npos;
    if (!factor.number && composite && (!alone || exponent != 1))
        text = "(" + text + ")";
    if (exponent != 1)
        text += superscript(exponent);
    return {std::move(text), factor.number};
}

// Joined by "·", a number to the unit after it by a space.
std::string joined(const std::vector<Shown>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += items[i - 1].number ? " " : "\u00B7";
        text += items[i].text;
    }
    return text;
}

// How many units stand in `items`, a number and its unit counting as one.
std::size_t unitCount(const std::vector<Shown>& items)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < items.size(); ++i)
        count += i == 0 || !items[i - 1].number ? 1 : 0;
    return count;
}

} // namespace

ComposedUnit::ComposedUnit(UnitTerm unit)
{
    factors_.push_back({std::move(unit), 1, false});
}

ComposedUnit ComposedUnit::number(std::string digits, ExactAmount value)
{
    ComposedUnit result;
    UnitTerm unit;
    unit.symbol = std::move(digits);
    unit.amount = std::move(value);
    result.factors_.push_back({std::move(unit), 1, true});
    return result;
}

std::optional<ComposedUnit> ComposedUnit::combined(const ComposedUnit& other, int sign) const
{
    ComposedUnit result = *this;
    for (const TermFactor& factor : other.factors_) {
        const long long exponent = static_cast<long long>(factor.exponent) * sign;
        auto same = result.factors_.begin();
        while (same != result.factors_.end() && !sameUnit(*same, factor))
            ++same;
        if (same == result.factors_.end()) {
            result.factors_.push_back({factor.unit, static_cast<int>(exponent), factor.number});
            continue;
        }
        const long long sum = same->exponent + exponent;
        if (!withinExponentLimit(sum))
            return std::nullopt;
        if (sum == 0)
            result.factors_.erase(same);
        else
            same->exponent = static_cast<int>(sum);
    }
    return result;
}

std::optional<ComposedUnit> ComposedUnit::times(const ComposedUnit& other) const
{
    return combined(other, 1);
}

std::optional<ComposedUnit> ComposedUnit::dividedBy(const ComposedUnit& other) const
{
    return combined(other, -1);
}

std::optional<ComposedUnit> ComposedUnit::power(int exponent) const
{
    if (exponent == 0)
        return ComposedUnit();
    ComposedUnit result = *this;
    for (TermFactor& factor : result.factors_) {
        const long long product = static_cast<long long>(factor.exponent) * exponent;
        if (!withinExponentLimit(product))
            return std::nullopt;
        factor.exponent = static_cast<int>(product);
    }
    return result;
}

std::optional<UnitTerm> ComposedUnit::term() const
{
    if (factors_.size() == 1 && factors_.front().exponent == 1 && !factors_.front().number)
        return factors_.front().unit;
    UnitTerm whole;
    whole.symbol = symbolOf(factors_);
    for (const TermFactor& factor : factors_) {
        if (factor.unit.reciprocal)
            return std::nullopt;
        const std::optional<Dimension> powered = factor.unit.dimension.power(factor.exponent);
        const std::optional<Dimension> dimension = powered ? whole.dimension.times(*powered) : std::nullopt;
        const std::optional<ExactAmount> amount = factor.unit.amount.power(factor.exponent);
        std::optional<ExactAmount> product = amount ? whole.amount * *amount : std::nullopt;
        if (!dimension || !product)
            return std::nullopt;
        whole.dimension = *dimension;
        whole.amount = std::move(*product);
    }
    return whole;
}

std::string symbolOf(std::span<const TermFactor> factors)
{
    const bool alone = factors.size() == 1;
    std::vector<Shown> above, below, negative;
    for (const TermFactor& factor : factors) {
        if (factor.exponent > 0) {
            above.push_back(shown(factor, factor.exponent, alone));
        } else {
            below.push_back(shown(factor, -factor.exponent, alone));
            negative.push_back(shown(factor, factor.exponent, alone));
        }
    }
    if (above.empty())
        return negative.empty() ? "1" : joined(negative);
    if (below.empty())
        return joined(above);
    const std::string denominator = joined(below);
    return joined(above) + "/" + (unitCount(below) == 1 ? denominator : "(" + denominator + ")");
}

} // namespace mezzurix
