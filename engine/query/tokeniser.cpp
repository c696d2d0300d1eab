// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tokeniser.h"

#include "number_scan.h"
#include "query_text.h"
#include "value_reader.h"

#include <mezzurix/number_digits.h>

#include <algorithm>
#include <array>
#include <span>
#include <string>

namespace mezzurix::query_parts {

namespace {

using namespace query_text;

bool isSeparatorWord(std::string_view word)
{
    return equalsFolded(word, "to") || equalsFolded(word, "in") || equalsFolded(word, "into") ||
           equalsFolded(word, "as");
}

// Whether `word` is one of a language's `words`, in any case.
bool isOneOf(std::string_view word, std::span<const std::string_view> words)
{
    return std::any_of(words.begin(), words.end(), [&](std::string_view w) { return equalsFolded(word, w); });
}

// Whether `word` is one of a language's "into" words: in any case, but a word of one letter only as
// written, since a capital letter alone is a unit's symbol (Spanish "a", the ampere's "A").
bool isLanguageIntoWord(std::string_view word, std::span<const std::string_view> words)
{
    if (word.size() == 1)
        return std::find(words.begin(), words.end(), word) != words.end();
    return isOneOf(word, words);
}

inline bool intoWord(std::string_view word, const LanguageNames* language)
{
    return isSeparatorWord(word) || (language != nullptr && isLanguageIntoWord(word, language->intoWords));
}

inline bool perWord(std::string_view word, const LanguageNames* language)
{
    return equalsFolded(word, "per") || (language != nullptr && isOneOf(word, language->perWords));
}

// Typed forms of the same name rewritten as the alias table writes them.
struct Rewrite {
    std::string_view typed;
    std::string_view written;
};
constexpr Rewrite kRewrites[] = {
    {"^2", "\u00B2"}, {"^3", "\u00B3"}, {"*", "\u00B7"}, {"\u22C5", "\u00B7"},
    {"\u00BA", "\u00B0"},  // the ordinal indicator, typed for a degree sign
};

// The first bytes of the typed forms: most bytes start none, and are passed at once.
constexpr auto kFormStarts = [] {
    std::array<bool, 256> starts{};
    for (const Rewrite& rewrite : kRewrites)
        starts[static_cast<unsigned char>(rewrite.typed.front())] = true;
    return starts;
}();

inline std::size_t formAt(std::string_view text, std::size_t pos, std::string_view& written)
{
    if (!kFormStarts[static_cast<unsigned char>(text[pos])])
        return 0;
    for (const Rewrite& rewrite : kRewrites)
        if (text.substr(pos, rewrite.typed.size()) == rewrite.typed) {
            written = rewrite.written;
            return rewrite.typed.size();
        }
    return 0;
}

// Bytes that may start a blank, a separator symbol, a typed form that is rewritten, a number,
// or a dot or mark that ends a token.
constexpr auto kSpecialBytes = [] {
    std::array<bool, 256> special{};
    for (unsigned c = 0; c < 0x100; ++c)
        special[c] = blanks::mayStartQueryBlank(static_cast<unsigned char>(c)) || c >= 0x80;
    for (const unsigned char c : std::string_view("->=^*.0123456789"))
        special[c] = true;
    return special;
}();

bool mayStartSomethingElse(char c)
{
    return kSpecialBytes[static_cast<unsigned char>(c)];
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

constexpr std::string_view kMarks[] = {"'", "\"", "\u2032", "\u2033", "\u2019", "\u201D", "\u00B0"};

// Feet and inches marks, and the degree sign: a number after one starts a new part, as in 5'10"
// and 12°30'15".
bool endsWithMark(std::string_view word)
{
    return std::any_of(std::begin(kMarks), std::end(kMarks), [&](std::string_view mark) { return word.ends_with(mark); });
}

// Whether a name or a mark starts at `pos`: after a number glued to a name before it, it makes
// the number a part of its own ("ft10in", "ft6.5in") rather than the end of the name ("in2",
// "m3/h").
bool nameOrMarkAt(std::string_view text, std::size_t pos)
{
    return pos < text.size() &&
           (isAsciiLetter(text[pos]) ||
            std::any_of(std::begin(kMarks), std::end(kMarks), [&](std::string_view mark) { return text.substr(pos).starts_with(mark); }));
}

// `run` with each "2" or "3" that ends a symbol written as a superscript: "m3/h" as "m³/h".
// Empty when there is none.
std::string withSuperscriptPowers(std::string_view run)
{
    std::string powered;
    for (std::size_t i = 0; i < run.size(); ++i) {
        const char c = run[i];
        const bool power = (c == '2' || c == '3') && i > 0 && isAsciiLetter(run[i - 1]) &&
                           (i + 1 == run.size() || !number_digits::isDigit(run[i + 1]));
        if (power && powered.empty())
            powered.assign(run.substr(0, i));
        if (power)
            powered += c == '2' ? "\u00B2" : "\u00B3";
        else if (!powered.empty())
            powered += c;
    }
    return powered;
}

// Writes the tokens of one stretch of text into a UnitsText.
class Tokeniser {
public:
    Tokeniser(std::string_view text, const QueryOptions& options, UnitsText& units)
        : text_(text), options_(options), units_(units)
    {
    }

    void run(std::size_t from)
    {
        std::size_t i = from;
        while (i < text_.size()) {
            // Letters and most punctuation go straight into the current token.
            if (!mayStartSomethingElse(text_[i])) {
                begin(i);
                units_.norm.push_back(text_[i++]);
            } else if (const std::size_t blank = blankLength(text_, i)) {
                end(i);
                i += blank;
            } else if (const std::size_t symbol = separatorSymbolLength(text_, i)) {
                i = takeSeparatorSymbol(i, symbol);
            } else if (const std::size_t numberEnd = takeNumber(i)) {
                i = numberEnd;
            } else {
                i = takeCharacter(i);
            }
        }
        end(text_.size());
    }

private:
    void begin(std::size_t at)
    {
        if (open_)
            return;
        if (!units_.tokens.empty())
            units_.norm.push_back(' ');
        current_ = Token{at, at, units_.norm.size(), units_.norm.size()};
        open_ = true;
    }

    void end(std::size_t at)
    {
        if (!open_)
            return;
        open_ = false;
        current_.end = at;
        dropClosingMarks();
        if (units_.norm.size() == current_.normBegin) {
            units_.norm.resize(units_.tokens.empty() ? 0 : current_.normBegin - 1);
            return;
        }
        current_.normEnd = units_.norm.size();
        units_.tokens.push_back(current_);
    }

    // Abbreviation dots belong to no name; nor does the "?" of "24 in = ? ft".
    void dropClosingMarks()
    {
        std::vector<char>& norm = units_.norm;
        const char last = norm.size() > current_.normBegin ? norm.back() : '\0';
        if (last != '.' && last != '?')
            return;
        const bool question = norm.size() == current_.normBegin + 1 && last == '?' && !units_.tokens.empty() &&
                              units_.tokens.back().separator;
        while (norm.size() > current_.normBegin && !current_.separator && norm.back() == '.')
            norm.pop_back();
        if (question)
            norm.pop_back();
    }

    std::string_view currentWord() const
    {
        return std::string_view(units_.norm.data() + current_.normBegin, units_.norm.size() - current_.normBegin);
    }

    std::size_t takeSeparatorSymbol(std::size_t i, std::size_t length)
    {
        end(i);
        begin(i);
        units_.norm.insert(units_.norm.end(), text_.begin() + i, text_.begin() + i + length);
        current_.separator = true;
        end(i + length);
        return i + length;
    }

    // A number standing on its own at `i` becomes a token: after a blank or a mark (5'10"), or
    // glued to a name when a name follows it ("ft10in"). Returns its end, or 0 when no number
    // stands there (digits that end a name, "m3", are part of it).
    std::size_t takeNumber(std::size_t i)
    {
        const number_scan::Scan scan = number_scan::scan(text_, i, value_reader::styleOf(options_, false));
        if (!scan.clean())
            return 0;
        const bool onItsOwn = !open_ || endsWithMark(currentWord()) ||
                              (isAsciiLetter(units_.norm.back()) &&
                               (nameOrMarkAt(text_, scan.number.end) || endsWordAfterName(scan.number)));
        value_reader::Value number;
        if (!onItsOwn || value_reader::valueOf(text_, scan, number))
            return 0;
        end(i);
        begin(i);
        units_.norm.insert(units_.norm.end(), text_.begin() + i, text_.begin() + scan.number.end);
        current_.number = true;
        current_.separator = true;  // ends a name, though no separator word
        current_.value = number.value;
        end(scan.number.end);
        return scan.number.end;
    }

    // Whether `number`, glued to the word before it, ends the word, where the word names a unit
    // and the word with the number names none: "2h15" is 2 h 15 and "5ft10" 5 ft 10, but "m3"
    // and "in2" are names.
    bool endsWordAfterName(number_scan::Span number) const
    {
        if (number.end < text_.size() && blankLength(text_, number.end) == 0)
            return false;
        const std::string_view word = currentWord();
        if (names::lookUp(*units_.names, word).empty())
            return false;
        std::string glued(word);
        glued.append(number.of(text_));
        if (!names::lookUp(*units_.names, glued).empty())
            return false;
        const std::string powered = withSuperscriptPowers(glued);
        return powered.empty() || names::lookUp(*units_.names, powered).empty();
    }

    // One character of a name, in the form the name table writes it.
    std::size_t takeCharacter(std::size_t i)
    {
        begin(i);
        std::string_view written;
        if (const std::size_t typed = formAt(text_, i, written)) {
            units_.norm.insert(units_.norm.end(), written.begin(), written.end());
            return i + typed;
        }
        units_.norm.push_back(text_[i]);
        return i + 1;
    }

    std::string_view text_;
    const QueryOptions& options_;
    UnitsText& units_;
    Token current_;
    bool open_ = false;
};

// Marks each new token as a separator, a joiner, "per", or a possible part of a name.
void classify(UnitsText& units, std::size_t firstNew)
{
    const LanguageNames* language = units.language;
    for (std::size_t k = firstNew; k < units.tokens.size(); ++k) {
        Token& token = units.tokens[k];
        const std::string_view word(units.norm.data() + token.normBegin, token.normEnd - token.normBegin);
        if (token.number) {
            token.separator = false;
            token.inNames = false;
            continue;
        }
        token.separator = token.separator || intoWord(word, language);
        // "in" is a unit in every language, whichever else reads it as a separator.
        token.inNames = !token.separator || equalsFolded(word, "in");
        token.joiner = equalsFolded(word, "and") || (language != nullptr && isOneOf(word, language->andWords));
        token.per = perWord(word, language);
        if (token.joiner)
            token.inNames = false;
    }
}

} // namespace

bool isIntoWord(std::string_view word, const LanguageNames* language)
{
    return intoWord(word, language);
}

bool isPerWord(std::string_view word, const LanguageNames* language)
{
    return perWord(word, language);
}

std::size_t typedFormAt(std::string_view text, std::size_t pos, std::string_view& written)
{
    return formAt(text, pos, written);
}

std::string_view UnitsText::normRun(std::size_t first, std::size_t last) const
{
    return std::string_view(norm.data(), norm.size())
        .substr(tokens[first].normBegin, tokens[last - 1].normEnd - tokens[first].normBegin);
}

names::UnitMatch UnitsText::lookUp(std::size_t first, std::size_t last) const
{
    if (last - first > maxNameTokens)
        return {};
    bool per = false;
    for (std::size_t k = first; k < last; ++k) {
        if (!tokens[k].inNames)
            return {};
        per = per || tokens[k].per;
    }
    names::UnitMatch match = names::lookUp(*names, normRun(first, last));
    if (!match.empty())
        return match;
    std::string slashed;
    if (per) {
        // "km per hour" as "km/hour"
        for (std::size_t k = first; k < last; ++k) {
            if (tokens[k].per) {
                slashed += '/';
                continue;
            }
            if (k > first && !tokens[k - 1].per)
                slashed += ' ';
            slashed.append(normRun(k, k + 1));
        }
        match = names::lookUp(*names, slashed);
    }
    if (match.empty())
        if (const std::string powered = withSuperscriptPowers(per ? slashed : normRun(first, last)); !powered.empty())
            match = names::lookUp(*names, powered);
    return match;
}

void tokenise(std::string_view text, std::size_t from, std::size_t to, const QueryOptions& options,
              UnitsText& units, bool append)
{
    if (!append) {
        units.norm.clear();
        units.tokens.clear();
    }
    const std::size_t firstNew = units.tokens.size();
    units.language = findNameLanguage(options.language);
    units.names = &names::indexFor(units.language);
    units.maxNameTokens = names::maxNameTokens(*units.names);
    Tokeniser(text.substr(0, to), options, units).run(from);
    classify(units, firstNew);
}

void addImpliedName(UnitsText& units, std::string_view name, std::size_t at)
{
    if (!units.tokens.empty())
        units.norm.push_back(' ');
    const Token token{at, at, units.norm.size(), units.norm.size() + name.size()};
    units.norm.insert(units.norm.end(), name.begin(), name.end());
    units.tokens.push_back(token);
}

void addSeparator(UnitsText& units, TextSpan where)
{
    if (!units.tokens.empty())
        units.norm.push_back(' ');
    Token token{where.offset, where.offset + where.length, units.norm.size(), units.norm.size() + 2};
    units.norm.push_back('t');
    units.norm.push_back('o');
    token.separator = true;
    token.inNames = false;
    units.tokens.push_back(token);
}

} // namespace mezzurix::query_parts
