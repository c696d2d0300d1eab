// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quoted.h"

#include <cstdio>

namespace mezzurix::rates {

std::string shown(std::string_view text)
{
    std::string out;
    std::size_t used = 0;
    for (; used < text.size() && out.size() < kMaxQuotedBytes; ++used) {
        const char c = text[used];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    if (used < text.size())
        out += "...";
    return out;
}

std::string quoted(std::string_view text)
{
    return "\"" + shown(text) + "\"";
}

} // namespace mezzurix::rates
