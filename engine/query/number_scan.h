// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The grammar of a typed number: where one starts and what it spans. The value reader, the
// tokeniser, the question reader and the argument splitter all ask this one scanner, so they
// cannot disagree on what a number is.
//
//   number   = [sign] (fraction | mixed | decimal)
//   sign     = "+" | "-" | "−"
//   fraction = digits ("/" | "⁄") digits | vulgar          "3/4", "½"
//   mixed    = digits ("-" digits "/" digits | blanks fraction)   "1-1/2", "1 1/2", "1½", "1 ½"
//   decimal  = integer [point digits] [("e" | "E") [sign] digits]
//   integer  = digits | groups                 "1,234,567" ("1.234.567" where the point is ",")
//
// A digit run is ASCII digits. Groups have one to three digits, no leading zero, then a group
// mark and exactly three digits, again and again. The group mark is "," where the point is ".",
// "." where it is regional, or the user's own group sign; a space-like sign (U+00A0, U+202F, a
// plain space) stands for all three. The point is "." or the regional decimal sign, except that "."
// is never a point where it marks groups.

#include <cstddef>
#include <string_view>

namespace mezzurix::number_scan {

// How a number may be written at the place asked about.
struct Style {
    // The user's decimal sign besides "." (UTF-8, such as ","); empty or "." for none.
    std::string_view regionalPoint;
    // The user's digit group sign (UTF-8), used with a regional point instead of "."; empty for
    // the default.
    std::string_view regionalGroup;
    // Whether a sign or a point may start the number: a value's may ("-40", ".5"); a number
    // within the units starts with a digit or a vulgar fraction ("5 ft 10 in", where "-" would be
    // part of "ft-lb" or "->").
    bool signOrPointFirst = true;
};

struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;

    std::size_t length() const { return end - begin; }
    bool empty() const { return end == begin; }
    std::string_view of(std::string_view text) const { return text.substr(begin, end - begin); }
};

enum class Form {
    None,      // no number starts here
    Decimal,   // integer digits, fraction digits and exponent below
    Fraction,  // numerator / denominator, or a vulgar fraction character
    Mixed,     // a whole number (`integer`) and a fraction
};

// A vulgar fraction character and its value.
struct VulgarFraction {
    std::string_view character;
    int numerator;
    int denominator;
};

struct Scan {
    Form form = Form::None;
    Span number;           // the whole number as typed, its sign included
    bool negative = false;  // "-" or "−"

    // Decimal: the integer digits (with their group marks when `grouped`), the point, the fraction
    // digits and the exponent after the "e" (its sign and digits). Mixed: `integer` is the whole.
    Span integer;
    bool grouped = false;
    Span point;
    Span fractionDigits;
    Span exponent;

    // Fraction and mixed: either a vulgar character, or the numerator and denominator digits.
    const VulgarFraction* vulgar = nullptr;
    Span numerator;
    Span denominator;

    // Why what looked like a number is none or is not one on its own: a sign or point without
    // digits (`form` None, `signOrPoint` set), or a mark or blank after the number followed by more
    // digits ("1,5" where the point is ".", "1 000"), which `stray` spans.
    bool signOrPoint = false;
    Span stray;

    bool found() const { return form != Form::None; }
    bool clean() const { return found() && stray.empty(); }
};

// The sign between digit groups in the style: ",", "." or the user's own.
std::string_view groupMark(const Style& style);
// Whether that sign is a space, so that a plain, a no-break and a narrow no-break space all are.
bool groupsWithSpaces(const Style& style);

// The number at text[pos..], in the given style.
Scan scan(std::string_view text, std::size_t pos, const Style& style);

// Whether digits (or a vulgar fraction) start at `pos`, after a sign and a point where the style
// allows them: what every front end takes as the start of a value.
inline bool startsNumber(std::string_view text, std::size_t pos, const Style& style)
{
    return scan(text, pos, style).found();
}

} // namespace mezzurix::number_scan
