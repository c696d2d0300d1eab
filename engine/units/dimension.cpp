// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/dimension.h>

#include "superscript.h"

#include <string_view>
#include <vector>

namespace mezzurix {

namespace {

struct BaseSymbol {
    BaseQuantity base;
    std::string_view symbol;
};

// In the order they are written: mass first, as in kg/m³ and kg·m/s².
constexpr BaseSymbol kBaseSymbols[] = {
    {BaseQuantity::Mass, "kg"},          {BaseQuantity::Length, "m"},
    {BaseQuantity::Time, "s"},           {BaseQuantity::Current, "A"},
    {BaseQuantity::Temperature, "K"},    {BaseQuantity::Amount, "mol"},
    {BaseQuantity::LuminousIntensity, "cd"}, {BaseQuantity::Information, "bit"},
    {BaseQuantity::Angle, "rad"},        {BaseQuantity::Cycles, "cycle"},
};
static_assert(std::size(kBaseSymbols) == kBaseQuantityCount);

std::string powered(std::string_view symbol, int exponent)
{
    return std::string(symbol) + (exponent == 1 ? "" : superscript(exponent));
}

std::string joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : "\u00B7") + part;
    return text;
}

} // namespace

std::string Dimension::text() const
{
    std::vector<std::string> above;
    std::vector<std::string> below;  // with the exponents' signs turned
    std::vector<std::string> negative;
    for (const auto& [base, symbol] : kBaseSymbols) {
        const int e = exponent(base);
        if (e > 0)
            above.push_back(powered(symbol, e));
        if (e < 0) {
            below.push_back(powered(symbol, -e));
            negative.push_back(powered(symbol, e));
        }
    }
    if (above.empty())
        return negative.empty() ? "1" : joined(negative);
    if (below.empty())
        return joined(above);
    return joined(above) + "/" + (below.size() == 1 ? below.front() : "(" + joined(below) + ")");
}

} // namespace mezzurix
