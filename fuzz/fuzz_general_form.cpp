// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The general form against the text it must be, built from the value's exact digits rounded to
// 15 significant digits (either tie rule); the whole-text rule reading that text back, also with
// fewer or more digits; and the whole-text rule over arbitrary bytes.

#include "fuzz_support.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace mezzurix;
using namespace mezzurix::fuzz;

constexpr int kFirstScientificExponent = 15;  // 1E+15 and up are written in E form
constexpr int kLastFixedNegativeExponent = -4;  // 0.0001 is the smallest written without E

std::string expectedGeneral(double value, Ties ties, const NumberFormat& format)
{
    if (value == 0)
        return "0";
    const Rounded15 r = round15(value, ties);
    std::string digits = r.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = r.exponent;

    std::string out = r.negative ? "-" : "";  // a plain hyphen, whatever the regional minus
    if (exponent >= kFirstScientificExponent || exponent < kLastFixedNegativeExponent) {
        out += digits[0];
        if (digits.size() > 1)
            out += format.decimalPoint + digits.substr(1);
        std::string expDigits = std::to_string(std::abs(exponent));
        if (expDigits.size() < 2)
            expDigits.insert(0, "0");
        out += std::string("E") + (exponent < 0 ? "-" : "+") + expDigits;
    } else if (exponent >= 0) {
        const auto intDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits + std::string(intDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, intDigits) + format.decimalPoint + digits.substr(intDigits);
        }
    } else {
        out += "0" + format.decimalPoint + std::string(static_cast<std::size_t>(-exponent - 1), '0') +
               digits;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size >= 1) {
        const NumberFormat format = formatFor(data[0]);
        const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
        const std::optional<double> read = readWholeNumber(text, format);
        if (read && !std::isfinite(*read))
            fail("whole-text number is not finite", text);
    }
    if (size < sizeof(double) + 1)
        return 0;

    const double value = doubleFrom(data);
    const NumberFormat format = formatFor(data[sizeof(double)]);
    const std::string text = formatGeneral(value, format.decimalPoint);
    if (!std::isfinite(value))
        return 0;  // no general form is promised for these; only that nothing breaks

    const Ties ties = text == expectedGeneral(value, Ties::AwayFromZero, format) ? Ties::AwayFromZero
                                                                                : Ties::ToEven;
    const std::string expected = expectedGeneral(value, ties, format);
    const std::string context = show(value) + " -> [" + text + "] expected [" + expected + "]";
    if (text != expected)
        fail("general form differs", context);

    const std::optional<double> back = readWholeNumber(text, format);
    const std::optional<double> target = value == 0 ? std::optional<double>(0.0)
                                                    : toDouble(round15(value, ties));
    if (!target) {
        // Rounded to 15 digits, the largest doubles write a number beyond the double range.
        if (back)
            fail("whole-text rule reads a number beyond the double range", context);
        return 0;
    }
    if (!back || *back != *target)
        fail("general form does not read back as the 15-digit value",
             context + " read " + (back ? show(*back) : "nullopt"));
    const std::optional<double> padded = readWholeNumber(" " + text + "\t", format);
    if (!padded || *padded != *back)
        fail("blanks around a number change the whole-text rule", context);

    // With a count of digits: read back within half a unit of the last one kept (counted among the
    // 15 a whole number keeps), and at 17 digits the very double.
    for (int digits = 1; digits <= kMaxSignificantDigits; ++digits) {
        const std::string fewer = formatGeneral(value, format.decimalPoint, digits);
        const std::optional<double> near = readWholeNumber(fewer, format);
        const std::string where = show(value) + " at " + std::to_string(digits) + " digits -> [" + fewer + "]";
        if (!near) {
            if (std::fabs(value) < 1e300)
                fail("general form with a count of digits does not read back", where);
            continue;
        }
        const double halfUnit = 0.5 * std::pow(10.0, 1 - std::min(digits, kSignificantDigits));
        if (std::fabs(*near - value) > (halfUnit + 5.1e-15) * std::fabs(value))
            fail("general form with a count of digits is too far off", where);
        if (digits == kMaxSignificantDigits && *near != value)
            fail("17 digits do not read back as the same double", where);
    }
    return 0;
}
