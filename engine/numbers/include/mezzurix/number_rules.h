// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mezzurix {

// The regional choices that shape output text (UTF-8).
struct NumberFormat {
    std::string decimalPoint = ".";
    std::string minusSign = "-";
};

// The decimal places a caller may ask for; the formatter clamps to this range so that a
// stray setting can never make it allocate without bound.
constexpr int kMaxDecimals = 30;

// Significant digits kept before any output rounding: all a double reliably carries.
constexpr int kSignificantDigits = 15;

// The most significant digits the general form writes on request: enough to tell any two doubles
// apart.
constexpr int kMaxSignificantDigits = 17;

// The input rule: the leading number of `text`, "." as decimal point, blanks ignored anywhere,
// &H / &O integers; no number reads 0. nullopt when the number lies beyond the double range.
// `regionalPoint`, the user's decimal separator, reads as a decimal point too, unless it is
// empty or holds a blank (blanks are ignored); it never introduces a second decimal part.
// `regionalMinus`, the user's minus sign (such as U+2212), reads as "-" on the same terms, so that
// the program's own negative output reads back.
std::optional<double> readLeadingNumber(std::string_view text, std::string_view regionalPoint = ".",
                                        std::string_view regionalMinus = "-");

// The output rule: `value` rounded to 15 significant digits, then to `decimals` decimals
// (ties away from zero), written with exactly that many decimals and no grouping.
std::string formatFixed(double value, int decimals, const NumberFormat& format);
// The same text appended to `text`, for callers that write many numbers into one buffer.
void appendFixed(std::string& text, double value, int decimals, const NumberFormat& format);

// The whole-text rule: the entire text (blanks around it allowed) must be one number in the
// regional format. nullopt for anything else, the empty text included.
std::optional<double> readWholeNumber(std::string_view text, const NumberFormat& format);

// The general form: at most 15 significant digits, no trailing zeros, E form with a signed,
// at least two-digit exponent when the decimal exponent is 15 or more or below -4. A negative
// value starts with an ASCII "-" whatever the regional minus sign: the swap writes this form into
// the input and the copy puts it on the clipboard, to be pasted back, and the input rule reads
// no other minus. With `significantDigits` (1 to 17) the digits are fewer or more: fewer are
// rounded from the 15, ties away from zero, as the fixed form rounds them, except in a whole
// number, which keeps all its digits (1099511627776, not 1099511630000).
std::string formatGeneral(double value, std::string_view decimalPoint = ".",
                          int significantDigits = kSignificantDigits);
// Not a whole format: only its decimal point applies. (Deleted, so that a format, or a bare {}
// that would read as an empty decimal point, does not compile.)
std::string formatGeneral(double value, const NumberFormat& format) = delete;
// The same text appended to `text`, for callers that write many numbers into one buffer.
void appendGeneral(std::string& text, double value, std::string_view decimalPoint,
                   int significantDigits = kSignificantDigits);
void appendGeneral(std::string& text, double value, const NumberFormat& format) = delete;

} // namespace mezzurix
