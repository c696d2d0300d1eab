// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Typed conversions: "24 in to ft" read into a value, a from unit and an into unit of one
// category, and answered through the conversion table, or through the units' definitions for a
// unit the window does not show.

#include <mezzurix/display_names.h>
#include <mezzurix/typed_units.h>
#include <mezzurix/term_conversion.h>
#include <mezzurix/unit_term.h>
#include <mezzurix/number_rules.h>

#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mezzurix {

// Longer queries are refused: no number or unit name needs more, and the work stays bounded.
constexpr std::size_t kMaxQueryBytes = 4096;

struct QueryOptions {
    std::string decimalPoint = ".";  // the regional separator; "." is read as well
    std::string groupSign;           // the regional digit group sign; empty for the default
    // Refuses a value that reads differently with the regional separator and with "." as the
    // point and "," between groups ("1,250", "1.500"), rather than taking the regional reading.
    bool refuseAmbiguousNumbers = false;
    bool allowMissingInto = false;   // "24 in" then reads as a value and a from unit only
    bool correctTypos = true;        // a misspelt unit is read as the one name near it that fits
    // The user's language ("de", or a locale such as "de_DE.UTF-8"): its unit names and words
    // are read as well as the English ones, which are read in every language.
    std::string language;
    // Reads the units as units of this category only (an index into categories()): "100 ft-lb"
    // then names the torque or the energy unit alone.
    std::optional<std::size_t> category;
};

// A stretch of the query, in bytes.
struct TextSpan {
    std::size_t offset = 0;
    std::size_t length = 0;
};

// One part of a quantity of several units: the "10 in" of "5 ft 10 in".
// A misspelt unit name read as the name it is near: "kilogarms" as "kilograms".
struct QueryCorrection {
    std::string typed;
    std::string read;
    bool into = false;       // on the into side
    bool wholeSide = false;  // the word is all of its side: answers read again keep it
};

struct QuantityPart {
    double value = 0.0;
    std::size_t position = 0;  // in the query's category
    TextSpan span;             // the number and its unit as typed; the number alone for the
                               // inches of "5 ft 10"
};

// The categoryIndex of a query whose units no category holds ("J/(kg·K)").
constexpr std::size_t kNoCategory = static_cast<std::size_t>(-1);
// The fromCode() of a query whose from side is a term.
constexpr int kNoUnitCode = -1;

struct Query {
    double value = 0.0;         // read from valueText by the window's leading-number rule
    std::string valueText;      // the number as typed, with "." and "-": "-1.5e3"
    std::size_t categoryIndex = 0;        // into typedCategories(), the same as categories() for
    std::size_t fromPosition = 0;         // the window's; positions within the category, which
                                          // are the window's list positions for its own units
    std::optional<std::size_t> intoPosition;
    TextSpan valueSpan;         // where each part stands in the query
    std::size_t valueColumn = 1;  // of valueSpan, for messages about the answer
    TextSpan fromSpan;
    TextSpan intoSpan;          // empty without an into unit, or after withInto()
    // A quantity of several units ("5 ft 10 in"), largest first; empty for one unit. `value` is
    // then their sum in the last part's unit, which is the from unit, and fromSpan covers them all.
    std::vector<QuantityPart> fromParts;
    // Several into units ("to ft in"), largest first; the last is the into unit. Empty for one.
    std::vector<std::size_t> intoParts;
    // A side the catalogue has no unit for: a composed unit ("g/cm³"), a prefixed one ("µs"), or
    // the unit of a quantity computed from several ("50 mph × 3 h"). A side that is exactly one
    // catalogue unit keeps its place instead, also where it was composed ("4 m × 3 m" is 12 Sq
    // Meters, "N m" the newton meter of torque). The side's position means nothing for a term.
    // categoryIndex is the from side's: its unit's, or the category holding the term's dimension
    // and kind, or kNoCategory; an into unit of another category is a term ("min/km to km/h").
    // A computed quantity's value is counted in its from unit, valueText is then its shortest
    // decimal, valueSpan its first number and fromSpan the rest of it ("m × 3 m").
    std::optional<UnitTerm> fromTerm;
    std::optional<UnitTerm> intoTerm;
    // Read as unit expressions ("4 m x 3 m", "kW h", "µs"): fromSpan and intoSpan hold what was
    // typed rather than a name of the unit.
    bool expression = false;
    // The value is computed from several quantities or numbers ("4 m × 3 m", "3 × 10^8"): an
    // answer shows what was typed, from valueSpan to the end of fromSpan, rather than the value.
    bool computed = false;
    // The value was written in words, in part or whole ("half a", "2 and a half"): an answer
    // writes valueText, its digits, rather than what was typed.
    bool valueInWords = false;
    // Words left out, as naming no unit ("of water" in "2 cups of water to ml"): where they stand,
    // and as typed; empty for none.
    TextSpan ignoredWords;
    std::string ignoredText;
    // Misspelt unit names read as names they are near, in the order typed; empty for none.
    std::vector<QueryCorrection> corrections;
    // The forms the names typed for the from and the into unit answer in ("ml" in milliliters,
    // though the unit is the cubic centimeter); nullptr for a side answered in its unit's name.
    const NamedForm* fromForm = nullptr;
    const NamedForm* intoForm = nullptr;

    // The query's category, which must exist (categoryIndex is not kNoCategory).
    const Category& category() const { return typedCategories()[categoryIndex]; }
    int fromCode() const { return fromTerm ? kNoUnitCode : category().units[fromPosition].code; }
    std::optional<int> intoCode() const;  // nullopt without an into unit, or for a term
    std::string pairCode() const;  // the table's; empty without an into unit, or for a unit
                                   // the window does not show, or a term
    // Whether the window's lists show the category and both units (never a term).
    bool inWindow() const;
};

enum class QueryErrorKind {
    Empty,              // nothing but blanks
    TooLong,            // over kMaxQueryBytes
    InvalidUtf8,
    NoValue,            // the query does not start with a number
    BadValue,           // a sign or point without digits, or digit grouping
    ValueOutOfRange,    // the number is beyond the double range
    MissingUnit,        // no from unit, or no into unit where one is needed
    UnknownUnit,
    AmbiguousUnit,      // several readings in different categories remain
    IncompatibleUnits,  // the two units belong to different categories
    TrailingText,       // words after a complete query
    ResultOutOfRange,   // the converted value is beyond the double range
    AmbiguousNumber,    // the value reads differently with the regional separator and with "."
};

struct QueryError {
    QueryErrorKind kind = QueryErrorKind::Empty;
    TextSpan where;                       // the bytes of the query at fault
    std::vector<std::string> candidates;  // closest names, the possible readings, or the two units
    std::string message;                  // one English line, e.g.
                                          // unknown unit "fet" at column 4; did you mean "feet"?
};

// The reader's messages are English. A front end that shows them in the user's language gives the
// translation of their formats (gettext's, for one); every reader in the process then uses it.
using MessageTranslator = const char* (*)(const char* english);
void setMessageTranslator(MessageTranslator translator);

// `format` with each "%s" replaced by the next of `values`, as the messages are filled in.
std::string fillMessage(std::string_view format, std::initializer_list<std::string_view> values);
std::string fillMessage(std::string_view format, std::span<const std::string_view> values);

// A stable lower-case name for machine-readable output, e.g. "unknown-unit".
std::string_view errorKindName(QueryErrorKind kind);

using QueryReading = std::variant<Query, QueryError>;

// Reads VALUE FROM [to|in|into|as|>|->|→|=] INTO, FROM and INTO each possibly of several units
// ("5 ft 10 in", "ft in"), and the phrasings "how many INTO [are] in VALUE FROM",
// "what is VALUE FROM in INTO", "convert VALUE FROM to INTO", "VALUE FROM = ? INTO".
QueryReading readQuery(std::string_view text, const QueryOptions& options = {});

// One part of an answer into several units.
struct AnswerPart {
    std::size_t position = 0;  // in the query's category
    double amount = 0.0;       // whole for all but the last part; negative when the answer is
    std::string text;          // the amount as written, with the answer's sign on the first part only
};

struct Answer {
    double result = 0.0;  // in the into unit (the last into part)
    std::string text;     // "2", or "5 ft 10.87 in" into several units
    std::vector<AnswerPart> parts;  // into several units
};

// Converts through the table entry of the query's pair, exactly as the window does. With
// `decimals` the text is the window's output with that many decimals; without, the general
// form with `significantDigits`, by default the one the clipboard gets. A query without an into
// unit is a MissingUnit error.
std::variant<Answer, QueryError> answerQuery(const Query& query, std::optional<int> decimals,
                                             const NumberFormat& format = {},
                                             int significantDigits = kSignificantDigits);
// The same answer with its text appended to `text` (nothing on an error), for callers that write
// many answers: no string is made for each. An answer into several units leaves its parts in
// `parts` when one is given.
std::variant<double, QueryError> appendAnswer(std::string& text, const Query& query, std::optional<int> decimals,
                                              const NumberFormat& format = {},
                                              int significantDigits = kSignificantDigits,
                                              std::vector<AnswerPart>* parts = nullptr);

// The number of part `i` of the query's quantity of several units as written, `write` writing its
// magnitude: the quantity's sign stands before the first number alone, a zero's too ("-5 ft 10 in"
// and "-0 ft 6 in", whose parts hold -5 and -10, -0 and -6).
template <typename Write>
std::string writtenNumber(const Query& query, std::size_t i, Write write)
{
    const double value = query.fromParts[i].value;
    return (i == 0 && std::signbit(value) ? "-" : "") + write(std::fabs(value));
}

// "24 Inches to Feet", "175 Centimeters to Feet Inches", "5 Feet 10 Inches to Centimeters", or
// "24 Inches" without an into unit: readQuery() reads it back into the same value and units (the
// last form with allowMissingInto), whatever the regional options.
std::string canonicalText(const Query& query);

// The exact conversion between the query's two sides as unit terms: a side's own term, or its
// catalogue unit's. nullopt where they do not convert.
std::optional<TermConversion> termConversionOf(const Query& query);

// The query converting into the unit at `intoPosition` of its category (which must exist) alone.
Query withInto(Query query, std::size_t intoPosition);

} // namespace mezzurix
