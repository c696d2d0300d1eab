// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/query_typing.h>

#include "name_index.h"
#include "query_text.h"

#include <mezzurix/unit_names.h>
#include <mezzurix/useful_targets.h>

#include <algorithm>
#include <string>

namespace mezzurix {

namespace {

// An unfinished from unit is answered while it can still be this many units: enough for
// "km/" (per hour or per liter), too few to guess at a single letter.
constexpr std::size_t kMaxUnfinishedFromUnits = 2;

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

bool startsSeparator(std::string_view typed)
{
    return std::any_of(std::begin(kSeparatorWords), std::end(kSeparatorWords), [&](std::string_view word) {
        return typed.size() < word.size() && query_text::equalsFolded(typed, word.substr(0, typed.size()));
    });
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

// The queries the text becomes with its words from `cut` on finished as some unit's name.
std::vector<Query> finishedAt(std::string_view text, std::size_t cut, const QueryOptions& options)
{
    const std::string typed = singleSpaced(text.substr(cut));
    // With the from unit read already, only its category's names can finish the into unit.
    std::optional<std::size_t> category = options.category;
    if (!category) {
        const QueryReading before = readQuery(text.substr(0, cut), options);
        if (const Query* query = std::get_if<Query>(&before); query != nullptr && !query->intoPosition)
            category = query->categoryIndex;
    }
    std::vector<Query> into;
    std::vector<Query> from;
    std::vector<int> done;
    std::string candidate;
    for (const PlacedName& placed : allNames()) {
        const int code = placed.name.unitCode;
        if ((category && placed.categoryIndex != *category) || !startsName(placed.name, typed) ||
            std::find(done.begin(), done.end(), code) != done.end())
            continue;
        candidate.assign(text.substr(0, cut));
        candidate += placed.name.text;
        QueryReading reading = readQuery(candidate, options);
        Query* query = std::get_if<Query>(&reading);
        if (query == nullptr)
            continue;
        if (query->intoPosition && query->intoCode() == code)
            into.push_back(std::move(*query));
        else if (!query->intoPosition && query->fromCode() == code)
            from.push_back(std::move(*query));
        else
            continue;
        done.push_back(code);
    }
    if (!into.empty()) {
        // Into the from unit itself only where nothing else is meant: "24 in to inc".
        const auto same = [](const Query& q) { return q.intoPosition == q.fromPosition; };
        if (!std::all_of(into.begin(), into.end(), same))
            into.erase(std::remove_if(into.begin(), into.end(), same), into.end());
        std::stable_sort(into.begin(), into.end(),
                         [](const Query& a, const Query& b) { return rankOf(a) < rankOf(b); });
        return into;
    }
    // An unfinished from unit answers once few units are left that it can be ("100 km/": km/h or
    // km/L), not while it could still be any of many ("100 k").
    if (from.size() <= kMaxUnfinishedFromUnits)
        return from;
    return {};
}

bool isBlankAt(std::string_view text, std::size_t pos)
{
    return query_text::blankLength(text, pos) > 0;
}

// Where each word starts, the last first, as far back as a name or separator reaches.
std::vector<std::size_t> lastWordStarts(std::string_view text)
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
    if (starts.size() > maxUnfinishedWords())
        starts.resize(maxUnfinishedWords());
    return starts;
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

std::variant<std::vector<Query>, QueryError> readAsTyped(std::string_view text, const QueryOptions& options)
{
    QueryOptions open = options;
    open.allowMissingInto = true;
    QueryReading whole = readQuery(text, open);
    // A word ending in a blank is finished.
    const bool lastWordOpen = !text.empty() && !isBlankAt(text, text.size() - 1);
    if (Query* query = std::get_if<Query>(&whole)) {
        std::vector<Query> queries{std::move(*query)};
        // An into unit composed as it stands ("to sq mil") may yet become a declared one.
        if ((!queries.front().intoPosition && !queries.front().intoTerm) || !lastWordOpen)
            return queries;
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
        return queries;
    }
    QueryError& error = std::get<QueryError>(whole);
    switch (error.kind) {
    case QueryErrorKind::AmbiguousUnit:
        if (std::vector<Query> each = inEachCategory(text, open, error.where); !each.empty())
            return each;
        return std::move(error);
    case QueryErrorKind::MissingUnit:
    case QueryErrorKind::UnknownUnit:
    case QueryErrorKind::IncompatibleUnits:
    case QueryErrorKind::TrailingText:
        break;
    default:
        return std::move(error);
    }
    if (!lastWordOpen)
        return std::move(error);
    for (const std::size_t cut : lastWordStarts(text)) {
        // A separator half typed after a complete from unit ("24 in t") is far likelier than an
        // into unit named without one ("24 in thou").
        if (startsSeparator(singleSpaced(text.substr(cut)))) {
            std::size_t end = cut;
            while (end > 0 && isBlankAt(text, end - 1))
                --end;
            QueryReading before = readQuery(text.substr(0, cut), open);
            // Only straight after the from unit: "2 Sq Feet to i" is an into unit being typed.
            if (Query* query = std::get_if<Query>(&before);
                query != nullptr && !query->intoPosition && query->fromSpan.offset + query->fromSpan.length == end)
                return std::vector<Query>{std::move(*query)};
        }
        std::vector<Query> finished = finishedAt(text, cut, open);
        if (!finished.empty())
            return finished;
    }
    return std::move(error);
}

} // namespace

std::variant<std::vector<Query>, QueryError> readWhileTyping(std::string_view text, const QueryOptions& options)
{
    // A word being typed is first read as the start of a name ("Kilobyt" may become Kilobytes);
    // only where nothing reads so is it read as a misspelt name.
    QueryOptions asTyped = options;
    asTyped.correctTypos = false;
    std::variant<std::vector<Query>, QueryError> reading = readAsTyped(text, asTyped);
    if (std::holds_alternative<QueryError>(reading) && options.correctTypos) {
        QueryOptions open = options;
        open.allowMissingInto = true;
        QueryReading corrected = readQuery(text, open);
        if (Query* query = std::get_if<Query>(&corrected))
            return std::vector<Query>{std::move(*query)};
    }
    return reading;
}

} // namespace mezzurix
