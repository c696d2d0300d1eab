// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "value_reader.h"

#include "query_parts.h"
#include "query_text.h"

#include <mezzurix/number_digits.h>

#include <charconv>
#include <cmath>

namespace mezzurix::value_reader {

namespace {

using number_digits::isDigit;
using query_parts::makeError;
using query_parts::say;
using query_text::quoted;

// Digit groups have three digits, in every style the reader knows.
constexpr std::size_t kGroupDigits = 3;

struct VulgarFraction {
    std::string_view character;
    int numerator;
    int denominator;
};
constexpr VulgarFraction kVulgarFractions[] = {
    {"\u00BD", 1, 2}, {"\u2153", 1, 3}, {"\u2154", 2, 3}, {"\u00BC", 1, 4}, {"\u00BE", 3, 4},
    {"\u2155", 1, 5}, {"\u2156", 2, 5}, {"\u2157", 3, 5}, {"\u2158", 4, 5}, {"\u2159", 1, 6},
    {"\u215A", 5, 6}, {"\u2150", 1, 7}, {"\u215B", 1, 8}, {"\u215C", 3, 8}, {"\u215D", 5, 8},
    {"\u215E", 7, 8}, {"\u2151", 1, 9}, {"\u2152", 1, 10}, {"\u2189", 0, 3},
};

const VulgarFraction* vulgarAt(std::string_view text, std::size_t pos)
{
    if (pos >= text.size() || static_cast<unsigned char>(text[pos]) < 0xC2)
        return nullptr;
    for (const VulgarFraction& fraction : kVulgarFractions)
        if (text.substr(pos, fraction.character.size()) == fraction.character)
            return &fraction;
    return nullptr;
}

// "/" or the fraction slash U+2044.
std::size_t slashLength(std::string_view text, std::size_t pos)
{
    if (pos < text.size() && text[pos] == '/')
        return 1;
    return text.substr(pos, 3) == "\u2044" ? 3 : 0;
}

std::size_t digitsFrom(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

double wholeNumber(std::string_view digits)
{
    double value = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

} // namespace

std::string decimalText(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    if (const std::size_t plus = text.find("e+"); plus != std::string::npos)
        text.erase(plus + 1, 1);
    return text;
}

namespace {

struct Fraction {
    double numerator = 0.0;
    double denominator = 1.0;
    std::size_t end = 0;
    TextSpan denominatorSpan;
};

// digits "/" digits at `pos`, or a vulgar fraction character.
std::optional<Fraction> fractionAt(std::string_view text, std::size_t pos)
{
    if (const VulgarFraction* vulgar = vulgarAt(text, pos))
        return Fraction{double(vulgar->numerator), double(vulgar->denominator), pos + vulgar->character.size(), {}};
    const std::size_t numeratorEnd = digitsFrom(text, pos);
    if (numeratorEnd == pos)
        return std::nullopt;
    const std::size_t slash = slashLength(text, numeratorEnd);
    if (slash == 0)
        return std::nullopt;
    const std::size_t denominatorEnd = digitsFrom(text, numeratorEnd + slash);
    if (denominatorEnd == numeratorEnd + slash)
        return std::nullopt;
    return Fraction{wholeNumber(text.substr(pos, numeratorEnd - pos)),
                    wholeNumber(text.substr(numeratorEnd + slash, denominatorEnd - numeratorEnd - slash)),
                    denominatorEnd,
                    {numeratorEnd + slash, denominatorEnd - numeratorEnd - slash}};
}

} // namespace

bool startsNumber(std::string_view text, std::size_t pos)
{
    return (pos < text.size() && isDigit(text[pos])) || vulgarAt(text, pos) != nullptr;
}

std::optional<QueryError> readValue(std::string_view text, std::size_t start, const QueryOptions& options,
                                    Value& out)
{
    const auto at = [&](std::size_t p) { return p < text.size() ? text[p] : '\0'; };
    const bool regionalPoint = !options.decimalPoint.empty() && options.decimalPoint != ".";
    const std::string_view regional = regionalPoint ? std::string_view(options.decimalPoint) : std::string_view();
    // Groups are marked by "," where the point is ".", and by "." where it is regional.
    const char groupMark = regionalPoint ? '.' : ',';
    const auto pointLength = [&](std::size_t p, bool grouped) -> std::size_t {
        if (at(p) == '.' && !(grouped && groupMark == '.'))
            return 1;
        if (!regional.empty() && text.substr(p, regional.size()) == regional)
            return regional.size();
        return 0;
    };
    // A group mark followed by exactly three digits.
    const auto groupAt = [&](std::size_t p) {
        if (at(p) != groupMark)
            return false;
        const std::size_t end = digitsFrom(text, p + 1);
        return end == p + 1 + kGroupDigits;
    };

    number_digits::DecimalReader reader;
    std::size_t pos = start;
    std::string_view sign;
    if (at(pos) == '+' || at(pos) == '-')
        sign = text.substr(pos, 1);
    else if (text.substr(pos).starts_with("\u2212"))
        sign = "\u2212";
    pos += sign.size();
    const bool negative = !sign.empty() && sign != "+";
    const double signFactor = negative ? -1.0 : 1.0;
    reader.setNegative(negative);

    const auto finish = [&](double value, std::size_t end, bool exactText) -> std::optional<QueryError> {
        out.span = {start, end - start};
        if (!std::isfinite(value))
            return makeError(QueryErrorKind::ValueOutOfRange, text, out.span,
                             say("the value %s", quoted(text.substr(start, end - start))), say(" is beyond the range of numbers"));
        out.value = value;
        if (!exactText)
            out.text = decimalText(value);
        return std::nullopt;
    };
    const auto divide = [&](double whole, const Fraction& fraction) -> std::optional<QueryError> {
        if (fraction.denominator == 0.0)
            return makeError(QueryErrorKind::BadValue, text, {start, fraction.end - start},
                             say("division by zero in %s", quoted(text.substr(start, fraction.end - start))));
        // No sign on a zero: the window reads "-0" as 0.
        const double value = signFactor * (whole + fraction.numerator / fraction.denominator);
        return finish(value == 0.0 ? 0.0 : value, fraction.end, false);
    };

    const std::size_t integerStart = pos;
    pos = digitsFrom(text, pos);
    // A fraction on its own: "3/4", "½".
    if (pos > integerStart ? slashLength(text, pos) > 0 : vulgarAt(text, pos) != nullptr)
        if (const std::optional<Fraction> fraction = fractionAt(text, integerStart))
            return divide(0.0, *fraction);

    bool grouped = false;
    const std::size_t firstGroup = pos - integerStart;
    if (firstGroup >= 1 && firstGroup <= kGroupDigits && text[integerStart] != '0' && groupAt(pos)) {
        grouped = true;
        while (groupAt(pos))
            pos += 1 + kGroupDigits;
    }
    for (std::size_t p = integerStart; p < pos; ++p)
        if (isDigit(text[p]))
            reader.integerDigit(text[p]);
    const std::size_t integerEnd = pos;

    // A mixed number: "1 1/2", "1-1/2", "1½", "1 ½".
    if (!grouped && integerEnd > integerStart && integerEnd < text.size() &&
        (text[integerEnd] == '-' || static_cast<unsigned char>(text[integerEnd]) >= 0x80 ||
         query_text::blankLength(text, integerEnd) > 0)) {
        std::size_t gap = integerEnd;
        if (at(gap) == '-' && fractionAt(text, gap + 1) && !vulgarAt(text, gap + 1))
            ++gap;
        else
            while (gap < text.size() && query_text::blankLength(text, gap) > 0)
                gap += query_text::blankLength(text, gap);
        if (const std::optional<Fraction> fraction = fractionAt(text, gap))
            return divide(wholeNumber(text.substr(integerStart, integerEnd - integerStart)), *fraction);
    }

    const std::size_t point = pointLength(pos, grouped);
    pos += point;
    if (point > 0)
        for (; isDigit(at(pos)); ++pos)
            reader.fractionDigit(text[pos]);
    const std::size_t mantissaEnd = pos;
    const bool anyDigit = integerEnd > integerStart || mantissaEnd > integerEnd + point;
    if (!anyDigit) {
        if (pos > start)
            return makeError(QueryErrorKind::BadValue, text, {start, pos - start}, say("no digits in the number"));
        std::size_t word = start;
        while (word < text.size() && query_text::blankLength(text, word) == 0)
            ++word;
        return makeError(QueryErrorKind::NoValue, text, {start, word - start}, say("no value"),
                         say("; a query starts with a number, as in \"24 in to ft\""));
    }
    if (at(pos) == 'e' || at(pos) == 'E') {
        std::size_t exponentEnd = pos + 1;
        if (at(exponentEnd) == '+' || at(exponentEnd) == '-')
            ++exponentEnd;
        if (isDigit(at(exponentEnd))) {
            reader.setExponentNegative(at(exponentEnd - 1) == '-');
            for (; isDigit(at(exponentEnd)); ++exponentEnd)
                reader.exponentDigit(text[exponentEnd]);
            pos = exponentEnd;
        }
    }
    // A second point, a mark that is no group of three, or a blank followed by more digits:
    // 1,5 and 1 000 are errors rather than guesses.
    std::size_t gap = pointLength(pos, grouped);
    if (gap == 0 && (at(pos) == ',' || at(pos) == '.' || at(pos) == '_'))
        gap = 1;
    if (gap == 0)
        while (pos + gap < text.size() && query_text::blankLength(text, pos + gap) > 0)
            gap += query_text::blankLength(text, pos + gap);
    if (gap > 0 && isDigit(at(pos + gap))) {
        std::string detail = regionalPoint
                                 ? say("; the decimal point is \".\" or %s, and digit grouping is \".\" between "
                                       "groups of three", quoted(options.decimalPoint))
                                 : say("; the decimal point is \".\" (a decimal comma is read with --regional), and "
                                       "digit grouping is \",\" between groups of three");
        return makeError(QueryErrorKind::BadValue, text, {pos, gap},
                         say("unexpected %s in the number", quoted(text.substr(pos, gap))), detail);
    }

    const std::optional<double> value = reader.value();
    if (!value)
        return finish(HUGE_VAL, pos, true);

    // The value text: the number as typed, with "-" for its sign, "." for its point, "e" before
    // its exponent and no group marks.
    std::string& valueText = out.text;
    valueText.clear();
    if (negative)
        valueText += '-';
    if (!grouped && (point == 0 || text[integerEnd] == '.')) {
        valueText.append(text.substr(integerStart, mantissaEnd - integerStart));
    } else {
        for (std::size_t p = integerStart; p < integerEnd; ++p)
            if (isDigit(text[p]))
                valueText += text[p];
        if (point > 0) {
            valueText += '.';
            valueText.append(text.substr(integerEnd + point, mantissaEnd - integerEnd - point));
        }
    }
    if (pos > mantissaEnd) {
        valueText += 'e';
        valueText.append(text.substr(mantissaEnd + 1, pos - mantissaEnd - 1));
    }
    return finish(*value, pos, true);
}

} // namespace mezzurix::value_reader
