// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_expression.h"

#include "query_parts.h"
#include "query_text.h"
#include "tokeniser.h"

#include <mezzurix/catalogue_terms.h>
#include <mezzurix/term_conversion.h>
#include <mezzurix/typed_units.h>

#include <mezzurix/number_digits.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <utility>

namespace mezzurix::unit_expression {

namespace {

using namespace query_parts;
using expression_atoms::operatorLength;
using query_text::quoted;

// Parentheses nest no deeper than this: enough for any unit, and the reader's stack stays small.
constexpr int kMaxDepth = 16;
// A power of a number written with more digits than this is beyond any double anyway.
constexpr std::size_t kMaxPowerDigits = 4;

enum class Operation { None, Times, Divide, Per };

ExactAmount exactOfDouble(double x)
{
    // Every finite double is a whole number of at most 53 bits times a power of two.
    constexpr int kMantissaBits = 53;
    int exponent = 0;
    const double mantissa = std::frexp(x, &exponent);
    const auto whole = static_cast<std::int64_t>(std::ldexp(mantissa, kMantissaBits));
    exponent -= kMantissaBits;
    const auto shift = static_cast<std::size_t>(std::abs(exponent));
    return exponent >= 0 ? *ExactAmount::fraction(BigInteger(whole) << shift, 1)
                         : *ExactAmount::fraction(whole, BigInteger(1) << shift);
}

class Reader {
public:
    Reader(const Context& context, std::size_t begin, std::size_t end, const Quantity* value)
        : c_(context), text_(context.text), pos_(begin), end_(end), pending_(value), into_(value == nullptr)
    {
    }

    std::variant<Quantity, QueryError> read()
    {
        std::optional<Quantity> q = sum();
        if (q) {
            skipBlanks();
            if (pos_ < end_)
                q = fail(unreadable(pos_));
        }
        if (!q)
            return *error_;
        return std::move(*q);
    }

private:
    std::size_t skipBlanks()
    {
        const std::size_t from = pos_;
        while (pos_ < end_ && query_text::blankLength(text_, pos_) > 0)
            pos_ += query_text::blankLength(text_, pos_);
        return pos_ - from;
    }

    bool at(std::string_view what) const { return text_.substr(pos_, what.size()) == what && pos_ + what.size() <= end_; }

    std::nullopt_t fail(QueryError error)
    {
        if (!error_)
            error_ = std::move(error);
        return std::nullopt;
    }

    TextSpan spanFrom(std::size_t begin) const { return {begin, pos_ - begin}; }

    // What cannot be read at `pos`: a word is an unknown unit, anything else unexpected.
    QueryError unreadable(std::size_t pos) const
    {
        std::size_t end = pos;
        while (end < end_ && query_text::blankLength(text_, end) == 0 && operatorLength(text_, end) == 0)
            ++end;
        // Without suggestions: most of these errors give way to another (expression_query::read).
        if (end > pos && !number_scan::startsNumber(text_, pos, numberStyle()))
            return unknownUnitError(text_, {pos, end - pos}, {});
        const TextSpan where{pos, end_ - pos};
        return makeError(QueryErrorKind::TrailingText, text_, where,
                         say("unexpected %s", quoted(text_.substr(where.offset, where.length))), say(" after the units"));
    }

    QueryError beyondLimits(std::size_t begin) const
    {
        const TextSpan where = spanFrom(begin);
        return makeError(QueryErrorKind::ValueOutOfRange, text_, where,
                         say("the value %s", quoted(text_.substr(where.offset, where.length))),
                         say(" is beyond the range of numbers"));
    }

    number_scan::Style numberStyle() const { return value_reader::styleOf(*c_.options, false); }

    // sum = product { ("+" | "-" | "−") product }
    std::optional<Quantity> sum()
    {
        const std::size_t begin = pos_;
        std::optional<Quantity> q = product();
        while (q) {
            const std::size_t before = pos_;
            skipBlanks();
            const int sign = at("+") ? 1 : at("-") || at("\u2212") ? -1 : 0;
            // Quantities add, numbers alone do not: "1-½ in" is no sum.
            if (sign == 0 || into_ || q->unit.isOne()) {
                pos_ = before;
                break;
            }
            pos_ += operatorLength(text_, pos_);
            skipBlanks();
            const std::size_t operand = pos_;
            const std::optional<Quantity> r = product();
            if (!r)
                return std::nullopt;
            q = added(*q, *r, sign, begin, operand);
        }
        return q;
    }

    // r added to q, counted in q's unit. A temperature on a scale with an offset is added to only:
    // "20 °C + 5 K" is 25 °C, "20 °C + 5 °C" means nothing.
    std::optional<Quantity> added(Quantity q, const Quantity& r, int sign, std::size_t begin, std::size_t operand)
    {
        const std::optional<UnitTerm> left = q.unit.term();
        const std::optional<UnitTerm> right = r.unit.term();
        if (!left || !right)
            return fail(beyondLimits(begin));
        const TextSpan where = spanFrom(operand);
        if (!right->offset.isZero())
            return fail(makeError(QueryErrorKind::IncompatibleUnits, text_, where,
                                  say("cannot add or subtract %s, a temperature on a scale with an offset",
                                      right->symbol)));
        UnitTerm leftInterval = *left;
        leftInterval.offset = ExactAmount();
        const std::optional<TermConversion> conversion = termConversion(*right, leftInterval);
        if (!conversion || conversion->reciprocal || left->dimension != right->dimension)
            return fail(makeError(QueryErrorKind::IncompatibleUnits, text_, where,
                                  say("cannot add %s and %s", describeTerm(*left), describeTerm(*right))));
        std::optional<ExactAmount> counted = r.value * conversion->factor;
        if (counted && sign < 0)
            counted = -*counted;
        std::optional<ExactAmount> total = counted ? q.value + *counted : std::nullopt;
        // Amounts with different powers of π (degrees and radians) add in doubles.
        if (!total && counted)
            total = exactOfDouble(q.value.toDouble() + counted->toDouble());
        if (!total)
            return fail(beyondLimits(begin));
        q.value = std::move(*total);
        return q;
    }

    Operation operationAt(std::size_t& length) const
    {
        for (const std::string_view times : {"\u00D7", "*", "\u00B7", "\u22C5"})
            if (at(times)) {
                length = times.size();
                return Operation::Times;
            }
        // "x" between quantities: "4 m x 3 m", "3x10^8".
        if (at("x") && (pos_ + 1 == end_ || query_text::blankLength(text_, pos_ + 1) > 0 ||
                        number_digits::isDigit(text_[pos_ + 1]) || text_[pos_ + 1] == '(')) {
            length = 1;
            return Operation::Times;
        }
        for (const std::string_view divide : {"/", "\u00F7"})
            if (at(divide)) {
                length = divide.size();
                return Operation::Divide;
            }
        std::size_t word = pos_;
        while (word < end_ && query_text::blankLength(text_, word) == 0)
            ++word;
        if (word < end_ && word > pos_ && isPerWord(text_.substr(pos_, word - pos_), c_.names.language)) {
            length = word - pos_;
            return Operation::Per;
        }
        return Operation::None;
    }

    // product = group { operation group }, left to right
    std::optional<Quantity> product()
    {
        std::optional<Quantity> q = group(false);
        while (q) {
            const std::size_t before = pos_;
            skipBlanks();
            std::size_t length = 0;
            const Operation operation = operationAt(length);
            if (operation == Operation::None) {
                pos_ = before;
                break;
            }
            const std::size_t opAt = pos_;
            pos_ += length;
            if (operation != Operation::Times && q->unit.isOne())
                return fail(makeError(QueryErrorKind::UnknownUnit, text_, spanFrom(opAt),
                                      say("no unit before %s", quoted(text_.substr(opAt, length)))));
            // "kWh/100km", "per 100 km": the number counts the unit, not the value.
            const bool unitBound = operation == Operation::Per ||
                                   (operation == Operation::Divide && pos_ < end_ && number_digits::isDigit(text_[pos_]));
            const std::optional<Quantity> r = group(unitBound);
            if (!r)
                return std::nullopt;
            q = combined(std::move(*q), *r, operation == Operation::Times, opAt);
        }
        return q;
    }

    std::optional<Quantity> combined(Quantity q, const Quantity& r, bool times, std::size_t opAt)
    {
        if (!times && r.value.isZero())
            return fail(makeError(QueryErrorKind::BadValue, text_, spanFrom(opAt),
                                  say("division by zero in %s", quoted(text_.substr(opAt, pos_ - opAt)))));
        const std::optional<ExactAmount> value = times ? q.value * r.value : q.value / r.value;
        const std::optional<ComposedUnit> unit = times ? q.unit.times(r.unit) : q.unit.dividedBy(r.unit);
        if (!value || !unit)
            return fail(beyondLimits(opAt));
        // A number leaves the unit as it stands: "3 × 10^8 m/s" is still in meters per second.
        const std::optional<int> code = r.unit.isOne() ? q.code : q.unit.isOne() && times ? r.code : std::nullopt;
        return Quantity{*value, *unit, code};
    }

    // group = number [factor {factor}] | factor {factor}
    std::optional<Quantity> group(bool unitBound)
    {
        skipBlanks();
        const std::size_t begin = pos_;
        Quantity q;
        bool number = false;
        if (pending_ != nullptr) {
            q = *pending_;
            pending_ = nullptr;
            number = true;
            if (!numberTail(q))
                return std::nullopt;
        } else if (pos_ < end_ && number_scan::startsNumber(text_, pos_, numberStyle())) {
            std::optional<Quantity> read = numberAt();
            if (!read)
                return std::nullopt;
            q = std::move(*read);
            number = true;
        }
        if (number && (unitBound || into_)) {
            if (q.value.isZero())
                return fail(makeError(QueryErrorKind::BadValue, text_, spanFrom(begin),
                                      say("division by zero in %s", quoted(text_.substr(begin, pos_ - begin)))));
            std::string digits;
            for (std::size_t i = begin; i < pos_; i += std::max<std::size_t>(1, query_text::blankLength(text_, i)))
                if (query_text::blankLength(text_, i) == 0)
                    digits += text_[i];
            q.unit = ComposedUnit::number(std::move(digits), q.value);
            q.value = ExactAmount::whole(1);
        }
        std::optional<expression_atoms::Atom> last;
        bool units = false;
        while (true) {
            const std::size_t before = pos_;
            const bool blank = skipBlanks() > 0;
            std::optional<expression_atoms::Atom> atom;
            std::optional<Quantity> f = factor(atom);
            if (error_)
                return std::nullopt;
            if (!f || (units && blank && !multipliesWithBlank(last, atom))) {
                pos_ = before;
                break;
            }
            const bool first = !units;
            const std::optional<ComposedUnit> unit = q.unit.times(f->unit);
            const std::optional<ExactAmount> value = q.value * f->value;
            if (!unit || !value)
                return fail(beyondLimits(begin));
            q.code = first && q.unit.isOne() ? f->code : std::nullopt;
            q.unit = *unit;
            q.value = *value;
            units = true;
            last = atom;
        }
        if (!number && !units) {
            if (pos_ < end_)
                return fail(unreadable(pos_));
            return fail(makeError(QueryErrorKind::MissingUnit, text_, {end_, 0},
                                  into_ ? say("no unit to convert into") : say("no unit after the value")));
        }
        return q;
    }

    // Two units side by side multiply where they are SI symbols of different quantities.
    static bool multipliesWithBlank(const std::optional<expression_atoms::Atom>& a,
                                    const std::optional<expression_atoms::Atom>& b)
    {
        return a && b && a->symbol && b->symbol && a->si && b->si && a->unit.dimension != b->unit.dimension;
    }

    // A number and its power, then any fraction bar and number after it: "10^8", "3 / 4".
    std::optional<Quantity> numberAt()
    {
        const number_scan::Scan scan = number_scan::scan(text_, pos_, numberStyle());
        if (!scan.clean())
            return fail(unreadable(pos_));
        value_reader::Value value;
        if (std::optional<QueryError> error = value_reader::valueOf(text_, scan, value))
            return fail(std::move(*error));
        pos_ = scan.number.end;
        Quantity q{exactValue(scan, value), {}, std::nullopt};
        if (!numberTail(q))
            return std::nullopt;
        return q;
    }

    bool numberTail(Quantity& q)
    {
        const std::size_t begin = pos_;
        const std::optional<int> power = powerAt(false, ExactAmount::kMaxExponent);
        if (!power)
            return false;
        std::optional<ExactAmount> powered = q.value.power(*power);
        if (!powered) {
            fail(beyondLimits(begin));
            return false;
        }
        q.value = std::move(*powered);
        const std::size_t before = pos_;
        skipBlanks();
        for (const std::string_view bar : {"/", "\u00F7", "\u2044"}) {
            if (!at(bar))
                continue;
            const std::size_t barAt = pos_;
            pos_ += bar.size();
            skipBlanks();
            if (pos_ >= end_ || !number_scan::startsNumber(text_, pos_, numberStyle()))
                break;
            const std::optional<Quantity> denominator = numberAt();
            std::optional<Quantity> fraction = denominator ? combined(q, *denominator, false, barAt) : std::nullopt;
            if (!fraction)
                return false;
            q = std::move(*fraction);
            return true;
        }
        pos_ = before;
        return true;
    }

    // factor = (unit | "(" sum ")") [power] | ("sq" | "square" | "cu" | "cubic") unit. `atom` gets
    // the unit standing alone, if that is what the factor is.
    std::optional<Quantity> factor(std::optional<expression_atoms::Atom>& atom)
    {
        if (pos_ >= end_)
            return std::nullopt;
        const std::size_t begin = pos_;
        if (at("(")) {
            if (depth_ >= kMaxDepth)
                return fail(unreadable(pos_));
            ++pos_;
            ++depth_;
            std::optional<Quantity> inner = sum();
            --depth_;
            if (!inner)
                return std::nullopt;
            skipBlanks();
            if (!at(")"))
                return fail(unreadable(pos_));
            ++pos_;
            return powered(std::move(*inner), false, begin);
        }
        if ((atom = expression_atoms::atomAt(text_, pos_, end_, c_.names))) {
            pos_ = atom->end;
            const Quantity unit{ExactAmount::whole(1), ComposedUnit(atom->unit), atom->code};
            const std::size_t powerAt = pos_;
            std::optional<Quantity> result = powered(unit, atom->symbol, begin);
            if (pos_ != powerAt)
                atom.reset();  // a power is no unit standing alone
            return result;
        }
        for (const auto& [word, exponent] : {std::pair{"sq", 2}, {"square", 2}, {"cu", 3}, {"cubic", 3}}) {
            const std::string_view name(word);
            if (!query_text::equalsFolded(text_.substr(pos_, name.size()), name) || pos_ + name.size() >= end_ ||
                query_text::blankLength(text_, pos_ + name.size()) == 0)
                continue;
            pos_ += name.size();
            skipBlanks();
            const std::optional<expression_atoms::Atom> unit = expression_atoms::atomAt(text_, pos_, end_, c_.names);
            if (!unit)
                return fail(unreadable(pos_));
            pos_ = unit->end;
            const std::optional<ComposedUnit> squared = ComposedUnit(unit->unit).power(exponent);
            return Quantity{ExactAmount::whole(1), *squared, std::nullopt};
        }
        return std::nullopt;
    }

    std::optional<Quantity> powered(Quantity q, bool afterSymbol, std::size_t begin)
    {
        const std::optional<int> power = powerAt(afterSymbol, Dimension::kMaxExponent);
        if (!power)
            return std::nullopt;
        if (*power == 1)
            return q;
        const std::optional<ExactAmount> value = q.value.power(*power);
        const std::optional<ComposedUnit> unit = q.unit.power(*power);
        if (!value || !unit)
            return fail(beyondLimits(begin));
        return Quantity{*value, *unit, std::nullopt};
    }

    // The power written at pos_ ("^-1", "⁻¹", or a bare 2 or 3 after a symbol: "s2"), 1 for none;
    // nullopt past `limit`.
    std::optional<int> powerAt(bool afterSymbol, int limit)
    {
        const std::size_t begin = pos_;
        int power = 1;
        std::size_t length = 0;
        if (at("^")) {
            ++pos_;
            const bool negative = at("-") || at("\u2212");
            pos_ += at("-") ? 1 : at("\u2212") ? 3 : at("+") ? 1 : 0;
            std::size_t digits = 0;
            power = 0;
            while (pos_ < end_ && number_digits::isDigit(text_[pos_]) && digits <= kMaxPowerDigits) {
                power = power * 10 + (text_[pos_++] - '0');
                ++digits;
            }
            if (digits == 0 || digits > kMaxPowerDigits)
                return fail(unreadable(begin));
            power = negative ? -power : power;
        } else if (const std::optional<int> superscript = expression_atoms::superscriptPower(text_, pos_, length)) {
            pos_ += length;
            power = *superscript;
        } else if (afterSymbol && (at("2") || at("3")) &&
                   (pos_ + 1 >= end_ || (!number_digits::isDigit(text_[pos_ + 1]) &&
                                         !std::isalpha(static_cast<unsigned char>(text_[pos_ + 1]))))) {
            power = text_[pos_++] - '0';
        }
        if (std::abs(power) > limit)
            return fail(beyondLimits(begin));
        return power;
    }

    const Context& c_;
    std::string_view text_;
    std::size_t pos_;
    std::size_t end_;
    const Quantity* pending_;
    bool into_;
    int depth_ = 0;
    std::optional<QueryError> error_;
};

} // namespace

ExactAmount exactValue(const number_scan::Scan& scan, const value_reader::Value& value)
{
    // A decimal exactly as typed ("0.1"); a fraction as the double it reads to.
    if (scan.form == number_scan::Form::Decimal)
        if (std::optional<ExactAmount> exact = ExactAmount::parse(value.text))
            return *exact;
    return exactOfDouble(value.value);
}

std::variant<Quantity, QueryError> readSide(const Context& context, std::size_t begin, std::size_t end,
                                            const Quantity* value)
{
    return Reader(context, begin, end, value).read();
}

std::string describeTerm(const UnitTerm& term)
{
    const std::optional<std::size_t> category = categoryHolding(term.dimension, term.kind);
    if (!category)
        return say("%s (%s)", term.symbol, term.dimension.text());
    std::string name(typedCategories()[*category].name);
    for (char& c : name)
        c = query_text::foldByte(c);
    return say("%s (%s)", term.symbol, name);
}

} // namespace mezzurix::unit_expression
