// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "value_reader.h"

#include "name_index.h"
#include "number_words.h"
#include "phrasing.h"
#include "query_parts.h"
#include "query_text.h"

#include <mezzurix/number_digits.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace mezzurix::value_reader {

namespace {

using number_scan::Form;
using number_scan::Scan;
using number_scan::Span;
using query_parts::makeError;
using query_parts::say;
using query_text::quoted;

// The digits of `span`, group marks skipped, as the integer part of `reader`.
void readIntegerDigits(std::string_view text, Span span, number_digits::DecimalReader& reader)
{
    for (const char c : span.of(text))
        if (number_digits::isDigit(c))
            reader.integerDigit(c);
}

// A whole number of digits; nullopt beyond the double range.
std::optional<double> wholeNumber(std::string_view text, Span digits)
{
    number_digits::DecimalReader reader;
    readIntegerDigits(text, digits, reader);
    return reader.value();
}

std::optional<double> decimalValue(std::string_view text, const Scan& scan, bool& nonZero)
{
    number_digits::DecimalReader reader;
    reader.setNegative(scan.negative);
    readIntegerDigits(text, scan.integer, reader);
    for (const char c : scan.fractionDigits.of(text))
        reader.fractionDigit(c);
    std::string_view exponent = scan.exponent.of(text);
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) {
        reader.setExponentNegative(exponent.front() == '-');
        exponent.remove_prefix(1);
    }
    for (const char c : exponent)
        reader.exponentDigit(c);
    nonZero = !reader.isZero();
    return reader.value();
}

// The number as typed, with "-" for its sign, "." for its point, "e" before its exponent and no
// group marks.
std::string decimalValueText(std::string_view text, const Scan& scan)
{
    std::string valueText;
    if (scan.negative)
        valueText += '-';
    if (!scan.grouped && (scan.point.empty() || text[scan.point.begin] == '.')) {
        valueText.append(text.substr(scan.integer.begin, scan.fractionDigits.end - scan.integer.begin));
    } else {
        for (const char c : scan.integer.of(text))
            if (number_digits::isDigit(c))
                valueText += c;
        if (!scan.point.empty()) {
            valueText += '.';
            valueText.append(scan.fractionDigits.of(text));
        }
    }
    if (!scan.exponent.empty()) {
        valueText += 'e';
        valueText.append(scan.exponent.of(text));
    }
    return valueText;
}

QueryError outOfRange(std::string_view text, Span number)
{
    return makeError(QueryErrorKind::ValueOutOfRange, text, {number.begin, number.length()},
                     say("the value %s", quoted(number.of(text))), say(" is beyond the range of numbers"));
}

// Why no value could be read where `scan` found none.
QueryError noValue(std::string_view text, const Scan& scan)
{
    const std::size_t start = scan.number.begin;
    if (scan.signOrPoint)
        return makeError(QueryErrorKind::BadValue, text, {start, scan.number.length()}, say("no digits in the number"));
    std::size_t word = start;
    while (word < text.size() && query_text::blankLength(text, word) == 0)
        ++word;
    return makeError(QueryErrorKind::NoValue, text, {start, word - start}, say("no value"),
                     say("; a query starts with a number, as in \"24 in to ft\""));
}

QueryError strayMark(std::string_view text, const Scan& scan, const QueryOptions& options)
{
    const bool regional = !options.decimalPoint.empty() && options.decimalPoint != ".";
    const number_scan::Style style = styleOf(options);
    const std::string group = number_scan::groupsWithSpaces(style) ? say("a space")
                                                                   : quoted(number_scan::groupMark(style));
    std::string detail = regional ? say("; the decimal point is \".\" or %s, and digit grouping is %s between "
                                        "groups of three", quoted(options.decimalPoint), group)
                                  : say("; the decimal point is \".\" (a decimal comma is read with --regional), and "
                                        "digit grouping is \",\" between groups of three");
    return makeError(QueryErrorKind::BadValue, text, {scan.stray.begin, scan.stray.length()},
                     say("unexpected %s in the number", quoted(scan.stray.of(text))), detail);
}

// A fraction or mixed number: the whole part plus numerator over denominator.
std::optional<QueryError> fractionValue(std::string_view text, const Scan& scan, Value& out)
{
    const Span number = scan.number;
    std::optional<double> whole = 0.0, numerator, denominator;
    if (scan.form == Form::Mixed)
        whole = wholeNumber(text, scan.integer);
    if (scan.vulgar != nullptr) {
        numerator = scan.vulgar->numerator;
        denominator = scan.vulgar->denominator;
    } else {
        numerator = wholeNumber(text, scan.numerator);
        denominator = wholeNumber(text, scan.denominator);
    }
    if (!whole || !numerator || !denominator)
        return outOfRange(text, number);
    if (*denominator == 0.0)
        return makeError(QueryErrorKind::BadValue, text, {number.begin, number.length()},
                         say("division by zero in %s", quoted(number.of(text))));
    const double value = (scan.negative ? -1.0 : 1.0) * (*whole + *numerator / *denominator);
    const bool nonZero = *whole != 0.0 || *numerator != 0.0;
    if (!std::isfinite(value) || (nonZero && std::abs(value) < std::numeric_limits<double>::min()))
        return outOfRange(text, number);
    // No sign on a zero: the window reads "-0" as 0.
    out.value = value == 0.0 ? 0.0 : value;
    out.text = decimalText(out.value);
    return std::nullopt;
}

// The refusal of a value read as `regional` that "." and "," groups read as another number
// ("1,250": 1.25 or 1250), or nullopt when the two conventions agree or only one reads it.
std::optional<QueryError> ambiguity(std::string_view text, std::size_t start, const QueryOptions& options,
                                    const Value& regional)
{
    std::string regionalText = decimalText(regional.value);
    if (const std::size_t point = regionalText.find('.'); point != std::string::npos)
        regionalText.replace(point, 1, options.decimalPoint);
    const std::string_view typed = text.substr(regional.span.offset, regional.span.length);
    const auto refusal = [&](const Value& other, std::string detail) {
        QueryError error = makeError(QueryErrorKind::AmbiguousNumber, text, regional.span,
                                     say("ambiguous number %s", quoted(typed)), detail);
        error.candidates = {decimalText(regional.value), decimalText(other.value)};
        return error;
    };
    Value other;
    const Scan dotted = number_scan::scan(text, start, number_scan::Style{});
    if (dotted.clean() && !valueOf(text, dotted, other) && other.value != regional.value)
        return refusal(other, say(": %s with the regional decimal sign, %s with \".\"", regionalText,
                                  decimalText(other.value)));
    // Where the locale groups digits otherwise (French, with spaces), "." may still be meant as
    // the group sign of other comma locales: "1.500" is 1.5 or 1500.
    if (options.groupSign == ".")
        return std::nullopt;
    const Scan dotGrouped = number_scan::scan(text, start, {.regionalPoint = options.decimalPoint, .regionalGroup = "."});
    if (dotGrouped.clean() && dotGrouped.grouped && !valueOf(text, dotGrouped, other) && other.value != regional.value)
        return refusal(other, say(": %s with \".\" as the decimal sign, %s with \".\" between groups of digits",
                                  regionalText, decimalText(other.value)));
    return std::nullopt;
}

// Whether the scale word text[start, end) multiplies the number before it: a blank ends it, the
// word after it names a unit, and the two make no name together. "2 mil metros" is 2000 meters,
// but "2 mil en mm" two mils and "1 mille carré" a French square mile.
bool readsAsScale(std::string_view text, std::size_t start, std::size_t end, const LanguageNames* language)
{
    const std::size_t next = phrasing::skipBlanks(text, end);
    std::size_t nextEnd = next;
    while (nextEnd < text.size() && query_text::blankLength(text, nextEnd) == 0)
        ++nextEnd;
    const std::string_view word = text.substr(next, nextEnd - next);
    const names::Index& index = names::indexFor(language);
    return next > end && !word.empty() && !query_parts::isIntoWord(word, language) &&
           !names::lookUp(index, word).empty() &&
           names::lookUp(index, std::string(text.substr(start, end - start)).append(" ").append(word)).empty();
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

std::optional<QueryError> valueOf(std::string_view text, const Scan& scan, Value& out)
{
    out.span = {scan.number.begin, scan.number.length()};
    if (scan.form != Form::Decimal)
        return fractionValue(text, scan, out);
    bool nonZero = false;
    const std::optional<double> value = decimalValue(text, scan, nonZero);
    // A value too close to zero for a normal double is as unreadable as one too large: it would
    // lose its digits, or read as 0.
    if (!value || (nonZero && std::abs(*value) < std::numeric_limits<double>::min()))
        return outOfRange(text, scan.number);
    out.value = *value;
    out.text = decimalValueText(text, scan);
    return std::nullopt;
}

std::optional<QueryError> readValue(std::string_view text, std::size_t start, const QueryOptions& options,
                                    Value& out)
{
    const Scan scan = number_scan::scan(text, start, styleOf(options));
    if (!scan.found()) {
        const LanguageNames* language = findNameLanguage(options.language);
        if (const std::optional<number_words::Words> words = number_words::read(text, start, language)) {
            out.value = words->value;
            out.text = decimalText(words->value);
            out.span = {start, words->end - start};
            out.words = true;
            return std::nullopt;
        }
        return noValue(text, scan);
    }
    const bool bothConventions = options.refuseAmbiguousNumbers && options.decimalPoint != ".";
    if (!scan.stray.empty()) {
        // "1,234.5" has one reading, with "." as the point, and so has "1.234,5" in a locale that
        // groups digits otherwise, with "." between groups.
        if (bothConventions) {
            if (const Scan dotted = number_scan::scan(text, start, number_scan::Style{}); dotted.clean())
                return valueOf(text, dotted, out);
            const Scan dotGrouped =
                number_scan::scan(text, start, {.regionalPoint = options.decimalPoint, .regionalGroup = "."});
            if (dotGrouped.clean() && dotGrouped.grouped)
                return valueOf(text, dotGrouped, out);
        }
        return strayMark(text, scan, options);
    }
    if (std::optional<QueryError> error = valueOf(text, scan, out))
        return error;
    if (std::optional<QueryError> error = bothConventions ? ambiguity(text, start, options, out) : std::nullopt)
        return error;
    // "2:30 h", "5:30 min/km", "1:05:30 h": each field after a colon is sixtieths of the one before.
    if (scan.form == Form::Decimal && scan.point.empty() && scan.exponent.empty() && !scan.grouped) {
        std::size_t end = out.span.offset + out.span.length;
        double sixtieth = 1.0;
        double value = std::abs(out.value);
        int fields = 0;
        while (fields < kMaxClockFields && end + 2 < text.size() && text[end] == ':' &&
               number_digits::isDigit(text[end + 1]) && number_digits::isDigit(text[end + 2]) &&
               (end + 3 == text.size() || !number_digits::isDigit(text[end + 3]))) {
            const int field = (text[end + 1] - '0') * 10 + (text[end + 2] - '0');
            if (field >= 60)
                break;
            sixtieth /= 60.0;
            value += field * sixtieth;
            end += 3;
            ++fields;
        }
        // Digits after the fields and a blank are no unit: "5:30 8in/km" is no clock time.
        const std::size_t next = phrasing::skipBlanks(text, end);
        if (fields > 0 && next < text.size() && number_digits::isDigit(text[next]))
            fields = 0;
        if (fields > 0) {
            out.value = std::signbit(out.value) ? -value : value;
            out.text = decimalText(out.value);
            out.span.length = end - out.span.offset;
            out.clockFields = fields;
            return std::nullopt;
        }
    }
    // "2 thousand meters", "1.5 million liters", "2 mil metros": a scale word after the digits
    // multiplies them where a unit follows it; "2 mil to mm" is two mils, "2 hundred" no value.
    const LanguageNames* language = findNameLanguage(options.language);
    const std::size_t scaleStart = phrasing::skipBlanks(text, out.span.offset + out.span.length);
    if (const std::optional<number_words::Words> scale = number_words::scaleAfter(text, scaleStart, language);
        scale && readsAsScale(text, scaleStart, scale->end, language)) {
        out.value *= scale->value;
        out.text = decimalText(out.value);
        out.span.length = scale->end - out.span.offset;
        out.words = true;
        return std::nullopt;
    }
    // "2 and a half feet"
    if (const std::optional<number_words::Words> fraction =
            number_words::fractionAfter(text, out.span.offset + out.span.length, language)) {
        out.value += std::signbit(out.value) ? -fraction->value : fraction->value;
        out.text = decimalText(out.value);
        out.span.length = fraction->end - out.span.offset;
        out.words = true;
    }
    return std::nullopt;
}

} // namespace mezzurix::value_reader
