// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "phrasing.h"

#include "number_scan.h"
#include "number_words.h"
#include "query_text.h"
#include "value_reader.h"

#include <optional>
#include <span>
#include <string>

namespace mezzurix::phrasing {

std::size_t skipBlanks(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && query_text::blankLength(text, pos) > 0)
        pos += query_text::blankLength(text, pos);
    return pos;
}

namespace {

// The word or words `folded` at `pos`, followed by a blank: their end with the blanks after them.
std::optional<std::size_t> wordsAt(std::string_view text, std::size_t pos, std::string_view folded)
{
    std::size_t end = pos;
    for (std::size_t i = 0; i < folded.size(); ++i) {
        if (folded[i] == ' ') {
            const std::size_t after = skipBlanks(text, end);
            if (after == end)
                return std::nullopt;
            end = after;
            continue;
        }
        if (end >= text.size() || query_text::foldByte(text[end]) != folded[i])
            return std::nullopt;
        ++end;
    }
    const std::size_t after = skipBlanks(text, end);
    return after > end ? std::optional<std::size_t>(after) : std::nullopt;
}

} // namespace

std::size_t questionEnd(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0) {
        const char c = text[end - 1];
        if (c == '?' || c == '!' || c == '.' || blanks::isNumberBlank(c) || c == '\v' || c == '\f')
            --end;
        else
            break;
    }
    return end;
}

namespace {

constexpr std::string_view kEnglishInto[] = {"in", "are in"};

// "INTO in VALUE ...": the into units run from `units` up to the first of `separators` ("in" or
// "are in", folded) that a value follows, in digits or words ("ounces in a quart"). Whether it
// found one.
bool readIntoFirst(std::string_view text, std::size_t units, const QueryOptions& options, Phrasing& phrasing,
                   std::span<const std::string_view> separators = kEnglishInto)
{
    const LanguageNames* language = findNameLanguage(options.language);
    for (std::size_t pos = units; pos < text.size(); ++pos) {
        if (pos == units || query_text::blankLength(text, pos - 1) == 0)
            continue;
        for (const std::string_view words : separators) {
            const std::optional<std::size_t> after = wordsAt(text, pos, words);
            if (!after || (!number_scan::startsNumber(text, *after, value_reader::styleOf(options)) &&
                           !number_words::read(text, *after, language)))
                continue;
            std::size_t intoEnd = pos;
            while (intoEnd > units && query_text::blankLength(text, intoEnd - 1) > 0)
                --intoEnd;
            phrasing.valueStart = *after;
            phrasing.into = {units, intoEnd - units};
            phrasing.separator = {pos, words.size()};
            return true;
        }
    }
    return false;
}

// A question of the language's catalogue ("wie viele X hat Y", "combien de X dans Y") at `start`:
// the words before X open it, those between X and Y separate the into units from the value.
bool readLanguageQuestion(std::string_view text, std::size_t start, const QueryOptions& options, Phrasing& phrasing)
{
    const LanguageNames* language = findNameLanguage(options.language);
    if (language == nullptr)
        return false;
    for (const std::string_view question : language->questions) {
        const std::size_t x = question.find("X ");
        const std::size_t y = question.rfind(" Y");
        if (x == std::string_view::npos || y == std::string_view::npos || y < x + 1 || y + 2 != question.size())
            continue;
        // "combien de X": the opening's blank before X belongs to no word.
        const std::string opening = query_text::fold(question.substr(0, x > 0 && question[x - 1] == ' ' ? x - 1 : x));
        const std::string middle = query_text::fold(question.substr(x + 2, y - x - 2));
        if (opening.empty())
            continue;
        // An opening that ends with an elided word runs into the unit: "combien d'onces".
        const bool elided = opening.ends_with('\'') || opening.ends_with("\u2019");
        std::optional<std::size_t> units;
        if (!elided)
            units = wordsAt(text, start, opening);
        else if (query_text::equalsFolded(text.substr(start, opening.size()), opening))
            units = start + opening.size();
        const std::string_view separators[] = {middle};
        if (units && readIntoFirst(text, *units, options, phrasing, separators))
            return true;
    }
    return false;
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

Phrasing readPhrasing(std::string_view text, std::size_t start, const QueryOptions& options)
{
    Phrasing phrasing{start, {}, {}};
    if (readLanguageQuestion(text, start, options, phrasing))
        return phrasing;
    // Every phrasing starts with a letter; no number in digits does.
    const char first = query_text::foldByte(text[start]);
    if (!isAsciiLetter(first))
        return phrasing;
    if (first == 'c' || first == 'w')
        for (const std::string_view words : {"convert", "what is", "what's", "whats"})
            if (const std::optional<std::size_t> after = wordsAt(text, start, words)) {
                phrasing.valueStart = *after;
                return phrasing;
            }
    if (first == 'h')
        for (const std::string_view words : {"how many", "how much"})
            if (const std::optional<std::size_t> units = wordsAt(text, start, words)) {
                readIntoFirst(text, *units, options, phrasing);
                return phrasing;
            }
    // "ounces in a quart": a unit, then "in" and a value. A value in words comes first ("a stone
    // in pounds").
    if (!number_words::read(text, start, findNameLanguage(options.language)))
        readIntoFirst(text, start, options, phrasing);
    return phrasing;
}

} // namespace mezzurix::phrasing
