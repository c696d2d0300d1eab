// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression_query.h"

#include "name_index.h"
#include "query_parts.h"
#include "query_text.h"
#include "tokeniser.h"
#include "unit_expression.h"

#include <mezzurix/catalogue_terms.h>
#include <mezzurix/term_conversion.h>

#include <cmath>
#include <limits>
#include <vector>

namespace mezzurix::expression_query {

namespace {

using namespace query_parts;
using query_text::quoted;
using unit_expression::Quantity;

struct Side {
    Quantity quantity;
    TextSpan span;  // the side as typed, blanks around it left out
};

TextSpan trimmed(std::string_view text, std::size_t begin, std::size_t end)
{
    // Blanks, and dots standing alone, as the reader skips them.
    while (begin < end) {
        const std::size_t skipped = std::max(query_text::blankLength(text, begin), query_text::loneDotsLength(text, begin, end));
        if (skipped == 0)
            break;
        begin += skipped;
    }
    while (end > begin) {
        std::size_t dots = end;
        while (dots > begin && text[dots - 1] == '.')
            --dots;
        if (blanks::isNumberBlank(text[end - 1]))
            --end;
        else if (dots < end && dots > begin && blanks::isNumberBlank(text[dots - 1]))
            end = dots;
        else
            break;
    }
    return {begin, end - begin};
}

// Where a separator may split the units part into two sides: a separator word or symbol outside
// parentheses.
std::vector<TextSpan> separators(std::string_view text, std::size_t begin, std::size_t end,
                                 const LanguageNames* language)
{
    std::vector<TextSpan> found;
    int depth = 0;
    for (std::size_t pos = begin; pos < end;) {
        depth += text[pos] == '(' ? 1 : text[pos] == ')' ? -1 : 0;
        const std::size_t symbol = query_text::separatorSymbolLength(text, pos);
        if (depth == 0 && symbol > 0 && pos + symbol <= end) {
            found.push_back({pos, symbol});
            pos += symbol;
            continue;
        }
        const bool wordStart = pos == begin || query_text::blankLength(text, pos - 1) > 0;
        std::size_t wordEnd = pos;
        while (wordEnd < end && query_text::blankLength(text, wordEnd) == 0)
            ++wordEnd;
        if (depth == 0 && wordStart && wordEnd > pos && isIntoWord(text.substr(pos, wordEnd - pos), language))
            found.push_back({pos, wordEnd - pos});
        ++pos;
    }
    return found;
}

// The catalogue unit a side is exactly: the one it names, or the one its symbol spells ("m·m"
// is m², "N m" the newton meter of torque).
std::optional<int> codeOf(const Quantity& quantity, const UnitTerm& term, const names::Index& index)
{
    if (quantity.code)
        return quantity.code;
    const names::UnitMatch match = names::lookUpExact(index, term.symbol);
    if (match.codes().size() != 1)
        return std::nullopt;
    const CatalogueUnit* unit = catalogueUnit(match.codes().front());
    if (unit == nullptr || unit->term.dimension != term.dimension || unit->term.amount != term.amount ||
        unit->term.offset != term.offset || unit->term.reciprocal != term.reciprocal)
        return std::nullopt;
    return match.codes().front();
}

// The term of a side, its symbol made to read back as itself: a composed unit whose symbol is
// another unit's name has each factor put in parentheses ("(ft)·(lb)", as "ft·lb" is torque).
std::optional<UnitTerm> termOf(const Quantity& quantity, const names::Index& index)
{
    std::optional<UnitTerm> term = quantity.unit.term();
    if (!term || quantity.unit.factors().size() < 2 || names::lookUp(index, term->symbol).empty() ||
        codeOf(quantity, *term, index))
        return term;
    std::vector<TermFactor> grouped(quantity.unit.factors().begin(), quantity.unit.factors().end());
    for (TermFactor& factor : grouped)
        if (!factor.number)
            factor.unit.symbol = "(" + factor.unit.symbol + ")";
    term->symbol = symbolOf(grouped);
    return term;
}

// Another reading of a side that is one name, where it converts with `other`: the coulomb of the
// C in "1 mC to C", Celsius for the degrees of "100 degrees to °F". Its code and term, or nullopt.
std::optional<std::pair<int, UnitTerm>> otherReading(std::string_view text, const Side& side, bool from,
                                                     const UnitTerm& other, const names::Index& index)
{
    if (!side.quantity.code)
        return std::nullopt;
    const names::UnitMatch match = names::lookUp(index, text.substr(side.span.offset, side.span.length));
    for (const int code : match.others()) {
        const CatalogueUnit* unit = catalogueUnit(code);
        // Never a unit into itself, which no one asks for.
        if (unit == nullptr || code == *side.quantity.code ||
            (unit->term.dimension == other.dimension && unit->term.amount == other.amount &&
             unit->term.offset == other.offset))
            continue;
        if (from ? termConversion(unit->term, other) : termConversion(other, unit->term))
            return std::pair(code, unit->term);
    }
    return std::nullopt;
}

class Reading {
public:
    Reading(std::string_view text, std::size_t begin, const QueryOptions& options, Query& query)
        : text_(text), begin_(begin), options_(options), query_(query), language_(findNameLanguage(options.language)),
          context_{text, &options, {&names::indexFor(language_), language_}}
    {
        const number_scan::Scan scan =
            number_scan::scan(text, query.valueSpan.offset, value_reader::styleOf(options));
        typed_ = {unit_expression::exactValue(scan, {query.value, query.valueText, query.valueSpan}), {}, {}};
    }

    const LanguageNames* language() const { return language_; }

    // Reads text[begin, fromEnd) as the from side and `into` as the into side, or none; true once
    // the query is filled.
    bool attempt(std::size_t fromEnd, std::optional<TextSpan> into)
    {
        std::optional<Side> from = fromSide(fromEnd);
        if (!from)
            return false;
        if (!into)
            return place(*from, nullptr);
        // "24 in = ? ft"
        std::size_t intoBegin = trimmed(text_, into->offset, into->offset + into->length).offset;
        if (text_.substr(intoBegin, 1) == "?")
            ++intoBegin;
        const TextSpan intoSpan = trimmed(text_, intoBegin, into->offset + into->length);
        if (intoSpan.length == 0) {
            consider(makeError(QueryErrorKind::MissingUnit, text_, {text_.size(), 0}, say("no unit to convert into")));
            return false;
        }
        const std::optional<Side> intoSide = side(intoSpan.offset, intoSpan.offset + intoSpan.length, nullptr);
        return intoSide && place(*from, &*intoSide);
    }

    // A from side that reads whole, with nothing to convert into.
    void refuseAlone(std::size_t end)
    {
        if (fromSide(end))
            consider(makeError(QueryErrorKind::MissingUnit, text_, {text_.size(), 0}, say("no unit to convert into")));
    }

    // Where the last from side tried ended whole before a blank and a word that is no number, as
    // "g/cm3" does in "2.7 g/cm3 lb/in3/ft": the into side may start there. A number there is
    // no unit to convert into ("2 m 3 m", "4 m x 3 m").
    std::optional<std::size_t> intoAfterFrom() const
    {
        if (!fromRest_ || number_scan::startsNumber(text_, *fromRest_, value_reader::styleOf(options_, false)))
            return std::nullopt;
        return fromRest_;
    }

    Outcome outcome() const { return {false, best_, progress_}; }

private:
    void consider(QueryError error)
    {
        const bool refusal = error.kind == QueryErrorKind::IncompatibleUnits ||
                             error.kind == QueryErrorKind::ValueOutOfRange ||
                             error.kind == QueryErrorKind::ResultOutOfRange || error.kind == QueryErrorKind::BadValue;
        const std::size_t progress = refusal ? error.where.offset + error.where.length : read_;
        if (!best_ || progress > progress_) {
            best_ = std::move(error);
            progress_ = progress;
        }
    }

    // The from side up to `end`, which must have a unit.
    std::optional<Side> fromSide(std::size_t end)
    {
        read_ = 0;
        fromRest_.reset();
        std::optional<Side> from = side(begin_, end, &typed_);
        if (from && from->quantity.unit.isOne()) {
            // Read whole, and found to be a number.
            read_ = from->span.offset + from->span.length;
            consider(makeError(QueryErrorKind::MissingUnit, text_, from->span, say("no unit after the value")));
            return std::nullopt;
        }
        return from;
    }

    std::optional<Side> side(std::size_t begin, std::size_t end, const Quantity* value)
    {
        std::size_t rest = end;
        auto read = unit_expression::readSide(context_, begin, end, value, &rest);
        if (value != nullptr && rest < end)
            fromRest_ = rest;
        if (QueryError* error = std::get_if<QueryError>(&read)) {
            consider(std::move(*error));
            return std::nullopt;
        }
        const TextSpan span = trimmed(text_, begin, end);
        read_ = span.offset + span.length;
        return Side{std::move(std::get<Quantity>(read)), span};
    }

    // Fills the query from the two sides read, or finds why they do not convert.
    bool place(const Side& from, const Side* into)
    {
        const names::Index& index = *context_.names.index;
        const std::optional<UnitTerm> fromTerm = termOf(from.quantity, index);
        const std::optional<UnitTerm> intoTerm = into != nullptr ? termOf(into->quantity, index) : std::nullopt;
        const double value = from.quantity.value.toDouble();
        const bool tooSmall = !from.quantity.value.isZero() && std::abs(value) < std::numeric_limits<double>::min();
        if (!fromTerm || (into != nullptr && !intoTerm) || !std::isfinite(value) || tooSmall) {
            const TextSpan where{query_.valueSpan.offset, from.span.offset + from.span.length - query_.valueSpan.offset};
            consider(makeError(QueryErrorKind::ValueOutOfRange, text_, where,
                               say("the value %s", quoted(text_.substr(where.offset, where.length))),
                               say(" is beyond the range of numbers")));
            return false;
        }
        Query result;
        result.expression = true;
        result.valueSpan = query_.valueSpan;
        result.valueInWords = query_.valueInWords;
        result.valueColumn = query_.valueColumn;
        // A value as typed keeps its reading ("-0"); a computed one is written anew.
        const bool typed = from.quantity.value == typed_.value;
        result.computed = !typed;
        result.value = typed ? query_.value : value;
        result.valueText = typed ? query_.valueText : value_reader::decimalText(value);
        result.fromSpan = from.span;
        UnitTerm fromRead = *fromTerm;
        std::optional<int> fromCode = codeOf(from.quantity, *fromTerm, index);
        if (into != nullptr && !termConversion(*fromTerm, *intoTerm))
            if (const auto other = otherReading(text_, from, true, *intoTerm, index)) {
                fromCode = other->first;
                fromRead = other->second;
            }
        if (fromCode) {
            placeFrom(result, names::placeOf(*fromCode), from.span);
        } else {
            result.categoryIndex = categoryHolding(fromRead.dimension, fromRead.kind).value_or(kNoCategory);
            result.fromTerm = fromRead;
        }
        if (into != nullptr && !placeInto(result, fromRead, *into, *intoTerm))
            return false;
        if (options_.category && result.categoryIndex != *options_.category)
            return false;
        query_ = std::move(result);
        return true;
    }

    bool placeInto(Query& result, const UnitTerm& fromTerm, const Side& into, const UnitTerm& typedInto)
    {
        UnitTerm intoTerm = typedInto;
        std::optional<int> intoCode;
        std::optional<TermConversion> conversion = termConversion(fromTerm, intoTerm);
        if (!conversion)
            if (const auto other = otherReading(text_, into, false, fromTerm, *context_.names.index)) {
                intoCode = other->first;
                intoTerm = other->second;
                conversion = termConversion(fromTerm, intoTerm);
            }
        if (!conversion) {
            std::vector<std::string> sides{unit_expression::describeTerm(fromTerm),
                                           unit_expression::describeTerm(intoTerm)};
            QueryError error = makeError(QueryErrorKind::IncompatibleUnits, text_, into.span,
                                         say("cannot convert %s into %s", sides[0], sides[1]));
            error.candidates = std::move(sides);
            consider(std::move(error));
            return false;
        }
        // Zero of a pace is no speed, as zero miles per gallon uses no measure of fuel.
        if (conversion->reciprocal && result.value == 0.0) {
            consider(makeError(QueryErrorKind::ResultOutOfRange, text_, into.span,
                               say("no answer: %s is the inverse of %s, and 0 has none", intoTerm.symbol,
                                   fromTerm.symbol)));
            return false;
        }
        if (!intoCode)
            intoCode = codeOf(into.quantity, intoTerm, *context_.names.index);
        if (intoCode && names::placeOf(*intoCode).categoryIndex == result.categoryIndex)
            result.intoPosition = names::placeOf(*intoCode).position;
        else
            result.intoTerm = intoTerm;
        result.intoSpan = into.span;
        return true;
    }

    std::string_view text_;
    std::size_t begin_;
    const QueryOptions& options_;
    Query& query_;
    const LanguageNames* language_;
    unit_expression::Context context_;
    Quantity typed_;
    std::size_t read_ = 0;  // the end of the last side read whole in this attempt
    std::optional<std::size_t> fromRest_;  // see intoAfterFrom()
    std::optional<QueryError> best_;
    std::size_t progress_ = 0;
};

} // namespace

Outcome read(std::string_view text, std::size_t begin, std::size_t end, TextSpan phrasedInto,
             const QueryOptions& options, Query& query)
{
    Reading reading(text, begin, options, query);
    if (phrasedInto.length > 0)
        return reading.attempt(end, phrasedInto) ? Outcome{true, std::nullopt, 0} : reading.outcome();
    const std::vector<TextSpan> splits = separators(text, begin, end, reading.language());
    for (const TextSpan& separator : splits)
        if (reading.attempt(separator.offset, TextSpan{separator.offset + separator.length,
                                                        end - separator.offset - separator.length}))
            return {true, std::nullopt, 0};
    if (options.allowMissingInto) {
        if (reading.attempt(end, std::nullopt))
            return {true, std::nullopt, 0};
    } else if (splits.empty()) {
        reading.refuseAlone(end);
    }
    // No word between the sides: "2.7 g/cm3 lb/in3/ft", as "2.7 g/cm3 to lb/in3/ft".
    if (splits.empty())
        if (const std::optional<std::size_t> into = reading.intoAfterFrom())
            if (reading.attempt(*into, TextSpan{*into, end - *into}))
                return {true, std::nullopt, 0};
    return reading.outcome();
}

QueryError explained(std::string_view text, QueryError error, const QueryOptions& options)
{
    if (error.kind != QueryErrorKind::UnknownUnit || !error.candidates.empty())
        return error;
    const std::string_view typed = text.substr(error.where.offset, error.where.length);
    return unknownUnitError(text, error.where, names::suggestionsFor(typed, findNameLanguage(options.language)));
}

} // namespace mezzurix::expression_query
