// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "corrections.h"

#include "currency_words.h"
#include "query_text.h"

#include <mezzurix/number_digits.h>

#include <algorithm>
#include <string>
#include <vector>

namespace mezzurix::corrections {

namespace {

// At most this many misspelt units a query: one on each side.
constexpr int kMaxCorrections = 2;

// The first word of the unknown unit, as typed.
TextSpan firstWord(std::string_view text, TextSpan where)
{
    if (where.offset >= text.size())
        return {text.size(), 0};
    const std::size_t end = std::min(text.size(), where.offset + where.length);
    std::size_t length = 0;
    while (where.offset + length < end && query_text::blankLength(text, where.offset + length) == 0)
        ++length;
    return {where.offset, length};
}

// `span` of the corrected text moved back onto the typed one, where `typed` bytes at `at` were
// replaced by `written` ones.
TextSpan mapBack(TextSpan span, std::size_t at, std::size_t typed, std::size_t written)
{
    if (span.offset + span.length <= at)
        return span;
    if (span.offset >= at + written)
        return {span.offset - written + typed, span.length};
    return {span.offset, span.length + typed - written};
}

struct Found {
    Query query;
    std::vector<QueryCorrection> corrections;
    std::vector<TextSpan> replaced;  // in the order made: where, in the text then, and
    std::vector<std::size_t> typedLengths;  // how long the word typed there was
};

// The unit pair a reading converts between: readings that agree on it are one reading.
std::string pairOf(const Query& query)
{
    return canonicalText(query);
}

void search(std::string_view text, const QueryError& error, const Reader& read, const LanguageNames* language, int depth,
            Found& path,
            std::vector<Found>& found)
{
    if (error.kind != QueryErrorKind::UnknownUnit || depth >= kMaxCorrections)
        return;
    const TextSpan word = firstWord(text, error.where);
    const std::string_view typed = text.substr(word.offset, word.length);
    // A currency's word is no misspelt unit ("francos"), nor is a run that starts with a digit
    // ("1oot"): written again as corrected, it would join the number before it.
    if (typed.size() < kShortestCorrected || isCurrencyWord(typed, language) || number_digits::isDigit(typed.front()))
        return;
    // A word is corrected once: a corrected word read again as part of a longer misspelt one
    // ("to0kg/m3": "0kg/m3", then "tokg/m3") would add up to more edits than a slip allows.
    if (std::any_of(path.replaced.begin(), path.replaced.end(),
                    [&](TextSpan earlier) { return query_text::overlaps(word, earlier); }))
        return;
    const int bound = typed.size() >= kTwoEditsFrom ? 2 : 1;
    const std::string folded = query_text::fold(typed);
    for (const std::string& name : error.candidates) {
        if (name.size() < kShortestCorrected || name.find(' ') != std::string::npos ||
            query_text::editDistance(folded, query_text::fold(name), bound) > bound)
            continue;
        std::string fixed(text);
        fixed.replace(word.offset, word.length, name);
        Found next = path;
        next.corrections.push_back({std::string(typed), name, false});
        next.replaced.push_back({word.offset, name.size()});
        next.typedLengths.push_back(typed.size());
        Query query;
        if (const std::optional<QueryError> still = read(fixed, query)) {
            search(fixed, *still, read, language, depth + 1, next, found);
            continue;
        }
        next.query = std::move(query);
        found.push_back(std::move(next));
    }
}

} // namespace

bool readCorrected(std::string_view text, const QueryError& error, const Reader& read, Query& query,
                   const LanguageNames* language)
{
    std::vector<Found> found;
    Found start;
    search(text, error, read, language, 0, start, found);
    if (found.empty())
        return false;
    for (const Found& each : found)
        if (pairOf(each.query) != pairOf(found.front().query))
            return false;
    Found& chosen = found.front();
    Query& read_ = chosen.query;
    // The spans of the last text back onto the typed one, the last replacement first.
    for (std::size_t i = chosen.replaced.size(); i-- > 0;) {
        const auto back = [&](TextSpan& span) {
            span = mapBack(span, chosen.replaced[i].offset, chosen.typedLengths[i], chosen.replaced[i].length);
        };
        back(read_.valueSpan);
        back(read_.fromSpan);
        back(read_.intoSpan);
        back(read_.ignoredWords);
        for (QuantityPart& part : read_.fromParts)
            back(part.span);
        // Which side the word was on: the into side starts after the from side ends.
        QueryCorrection& correction = chosen.corrections[i];
        correction.into = read_.intoSpan.length > 0 && chosen.replaced[i].offset >= read_.intoSpan.offset;
        const TextSpan side = correction.into ? read_.intoSpan : read_.fromSpan;
        correction.wholeSide = read_.fromParts.empty() && read_.intoParts.empty() && !read_.expression &&
                               side.offset == chosen.replaced[i].offset && side.length == chosen.typedLengths[i];
    }
    read_.corrections = std::move(chosen.corrections);
    query = std::move(read_);
    return true;
}

} // namespace mezzurix::corrections
