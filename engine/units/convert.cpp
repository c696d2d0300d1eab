// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/catalogue.h>
#include <mezzurix/conversion_table.h>
#include <mezzurix/convert.h>
#include <mezzurix/definitions.h>
#include <mezzurix/typed_units.h>

#include <cmath>

namespace mezzurix {

namespace {

std::optional<double> convertBy(const Entry* entry, double x)
{
    double result = 0.0;
    if (entry == nullptr)
        result = x * 0.0;  // a pair code that names no pair converts everything to zero
    else if (entry->formula != nullptr)
        result = entry->formula(x);
    else
        result = x * entry->factor;
    if (!std::isfinite(result))
        return std::nullopt;
    return result;
}

} // namespace

std::optional<double> convertValue(std::string_view pairCode, double x)
{
    return convertBy(findEntry(pairCode), x);
}

std::optional<double> convertUnits(int fromCode, int intoCode, double x)
{
    if (inWindow(fromCode) && inWindow(intoCode))
        return convertBy(findEntry(fromCode, intoCode), x);
    return convertByDefinitions(fromCode, intoCode, x);
}

std::optional<std::string> convert(std::string_view pairCode, std::string_view input, int decimals,
                                   const NumberFormat& format, const NumberFormat& regionalInput)
{
    const std::optional<double> x = readLeadingNumber(input, regionalInput.decimalPoint, regionalInput.minusSign);
    if (!x)
        return std::nullopt;
    const std::optional<double> result = convertValue(pairCode, *x);
    if (!result)
        return std::nullopt;
    return formatFixed(*result, decimals, format);
}

} // namespace mezzurix
