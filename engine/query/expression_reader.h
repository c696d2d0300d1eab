// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reader of one side of a query, after the grammar in unit_expression.h: expression_reader.cpp
// reads sums, products and groups, expression_factors.cpp numbers, units and their powers.

#include "unit_expression.h"

#include "query_text.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <variant>

namespace mezzurix::unit_expression {

// Parentheses nest no deeper than this: enough for any unit, and the reader's stack stays small.
constexpr int kMaxDepth = 16;

enum class Operation { None, Times, Divide };

// A double exactly: every finite one is a whole number of at most 53 bits times a power of two.
ExactAmount exactOf(double x);

class Reader {
public:
    Reader(const Context& context, std::size_t begin, std::size_t end, const Quantity* value)
        : c_(context), text_(context.text), begin_(begin), pos_(begin), end_(end), pending_(value), into_(value == nullptr)
    {
    }

    // The side; `rest` as readSide() gives it.
    std::variant<Quantity, QueryError> read(std::size_t* rest = nullptr);

private:
    // Blanks, and dots standing alone at the side's start or after a blank.
    std::size_t skipBlanks()
    {
        const std::size_t from = pos_;
        while (true) {
            while (pos_ < end_ && query_text::blankLength(text_, pos_) > 0)
                pos_ += query_text::blankLength(text_, pos_);
            const std::size_t dots = pos_ > from || pos_ == begin_ ? query_text::loneDotsLength(text_, pos_, end_) : 0;
            if (dots == 0)
                break;
            pos_ += dots;
        }
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
    QueryError unreadable(std::size_t pos) const;

    QueryError beyondLimits(std::size_t begin) const;

    number_scan::Style numberStyle() const { return value_reader::styleOf(*c_.options, false); }

    // sum = product { ("+" | "-" | "−") product }
    std::optional<Quantity> sum();

    // r added to q, counted in q's unit. A temperature on a scale with an offset is added to only:
    // "20 °C + 5 K" is 25 °C, "20 °C + 5 °C" means nothing.
    std::optional<Quantity> added(Quantity q, const Quantity& r, int sign, std::size_t begin, std::size_t operand);

    Operation operationAt(std::size_t& length) const;

    // product = group { operation group }, left to right
    std::optional<Quantity> product();

    std::optional<Quantity> combined(Quantity q, const Quantity& r, bool times, std::size_t opAt);

    // group = number [factor {factor}] | factor {factor}
    std::optional<Quantity> group();

    // Two units side by side multiply where they are SI symbols of different quantities.
    static bool multipliesWithBlank(const std::optional<expression_atoms::Atom>& a,
                                    const std::optional<expression_atoms::Atom>& b);

    // A number and its power, then any fraction bar and number after it: "10^8", "3 / 4".
    std::optional<Quantity> numberAt();

    bool numberTail(Quantity& q);

    // factor = (unit | "(" sum ")") [power] | ("sq" | "square" | "cu" | "cubic") unit. `atom` gets
    // the unit standing alone, if that is what the factor is.
    std::optional<Quantity> factor(std::optional<expression_atoms::Atom>& atom);

    std::optional<Quantity> powered(Quantity q, bool afterSymbol, std::size_t begin);

    // The power written at pos_ ("^-1", "⁻¹", or a bare 2 or 3 after a symbol: "s2"), 1 for none;
    // nullopt past `limit`.
    std::optional<int> powerAt(bool afterSymbol, int limit);

    const Context& c_;
    std::string_view text_;
    std::size_t begin_;
    std::size_t pos_;
    std::size_t end_;
    const Quantity* pending_;  // the query's value, before the first group of the from side
    bool into_;                // the into side, whose numbers belong to its unit
    int depth_ = 0;            // of parentheses
    std::optional<QueryError> error_;  // the first fault found
};

} // namespace mezzurix::unit_expression
