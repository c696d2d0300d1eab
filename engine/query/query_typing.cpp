// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/query_typing.h>

#include <mezzurix/everyday_units.h>
#include "name_index.h"
#include "query_text.h"

#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>
#include <mezzurix/useful_targets.h>

#include <algorithm>
#include <optional>
#include <string>

namespace mezzurix {

namespace {

// An unfinished from unit is answered while it can still be this many units: enough for
// "km/" (per hour or per liter), too few to guess at a single letter.
constexpr std::size_t kMaxUnfinishedFromUnits = 2;

// An unfinished from unit is guessed from the everyday units once it has this many characters:
// a single letter starts too many names to stand for one. Units that are not everyday need one
// more: "2 an" is half of "2 and", hardly Ångströms.
constexpr std::size_t kMinGuessedChars = 2;

// The separators a user may be half-way through typing after the from unit.
constexpr std::string_view kSeparatorWords[] = {"to", "into", "as"};

// The unfinished words are at most the words of the longest name. Names are completed from the
// English ones.
std::size_t maxUnfinishedWords()
{
    return names::maxNameTokens(names::indexFor(nullptr));
}

// `text` with each run of blanks as one space, as names are written.
std::string singleSpaced(std::string_view text)
{
    std::string spaced;
    for (std::size_t pos = 0; pos < text.size();) {
        if (const std::size_t blank = query_text::blankLength(text, pos)) {
            spaced += ' ';
            pos += blank;
        } else {
            spaced += text[pos++];
        }
    }
    return spaced;
}

bool startsName(const UnitName& name, std::string_view typed)
{
    if (typed.size() > name.text.size())
        return false;
    const std::string_view start = name.text.substr(0, typed.size());
    if (name.kind == NameKind::CaseSymbol)
        return start == typed;
    return std::equal(start.begin(), start.end(), typed.begin(),
                      [](char n, char t) { return query_text::foldByte(n) == query_text::foldByte(t); });
}

// A word being typed this long may be the misspelt start of a name ("5 kiloga"); a shorter one
// is within one edit of the start of too many names.
constexpr std::size_t kMinMisspeltStart = 5;

// Whether `typed` is the start of a written name in any case with one letter wrong or two
// neighbours swapped: "kiloga" of kilogram, "celsu" of celsius.
bool nearStartOfName(const UnitName& name, std::string_view typed)
{
    if (typed.size() < kMinMisspeltStart || typed.size() > name.text.size() || name.kind == NameKind::CaseSymbol)
        return false;
    std::size_t first = typed.size();
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < typed.size(); ++i)
        if (query_text::foldByte(name.text[i]) != query_text::foldByte(typed[i])) {
            first = std::min(first, i);
            ++wrong;
        }
    if (wrong == 1)
        return true;
    return wrong == 2 && first + 1 < typed.size() &&
           query_text::foldByte(name.text[first]) == query_text::foldByte(typed[first + 1]) &&
           query_text::foldByte(name.text[first + 1]) == query_text::foldByte(typed[first]);
}

bool startsSeparator(std::string_view typed)
{
    return std::any_of(std::begin(kSeparatorWords), std::end(kSeparatorWords), [&](std::string_view word) {
        return typed.size() <= word.size() && query_text::equalsFolded(typed, word.substr(0, typed.size()));
    });
}

// Where a unit stands among the everyday units; after all of them if it is none.
std::size_t everydayRank(int code)
{
    static const std::vector<int> codes = [] {
        std::vector<int> all;
        for (const std::string_view key : kEverydayUnits)
            all.push_back(unitCode(key));
        return all;
    }();
    return std::size_t(std::find(codes.begin(), codes.end(), code) - codes.begin());
}

// Rank of a query's into unit in its from unit's order; the from unit itself last.
std::size_t rankOf(const Query& query)
{
    const std::vector<std::size_t> order = targetOrder(query.categoryIndex, query.fromPosition);
    return std::size_t(std::find(order.begin(), order.end(), *query.intoPosition) - order.begin());
}

// Every name of every unit, list texts first, with the category of its unit.
struct PlacedName {
    UnitName name;
    std::size_t categoryIndex;
};

const std::vector<PlacedName>& allNames()
{
    static const std::vector<PlacedName> names = [] {
        std::vector<PlacedName> all;
        for (const Category& category : typedCategories())
            for (const Unit& unit : category.units)
                all.push_back({{unit.code, unit.text, NameKind::ListText}, names::placeOf(unit.code).categoryIndex});
        for (const UnitName& alias : unitAliases())
            all.push_back({alias, names::placeOf(alias.unitCode).categoryIndex});
        return all;
    }();
    return names;
}

std::vector<Query> inEachCategory(std::string_view text, QueryOptions options, TextSpan where);

// The queries the text becomes with its words from `cut` on finished as some unit's name.
std::vector<Query> finishedAt(std::string_view text, std::size_t cut, const QueryOptions& options)
{
    const std::string typed = singleSpaced(text.substr(cut));
    // With the from unit read already, only its category's names can finish the into unit.
    std::optional<std::size_t> category = options.category;
    const QueryReading before = readQuery(text.substr(0, cut), options);
    if (const Query* query = std::get_if<Query>(&before); query != nullptr && !query->intoPosition && !category)
        category = query->categoryIndex;
    // Where the words before fail for more than a missing unit or a value still to come (a
    // question), no name finished after them reads ("2 cups of water t"); each try would cost a
    // whole reading.
    if (const QueryError* error = std::get_if<QueryError>(&before);
        error != nullptr && error->kind != QueryErrorKind::MissingUnit && error->kind != QueryErrorKind::NoValue)
        return {};
    std::vector<Query> into;
    std::vector<Query> from;
    std::vector<int> done;
    std::string candidate;
    const auto finishAll = [&](std::optional<std::size_t> only, bool misspelt) {
        for (const PlacedName& placed : allNames()) {
            const int code = placed.name.unitCode;
            if ((only && placed.categoryIndex != *only) ||
                !(misspelt ? nearStartOfName(placed.name, typed) : startsName(placed.name, typed)) ||
                std::find(done.begin(), done.end(), code) != done.end())
                continue;
            candidate.assign(text.substr(0, cut));
            candidate += placed.name.text;
            QueryReading reading = readQuery(candidate, options);
            // A name of two categories ("5 foot-p"): its reading in the category of this unit.
            if (const QueryError* error = std::get_if<QueryError>(&reading);
                error != nullptr && error->kind == QueryErrorKind::AmbiguousUnit)
                for (Query& each : inEachCategory(candidate, options, error->where))
                    if (each.fromCode() == code)
                        reading = std::move(each);
            Query* query = std::get_if<Query>(&reading);
            if (query == nullptr)
                continue;
            // A question names the into unit first: "how many seconds in an ho".
            if (query->intoPosition && (query->intoCode() == code || query->fromCode() == code))
                into.push_back(std::move(*query));
            else if (!query->intoPosition && query->fromCode() == code)
                from.push_back(std::move(*query));
            else
                continue;
            done.push_back(code);
        }
    };
    finishAll(category, false);
    // The from unit may take another reading for the into unit's sake: "nm" of "40 nm to ft-" is
    // the newton meter of "40 nm to ft-lb".
    if (into.empty() && from.empty() && category && !options.category)
        finishAll(std::nullopt, false);
    // Where no name starts so, a name whose start is misspelt (only where typos are read).
    if (into.empty() && from.empty() && options.correctTypos)
        finishAll(category, true);
    if (!into.empty()) {
        // Into the from unit itself only where nothing else is meant: "24 in to inc".
        const auto same = [](const Query& q) { return q.intoPosition == q.fromPosition; };
        if (!std::all_of(into.begin(), into.end(), same))
            into.erase(std::remove_if(into.begin(), into.end(), same), into.end());
        std::stable_sort(into.begin(), into.end(),
                         [](const Query& a, const Query& b) { return rankOf(a) < rankOf(b); });
        return into;
    }
    // An unfinished from unit is the most everyday unit it may become ("5 ga": gallons); failing
    // that, it answers once few units are left that it can be, not while it could still be any of
    // many ("100 k").
    const auto everyday = std::min_element(from.begin(), from.end(), [](const Query& a, const Query& b) {
        return everydayRank(a.fromCode()) < everydayRank(b.fromCode());
    });
    if (typed.size() >= kMinGuessedChars && everyday != from.end() &&
        everydayRank(everyday->fromCode()) < std::size(kEverydayUnits))
        return {std::move(*everyday)};
    if (typed.size() > kMinGuessedChars && from.size() <= kMaxUnfinishedFromUnits)
        return from;
    return {};
}

bool isBlankAt(std::string_view text, std::size_t pos)
{
    return query_text::blankLength(text, pos) > 0;
}

// Where each of the last `count` words starts, the last first; by default as far back as a name
// or separator reaches.
std::vector<std::size_t> lastWordStarts(std::string_view text, std::size_t count = maxUnfinishedWords())
{
    std::vector<std::size_t> starts;
    bool inWord = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t blank = query_text::blankLength(text, pos);
        if (blank == 0 && !inWord)
            starts.push_back(pos);
        inWord = blank == 0;
        pos += blank == 0 ? 1 : blank;
    }
    std::reverse(starts.begin(), starts.end());
    if (starts.size() > count)
        starts.resize(count);
    return starts;
}

// The end of `text` before any blanks that end it.
std::size_t endBeforeBlanks(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && isBlankAt(text, end - 1))
        --end;
    return end;
}

// The value and from unit of `text` up to `cut` where they end just before it, as a query
// without an into unit.
std::optional<Query> quantityEndingAt(std::string_view text, std::size_t cut, const QueryOptions& open)
{
    QueryReading before = readQuery(text.substr(0, cut), open);
    Query* query = std::get_if<Query>(&before);
    if (query == nullptr || query->intoPosition || query->intoTerm ||
        query->fromSpan.offset + query->fromSpan.length != endBeforeBlanks(text.substr(0, cut)))
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

// The readings of the ambiguous from unit at `where` in each category it may belong to, in the
// order of the unit codes, which puts Torque before Energy.
std::vector<Query> inEachCategory(std::string_view text, QueryOptions options, TextSpan where)
{
    std::vector<Query> each;
    if (options.category)
        return each;
    for (std::size_t index = 0; index < typedCategories().size(); ++index) {
        options.category = index;
        QueryReading reading = readQuery(text, options);
        // Only the readings of the whole ambiguous name: not "24 lbf" then "in" as a separator.
        const Query* query = std::get_if<Query>(&reading);
        if (query != nullptr && query->categoryIndex == index && query->fromSpan.offset == where.offset &&
            query->fromSpan.length == where.length)
            each.push_back(std::move(std::get<Query>(reading)));
    }
    std::sort(each.begin(), each.end(), [](const Query& a, const Query& b) { return a.fromCode() < b.fromCode(); });
    return each;
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
    const bool lastWordOpen = !text.empty() && !isBlankAt(text, text.size() - 1);
    if (Query* query = std::get_if<Query>(&whole)) {
        std::vector<Query> queries{std::move(*query)};
        fits.assign(1, TypedFit::AsTyped);
        if (!lastWordOpen)
            return queries;
        if (!queries.front().intoPosition && !queries.front().intoTerm) {
            if (std::optional<Query> from = separatorBeingTyped(text, lastWordStarts(text, 1).front(), open))
                queries.front() = std::move(*from);
            return queries;
        }
        // An into unit composed as it stands ("to sq mil") may yet become a declared one.
        // "24 in to m" means meters, and may yet become miles or millimeters.
        for (const std::size_t cut : lastWordStarts(text)) {
            std::vector<Query> finished = finishedAt(text, cut, open);
            for (Query& other : finished)
                if (other.intoPosition && (other.intoPosition != queries.front().intoPosition ||
                                           other.intoParts != queries.front().intoParts))
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
    if (std::holds_alternative<QueryError>(reading) && options.correctTypos) {
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
