// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/number_digits.h>

namespace mezzurix {

using number_digits::DecimalReader;
using number_digits::isNumberBlank;
using number_digits::isDigit;

std::optional<double> readWholeNumber(std::string_view text, const NumberFormat& format)
{
    std::size_t pos = 0;
    const auto skipBlanks = [&] {
        while (pos < text.size() && isNumberBlank(text[pos]))
            ++pos;
    };
    const auto startsWith = [&](std::string_view prefix) {
        return !prefix.empty() && text.substr(pos, prefix.size()) == prefix;
    };
    const auto at = [&] { return pos < text.size() ? text[pos] : '\0'; };

    DecimalReader reader;
    skipBlanks();
    if (at() == '-' || at() == '+') {
        reader.setNegative(at() == '-');
        ++pos;
    } else if (startsWith(format.minusSign)) {
        reader.setNegative(true);
        pos += format.minusSign.size();
    }
    bool anyDigit = false;
    for (; isDigit(at()); ++pos) {
        reader.integerDigit(at());
        anyDigit = true;
    }
    if (startsWith(format.decimalPoint)) {
        pos += format.decimalPoint.size();
        for (; isDigit(at()); ++pos) {
            reader.fractionDigit(at());
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (at() == 'E' || at() == 'e') {
        ++pos;
        if (at() == '-' || at() == '+') {
            reader.setExponentNegative(at() == '-');
            ++pos;
        }
        if (!isDigit(at()))
            return std::nullopt;
        for (; isDigit(at()); ++pos)
            reader.exponentDigit(at());
    }
    skipBlanks();
    if (pos != text.size())
        return std::nullopt;
    return reader.value();
}

} // namespace mezzurix
