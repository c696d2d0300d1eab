// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_words.h"

#include "query_text.h"

#include <array>

namespace mezzurix::number_words {

namespace {

struct NumberWord {
    std::string_view word;
    double value;
};

constexpr std::array<NumberWord, 28> kCardinals = {{
    {"zero", 0},     {"one", 1},        {"two", 2},       {"three", 3},     {"four", 4},       {"five", 5},
    {"six", 6},      {"seven", 7},      {"eight", 8},     {"nine", 9},      {"ten", 10},       {"eleven", 11},
    {"twelve", 12},  {"thirteen", 13},  {"fourteen", 14}, {"fifteen", 15},  {"sixteen", 16},   {"seventeen", 17},
    {"eighteen", 18}, {"nineteen", 19}, {"twenty", 20},   {"thirty", 30},   {"forty", 40},     {"fifty", 50},
    {"sixty", 60},   {"seventy", 70},   {"eighty", 80},   {"ninety", 90},
}};

// Words that multiply the number before them, one if there is none ("a hundred", "two dozen").
constexpr std::array<NumberWord, 2> kMultipliers = {{{"hundred", 100}, {"dozen", 12}}};
// Words that close a group of three digits ("two thousand five hundred").
constexpr std::array<NumberWord, 3> kScales = {{{"thousand", 1e3}, {"million", 1e6}, {"billion", 1e9}}};
// The parts a whole is cut into: "a half", "two thirds", "three quarters".
constexpr std::array<NumberWord, 8> kParts = {{{"half", 2}, {"halves", 2}, {"third", 3}, {"thirds", 3},
                                               {"quarter", 4}, {"quarters", 4}, {"fourth", 4}, {"fourths", 4}}};

template <std::size_t N>
const NumberWord* find(const std::array<NumberWord, N>& words, std::string_view folded)
{
    for (const NumberWord& each : words)
        if (each.word == folded)
            return &each;
    return nullptr;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The words of a number phrase, one at a time, lowered.
class Cursor {
public:
    Cursor(std::string_view text, std::size_t pos) : text_(text), pos_(pos) {}

    // The word at the cursor, or empty: a run of letters ending at a blank, a hyphen before a
    // letter, a mark that is no letter or digit, or the end.
    std::string_view peek(std::size_t* end = nullptr) const
    {
        std::size_t at = pos_;
        std::size_t last = at;
        while (last < text_.size() && isLetter(text_[last]))
            ++last;
        if (last == at || (last < text_.size() && static_cast<unsigned char>(text_[last]) >= 0x80 &&
                           query_text::blankLength(text_, last) == 0))
            return {};
        if (last < text_.size() && text_[last] >= '0' && text_[last] <= '9')
            return {};
        word_ = query_text::fold(text_.substr(at, last - at));
        if (end != nullptr)
            *end = last;
        return word_;
    }

    // Past the word peek() gave, and the blanks or the hyphen after it; the word's end.
    std::size_t take()
    {
        std::size_t end = pos_;
        peek(&end);
        pos_ = end;
        if (pos_ + 1 < text_.size() && text_[pos_] == '-' && isLetter(text_[pos_ + 1]))
            ++pos_;
        else
            while (pos_ < text_.size() && query_text::blankLength(text_, pos_) > 0)
                pos_ += query_text::blankLength(text_, pos_);
        return end;
    }

    // Whether anything follows the words taken.
    bool more() const { return pos_ < text_.size(); }
    std::size_t pos() const { return pos_; }
    void reset(std::size_t pos) { pos_ = pos; }

private:
    std::string_view text_;
    std::size_t pos_;
    mutable std::string word_;
};

bool isArticle(std::string_view word)
{
    return word == "a" || word == "an";
}

// A whole number in words at the cursor: its value, and the end of its last word (0 for none).
std::optional<Words> cardinal(Cursor& cursor)
{
    double total = 0.0;
    double group = 0.0;
    bool any = false;
    bool afterHundreds = false;  // the last word was "hundred", "thousand" or another scale
    std::size_t end = 0;
    while (true) {
        const std::string_view word = cursor.peek();
        bool hundreds = false;
        if (const NumberWord* unit = find(kCardinals, word)) {
            group += unit->value;
        } else if (const NumberWord* multiplier = find(kMultipliers, word)) {
            group = (any && group != 0.0 ? group : 1.0) * multiplier->value;
            hundreds = multiplier->value == 100;
        } else if (const NumberWord* scale = find(kScales, word)) {
            total += (any && group != 0.0 ? group : 1.0) * scale->value;
            group = 0.0;
            hundreds = true;
        } else if (word == "and" && afterHundreds) {
            // "one hundred and fifty", but not "one hundred and a half" or "twenty and three
            // quarters": "and" goes on only before a whole number.
            const std::size_t before = cursor.pos();
            cursor.take();
            Cursor ahead = cursor;
            bool whole = false;
            while (find(kCardinals, ahead.peek()) != nullptr) {
                ahead.take();
                whole = true;
            }
            if (!whole || find(kParts, ahead.peek()) != nullptr) {
                cursor.reset(before);
                break;
            }
            afterHundreds = false;
            continue;
        } else {
            break;
        }
        any = true;
        afterHundreds = hundreds;
        end = cursor.take();
    }
    if (!any)
        return std::nullopt;
    return Words{total + group, end};
}

// "half", "third" or "quarter" (or plural) at the cursor: its denominator.
std::optional<double> partAt(const Cursor& cursor)
{
    const NumberWord* part = find(kParts, cursor.peek());
    return part != nullptr ? std::optional(part->value) : std::nullopt;
}

// After a fraction: "of", then "a" or "an" ("a quarter of a cup"); after "half", "a" or "an"
// alone ("half a cup"). The end of what was taken: `end` where neither follows.
std::size_t takeOfA(Cursor& cursor, std::size_t end, bool half)
{
    const std::size_t before = cursor.pos();
    const bool of = cursor.peek() == "of";
    if (of)
        cursor.take();
    if ((of || half) && isArticle(cursor.peek())) {
        const std::size_t articleEnd = cursor.take();
        if (cursor.more())
            return articleEnd;
    }
    cursor.reset(before);
    return end;
}

} // namespace

std::optional<Words> read(std::string_view text, std::size_t start)
{
    Cursor cursor(text, start);
    const bool article = isArticle(cursor.peek());
    std::size_t end = article ? cursor.take() : start;
    if (article && !cursor.more())
        return std::nullopt;
    std::optional<Words> whole = cardinal(cursor);
    if (whole)
        end = whole->end;
    if (const std::optional<double> parts = partAt(cursor)) {
        // "a half", "half", "one third", "three quarters"
        const bool half = *parts == 2 && !whole;
        const double count = whole ? whole->value : 1.0;
        end = cursor.take();
        end = takeOfA(cursor, end, half);
        return Words{count / *parts, end};
    }
    if (whole) {
        if (const std::optional<Words> fraction = fractionAfter(text, cursor.pos()))
            return Words{whole->value + fraction->value, fraction->end};
        return whole;
    }
    // "a" or "an" alone before a unit: one.
    if (article)
        return Words{1.0, end};
    return std::nullopt;
}

std::optional<Words> fractionAfter(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && query_text::blankLength(text, pos) > 0)
        pos += query_text::blankLength(text, pos);
    Cursor cursor(text, pos);
    if (cursor.peek() != "and")
        return std::nullopt;
    cursor.take();
    const bool article = isArticle(cursor.peek());
    if (article)
        cursor.take();
    const std::optional<Words> count = article ? std::nullopt : cardinal(cursor);
    if (!article && !count)
        return std::nullopt;
    const std::optional<double> parts = partAt(cursor);
    if (!parts)
        return std::nullopt;
    const std::size_t end = cursor.take();
    return Words{(count ? count->value : 1.0) / *parts, end};
}

} // namespace mezzurix::number_words
