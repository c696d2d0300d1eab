// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The query reader on any bytes. An accepted query names its units in the text (the spans hold
// one of the units' names), its pair belongs to one category, its value is the window's reading
// of its value text, and its answer is exactly the table's conversion. A fraction a/b is a ÷ b;
// a quantity of several units is the sum of its parts converted one by one; an answer into
// several units adds back up to the answer within the precision shown. A refusal points inside
// the text and says why on one line. Read while typing, every query offered reads back from its
// canonical text.

#include "fuzz_support.h"
#include "corrections.h"
#include "query_text.h"
#include "number_scan.h"
#include "value_reader.h"
#include "units_memo.h"

#include <mezzurix/blanks.h>
#include <mezzurix/catalogue_terms.h>
#include <mezzurix/term_conversion.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/convert.h>
#include <mezzurix/query.h>
#include <mezzurix/query_arguments.h>
#include <mezzurix/query_typing.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace mezzurix;
using namespace mezzurix::fuzz;

namespace {

// A name as typed, the way the alias table writes it: single spaces, "^2" as "²", the
// multiplication forms as "·", "º" as "°" and no dots or question marks ending a word; with
// `fold`, ASCII letters lowered.
std::string writtenWords(std::string_view typed, bool fold)
{
    std::string out;
    bool pendingSpace = false;
    std::size_t i = 0;
    while (i < typed.size()) {
        if (const std::size_t blank = blanks::queryBlankLength(typed, i)) {
            pendingSpace = !out.empty();
            i += blank;
            continue;
        }
        if (typed[i] == '.' || typed[i] == '?' || typed[i] == '!') {
            std::size_t end = i;
            while (end < typed.size() && (typed[end] == '.' || typed[end] == '?' || typed[end] == '!'))
                ++end;
            if (end == typed.size() || blanks::queryBlankLength(typed, end) > 0) {
                i = end;  // a word of dots alone leaves the pending space as it is
                continue;
            }
        }
        if (pendingSpace)
            out += ' ';
        pendingSpace = false;
        if (typed.substr(i, 2) == "\u00BA") {
            out += "\u00B0";
            i += 2;
            continue;
        }

        if (typed.substr(i, 2) == "^2" || typed.substr(i, 2) == "^3") {
            out += typed[i + 1] == '2' ? "\u00B2" : "\u00B3";
            i += 2;
        } else if (typed[i] == '*') {
            out += "\u00B7";
            ++i;
        } else if (typed.substr(i, 3) == "\u22C5") {
            out += "\u00B7";
            i += 3;
        } else {
            const char c = typed[i++];
            out += fold && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    return out;
}

// The language the current input is read in besides English, if any.
const LanguageNames* activeLanguage = nullptr;

// The same with " per " (or the active language's word for it, in lower case) as "/".
std::string written(std::string_view typed, bool fold)
{
    std::string out = writtenWords(typed, fold);
    std::vector<std::string> perWords{" per "};
    if (activeLanguage != nullptr)
        for (const std::string_view word : activeLanguage->perWords)
            perWords.push_back(" " + std::string(word) + " ");
    for (const std::string& word : perWords) {
        std::string lowered = writtenWords(out, true);
        for (std::size_t per; (per = lowered.find(word)) != std::string::npos;) {
            out.replace(per, word.size(), "/");
            lowered.replace(per, word.size(), "/");
        }
    }
    return out;
}

// Every name a unit is read by in the active language, with those read only by the other side
// ("C" the coulomb beside a charge).
std::vector<UnitName> readableNames(int code)
{
    std::vector<UnitName> names = namesOf(code, activeLanguage);
    for (const std::span<const UnitName> sideNames :
         {otherSideNames(), activeLanguage != nullptr ? otherSideNames(*activeLanguage) : std::span<const UnitName>()})
        for (const UnitName& name : sideNames)
            if (name.unitCode == code)
                names.push_back(name);
    return names;
}

// h:mm:ss with no unit of its own: hours, named by no text, where the value ends.
bool impliedHours(std::string_view text, const Query& query, TextSpan span, int code)
{
    const std::string_view value = text.substr(query.valueSpan.offset, query.valueSpan.length);
    return span.length == 0 && span.offset == query.valueSpan.offset + query.valueSpan.length &&
           std::count(value.begin(), value.end(), ':') == value_reader::kMaxClockFields && code == unitCode("hour");
}

void checkNamed(std::string_view text, const Query& query, TextSpan span, int code, const char* side)
{
    if (impliedHours(text, query, span, code))
        return;
    if (span.length == 0 || span.offset + span.length > text.size())
        fail("unit span outside the text", side);
    const std::string_view typed = text.substr(span.offset, span.length);
    const std::vector<UnitName> names = readableNames(code);
    for (const UnitName& name : names) {
        // A symbol whose case means something is read in another case only where no other
        // unit has that spelling, or where the other side asks for it: the exact case is not
        // required here.
        if (written(typed, true) == written(name.text, true))
            return;
    }
    // A misspelt name read as one of the unit's: the typed word stands where the name would.
    for (const QueryCorrection& correction : query.corrections) {
        std::string read(typed);
        if (const std::size_t at = read.find(correction.typed); at != std::string::npos) {
            read.replace(at, correction.typed.size(), correction.read);
            for (const UnitName& name : names)
                if (written(read, true) == written(name.text, true))
                    return;
        }
    }
    fail("accepted a unit the text does not name", std::string(side) + " [" + std::string(typed) + "] code " +
                                                       std::to_string(code));
}

// "a/b" as typed, digits only: the value must be their quotient.
void checkFraction(std::string_view typed, double value)
{
    const std::size_t slash = typed.find('/');
    if (slash == std::string_view::npos || slash == 0 || typed.find_first_not_of("0123456789/") != std::string_view::npos)
        return;
    const std::optional<double> a = readLeadingNumber(typed.substr(0, slash));
    const std::optional<double> b = readLeadingNumber(typed.substr(slash + 1));
    if (a && b && *b != 0.0 && std::bit_cast<std::uint64_t>(*a / *b) != std::bit_cast<std::uint64_t>(value))
        fail("a fraction is not its quotient", typed);
}

// Several parts: each inside the quantity, in order; the answer their sum converted one by one.
void checkSeveralFrom(std::string_view text, const Query& query, const Category& category, double result)
{
    std::size_t end = query.fromSpan.offset;
    double sum = 0.0;
    for (const QuantityPart& part : query.fromParts) {
        if (part.span.offset < end || part.span.offset + part.span.length > query.fromSpan.offset + query.fromSpan.length)
            fail("quantity part outside its quantity", text);
        end = part.span.offset + part.span.length;
        if (query.intoCode())
            sum += *convertUnits(category.units[part.position].code, *query.intoCode(), part.value);
    }
    if (query.intoCode() && std::bit_cast<std::uint64_t>(sum) != std::bit_cast<std::uint64_t>(result))
        fail("several units differ from their parts converted one by one", text);
}

// An answer into several units adds back up to the single answer, within the precision shown.
void checkSeveralInto(std::string_view text, const Query& query, const Category& category, const Answer& answer,
                      std::optional<int> decimals)
{
    if (answer.parts.size() != query.intoParts.size())
        fail("answer has not one part per into unit", text);
    const int last = category.units[query.intoParts.back()].code;
    double back = 0.0;
    for (std::size_t i = 0; i < answer.parts.size(); ++i) {
        const AnswerPart& part = answer.parts[i];
        if (i + 1 < answer.parts.size() && part.amount != std::trunc(part.amount))
            fail("a larger part is not whole", answer.text);
        back += *convertUnits(category.units[part.position].code, last, part.amount);
    }
    const double shown = decimals ? 0.5 * std::pow(10.0, -*decimals) : 0.0;
    if (std::fabs(back - answer.result) > shown + 1e-9 * std::fabs(answer.result) + 1e-300)
        fail("answer into several units does not add back up", text);
}

void checkValueText(const Query& query)
{
    if (query.valueText.find_first_not_of("+-0123456789.e") != std::string::npos)
        fail("value text has stray characters", query.valueText);
    const std::optional<double> value = readLeadingNumber(query.valueText);
    if (!value || std::bit_cast<std::uint64_t>(*value) != std::bit_cast<std::uint64_t>(query.value))
        fail("value differs from the window's reading", query.valueText);
}

// What a side converts as: its term, or its catalogue unit's.
const UnitTerm& termOf(const std::optional<UnitTerm>& term, int code)
{
    if (term)
        return *term;
    const CatalogueUnit* unit = catalogueUnit(code);
    if (unit == nullptr)
        fail("a side is neither a term nor a catalogue unit", std::to_string(code));
    return unit->term;
}

// Whether two sides are one unit in meaning. A text may read back as declared units where the
// query has terms of the same meaning: "10 * ft-lbs to Nm" is written "10 lbf·ft to Nm", which
// names the torque units.
bool sameMeaning(const UnitTerm& a, const UnitTerm& b)
{
    return a.dimension == b.dimension && a.amount == b.amount && a.offset == b.offset && a.reciprocal == b.reciprocal;
}

// Read as unit expressions: the value, the from side and the into side lie in the text in order
// (or the into side first, for "how many"); a side is a term or a catalogue unit, never both; a
// term is never in the window; the answer is the conversion of the two sides' terms (the table's
// between two catalogue units); and the canonical text reads back to the same sides and value.
void checkExpression(std::string_view text, const Query& query, const QueryOptions& options, std::uint8_t decimalsByte)
{
    const auto inside = [&](TextSpan span) { return span.length > 0 && span.offset + span.length <= text.size(); };
    if (!inside(query.valueSpan) || !inside(query.fromSpan) ||
        query.valueSpan.offset + query.valueSpan.length > query.fromSpan.offset)
        fail("expression spans out of place", std::string(text));
    checkValueText(query);
    const bool placed = query.categoryIndex < typedCategories().size();
    if (!placed && query.categoryIndex != kNoCategory)
        fail("no such category", std::string(text));
    if (query.fromTerm ? query.fromCode() != kNoUnitCode
                       : !placed || query.fromPosition >= query.category().units.size())
        fail("the from side is neither a term nor a catalogue unit", std::string(text));
    if (!query.intoPosition && !query.intoTerm)
        return;
    if ((query.intoPosition && (query.intoTerm || !placed || *query.intoPosition >= query.category().units.size())) ||
        !inside(query.intoSpan))
        fail("the into side is neither a term nor a catalogue unit", std::string(text));
    const bool terms = query.fromTerm || query.intoTerm;
    if (terms && (!query.pairCode().empty() || query.inWindow()))
        fail("a term in the window", std::string(text));

    std::optional<double> single;
    if (!terms) {
        single = convertUnits(query.fromCode(), *query.intoCode(), query.value);
    } else {
        const std::optional<TermConversion> conversion =
            termConversion(termOf(query.fromTerm, query.fromCode()), termOf(query.intoTerm, query.intoCode().value_or(-1)));
        if (!conversion)
            fail("accepted two terms that do not convert", std::string(text));
        single = convertTerm(*conversion, query.value);
    }
    const std::optional<int> decimals =
        decimalsByte <= kMaxDecimals ? std::optional<int>(decimalsByte) : std::nullopt;
    const auto answer = answerQuery(query, decimals);
    if (const Answer* a = std::get_if<Answer>(&answer)) {
        if (!single || std::bit_cast<std::uint64_t>(*single) != std::bit_cast<std::uint64_t>(a->result))
            fail("answer differs from the terms' conversion", std::string(text));
    } else if (single) {
        fail("answer refused a conversion the terms make", std::string(text));
    }
    QueryOptions plain;
    plain.category = options.category;
    plain.language = options.language;
    const QueryReading again = readQuery(canonicalText(query), plain);
    const Query* back = std::get_if<Query>(&again);
    if (back == nullptr || std::bit_cast<std::uint64_t>(back->value) != std::bit_cast<std::uint64_t>(query.value) ||
        !sameMeaning(termOf(back->fromTerm, back->fromCode()), termOf(query.fromTerm, query.fromCode())) ||
        !sameMeaning(termOf(back->intoTerm, back->intoCode().value_or(-1)),
                     termOf(query.intoTerm, query.intoCode().value_or(-1))))
        fail("an expression does not read back from its canonical text", canonicalText(query));
}

void checkQuery(std::string_view text, const Query& query, std::uint8_t decimalsByte)
{
    // A quantity of several units spans its numbers too.
    if (query.fromParts.empty() ? query.valueSpan.offset + query.valueSpan.length > query.fromSpan.offset
                                : query.fromSpan.offset != query.valueSpan.offset)
        fail("value span overlaps the from unit", text);
    checkFraction(text.substr(query.valueSpan.offset, query.valueSpan.length), query.fromParts.empty() ? query.value : query.fromParts.front().value);
    checkValueText(query);

    if (query.categoryIndex >= typedCategories().size())
        fail("from unit is not at its place", text);
    const Category& category = typedCategories()[query.categoryIndex];
    if (query.fromPosition >= category.units.size())
        fail("from unit is not at its place", text);
    if (query.fromParts.empty())
        checkNamed(text, query, query.fromSpan, query.fromCode(), "from");
    else if (query.fromParts.back().position != query.fromPosition)
        fail("from unit is not the last part's", text);
    if (!query.intoCode()) {
        checkSeveralFrom(text, query, category, 0.0);
        return;
    }
    if (!query.intoPosition || category.units[*query.intoPosition].code != *query.intoCode())
        fail("into unit is not in the from unit's category", text);
    // The table's pair code joins the two codes of window units; other pairs have none.
    const bool windowPair = inWindow(query.fromCode()) && inWindow(*query.intoCode());
    if (query.pairCode() != (windowPair ? pairCode(query.fromCode(), *query.intoCode()) : std::string()))
        fail("pair code does not join the two codes", query.pairCode());
    if (query.intoParts.empty())
        checkNamed(text, query, query.intoSpan, *query.intoCode(), "into");
    else if (query.intoParts.back() != *query.intoPosition)
        fail("into unit is not the last into part", text);
    // "how many INTO in VALUE FROM" names the into unit first.
    if (query.fromSpan.offset + query.fromSpan.length > query.intoSpan.offset &&
        query.intoSpan.offset + query.intoSpan.length > query.valueSpan.offset)
        fail("from span overlaps the into unit", text);

    const std::optional<int> decimals =
        decimalsByte <= kMaxDecimals ? std::optional<int>(decimalsByte) : std::nullopt;
    const std::optional<double> single = convertUnits(query.fromCode(), *query.intoCode(), query.value);
    const auto answer = answerQuery(query, decimals);
    if (const Answer* a = std::get_if<Answer>(&answer)) {
        if (!query.fromParts.empty()) {
            checkSeveralFrom(text, query, category, a->result);
        } else if (!single || std::bit_cast<std::uint64_t>(*single) != std::bit_cast<std::uint64_t>(a->result)) {
            fail("answer differs from the table's conversion", text);
        }
        if (!query.intoParts.empty()) {
            checkSeveralInto(text, query, category, *a, decimals);
            return;
        }
        const std::string expectedText = decimals ? formatFixed(a->result, *decimals, {}) : formatGeneral(a->result);
        if (a->text != expectedText)
            fail("answer text differs from the output rules", a->text + " vs " + expectedText);
    } else if (query.fromParts.empty() && single) {
        fail("answer refused a conversion the table makes", text);
    }
}

// The one number scanner decides where a value starts and what it spans, for the reader and for
// the argument splitter alike.
void checkValueStart(std::string_view text, const QueryOptions& options, const QueryReading& reading)
{
    std::size_t start = 0;
    while (start < text.size() && blanks::queryBlankLength(text, start) > 0)
        start += blanks::queryBlankLength(text, start);
    const number_scan::Scan scan = number_scan::scan(text, start, value_reader::styleOf(options));
    // A value in words ("an") or in fields after a colon ("2:30") reads beyond the scanner's number.
    const auto beyondScanner = [&](const Query& query) {
        return query.valueInWords ||
               (scan.found() && scan.number.end < text.size() && text[scan.number.end] == ':');
    };
    if (const Query* query = std::get_if<Query>(&reading); query != nullptr && query->valueSpan.offset == start &&
                                                           query->fromParts.empty() && !beyondScanner(*query)) {
        if (!scan.clean() || scan.number.begin != start || scan.number.length() != query->valueSpan.length)
            fail("the value is not the number the scanner finds", std::string(text));
    }
    if (const QueryError* error = std::get_if<QueryError>(&reading);
        error != nullptr && error->kind == QueryErrorKind::NoValue && error->where.offset == start && scan.found())
        fail("no value where the scanner finds a number", std::string(text));
    // Words the argument splitter takes for a value are those a comma-point reader reads one from.
    if (options.decimalPoint == "," && startsLikeValue(text.substr(start)) != scan.found())
        fail("the argument splitter and the reader disagree on a value's start", std::string(text));
}

// Whether two readings are the same units and value.
bool sameReading(const Query& a, const QueryReading& reading)
{
    const Query* b = std::get_if<Query>(&reading);
    return b != nullptr && b->fromCode() == a.fromCode() && b->intoCode() == a.intoCode() &&
           std::bit_cast<std::uint64_t>(b->value) == std::bit_cast<std::uint64_t>(a.value);
}

// A value in words reads as its digits: the text with the digits in the words' place reads alike.
void checkNumberWords(std::string_view text, const Query& query, const QueryOptions& options)
{
    // In an expression the value holds its factors too ("a/3 m" is a third): no digits stand for
    // the words alone.
    if (!query.valueInWords || !query.corrections.empty() || query.expression)
        return;
    // The value of a quantity of several units is their total in the last ("a' 5\"" holds 17
    // inches): the words stand for the first part's number alone.
    const std::string number =
        query.fromParts.empty() ? query.valueText : writtenNumber(query, 0, value_reader::decimalText);
    std::string digits(text);
    digits.replace(query.valueSpan.offset, query.valueSpan.length, number);
    if (!sameReading(query, readQuery(digits, options)))
        fail("a number in words reads otherwise than its digits", digits);
}

// Words left out never change the answer: the text without them reads alike.
void checkIgnoredWords(std::string_view text, const Query& query, const QueryOptions& options)
{
    if (query.ignoredWords.length == 0 || !query.corrections.empty())
        return;
    std::string without(text);
    without.replace(query.ignoredWords.offset, query.ignoredWords.length, query.ignoredWords.length, ' ');
    if (!sameReading(query, readQuery(without, options)))
        fail("words left out change the answer", std::string(text));
}

// A correction is a near miss, of words long enough; one that stands for a whole side reads as
// a name of that side's unit, of the category the other side asks for.
void checkCorrections(const Query& query)
{
    for (const QueryCorrection& correction : query.corrections) {
        const std::string typed = query_text::fold(correction.typed);
        const std::string read = query_text::fold(correction.read);
        const int bound = typed.size() >= corrections::kTwoEditsFrom ? 2 : 1;
        if (typed.size() < corrections::kShortestCorrected || read.size() < corrections::kShortestCorrected ||
            query_text::editDistance(typed, read, bound) > bound)
            fail("a correction is no near miss", correction.typed + " as " + correction.read);
        if (!correction.wholeSide || (correction.into && !query.intoCode()))
            continue;
        const std::vector<UnitName> names = readableNames(correction.into ? *query.intoCode() : query.fromCode());
        if (std::none_of(names.begin(), names.end(), [&](const UnitName& name) { return query_text::fold(name.text) == read; }))
            fail("a correction does not name its side's unit", correction.read);
    }
}

// "40 nm t" is the quantity before a separator being typed ("to"), not nanometer-tonnes: the one
// reading allowed before the reading as it stands.
constexpr std::string_view kSeparators[] = {"to", "into", "as"};

bool readsBeforeSeparatorBeingTyped(std::string_view text, const QueryOptions& open, const Query& first)
{
    // The last word's start, scanning forward: a blank may be several bytes long (U+00A0).
    std::size_t start = 0;
    bool endsInBlank = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t blank = blanks::queryBlankLength(text, pos);
        if (blank > 0) {
            pos += blank;
            start = pos;
            endsInBlank = true;
        } else {
            ++pos;
            endsInBlank = false;
        }
    }
    if (endsInBlank)
        return false;
    const std::string lastWord = writtenWords(text.substr(start), true);
    const bool separator = !lastWord.empty() && std::any_of(std::begin(kSeparators), std::end(kSeparators),
                                                            [&](std::string_view word) { return word.starts_with(lastWord); });
    if (!separator)
        return false;
    const QueryReading before = readQuery(text.substr(0, start), open);
    const Query* query = std::get_if<Query>(&before);
    return query != nullptr && canonicalText(*query) == canonicalText(first);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    QueryOptions options;
    options.allowMissingInto = data[0] & 1;
    static const char* const kPoints[] = {".", ",", "\u066B", ""};
    options.decimalPoint = kPoints[(data[0] >> 1) % 4];
    // English alone, or with one of the languages; from bits of their own, so that each language
    // is read both whole and while typing (bit 3).
    const auto languages = unitNameLanguages();
    const std::size_t language = (data[0] >> 4) % (languages.size() + 1);
    activeLanguage = language < languages.size() ? languages[language] : nullptr;
    if (activeLanguage != nullptr)
        options.language = std::string(activeLanguage->code);
    const std::uint8_t decimalsByte = data[1] % 40;
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);

    if (data[0] & 8) {
        // Read while typing: the reading as it stands comes first (one that needs a misspelt word
        // corrected may yield to one of fewer words that needs none), and every query offered is
        // one the reader accepts from its own canonical text, with the same value.
        const auto typing = readWhileTyping(text, options);
        if (const auto* queries = std::get_if<std::vector<Query>>(&typing)) {
            if (queries->empty())
                fail("no query and no error", std::string(text));
            QueryOptions open = options;
            open.allowMissingInto = true;
            const QueryReading whole = readQuery(text, open);
            if (const Query* query = std::get_if<Query>(&whole);
                query != nullptr && query->corrections.empty() &&
                canonicalText(*query) != canonicalText(queries->front()) &&
                !readsBeforeSeparatorBeingTyped(text, open, queries->front()))
                fail("the reading as it stands is not first", canonicalText(queries->front()));
            for (const Query& offered : *queries) {
                if (offered.value != queries->front().value && !(std::isnan(offered.value) && std::isnan(queries->front().value)))
                    fail("offered queries differ in value", canonicalText(offered));
                // A quantity alone is answered into units of its own: words it left out before a
                // separator ("5 km pe rhour to") are left out again before the into unit.
                std::string written = canonicalText(offered);
                if (!offered.intoPosition && !offered.intoTerm && !offered.ignoredText.empty() && !offered.fromTerm)
                    written += " to " + std::string(offered.category().units[offered.fromPosition].text);
                QueryReading again = readQuery(written, open);
                // A side of terms written as its symbol may spell declared units of two categories
                // ("0^8 ft-lbs" is written "0 lbf·ft", torque or energy): it reads back as one of them
                // in its category, with the same meaning.
                const bool terms = offered.fromTerm || offered.intoTerm;
                if (const QueryError* error = std::get_if<QueryError>(&again); terms && error != nullptr &&
                                                                              error->kind == QueryErrorKind::AmbiguousUnit)
                    for (std::size_t category = 0; category < typedCategories().size(); ++category) {
                        QueryOptions one = open;
                        one.category = category;
                        QueryReading each = readQuery(written, one);
                        if (const Query* read = std::get_if<Query>(&each);
                            read != nullptr && sameMeaning(termOf(read->fromTerm, read->fromCode()),
                                                           termOf(offered.fromTerm, offered.fromCode()))) {
                            again = std::move(each);
                            break;
                        }
                    }
                const Query* back = std::get_if<Query>(&again);
                if (back == nullptr ||
                    (!terms && written.size() == canonicalText(offered).size() && back->pairCode() != offered.pairCode()) ||
                    (terms ? !sameMeaning(termOf(back->fromTerm, back->fromCode()), termOf(offered.fromTerm, offered.fromCode()))
                           : back->fromCode() != offered.fromCode()))
                    fail("an offered query does not read back", written);
            }
        } else if (std::get<QueryError>(typing).where.offset + std::get<QueryError>(typing).where.length > text.size()) {
            fail("error span outside the text", std::get<QueryError>(typing).message);
        }
        return 0;
    }
    const QueryReading reading = readQuery(text, options);
    checkValueStart(text, options, reading);
    if (const Query* query = std::get_if<Query>(&reading)) {
        if (query->expression)
            checkExpression(text, *query, options, decimalsByte);
        else
            checkQuery(text, *query, decimalsByte);
        checkNumberWords(text, *query, options);
        checkIgnoredWords(text, *query, options);
        checkCorrections(*query);
        // A reading that came from the units memo (kept from an earlier input) is the one
        // the text gives afresh.
        units_memo::clear();
        const QueryReading fresh = readQuery(text, options);
        const Query* again = std::get_if<Query>(&fresh);
        if (again == nullptr || again->categoryIndex != query->categoryIndex ||
            again->fromPosition != query->fromPosition || again->intoPosition != query->intoPosition ||
            again->fromSpan.offset != query->fromSpan.offset || again->fromSpan.length != query->fromSpan.length ||
            again->intoSpan.offset != query->intoSpan.offset || again->intoSpan.length != query->intoSpan.length ||
            again->intoParts != query->intoParts || again->fromParts.size() != query->fromParts.size())
            fail("a units reading kept from an earlier query differs from a fresh one", std::string(text));
        return 0;
    }
    if (readQuery(text, options).index() != reading.index())
        fail("a query read twice gives two outcomes", std::string(text));
    const QueryError& error = std::get<QueryError>(reading);
    if (error.where.offset + error.where.length > text.size())
        fail("error span outside the text", error.message);
    if (error.message.empty() || error.message.find('\n') != std::string::npos)
        fail("error message is not one line", error.message);
    return 0;
}
