// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a currency query: a currency before or after the number, the other after the
// separator. The query is split into tokens as the unit reader splits its units part, so that
// both agree on blanks, separators and abbreviation dots.
#include "currency_words.h"
#include "phrasing.h"
#include "query_parts.h"
#include "query_text.h"
#include "tokeniser.h"
#include "value_reader.h"

#include <mezzurix/blanks.h>
#include <mezzurix/currency.h>
#include <mezzurix/number_digits.h>
#include <mezzurix/unit_names.h>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace mezzurix {

namespace {

using query_parts::UnitsText;

// A currency's longest name has four words ("Israeli new shekels"): longer runs name none.
constexpr std::size_t kMaxSideTokens = 4;
// Before the number stands a symbol or a one-word name ("-CAN$", "Neuseeland-Dollar"); further on,
// no number is the value.
constexpr std::size_t kMaxPrefixBytes = 32;

// Whether the list holds `folded` (folded by query_text::fold) in any case.
bool listHolds(std::string_view list, std::string_view folded)
{
    bool found = false;
    forEachListed(list, [&](std::string_view item) { found = found || query_text::equalsFolded(item, folded); });
    return found;
}

// Bytes that may end a word of the check: digits and the bytes a blank starts with.
constexpr auto kMayEndWord = [] {
    std::array<bool, 256> ends{};
    for (unsigned c = 0; c < ends.size(); ++c)
        ends[c] = (c >= '0' && c <= '9') || blanks::mayStartQueryBlank(static_cast<unsigned char>(c));
    return ends;
}();

// The length of the digit or blank at `pos`, or 0.
std::size_t wordEndLength(std::string_view text, std::size_t pos)
{
    const auto c = static_cast<unsigned char>(text[pos]);
    if (!kMayEndWord[c])
        return 0;
    return c >= '0' && c <= '9' ? 1 : query_text::blankLength(text, pos);
}

// Whether a run of the text between blanks and digits, without the signs before it or the
// punctuation after it, is a word of a currency name. Every query passes here: it is kept to a
// loop over the bytes and a probe of a hash set a word.
bool mentionsCurrency(std::string_view text, const LanguageNames* language)
{
    const auto trailing = [](char c) { return c == '.' || c == ',' || c == ';' || c == ':' || c == '?' || c == '!'; };
    for (std::size_t pos = 0; pos < text.size();) {
        if (const std::size_t skip = wordEndLength(text, pos)) {
            pos += skip;
            continue;
        }
        const std::size_t begin = pos;
        while (pos < text.size() && wordEndLength(text, pos) == 0)
            ++pos;
        std::string_view run = text.substr(begin, pos - begin);
        while (const std::size_t sign = number_digits::signLength(run))
            run.remove_prefix(sign);
        if (isCurrencyWord(run, language))
            return true;
        const std::size_t length = run.size();
        while (!run.empty() && trailing(run.back()))
            run.remove_suffix(1);
        if (run.size() < length && isCurrencyWord(run, language))
            return true;
    }
    return false;
}

// What one side of the query names.
struct Side {
    enum class Kind {
        None,       // no currency (or nothing)
        Currency,   // `currency`
        OtherSide,  // `currency`, where the other side is a currency ("pound")
        Ambiguous,  // one of `shared`, which the locale does not settle ("kr")
    };
    Kind kind = Kind::None;
    const Currency* currency = nullptr;
    const SharedCurrencyName* shared = nullptr;
    TextSpan span;

    bool names() const { return kind == Kind::Currency || kind == Kind::Ambiguous; }
};

class SideReader {
public:
    SideReader(const QueryOptions& options, std::string_view monetaryLocale)
        : language_(findNameLanguage(options.language)), local_(localCurrency(monetaryLocale))
    {
    }

    // The side the tokens [first, last) of `units` name.
    Side read(const UnitsText& units, std::size_t first, std::size_t last) const
    {
        if (first >= last || last - first > kMaxSideTokens)
            return {};
        for (std::size_t k = first; k < last; ++k)
            if (units.tokens[k].number || units.tokens[k].separator)
                return {};
        Side side = read(query_text::fold(units.normRun(first, last)));
        side.span = units.span(first, last);
        return side;
    }

private:
    Side read(std::string_view folded) const
    {
        for (const Currency& currency : currencies())
            if (query_text::equalsFolded(currency.code, folded) || listHolds(currency.names, folded) ||
                listHolds(currencyNamesIn(currency, language_), folded))
                return {Side::Kind::Currency, &currency, nullptr, {}};
        for (const SharedCurrencyName& shared : sharedCurrencyNames()) {
            if (!listHolds(shared.names, folded) && !listHolds(sharedCurrencyNamesIn(shared, language_), folded))
                continue;
            if (local_ != nullptr && listHolds(shared.codes, query_text::fold(local_->code)))
                return {Side::Kind::Currency, local_, nullptr, {}};
            if (!shared.fallback.empty())
                return {Side::Kind::Currency, findCurrency(shared.fallback), nullptr, {}};
            return {Side::Kind::Ambiguous, nullptr, &shared, {}};
        }
        for (const Currency& currency : currencies())
            if (listHolds(currency.byOtherSide, folded) || listHolds(besideCurrencyNamesIn(currency, language_), folded))
                return {Side::Kind::OtherSide, &currency, nullptr, {}};
        return {};
    }

    const LanguageNames* language_;
    const Currency* local_;
};

// The from side, written before the number, after it, or both ("$20 USD"); nullopt when the two
// differ.
std::optional<Side> fromSide(const Side& before, const Side& after)
{
    if (before.kind == Side::Kind::None)
        return after;
    if (after.kind == Side::Kind::None)
        return before;
    if (before.kind != Side::Kind::Currency || after.kind != Side::Kind::Currency || before.currency != after.currency)
        return std::nullopt;
    return Side{before.kind, before.currency, nullptr,
                {before.span.offset, after.span.offset + after.span.length - before.span.offset}};
}

// A candidate reading of the query: its from and into sides.
struct Split {
    Side from;
    Side into;

    bool reads() const
    {
        return from.kind != Side::Kind::None && into.kind != Side::Kind::None &&
               (from.kind != Side::Kind::OtherSide || into.kind != Side::Kind::OtherSide);
    }
};

std::string codesOf(const SharedCurrencyName& shared)
{
    std::vector<std::string> codes;
    forEachListed(shared.codes, [&](std::string_view code) { codes.emplace_back(code); });
    return query_parts::joinAlternatives(codes);
}

QueryError ambiguous(std::string_view text, const Side& side)
{
    QueryError error = query_parts::makeError(
        QueryErrorKind::AmbiguousUnit, text, side.span,
        query_parts::say("%s may be %s", query_text::quoted(text.substr(side.span.offset, side.span.length)),
                         codesOf(*side.shared)),
        query_parts::say("; write the currency's code"));
    forEachListed(side.shared->codes, [&](std::string_view code) { error.candidates.emplace_back(code); });
    return error;
}

// Why no split reads: NotCurrency when no side names a currency or the query reads as units,
// else the error. A query that names a currency on one side only is refused here, not read as units.
CurrencyReading refusal(std::string_view text, const QueryOptions& options, const Side& before,
                        const std::vector<Split>& splits, const std::optional<TextSpan>& conflict, std::size_t end)
{
    // A currency's name may spell a prefixed unit too ("1 zl to ml" is zeptoliters).
    if (std::holds_alternative<Query>(readQuery(text, options)))
        return NotCurrency{};
    using query_parts::makeError;
    using query_parts::say;
    if (conflict)
        return makeError(QueryErrorKind::IncompatibleUnits, text, *conflict,
                         say("%s is not the currency before the number",
                             query_text::quoted(text.substr(conflict->offset, conflict->length))));
    const auto oneSided = std::find_if(splits.begin(), splits.end(),
                                       [](const Split& split) { return split.from.names() || split.into.names(); });
    if (oneSided == splits.end() && !before.names())
        return NotCurrency{};
    // "$20", "100 usd", "100 usd to": the other side is missing.
    const Side* other = oneSided == splits.end() ? nullptr : oneSided->from.names() ? &oneSided->into : &oneSided->from;
    if (other == nullptr || other->span.length == 0)
        return makeError(QueryErrorKind::MissingUnit, text, {end, 0}, say("no currency to convert into"));
    return makeError(QueryErrorKind::IncompatibleUnits, text, other->span,
                     say("%s is no currency", query_text::quoted(text.substr(other->span.offset, other->span.length))),
                     say("; a currency converts into another currency only"));
}

} // namespace

CurrencyReading readCurrencyQuery(std::string_view text, const QueryOptions& options, std::string_view monetaryLocale)
{
    if (text.size() > kMaxQueryBytes || !mentionsCurrency(text, findNameLanguage(options.language)) || query_text::firstInvalidUtf8(text))
        return NotCurrency{};
    const std::size_t start = phrasing::skipBlanks(text, 0);
    const std::size_t end = phrasing::questionEnd(text);
    if (start >= end)
        return NotCurrency{};
    const phrasing::Phrasing phrasing = phrasing::readPhrasing(text, start, options);

    // The number, after a symbol perhaps, and a sign before that ("-$20").
    const number_scan::Style style = value_reader::styleOf(options);
    std::size_t numberAt = phrasing.valueStart;
    while (numberAt < end && numberAt - phrasing.valueStart <= kMaxPrefixBytes &&
           !number_scan::startsNumber(text, numberAt, style))
        ++numberAt;
    if (numberAt >= end || numberAt - phrasing.valueStart > kMaxPrefixBytes)
        return NotCurrency{};
    std::size_t prefixAt = phrasing.valueStart;
    bool negative = false;
    if (const std::size_t sign = number_digits::signLength(text.substr(prefixAt));
        numberAt > prefixAt && sign > 0 && text[prefixAt] != '+') {
        negative = true;
        prefixAt += sign;
    }
    value_reader::Value value;
    // The unit reader says what is wrong with a value that does not read, or has two signs ("-$-20").
    if (value_reader::readValue(text, numberAt, options, value) || (negative && value.text.starts_with('-')))
        return NotCurrency{};

    UnitsText prefix;
    UnitsText rest;
    UnitsText asked;  // the into side of "how many euros in 20 $"
    query_parts::tokenise(text, prefixAt, numberAt, options, prefix);
    query_parts::tokenise(text, value.span.offset + value.span.length, end, options, rest);
    if (phrasing.into.length > 0)
        query_parts::tokenise(text, phrasing.into.offset, phrasing.into.offset + phrasing.into.length, options, asked);

    const SideReader reader(options, monetaryLocale);
    const Side before = reader.read(prefix, 0, prefix.size());
    if (prefix.size() > 0 && before.kind == Side::Kind::None)
        return NotCurrency{};

    // The splits of the rest into the from side's name after the number and the into side.
    std::vector<Split> splits;
    std::optional<TextSpan> conflict;  // a name after the number that is not the one before it
    const auto consider = [&](const Side& after, const Side& into) {
        if (const std::optional<Side> from = fromSide(before, after))
            splits.push_back({*from, into});
        else if (!conflict)
            conflict = after.span;
    };
    const std::size_t n = rest.size();
    if (phrasing.into.length > 0) {
        consider(reader.read(rest, 0, n), reader.read(asked, 0, asked.size()));
    } else {
        bool separated = false;
        for (std::size_t s = 0; s < n; ++s)
            if (rest.tokens[s].separator) {
                separated = true;
                consider(reader.read(rest, 0, s), reader.read(rest, s + 1, n));
            }
        for (std::size_t k = 0; !separated && k < n; ++k)
            consider(reader.read(rest, 0, k), reader.read(rest, k, n));
    }

    const auto readable = std::find_if(splits.begin(), splits.end(), [](const Split& split) { return split.reads(); });
    if (readable == splits.end())
        return refusal(text, options, before, splits, conflict, end);

    Split split = *readable;
    for (Side* side : {&split.from, &split.into})
        if (side->kind == Side::Kind::Ambiguous)
            return ambiguous(text, *side);
    CurrencyQuery query;
    query.from = split.from.currency;
    query.into = split.into.currency;
    query.value = negative ? -value.value : value.value;
    query.valueText = (negative ? "-" : "") + value.text;
    query.valueSpan = value.span;
    query.fromSpan = split.from.span;
    query.intoSpan = split.into.span;
    return query;
}

} // namespace mezzurix
