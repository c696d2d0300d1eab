// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression_reader.h"

#include "query_parts.h"

#include <mezzurix/number_digits.h>

#include <cctype>
#include <cstdlib>

namespace mezzurix::unit_expression {

using namespace query_parts;
using expression_atoms::operatorLength;
using query_text::quoted;

std::optional<Quantity> Reader::numberAt()
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

bool Reader::numberTail(Quantity& q)
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

std::optional<Quantity> Reader::factor(std::optional<expression_atoms::Atom>& atom)
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

std::optional<Quantity> Reader::powered(Quantity q, bool afterSymbol, std::size_t begin)
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

std::optional<int> Reader::powerAt(bool afterSymbol, int limit)
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
        while (pos_ < end_ && number_digits::isDigit(text_[pos_]) && digits <= expression_atoms::kMaxPowerDigits) {
            power = power * 10 + (text_[pos_++] - '0');
            ++digits;
        }
        if (digits == 0 || digits > expression_atoms::kMaxPowerDigits)
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

} // namespace mezzurix::unit_expression
