// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The query reader on any bytes. An accepted query names its units in the text (the spans hold
// one of the units' names), its pair belongs to one category, its value is the window's reading
// of its digits, and its answer is exactly the table's conversion. A refusal points inside the
// text and says why on one line.

#include "fuzz_support.h"

#include <mezzurix/catalogue.h>
#include <mezzurix/convert.h>
#include <mezzurix/query.h>
#include <mezzurix/unit_names.h>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace mezzurix;
using namespace mezzurix::fuzz;

namespace {

std::size_t blankAt(std::string_view text, std::size_t i)
{
    const char c = text[i];
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f')
        return 1;
    for (const std::string_view wide : {"\u00A0", "\u2007", "\u2009", "\u202F"})
        if (text.substr(i, wide.size()) == wide)
            return wide.size();
    return 0;
}

// A name as typed, the way the alias table writes it: single spaces, "^2" as "²" and the
// multiplication forms as "·"; with `fold`, ASCII letters lowered.
std::string written(std::string_view typed, bool fold)
{
    std::string out;
    bool pendingSpace = false;
    std::size_t i = 0;
    while (i < typed.size()) {
        if (const std::size_t blank = blankAt(typed, i)) {
            pendingSpace = !out.empty();
            i += blank;
            continue;
        }
        if (pendingSpace)
            out += ' ';
        pendingSpace = false;
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

void checkNamed(std::string_view text, TextSpan span, int code, const char* side)
{
    if (span.length == 0 || span.offset + span.length > text.size())
        fail("unit span outside the text", side);
    const std::string_view typed = text.substr(span.offset, span.length);
    for (const UnitName& name : namesOf(code)) {
        const bool fold = name.kind != NameKind::CaseSymbol;
        if (written(typed, fold) == written(name.text, fold))
            return;
    }
    fail("accepted a unit the text does not name", std::string(side) + " [" + std::string(typed) + "] code " +
                                                       std::to_string(code));
}

void checkQuery(std::string_view text, const Query& query, std::uint8_t decimalsByte)
{
    if (query.valueSpan.offset + query.valueSpan.length > query.fromSpan.offset)
        fail("value span overlaps the from unit", text);
    if (query.valueText.find_first_not_of("+-0123456789.e") != std::string::npos)
        fail("value text has stray characters", query.valueText);
    const std::optional<double> value = readLeadingNumber(query.valueText);
    if (!value || std::bit_cast<std::uint64_t>(*value) != std::bit_cast<std::uint64_t>(query.value))
        fail("value differs from the window's reading", query.valueText);

    const Category& category = categories()[query.categoryIndex];
    if (&category != query.category || category.units[query.fromPosition].code != query.fromCode)
        fail("from unit is not at its place", text);
    checkNamed(text, query.fromSpan, query.fromCode, "from");
    if (!query.intoCode)
        return;
    if (!query.intoPosition || category.units[*query.intoPosition].code != *query.intoCode)
        fail("into unit is not in the from unit's category", text);
    if (query.pairCode != pairCode(query.fromCode, *query.intoCode))
        fail("pair code does not join the two codes", query.pairCode);
    checkNamed(text, query.intoSpan, *query.intoCode, "into");
    if (query.fromSpan.offset + query.fromSpan.length > query.intoSpan.offset)
        fail("from span overlaps the into unit", text);

    const std::optional<int> decimals =
        decimalsByte <= kMaxDecimals ? std::optional<int>(decimalsByte) : std::nullopt;
    const std::optional<double> expected = convertValue(query.pairCode, query.value);
    const auto answer = answerQuery(query, decimals);
    if (const Answer* a = std::get_if<Answer>(&answer)) {
        if (!expected || std::bit_cast<std::uint64_t>(*expected) != std::bit_cast<std::uint64_t>(a->result))
            fail("answer differs from the table's conversion", text);
        const std::string expectedText = decimals ? formatFixed(*expected, *decimals, {}) : formatGeneral(*expected);
        if (a->text != expectedText)
            fail("answer text differs from the output rules", a->text + " vs " + expectedText);
    } else if (expected) {
        fail("answer refused a conversion the table makes", text);
    }
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
    const std::uint8_t decimalsByte = data[1] % 40;
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);

    const QueryReading reading = readQuery(text, options);
    if (const Query* query = std::get_if<Query>(&reading)) {
        checkQuery(text, *query, decimalsByte);
        return 0;
    }
    const QueryError& error = std::get<QueryError>(reading);
    if (error.where.offset + error.where.length > text.size())
        fail("error span outside the text", error.message);
    if (error.message.empty() || error.message.find('\n') != std::string::npos)
        fail("error message is not one line", error.message);
    return 0;
}
