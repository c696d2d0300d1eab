// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Just enough JSON for one object per line: strings that are always valid UTF-8 and numbers.

#include <string>
#include <string_view>
#include <vector>

namespace mezzurix::cli {

class JsonObject {
public:
    JsonObject& string(std::string_view key, std::string_view value);
    JsonObject& number(std::string_view key, double value);
    JsonObject& integer(std::string_view key, long long value);
    JsonObject& strings(std::string_view key, const std::vector<std::string>& values);
    // Inserts `json` as it is: an object or array written by this class.
    JsonObject& raw(std::string_view key, std::string_view json);
    // The object's text, without a line end.
    std::string text() const { return text_ + "}"; }

private:
    void key(std::string_view name);
    std::string text_ = "{";
};

// `value` as a JSON string: quotes, backslashes and control characters (those of controlLength())
// escaped, and every byte that is not part of well-formed UTF-8 replaced by U+FFFD.
std::string jsonString(std::string_view value);

} // namespace mezzurix::cli
