// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_scan.h"

#include <mezzurix/blanks.h>
#include <mezzurix/number_digits.h>

#include <algorithm>
#include <array>

namespace mezzurix::number_scan {

namespace {

// Digit groups have three digits, in every style the reader knows.
constexpr std::size_t kGroupDigits = 3;

// What users type between digit groups where their group sign is a space: a plain space, and the
// no-break and narrow no-break spaces locales write.
constexpr std::string_view kSpaceGroupMarks[] = {" ", "\u00A0", "\u202F"};

constexpr VulgarFraction kVulgarFractions[] = {
    {"\u00BD", 1, 2}, {"\u2153", 1, 3}, {"\u2154", 2, 3}, {"\u00BC", 1, 4}, {"\u00BE", 3, 4},
    {"\u2155", 1, 5}, {"\u2156", 2, 5}, {"\u2157", 3, 5}, {"\u2158", 4, 5}, {"\u2159", 1, 6},
    {"\u215A", 5, 6}, {"\u2150", 1, 7}, {"\u215B", 1, 8}, {"\u215C", 3, 8}, {"\u215D", 5, 8},
    {"\u215E", 7, 8}, {"\u2151", 1, 9}, {"\u2152", 1, 10}, {"\u2189", 0, 3},
};

using number_digits::isDigit;

bool isSpaceMark(std::string_view mark)
{
    return std::find(std::begin(kSpaceGroupMarks), std::end(kSpaceGroupMarks), mark) != std::end(kSpaceGroupMarks);
}

// The text being scanned and the style it is read in.
class Scanner {
public:
    Scanner(std::string_view text, const Style& style) : text_(text)
    {
        const bool regional = !style.regionalPoint.empty() && style.regionalPoint != ".";
        regional_ = regional ? style.regionalPoint : std::string_view();
        // A space-like sign stands for every space a user may type between groups.
        // Only a regional style's mark may be a space.
        groupMarks_[0] = groupMark(style);
        if (regional && isSpaceMark(groupMarks_[0]))
            std::copy(std::begin(kSpaceGroupMarks), std::end(kSpaceGroupMarks), groupMarks_.begin());
        dotMarksGroups_ = groupMarks_[0] == ".";
    }

    char at(std::size_t p) const { return p < text_.size() ? text_[p] : '\0'; }

    std::size_t digitsFrom(std::size_t p) const
    {
        while (isDigit(at(p)))
            ++p;
        return p;
    }

    std::size_t blanksFrom(std::size_t p) const
    {
        while (p < text_.size() && blanks::queryBlankLength(text_, p) > 0)
            p += blanks::queryBlankLength(text_, p);
        return p;
    }

    // The length of the sign at `p`: "+", "-" or U+2212.
    std::size_t signLength(std::size_t p) const { return p < text_.size() ? number_digits::signLength(text_.substr(p)) : 0; }

    // The length of the decimal point at `p`: "." unless it marks groups, or the regional sign.
    std::size_t pointLength(std::size_t p, bool grouped) const
    {
        if (at(p) == '.' && !(grouped && dotMarksGroups_))
            return 1;
        if (!regional_.empty() && text_.substr(p, regional_.size()) == regional_)
            return regional_.size();
        return 0;
    }

    // "/" or the fraction slash U+2044.
    std::size_t slashLength(std::size_t p) const
    {
        if (at(p) == '/')
            return 1;
        return text_.substr(p, 3) == "\u2044" ? 3 : 0;
    }

    const VulgarFraction* vulgarAt(std::size_t p) const
    {
        if (static_cast<unsigned char>(at(p)) < 0xC2)
            return nullptr;
        for (const VulgarFraction& fraction : kVulgarFractions)
            if (text_.substr(p, fraction.character.size()) == fraction.character)
                return &fraction;
        return nullptr;
    }

    // The length of a group mark followed by exactly three digits at `p`, or 0.
    std::size_t groupAt(std::size_t p) const
    {
        for (const std::string_view mark : groupMarks_)
            if (!mark.empty() && text_.substr(p, mark.size()) == mark)
                return digitsFrom(p + mark.size()) == p + mark.size() + kGroupDigits ? mark.size() : 0;
        return 0;
    }

    // digits "/" digits at `p`, or a vulgar fraction character: its end, filling the fraction's
    // parts of `out`; 0 when there is none.
    std::size_t fractionAt(std::size_t p, Scan& out) const
    {
        if (const VulgarFraction* vulgar = vulgarAt(p)) {
            out.vulgar = vulgar;
            return p + vulgar->character.size();
        }
        const std::size_t numeratorEnd = digitsFrom(p);
        const std::size_t slash = numeratorEnd > p ? slashLength(numeratorEnd) : 0;
        if (slash == 0)
            return 0;
        const std::size_t denominatorEnd = digitsFrom(numeratorEnd + slash);
        if (denominatorEnd == numeratorEnd + slash)
            return 0;
        out.numerator = {p, numeratorEnd};
        out.denominator = {numeratorEnd + slash, denominatorEnd};
        return denominatorEnd;
    }

    // After a whole number: "-1/2", or blanks and then any fraction.
    std::size_t mixedFractionAt(std::size_t wholeEnd, Scan& out) const
    {
        const char next = at(wholeEnd);
        const bool mayFollow = next == '-' || static_cast<unsigned char>(next) >= 0x80 ||
                               (wholeEnd < text_.size() && blanks::queryBlankLength(text_, wholeEnd) > 0);
        if (!mayFollow)
            return 0;
        // "1-1/2", but not "1-½"
        if (next == '-')
            return vulgarAt(wholeEnd + 1) == nullptr ? fractionAt(wholeEnd + 1, out) : 0;
        return fractionAt(blanksFrom(wholeEnd), out);
    }

    // The integer digits from `p`, grouped or not; their end.
    std::size_t integerFrom(std::size_t p, Scan& out) const
    {
        std::size_t end = digitsFrom(p);
        const std::size_t firstGroup = end - p;
        if (firstGroup >= 1 && firstGroup <= kGroupDigits && at(p) != '0' && groupAt(end) > 0) {
            out.grouped = true;
            while (const std::size_t mark = groupAt(end))
                end += mark + kGroupDigits;
        }
        out.integer = {p, end};
        return end;
    }

    // "e" or "E", an optional sign and digits at `p`: their end, or `p` when the marker has no
    // digits (it is then no part of the number).
    std::size_t exponentFrom(std::size_t p, Scan& out) const
    {
        if (at(p) != 'e' && at(p) != 'E')
            return p;
        std::size_t digits = p + 1;
        if (at(digits) == '+' || at(digits) == '-')
            ++digits;
        if (!isDigit(at(digits)))
            return p;
        out.exponent = {p + 1, digitsFrom(digits)};
        return out.exponent.end;
    }

    // A second point, a mark that is no group of three, or blanks, followed by more digits:
    // "1,5" and "1 000" are errors rather than guesses.
    Span strayAfter(std::size_t p, bool grouped) const
    {
        std::size_t gap = pointLength(p, grouped);
        if (gap == 0 && (at(p) == ',' || at(p) == '.' || at(p) == '_'))
            gap = 1;
        if (gap == 0)
            gap = blanksFrom(p) - p;
        return gap > 0 && isDigit(at(p + gap)) ? Span{p, p + gap} : Span{p, p};
    }

private:
    std::string_view text_;
    std::string_view regional_;
    std::array<std::string_view, 3> groupMarks_{};
    bool dotMarksGroups_ = false;
};

} // namespace

std::string_view groupMark(const Style& style)
{
    const bool regional = !style.regionalPoint.empty() && style.regionalPoint != ".";
    if (!regional)
        return ",";
    return style.regionalGroup.empty() || style.regionalGroup == style.regionalPoint ? "." : style.regionalGroup;
}

bool groupsWithSpaces(const Style& style)
{
    return isSpaceMark(groupMark(style));
}

Scan scan(std::string_view text, std::size_t pos, const Style& style)
{
    const Scanner scanner(text, style);
    Scan out;
    out.number = {pos, pos};
    const std::size_t start = pos;
    if (!style.signOrPointFirst && !isDigit(scanner.at(pos)) && scanner.vulgarAt(pos) == nullptr)
        return out;
    const std::size_t sign = style.signOrPointFirst ? scanner.signLength(pos) : 0;
    out.negative = sign > 0 && scanner.at(pos) != '+';
    pos += sign;
    const auto finish = [&](Form form, std::size_t end) {
        out.form = form;
        out.number = {start, end};
        return out;
    };

    // A fraction on its own: "3/4", "½".
    const std::size_t digitsEnd = scanner.digitsFrom(pos);
    if (digitsEnd > pos ? scanner.slashLength(digitsEnd) > 0 : scanner.vulgarAt(pos) != nullptr)
        if (const std::size_t end = scanner.fractionAt(pos, out))
            return finish(Form::Fraction, end);

    const std::size_t integerEnd = scanner.integerFrom(pos, out);
    if (!out.grouped && integerEnd > pos)
        if (const std::size_t end = scanner.mixedFractionAt(integerEnd, out))
            return finish(Form::Mixed, end);

    const std::size_t point = scanner.pointLength(integerEnd, out.grouped);
    out.point = {integerEnd, integerEnd + point};
    out.fractionDigits = {out.point.end, point > 0 ? scanner.digitsFrom(out.point.end) : out.point.end};
    if (out.integer.empty() && out.fractionDigits.empty()) {
        out.signOrPoint = out.point.end > start;
        out.number = {start, out.point.end};
        return out;
    }
    const std::size_t end = scanner.exponentFrom(out.fractionDigits.end, out);
    out.stray = scanner.strayAfter(end, out.grouped);
    return finish(Form::Decimal, end);
}

} // namespace mezzurix::number_scan
