// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression_reader.h"

#include "query_parts.h"
#include "tokeniser.h"

#include <mezzurix/number_digits.h>
#include <mezzurix/term_conversion.h>

namespace mezzurix::unit_expression {

using namespace query_parts;
using expression_atoms::operatorLength;
using query_text::quoted;

std::variant<Quantity, QueryError> Reader::read(std::size_t* rest)
{
    std::optional<Quantity> q = sum();
    if (q) {
        const bool blank = skipBlanks() > 0;
        if (pos_ < end_) {
            if (blank && rest != nullptr)
                *rest = pos_;
            q = fail(unreadable(pos_));
        }
    }
    if (!q)
        return *error_;
    return std::move(*q);
}

QueryError Reader::unreadable(std::size_t pos) const
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

QueryError Reader::beyondLimits(std::size_t begin) const
{
    const TextSpan where = spanFrom(begin);
    return makeError(QueryErrorKind::ValueOutOfRange, text_, where,
                     say("the value %s", quoted(text_.substr(where.offset, where.length))),
                     say(" is beyond the range of numbers"));
}

std::optional<Quantity> Reader::sum()
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

std::optional<Quantity> Reader::added(Quantity q, const Quantity& r, int sign, std::size_t begin, std::size_t operand)
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
        total = exactOf(q.value.toDouble() + counted->toDouble());
    if (!total)
        return fail(beyondLimits(begin));
    q.value = std::move(*total);
    return q;
}

Operation Reader::operationAt(std::size_t& length) const
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
        return Operation::Divide;
    }
    return Operation::None;
}

std::optional<Quantity> Reader::product()
{
    std::optional<Quantity> q = group();
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
        const std::optional<Quantity> r = group();
        if (!r)
            return std::nullopt;
        q = combined(std::move(*q), *r, operation == Operation::Times, opAt);
    }
    return q;
}

std::optional<Quantity> Reader::combined(Quantity q, const Quantity& r, bool times, std::size_t opAt)
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

std::optional<Quantity> Reader::group()
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
    // On the into side a number belongs to the unit ("to kWh/100 km"); on the from side to the
    // value, whose unit then reads back from its symbol alone.
    if (number && into_) {
        if (q.value.isZero())
            return fail(makeError(QueryErrorKind::BadValue, text_, spanFrom(begin),
                                  say("%s makes a unit of no size", quoted(text_.substr(begin, pos_ - begin)))));
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

bool Reader::multipliesWithBlank(const std::optional<expression_atoms::Atom>& a,
                                const std::optional<expression_atoms::Atom>& b)
{
    return a && b && a->symbol && b->symbol && a->si && b->si && a->unit.dimension != b->unit.dimension;
}

} // namespace mezzurix::unit_expression
