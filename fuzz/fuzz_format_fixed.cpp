// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The output rule over any double and 0..30 decimals: the exact shape of the text; the exact text
// where the decimals lie within the 15 significant digits; and that it reads back within half a
// unit of its last place of the value rounded to 15 significant digits.

#include "fuzz_support.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace mezzurix;
using namespace mezzurix::fuzz;

// The exact output text when the last decimal asked for lies within the 15 rounded digits:
// those digits rounded once more, to `decimals` places, ties away from zero. nullopt when more
// decimals are asked for than the 15 digits reach (how those show is the formatter's choice).
std::optional<std::string> expectedFixed(const Rounded15& r, int decimals, const NumberFormat& format)
{
    const int kept = r.exponent + 1 + decimals;  // rounded digits at or above the last place
    if (kept > kSignificantDigits)
        return std::nullopt;
    std::string units = kept > 0 ? r.digits.substr(0, static_cast<std::size_t>(kept)) : "";
    const bool up = kept >= 0 && r.digits[static_cast<std::size_t>(kept)] >= '5';
    if (up) {
        std::size_t i = units.size();
        while (i > 0 && units[i - 1] == '9')
            units[--i] = '0';
        if (i == 0)
            units.insert(units.begin(), '1');
        else
            ++units[i - 1];
    }
    const std::size_t firstNonZero = units.find_first_not_of('0');
    units = firstNonZero == std::string::npos ? "" : units.substr(firstNonZero);
    if (units.size() < static_cast<std::size_t>(decimals) + 1)
        units.insert(0, static_cast<std::size_t>(decimals) + 1 - units.size(), '0');
    std::string out = units;
    if (decimals > 0)
        out.insert(out.size() - static_cast<std::size_t>(decimals), format.decimalPoint);
    if (r.negative && firstNonZero != std::string::npos)
        out.insert(0, format.minusSign);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(double) + 2)
        return 0;
    const double value = doubleFrom(data);
    const int decimals = data[sizeof(double)] % (kMaxDecimals + 1);
    const NumberFormat format = formatFor(data[sizeof(double) + 1]);

    const std::string text = formatFixed(value, decimals, format);
    if (!std::isfinite(value))
        return 0;  // no output text is promised for these; only that nothing breaks

    const std::string context =
        show(value) + " d=" + std::to_string(decimals) + " -> [" + text + "]";
    if (!hasFixedShape(text, decimals, format))
        fail("output text has the wrong shape", context);

    if (value != 0) {
        const auto away = expectedFixed(round15(value, Ties::AwayFromZero), decimals, format);
        const auto even = expectedFixed(round15(value, Ties::ToEven), decimals, format);
        // A value that rounds to zero may keep its minus sign.
        const std::string unsigned_ = text.starts_with(format.minusSign)
                                          ? text.substr(format.minusSign.size()) : text;
        const auto matches = [&](const std::string& expected) {
            const bool zero = expected.find_first_of("123456789") == std::string::npos;
            return text == expected || (zero && unsigned_ == expected);
        };
        if (away && !matches(*away) && !matches(*even))
            fail("output text is not the 15-digit value rounded to the decimals",
                 context + " expected [" + *away + "]");
    }

    const std::optional<double> back = parsePlain(toPlain(text, format));
    bool near = false;
    std::string targets;
    for (const Ties ties : {Ties::AwayFromZero, Ties::ToEven}) {
        const std::optional<double> target =
            value == 0 ? std::optional<double>(0.0) : toDouble(round15(value, ties));
        if (!target) {
            // Rounded to 15 digits, the largest doubles write a number beyond the double range.
            near = near || !readWholeNumber(text, format);
            continue;
        }
        if (!back)
            fail("output text does not read back", context);
        const double halfUnit = 0.5 * std::pow(10.0, -decimals);
        const double scale = std::fmax(std::fabs(*back), std::fabs(*target));
        const double slack = 4 * (std::nextafter(scale, INFINITY) - scale);
        near = near || std::fabs(*back - *target) <= halfUnit * (1 + 1e-9) + slack;
        targets += " " + show(*target);
    }
    if (!near)
        fail("output text is more than half a unit away", context + " targets" + targets);
    if (!back)
        return 0;
    if (*back != 0 && std::signbit(*back) != std::signbit(value))
        fail("output text has the wrong sign", context);

    const std::optional<double> whole = readWholeNumber(text, format);
    if (!whole || *whole != *back)
        fail("the whole-text rule reads the output differently",
             context + " whole " + (whole ? show(*whole) : "nullopt"));
    return 0;
}
