// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The leading-number rule over arbitrary bytes, also with "," as the regional separator, and
// against std::from_chars over plain decimals that the same bytes spell out with signs, exponent
// letters, blanks, a point or a comma and trailing junk mixed in.

#include "fuzz_support.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace mezzurix;
using namespace mezzurix::fuzz;

constexpr std::size_t kMaxDigits = 20;     // mantissa digits on either side of the point
constexpr int kMaxExponent = 250;          // keeps every spelled value well inside the double range

class ByteSource {
public:
    ByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t next() { return pos_ < size_ ? data_[pos_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

void checkAgainstFromChars(const std::uint8_t* data, std::size_t size)
{
    ByteSource src(data, size);
    const std::uint8_t flags = src.next();
    const bool negative = flags & 0x01;
    const bool plus = !negative && (flags & 0x02);
    const bool fraction = flags & 0x04;
    const bool exponent = flags & 0x08;
    const bool exponentNegative = flags & 0x10;
    const char exponentLetter = "eEdD"[(flags >> 5) & 0x03];
    const bool blanks = flags & 0x80;

    const std::size_t intDigits = src.next() % kMaxDigits + 1;
    const std::size_t fracDigits = fraction ? src.next() % kMaxDigits + 1 : 0;
    const int exponentValue = exponent ? src.next() % (kMaxExponent + 1) : 0;

    // `plain` is what from_chars reads; `typed` is the same number as a user might type it.
    std::string plain;
    std::string typed;
    auto put = [&](char typedChar, char plainChar) {
        if (blanks) {
            const std::uint8_t b = src.next();
            if (b % 4 == 1)
                typed += " \t\n"[b / 4 % 3];
        }
        typed += typedChar;
        if (plainChar != '\0')
            plain += plainChar;
    };
    if (negative)
        put('-', '-');
    if (plus)
        put('+', '\0');
    for (std::size_t i = 0; i < intDigits; ++i) {
        const char digit = static_cast<char>('0' + src.next() % 10);
        put(digit, digit);
    }
    if (fraction) {
        put('.', '.');
        for (std::size_t i = 0; i < fracDigits; ++i) {
            const char digit = static_cast<char>('0' + src.next() % 10);
            put(digit, digit);
        }
    }
    if (exponent) {
        put(exponentLetter, 'e');
        if (exponentNegative)
            put('-', '-');
        for (char c : std::to_string(exponentValue))
            put(c, c);
    }
    const std::uint8_t tail = src.next();
    if (tail % 2 == 1)
        typed += ",;x/="[tail / 2 % 5];
    // Half the time the point is typed as the regional comma.
    const bool comma = tail & 0x80;
    if (comma)
        std::replace(typed.begin(), typed.end(), '.', ',');

    const std::optional<double> expected = parsePlain(plain);
    if (!expected)
        fail("from_chars rejected a constructed decimal", plain);
    const std::optional<double> got = readLeadingNumber(typed, comma ? "," : ".");
    if (!got || *got != *expected)
        fail("leading number differs from from_chars",
             "typed [" + typed + "] plain [" + plain + "] got " + (got ? show(*got) : "nullopt") +
                 " expected " + show(*expected));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = readLeadingNumber(text);
    if (value && !std::isfinite(*value))
        fail("leading number is not finite", text);

    // Where "," is the regional separator, it reads as "." does, and a text without one reads as
    // it always did.
    const std::optional<double> withComma = readLeadingNumber(text, ",");
    if (text.find('.') == std::string_view::npos) {
        std::string dotted(text);
        std::replace(dotted.begin(), dotted.end(), ',', '.');
        if (withComma != readLeadingNumber(dotted))
            fail("a comma reads differently from a point", text);
    } else if (text.find(',') == std::string_view::npos && withComma != value) {
        fail("the regional comma changes a text without one", text);
    }

    // A regional minus sign (U+2212) reads as "-" does in the number's sign; the exponent's sign
    // is always written "-", as the program writes it.
    constexpr std::string_view kMinus = "\u2212";
    const std::size_t at = text.find_first_not_of(" \t\n\r");
    if (at != std::string_view::npos && text.substr(at).starts_with(kMinus)) {
        std::string hyphened(text);
        hyphened.replace(at, kMinus.size(), "-");
        if (readLeadingNumber(text, ".", kMinus) != readLeadingNumber(hyphened))
            fail("the regional minus sign reads differently from \"-\"", text);
    }

    checkAgainstFromChars(data, size);
    return 0;
}
