// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/query_typing.h>

#include "name_finishing.h"
#include "name_index.h"
#include "number_vocabulary.h"
#include "query_text.h"

#include <mezzurix/number_digits.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/useful_targets.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace mezzurix {

namespace {

using typing::endBeforeBlanks;
using typing::finishedAt;
using typing::inEachCategory;
using typing::lastWordStarts;
using typing::singleSpaced;

// The separators a user may be half-way through typing after the from unit.
constexpr std::string_view kSeparatorWords[] = {"to", "into", "as"};

bool startsSeparator(std::string_view typed)
{
    return std::any_of(std::begin(kSeparatorWords), std::end(kSeparatorWords), [&](std::string_view word) {
        return typed.size() <= word.size() && query_text::equalsFolded(typed, word.substr(0, typed.size()));
    });
}

bool isBlankAt(std::string_view text, std::size_t pos)
{
    return query_text::blankLength(text, pos) > 0;
}

// Whether the last word of `text` may still grow: no blank ends it.
bool lastWordOpen(std::string_view text)
{
    return !text.empty() && endBeforeBlanks(text) == text.size();
}

// The value and from unit of `text` up to `cut` where they end just before it, as a query
// without an into unit.
std::optional<Query> quantityEndingAt(std::string_view text, std::size_t cut, const QueryOptions& open)
{
    const std::string_view words = text.substr(0, endBeforeBlanks(text.substr(0, cut)));
    QueryReading before = readQuery(words, open);
    // The quantity as it was answered while its last word was typed: "3 yrads" stays yards
    // while the separator after it is typed.
    if (std::holds_alternative<QueryError>(before) && !words.empty())
        if (std::vector<Query> finished = finishedAt(words, lastWordStarts(words, 1).front(), open); !finished.empty())
            before = std::move(finished.front());
    Query* query = std::get_if<Query>(&before);
    if (query == nullptr || query->intoPosition || query->intoTerm ||
        query->fromSpan.offset + query->fromSpan.length != words.size())
        return std::nullopt;
    return std::move(*query);
}

// A separator half typed after a complete from unit ("24 in t") is far likelier than an into unit
// named without one ("24 in thou") or a unit composed with the letters typed ("40 nm t").
std::optional<Query> separatorBeingTyped(std::string_view text, std::size_t cut, const QueryOptions& open)
{
    if (!startsSeparator(singleSpaced(text.substr(cut))))
        return std::nullopt;
    // Only straight after the from unit: "2 Sq Feet to i" is an into unit being typed.
    return quantityEndingAt(text, cut, open);
}

// Words being typed after a complete quantity that do not read yet: the next part of a quantity
// of several units ("8 lbs 6"), words about what is measured ("2 cups of w", "30 mph w"). The
// quantity's answer stays until they read, but never past a separator, after which the words name
// the into unit ("24 in to xyz" answers nothing).
constexpr std::size_t kMaxWordsAfterQuantity = 4;

std::optional<Query> quantityBeforeWords(std::string_view text, const QueryOptions& open)
{
    for (const std::size_t cut : lastWordStarts(text, kMaxWordsAfterQuantity)) {
        std::size_t wordEnd = cut;
        while (wordEnd < text.size() && !isBlankAt(text, wordEnd))
            ++wordEnd;
        // A separator followed by more words is complete (a separator being typed is read above).
        if (wordEnd < endBeforeBlanks(text) &&
            std::any_of(std::begin(kSeparatorWords), std::end(kSeparatorWords), [&](std::string_view word) {
                return query_text::equalsFolded(text.substr(cut, wordEnd - cut), word);
            }))
            return std::nullopt;
        if (cut > 0)
            if (std::optional<Query> query = quantityEndingAt(text, cut, open))
                return query;
    }
    return std::nullopt;
}

} // namespace

std::vector<std::size_t> targetOrder(std::size_t categoryIndex, std::size_t fromPosition)
{
    const Category& category = typedCategories()[categoryIndex];
    // After a window unit, the list falls back on the window's units only.
    const bool fromWindow = inWindow(category.units[fromPosition].code);
    std::vector<std::size_t> positions;
    const auto add = [&](std::size_t position) {
        if (position != fromPosition && std::find(positions.begin(), positions.end(), position) == positions.end())
            positions.push_back(position);
    };
    for (const int code : usefulTargets(category.units[fromPosition].code))
        for (std::size_t position = 0; position < category.units.size(); ++position)
            if (category.units[position].code == code)
                add(position);
    for (std::size_t position = 0; position < category.units.size(); ++position)
        if (!fromWindow || inWindow(category.units[position].code))
            add(position);
    return positions;
}

namespace {

// Each query's fit is written to `fits`.
std::variant<std::vector<Query>, QueryError> readAsTyped(std::string_view text, const QueryOptions& options,
                                                         std::vector<TypedFit>& fits)
{
    QueryOptions open = options;
    open.allowMissingInto = true;
    QueryReading whole = readQuery(text, open);
    // A word ending in a blank is finished.
    const bool typingWord = lastWordOpen(text);
    if (Query* query = std::get_if<Query>(&whole)) {
        std::vector<Query> queries{std::move(*query)};
        fits.assign(1, TypedFit::AsTyped);
        if (!typingWord)
            return queries;
        // A word finished otherwise that changes the value reads another quantity, not another
        // unit of this one: in "5:/km min/5" the 5 divides, and "min/5" is on its way to no min/mi.
        const auto sameValue = [value = queries.front().value](const Query& other) {
            return other.value == value || (std::isnan(other.value) && std::isnan(value));
        };
        if (!queries.front().intoPosition && !queries.front().intoTerm) {
            const std::size_t lastWord = lastWordStarts(text, 1).front();
            if (std::optional<Query> from = separatorBeingTyped(text, lastWord, open)) {
                queries.front() = std::move(*from);
                return queries;
            }
            // A unit composed as it stands may be the start of a declared one: "5:30 min/k" is on
            // its way to minutes per kilometer more likely than to minutes per kelvin.
            if (queries.front().fromTerm)
                for (Query& finished : finishedAt(text, lastWord, open))
                    if (!finished.fromTerm && sameValue(finished))
                        queries.push_back(std::move(finished));
            fits.resize(queries.size(), TypedFit::Guessed);
            return queries;
        }
        // An into unit composed as it stands ("to sq mil") may yet become a declared one.
        // "24 in to m" means meters, and may yet become miles or millimeters.
        for (const std::size_t cut : lastWordStarts(text)) {
            std::vector<Query> finished = finishedAt(text, cut, open);
            for (Query& other : finished)
                if (other.intoPosition && sameValue(other) &&
                    (other.intoPosition != queries.front().intoPosition || other.intoParts != queries.front().intoParts))
                    queries.push_back(std::move(other));
            if (!finished.empty())
                break;
        }
        if (queries.size() > 1) {
            fits.assign(queries.size(), TypedFit::Guessed);
            fits.front() = TypedFit::CompletesOthers;
        }
        return queries;
    }
    QueryError& error = std::get<QueryError>(whole);
    switch (error.kind) {
    case QueryErrorKind::AmbiguousUnit:
        if (std::vector<Query> each = inEachCategory(text, open, error.where); !each.empty()) {
            fits.assign(each.size(), TypedFit::AsTyped);
            return each;
        }
        break;
    case QueryErrorKind::MissingUnit:
    case QueryErrorKind::UnknownUnit:
    case QueryErrorKind::IncompatibleUnits:
    case QueryErrorKind::TrailingText:
        break;
    default:
        return std::move(error);
    }
    // A word that reads as no name yet stays unfinished after a blank: "2000 sq " is still square feet.
    const std::string_view words = text.substr(0, endBeforeBlanks(text));
    for (const std::size_t cut : lastWordStarts(words)) {
        if (std::optional<Query> from = separatorBeingTyped(words, cut, open)) {
            fits.assign(1, TypedFit::AsTyped);
            return std::vector<Query>{std::move(*from)};
        }
        std::vector<Query> finished = finishedAt(words, cut, open);
        if (!finished.empty()) {
            fits.assign(finished.size(), TypedFit::Guessed);
            return finished;
        }
    }
    if (std::optional<Query> from = quantityBeforeWords(text, open)) {
        fits.assign(1, TypedFit::Guessed);
        return std::vector<Query>{std::move(*from)};
    }
    return std::move(error);
}

// Whether the word being typed is the start of a number word after a number: "one thousand five
// hund" is on its way to "hundred", not a misspelt "hand".
bool numberWordBeingTyped(std::string_view text, const QueryOptions& options)
{
    if (!lastWordOpen(text))
        return false;
    const std::vector<std::size_t> starts = lastWordStarts(text, 2);
    if (starts.size() < 2)
        return false;
    const std::string typed = query_text::fold(text.substr(starts[0]));
    const std::string before = query_text::fold(text.substr(starts[1], endBeforeBlanks(text.substr(0, starts[0])) - starts[1]));
    const number_words::Vocabulary& words = number_words::vocabularyOf(findNameLanguage(options.language));
    const auto startedIn = [&](const number_words::WordList& list) {
        return std::any_of(list.begin(), list.end(), [&](const number_words::FoldedWord& each) {
            return each.word.size() > typed.size() && each.word.starts_with(typed);
        });
    };
    const bool afterNumber = number_digits::isDigit(before.front()) ||
                             number_words::find(words.cardinals, before) != nullptr ||
                             number_words::find(words.multipliers, before) != nullptr ||
                             number_words::find(words.scales, before) != nullptr;
    return afterNumber && (startedIn(words.cardinals) || startedIn(words.multipliers) || startedIn(words.scales));
}

} // namespace

std::variant<std::vector<Query>, QueryError> readWhileTyping(std::string_view text, const QueryOptions& options,
                                                             std::vector<TypedFit>* fits)
{
    std::vector<TypedFit> ownFits;
    std::vector<TypedFit>& fitted = fits != nullptr ? *fits : ownFits;
    fitted.clear();
    // A word being typed is first read as the start of a name ("Kilobyt" may become Kilobytes);
    // only where nothing reads so is it read as a misspelt name.
    QueryOptions asTyped = options;
    asTyped.correctTypos = false;
    std::variant<std::vector<Query>, QueryError> reading = readAsTyped(text, asTyped, fitted);
    if (std::holds_alternative<QueryError>(reading) && options.correctTypos && !numberWordBeingTyped(text, options)) {
        std::variant<std::vector<Query>, QueryError> corrected = readAsTyped(text, options, fitted);
        if (std::holds_alternative<std::vector<Query>>(corrected)) {
            fitted.assign(fitted.size(), TypedFit::Guessed);
            return corrected;
        }
        fitted.clear();
    }
    return reading;
}

} // namespace mezzurix