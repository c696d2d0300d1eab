// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/utf8.h>

#include <algorithm>

namespace mezzurix {

std::size_t utf8SequenceLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xBF;  // the second byte's range rules out overlongs and surrogates
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    if (second < low || second > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((static_cast<unsigned char>(text[pos + k]) & 0xC0) != 0x80)
            return 0;
    return length;
}

std::size_t controlLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x20 || lead == 0x7F)
        return 1;
    const bool c1 = lead == 0xC2 && pos + 1 < text.size() && static_cast<unsigned char>(text[pos + 1]) >= 0x80 &&
                    static_cast<unsigned char>(text[pos + 1]) < 0xA0;
    return c1 ? 2 : 0;
}

bool appendShown(std::string& out, std::string_view text, std::size_t limit)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::size_t i = 0;
    while (i < text.size()) {
        if (i >= limit)
            return false;
        const std::size_t length = utf8SequenceLength(text, i);
        if (length > 0 && controlLength(text, i) == 0) {
            out.append(text.substr(i, length));
            i += length;
            continue;
        }
        for (const std::size_t end = i + std::max<std::size_t>(length, 1); i < end; ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return true;
}

} // namespace mezzurix
