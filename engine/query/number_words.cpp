// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_words.h"

#include "number_vocabulary.h"
#include "query_text.h"

#include <algorithm>
#include <cmath>

namespace mezzurix::number_words {

namespace {

// A letter of a word: ASCII, or a byte of a character beyond it ("fünf", "terço").
bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80;
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
        while (last < text_.size() && isLetter(text_[last]) && query_text::blankLength(text_, last) == 0)
            ++last;
        if (last == at)
            return {};
        if (last < text_.size() && text_[last] >= '0' && text_[last] <= '9')
            return {};
        word_ = query_text::fold(text_.substr(at, last - at));
        if (end != nullptr)
            *end = last;
        return word_;
    }

    // A phrase of `words` written with a blank or hyphen ("quatre-vingts", "vingt et un") at the
    // cursor, the longest, and its end.
    const FoldedWord* phrase(const WordList& words, std::size_t& end) const
    {
        const FoldedWord* found = nullptr;
        for (const FoldedWord& each : words) {
            const std::size_t size = each.word.size();
            const bool wordGoesOn = pos_ + size < text_.size() && isLetter(text_[pos_ + size]) &&
                                    query_text::blankLength(text_, pos_ + size) == 0;
            if (each.word.find_first_of(" -") == std::string::npos || (found != nullptr && found->word.size() >= size) ||
                !query_text::equalsFolded(text_.substr(pos_, size), each.word) || wordGoesOn)
                continue;
            found = &each;
            end = pos_ + size;
        }
        return found;
    }

    // Past the word peek() gave, and the blanks or the hyphen after it; the word's end.
    std::size_t take()
    {
        std::size_t end = pos_;
        peek(&end);
        return takeTo(end);
    }

    // Past text up to `end`, and the blanks or the hyphen after it; `end`.
    std::size_t takeTo(std::size_t end)
    {
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

// Whether a whole number in words so far is a multiple of ten from twenty to ninety, which a
// language may join to its units with "and" ("treinta y dos", "vingt et un", "vinte e dois").
bool isTens(double group)
{
    constexpr double kFirstTens = 20;
    constexpr double kLastTens = 90;
    return group >= kFirstTens && group <= kLastTens && std::fmod(group, 10.0) == 0.0;
}

// A whole number in words, word by word: "two hundred fifty", "deux mille cinq cents".
struct Sum {
    double total = 0.0;
    double group = 0.0;
    bool any = false;
    bool afterHundreds = false;  // the last word was "hundred", "thousand" or another scale

    // Adds a whole number, multiplier or scale; false for any other word.
    bool add(const Vocabulary& words, std::string_view word)
    {
        bool hundreds = false;
        if (const FoldedWord* unit = find(words.cardinals, word)) {
            group += unit->value;
        } else if (const FoldedWord* multiplier = find(words.multipliers, word)) {
            group = (any && group != 0.0 ? group : 1.0) * multiplier->value;
            hundreds = multiplier->value == 100;
        } else if (const FoldedWord* scale = find(words.scales, word)) {
            total += (any && group != 0.0 ? group : 1.0) * scale->value;
            group = 0.0;
            hundreds = true;
        } else {
            return false;
        }
        any = true;
        afterHundreds = hundreds;
        return true;
    }

    // A word written as number words run together ("zweihundertfünfzig", "duemilacinquecento"):
    // adds its pieces, the longest first that read the whole word; false if none do.
    bool addRunTogether(const Vocabulary& words, std::string_view word, int pieces = 0)
    {
        if (pieces == 0 && word.size() > kLongestRunTogether)
            return false;
        if (word.empty())
            return pieces >= 2;
        for (std::size_t length = word.size(); length >= kShortestPiece; --length) {
            Sum after = *this;
            if (after.add(words, word.substr(0, length)) &&
                after.addRunTogether(words, word.substr(length), pieces + 1)) {
                *this = after;
                return true;
            }
        }
        return false;
    }

    // Two letters: "un", "mil", "elf" and so on; no single letter is a piece.
    static constexpr std::size_t kShortestPiece = 2;
    // Bytes: German writes numbers below a million in one word of up to about 70 letters; longer
    // words are never tried, so that a long run of pieces cannot take long to search.
    static constexpr std::size_t kLongestRunTogether = 96;
};

// A whole number in words at the cursor: its value, and the end of its last word (0 for none).
std::optional<Words> cardinal(Cursor& cursor, const Vocabulary& words)
{
    Sum sum;
    std::size_t end = 0;
    while (true) {
        std::size_t phraseEnd = 0;
        if (const FoldedWord* phrase = cursor.phrase(words.cardinals, phraseEnd)) {
            sum.group += phrase->value;
            sum.any = true;
            sum.afterHundreds = false;
            end = cursor.takeTo(phraseEnd);
            continue;
        }
        const std::string_view word = cursor.peek();
        if (sum.add(words, word) || sum.addRunTogether(words, word)) {
            end = cursor.take();
            continue;
        }
        if (holds(words.ands, word) && (sum.afterHundreds || isTens(sum.group))) {
            // "one hundred and fifty", but not "one hundred and a half" or "twenty and three
            // quarters": "and" goes on only before a whole number.
            const std::size_t before = cursor.pos();
            cursor.take();
            Cursor ahead = cursor;
            bool whole = false;
            while (find(words.cardinals, ahead.peek()) != nullptr) {
                ahead.take();
                whole = true;
            }
            if (!whole || find(words.parts, ahead.peek()) != nullptr) {
                cursor.reset(before);
                break;
            }
            sum.afterHundreds = false;
            continue;
        }
        break;
    }
    if (!sum.any)
        return std::nullopt;
    return Words{sum.total + sum.group, end};
}

// "half", "third" or "quarter" (or plural) at the cursor: its denominator.
std::optional<double> partAt(const Cursor& cursor, const Vocabulary& words)
{
    const FoldedWord* part = find(words.parts, cursor.peek());
    return part != nullptr ? std::optional(part->value) : std::nullopt;
}

// After a fraction: "of", then "a" or "an" ("a quarter of a cup") or the unit; after "half", "a"
// or "an" alone ("half a cup"). The end of what was taken: `end` where neither follows.
std::size_t takeOfA(Cursor& cursor, std::size_t end, bool half, const Vocabulary& words)
{
    const std::size_t before = cursor.pos();
    const bool of = holds(words.ofs, cursor.peek());
    const std::size_t ofEnd = of ? cursor.take() : end;
    if ((of || half) && holds(words.articles, cursor.peek())) {
        const std::size_t articleEnd = cursor.take();
        if (cursor.more())
            return articleEnd;
    }
    // "trois quarts de litre", "un cuarto de galón": "of" alone before the unit.
    if (of && cursor.more())
        return ofEnd;
    cursor.reset(before);
    return end;
}

} // namespace

std::optional<Words> read(std::string_view text, std::size_t start, const LanguageNames* language)
{
    const Vocabulary& words = vocabularyOf(language);
    Cursor cursor(text, start);
    const bool article = holds(words.articles, cursor.peek());
    std::size_t end = article ? cursor.take() : start;
    if (article && !cursor.more())
        return std::nullopt;
    std::optional<Words> whole = cardinal(cursor, words);
    if (whole)
        end = whole->end;
    if (const std::optional<double> parts = partAt(cursor, words)) {
        // "a half", "half", "one third", "three quarters", "une demi-tasse"
        const bool half = *parts == 2 && !whole;
        const double count = whole ? whole->value : 1.0;
        end = cursor.take();
        if (end + 1 < text.size() && text[end] == '-' && isLetter(text[end + 1]))
            return Words{count / *parts, end + 1};
        end = takeOfA(cursor, end, half, words);
        return Words{count / *parts, end};
    }
    if (whole) {
        if (const std::optional<Words> fraction = fractionAfter(text, cursor.pos(), language))
            return Words{whole->value + fraction->value, fraction->end};
        return whole;
    }
    // "a" or "an" alone before a unit: one; "un et demi", "una e mezza": one and the fraction.
    if (article) {
        if (const std::optional<Words> fraction = fractionAfter(text, cursor.pos(), language))
            return Words{1.0 + fraction->value, fraction->end};
        return Words{1.0, end};
    }
    return std::nullopt;
}

std::optional<Words> fractionAfter(std::string_view text, std::size_t pos, const LanguageNames* language)
{
    const Vocabulary& words = vocabularyOf(language);
    while (pos < text.size() && query_text::blankLength(text, pos) > 0)
        pos += query_text::blankLength(text, pos);
    if (!words.mayFollowDigits(text, pos))
        return std::nullopt;
    Cursor cursor(text, pos);
    if (!holds(words.ands, cursor.peek()))
        return std::nullopt;
    cursor.take();
    // "and a half", "and three quarters", "y medio"
    const bool article = holds(words.articles, cursor.peek());
    if (article)
        cursor.take();
    const std::optional<Words> count = article ? std::nullopt : cardinal(cursor, words);
    const std::optional<double> parts = partAt(cursor, words);
    if (!parts)
        return std::nullopt;
    const std::size_t end = cursor.take();
    return Words{(count ? count->value : 1.0) / *parts, end};
}

std::optional<Words> scaleAfter(std::string_view text, std::size_t pos, const LanguageNames* language)
{
    const Vocabulary& words = vocabularyOf(language);
    if (!words.mayFollowDigits(text, pos))
        return std::nullopt;
    Cursor cursor(text, pos);
    const std::string_view word = cursor.peek();
    const FoldedWord* scale = find(words.scales, word);
    if (scale == nullptr)
        scale = find(words.multipliers, word);
    if (scale == nullptr)
        return std::nullopt;
    return Words{scale->value, cursor.take()};
}

} // namespace mezzurix::number_words
