// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_finishing.h"

#include "name_index.h"
#include "query_text.h"

#include <mezzurix/everyday_units.h>
#include <mezzurix/query_typing.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include <algorithm>

namespace mezzurix::typing {

namespace {

// An unfinished from unit is answered while it can still be this many units: enough for
// "km/" (per hour or per liter), too few to guess at a single letter.
constexpr std::size_t kMaxUnfinishedFromUnits = 2;

// An unfinished from unit is guessed from the everyday units once it has this many characters:
// a single letter starts too many names to stand for one. Units that are not everyday need one
// more: "2 an" is half of "2 and", hardly Ångströms.
constexpr std::size_t kMinGuessedChars = 2;

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

// Whether `span` ends where the word before the last word of `text` ends ("millimiters" of
// "250 millimiters to").
bool endsBeforeLastWord(std::string_view text, TextSpan span)
{
    const std::vector<std::size_t> starts = lastWordStarts(text, 2);
    return starts.size() == 2 && span.offset + span.length == endBeforeBlanks(text.substr(0, starts[0]));
}

} // namespace

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

std::size_t maxUnfinishedWords()
{
    return names::maxNameTokens(names::indexFor(nullptr));
}

std::vector<std::size_t> lastWordStarts(std::string_view text, std::size_t count)
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

std::size_t endBeforeBlanks(std::string_view text)
{
    std::size_t end = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t blank = query_text::blankLength(text, pos);
        pos += blank == 0 ? 1 : blank;
        if (blank == 0)
            end = pos;
    }
    return end;
}

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
    // A misspelt from unit that is one edit from names of several categories is the into unit's to
    // pick: "250 millimiters to i" (millimeters, as "in" is a length).
    if (const QueryError* error = std::get_if<QueryError>(&before);
        error != nullptr && error->kind != QueryErrorKind::MissingUnit && error->kind != QueryErrorKind::NoValue &&
        !(options.correctTypos && error->kind == QueryErrorKind::UnknownUnit && error->candidates.size() > 1 &&
          endsBeforeLastWord(text.substr(0, cut), error->where)))
        return {};
    std::vector<Query> into;
    std::vector<Query> from;
    std::vector<int> done;
    std::string candidate;
    const auto finishAll = [&](std::optional<std::size_t> only, bool misspelt) {
        // Units whose name made the query fail for anything but an ambiguous name: their other
        // names fail alike.
        std::vector<int> failed;
        for (const PlacedName& placed : allNames()) {
            const int code = placed.name.unitCode;
            if ((only && placed.categoryIndex != *only) ||
                !(misspelt ? nearStartOfName(placed.name, typed) : startsName(placed.name, typed)) ||
                std::find(failed.begin(), failed.end(), code) != failed.end() ||
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
            if (query == nullptr) {
                if (std::get<QueryError>(reading).kind != QueryErrorKind::AmbiguousUnit)
                    failed.push_back(code);
                continue;
            }
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

} // namespace mezzurix::typing
