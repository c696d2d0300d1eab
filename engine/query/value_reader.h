// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The value of the number at the start of a quantity.

#include "number_scan.h"

#include <mezzurix/query.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mezzurix::value_reader {

// "h:mm:ss": at most two fields after the first.
constexpr int kMaxClockFields = 2;

struct Value {
    double value = 0.0;
    std::string text;  // a decimal the window's leading-number rule reads to `value`
    TextSpan span;     // the number as typed
    bool words = false;  // written in words, in part or whole
    int clockFields = 0;  // fields after a colon: 2 in "1:05:30"
};

// How numbers are written in queries read with `options`.
inline number_scan::Style styleOf(const QueryOptions& options, bool signOrPointFirst = true)
{
    return {options.decimalPoint, options.groupSign, signOrPointFirst};
}

// Reads the number at text[start..] (see number_scan.h for what it may be). A value beyond the
// double range, or too close to zero for a normal double, is refused, and so is one that reads
// differently in the two conventions when the options ask for that.
std::optional<QueryError> readValue(std::string_view text, std::size_t start, const QueryOptions& options,
                                    Value& out);

// The value of a number `scan` found clean in `text`.
std::optional<QueryError> valueOf(std::string_view text, const number_scan::Scan& scan, Value& out);

// The shortest decimal that reads back to `value`, as the window's leading-number rule reads it.
std::string decimalText(double value);

} // namespace mezzurix::value_reader
