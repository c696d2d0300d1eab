// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "json.h"

#include <mezzurix/utf8.h>

#include <array>
#include <charconv>

namespace mezzurix::cli {

namespace {

// "\u0085" for code point 0x85.
void appendHex(std::string& out, unsigned char codePoint)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\u00";
    out += kHex[codePoint >> 4];
    out += kHex[codePoint & 0xF];
}

} // namespace

std::string jsonString(std::string_view value)
{
    std::string out = "\"";
    std::size_t i = 0;
    while (i < value.size()) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (controlLength(value, i) == 2) {  // a C1 control, written as its code point
            appendHex(out, static_cast<unsigned char>(value[i + 1]));
            i += 2;
            continue;
        }
        if (c >= 0x80) {
            const std::size_t length = utf8SequenceLength(value, i);
            if (length == 0) {
                out += "\uFFFD";
                ++i;
            } else {
                out.append(value.substr(i, length));
                i += length;
            }
            continue;
        }
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default:
            if (controlLength(value, i) == 1) {
                appendHex(out, c);
            } else {
                out += static_cast<char>(c);
            }
        }
        ++i;
    }
    out += '"';
    return out;
}

void JsonObject::key(std::string_view name)
{
    if (text_.size() > 1)
        text_ += ',';
    text_ += jsonString(name);
    text_ += ':';
}

JsonObject& JsonObject::string(std::string_view name, std::string_view value)
{
    key(name);
    text_ += jsonString(value);
    return *this;
}

JsonObject& JsonObject::number(std::string_view name, double value)
{
    // Shortest text that reads back as the same double; callers pass finite values only.
    std::array<char, 32> buffer;
    key(name);
    text_.append(buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr);
    return *this;
}

JsonObject& JsonObject::integer(std::string_view name, long long value)
{
    key(name);
    text_ += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::strings(std::string_view name, const std::vector<std::string>& values)
{
    key(name);
    text_ += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            text_ += ',';
        text_ += jsonString(values[i]);
    }
    text_ += ']';
    return *this;
}

JsonObject& JsonObject::raw(std::string_view name, std::string_view json)
{
    key(name);
    text_ += json;
    return *this;
}

} // namespace mezzurix::cli
