// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/number_digits.h>

#include <algorithm>
#include <array>
#include <charconv>

namespace mezzurix {

using number_digits::DecimalReader;
using number_digits::isNumberBlank;
using number_digits::isDigit;

namespace {

// 16^256 = 2^1024 and 8^342 = 2^1026: one more significant digit always overflows a double.
constexpr int kMaxHexDigits = 256;
constexpr int kMaxOctalDigits = 342;

// Walks a text with blanks invisible wherever they stand.
class BlankSkippingCursor {
public:
    explicit BlankSkippingCursor(std::string_view text) : text_(text) {}

    // The next non-blank character, or '\0' at the end of the text.
    char peek()
    {
        while (pos_ < text_.size() && isNumberBlank(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void advance(std::size_t count = 1) { pos_ += count; }
    // Whether `piece` starts at the next non-blank character; call after peek().
    bool at(std::string_view piece) const { return text_.substr(pos_).starts_with(piece); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

int hexDigitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The &H / &O integer after its prefix: non-negative, of any length, correctly rounded.
std::optional<double> readRadixInteger(BlankSkippingCursor& cursor, int radix)
{
    static constexpr char kHexDigits[] = "0123456789abcdef";
    const int maxDigits = radix == 16 ? kMaxHexDigits : kMaxOctalDigits;
    std::array<int, kMaxOctalDigits> values;
    int count = 0;
    for (;;) {
        const int digit = hexDigitValue(cursor.peek());
        if (digit < 0 || digit >= radix)
            break;
        cursor.advance();
        if (count == 0 && digit == 0)
            continue;
        if (count == maxDigits)
            return std::nullopt;
        values[count++] = digit;
    }
    if (count == 0)
        return 0.0;

    std::array<char, kMaxHexDigits + 1> hex;
    int hexCount = 0;
    if (radix == 16) {
        for (int i = 0; i < count; ++i)
            hex[hexCount++] = kHexDigits[values[i]];
    } else {
        // Regroup the 3-bit digits into 4-bit ones, zero-padded at the top.
        unsigned bits = 0;
        int bitCount = (4 - (3 * count) % 4) % 4;
        for (int i = 0; i < count; ++i) {
            bits = (bits << 3) | static_cast<unsigned>(values[i]);
            bitCount += 3;
            if (bitCount >= 4) {
                bitCount -= 4;
                hex[hexCount++] = kHexDigits[(bits >> bitCount) & 0xF];
                bits &= (1u << bitCount) - 1;
            }
        }
    }

    double result = 0.0;
    const auto [end, ec] = std::from_chars(hex.data(), hex.data() + hexCount, result, std::chars_format::hex);
    if (ec != std::errc{})
        return std::nullopt;
    return result;
}

} // namespace

std::optional<double> readLeadingNumber(std::string_view text, std::string_view regionalPoint,
                                        std::string_view regionalMinus)
{
    // "." is a decimal point anyway, and a separator holding a blank would be torn apart by the
    // blank skipping: neither counts as a regional point.
    if (regionalPoint == "." || std::any_of(regionalPoint.begin(), regionalPoint.end(), isNumberBlank))
        regionalPoint = {};
    if (regionalMinus == "-" || std::any_of(regionalMinus.begin(), regionalMinus.end(), isNumberBlank))
        regionalMinus = {};
    BlankSkippingCursor cursor(text);
    char c = cursor.peek();
    if (c == '&') {
        cursor.advance();
        c = cursor.peek();
        if (c == 'H' || c == 'h') {
            cursor.advance();
            return readRadixInteger(cursor, 16);
        }
        if (c == 'O' || c == 'o') {
            cursor.advance();
            return readRadixInteger(cursor, 8);
        }
        return 0.0;
    }

    DecimalReader reader;
    const bool regionalNegative = !regionalMinus.empty() && cursor.at(regionalMinus);
    if (c == '+' || c == '-' || regionalNegative) {
        reader.setNegative(c == '-' || regionalNegative);
        cursor.advance(regionalNegative ? regionalMinus.size() : 1);
        c = cursor.peek();
    }
    bool anyDigit = false;
    for (; isDigit(c); c = cursor.peek()) {
        reader.integerDigit(c);
        anyDigit = true;
        cursor.advance();
    }
    const bool regional = !regionalPoint.empty() && cursor.at(regionalPoint);
    if (c == '.' || regional) {
        cursor.advance(regional ? regionalPoint.size() : 1);
        for (c = cursor.peek(); isDigit(c); c = cursor.peek()) {
            reader.fractionDigit(c);
            anyDigit = true;
            cursor.advance();
        }
    }
    if (!anyDigit)
        return 0.0;
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        // A marker without digits is not part of the number; nothing after it is read then.
        cursor.advance();
        c = cursor.peek();
        if (c == '+' || c == '-') {
            reader.setExponentNegative(c == '-');
            cursor.advance();
            c = cursor.peek();
        }
        if (!isDigit(c))
            reader.setExponentNegative(false);
        for (; isDigit(c); c = cursor.peek()) {
            reader.exponentDigit(c);
            cursor.advance();
        }
    }
    return reader.value();
}

} // namespace mezzurix
