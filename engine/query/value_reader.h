// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The number at the start of a quantity: decimals, digit groups in the reader's style, fractions
// and mixed numbers.

#include <mezzurix/query.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mezzurix::value_reader {

struct Value {
    double value = 0.0;
    std::string text;  // a decimal the window's leading-number rule reads to `value`
    TextSpan span;     // the number as typed
};

// Reads the number at text[start..]: [sign] digits [point digits] [e [sign] digits], with digits
// grouped in threes by "," (by "." where the decimal point is regional), or a fraction a/b, a
// mixed number "1 1/2" or "1-1/2", or a vulgar fraction "½", "1½".
std::optional<QueryError> readValue(std::string_view text, std::size_t start, const QueryOptions& options,
                                    Value& out);

// The shortest decimal that reads back to `value`, as the window's leading-number rule reads it.
std::string decimalText(double value);

// Whether a number may start at `pos`: a digit, or a vulgar fraction character.
bool startsNumber(std::string_view text, std::size_t pos);

} // namespace mezzurix::value_reader
