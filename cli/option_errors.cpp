// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "option_errors.h"

#include <mezzurix/query.h>
#include <mezzurix/terminal_messages.h>

#include <optional>
#include <vector>

namespace mezzurix::cli {

namespace {

// The forms of CLI11's messages that our options can raise, as CLI11 writes them; each "%s" is
// a part it fills in (an option, a typed value, a bound).
constexpr const char* kForms[] = {
    marked("The following argument was not expected: %s"),
    marked("The following arguments were not expected: %s"),
    marked("%s: Value %s not in range %s to %s"),
    marked("%s excludes %s"),
    marked("%s: 1 required %s missing"),
    marked("%s: too many inputs for a flag"),
    marked("The value %s is not an allowed value for %s"),
};

// The parts of `message` that fill the "%s" of `form`, or nothing when it has another form.
// Each part ends at the first place the form's next words follow; the last runs to the end.
std::optional<std::vector<std::string_view>> partsOf(std::string_view form, std::string_view message)
{
    std::vector<std::string_view> words;
    for (std::size_t at = 0;;) {
        const std::size_t mark = form.find("%s", at);
        words.push_back(form.substr(at, mark == form.npos ? form.npos : mark - at));
        if (mark == form.npos)
            break;
        at = mark + 2;
    }
    if (!message.starts_with(words.front()) || !message.ends_with(words.back()))
        return std::nullopt;
    std::vector<std::string_view> parts;
    std::size_t at = words.front().size();
    for (std::size_t i = 1; i < words.size(); ++i) {
        const bool last = i + 1 == words.size();
        const std::size_t end = last ? message.size() - words.back().size() : message.find(words[i], at);
        if (end == message.npos || end < at)
            return std::nullopt;
        parts.push_back(message.substr(at, end - at));
        at = end + words[i].size();
    }
    return parts;
}

} // namespace

std::string translatedOptionError(std::string_view message)
{
    if (!translating())
        return std::string(message);
    for (const char* form : kForms)
        if (const auto parts = partsOf(form, message))
            return fillMessage(tr(form), *parts);
    return std::string(message);
}

} // namespace mezzurix::cli
