// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The units part of a query as tokens: names, separators and the numbers of a quantity of several
// units.

#include "name_index.h"

#include <mezzurix/query.h>

#include <cstddef>
#include <string_view>
#include <vector>

namespace mezzurix::query_parts {

// A run of the units part between blanks, or a separator symbol on its own.
struct Token {
    std::size_t begin = 0;  // bytes in the query
    std::size_t end = 0;
    std::size_t normBegin = 0;  // bytes in UnitsText::norm
    std::size_t normEnd = 0;
    bool separator = false;  // to, in, into, as, ->, =>, →, >, =
    bool inNames = true;     // may be part of a unit name: all but the separators other than "in"
    bool number = false;     // a number within a quantity of several units: "10" in "5 ft 10 in"
    bool joiner = false;     // "and" between the parts of a quantity
    bool per = false;        // "per", read as "/" within a name
    double value = 0.0;      // of a number
};

// The text after the value, as tokens. Token runs are contiguous in `norm` (single spaces,
// typed forms such as "^2" and "*" rewritten), so any run of tokens can be looked up without
// copying. Bytes rather than a string: it is written a byte at a time, and needs no terminator.
struct UnitsText {
    std::vector<char> norm;
    std::vector<Token> tokens;
    std::size_t maxNameTokens = 1;  // names::maxNameTokens(), asked once per query
    const LanguageNames* language = nullptr;  // read besides English; from the query's options
    const names::Index* names = nullptr;      // English's and the language's

    std::size_t size() const { return tokens.size(); }
    std::string_view normRun(std::size_t first, std::size_t last) const;
    TextSpan span(std::size_t first, std::size_t last) const
    {
        return {tokens[first].begin, tokens[last - 1].end - tokens[first].begin};
    }
    // The units the tokens [first, last) name together, if any: as written, else with "per" as
    // "/" ("km per hour"), else with a digit power as a superscript ("m3/h" as "m³/h").
    names::UnitMatch lookUp(std::size_t first, std::size_t last) const;
};

// Splits text[from, to) into `units`, reusing its storage, or adds its tokens after those already
// there. Numbers within the text become number tokens; a token's trailing dots are dropped
// ("lb."), and so is a "?" after a separator ("= ?").
void tokenise(std::string_view text, std::size_t from, std::size_t to, const QueryOptions& options,
              UnitsText& units, bool append = false);

// Whether `word` (in any case) stands between the two units ("to", "in", "into", "as", or a word
// of `language`), or for "/" ("per").
bool isIntoWord(std::string_view word, const LanguageNames* language);
bool isPerWord(std::string_view word, const LanguageNames* language);

// The length of a typed form at `pos` that names are written otherwise ("^2" as "²", "*" and "⋅"
// as "·"), with the written form in `written`; 0 for none.
std::size_t typedFormAt(std::string_view text, std::size_t pos, std::string_view& written);

// Adds a token of no text standing at `at` that names a unit by `name`: the hours of "1:05:30 in
// min", which names none.
void addImpliedName(UnitsText& units, std::string_view name, std::size_t at);

// Adds a separator token of no text standing at `where`, as the "in" of "how many ft in 2 m".
void addSeparator(UnitsText& units, TextSpan where);

} // namespace mezzurix::query_parts
