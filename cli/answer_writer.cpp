// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer_writer.h"

#include "explain.h"
#include "json.h"

#include <mezzurix/terminal_messages.h>
#include <mezzurix/utf8.h>

#include <string>

namespace mezzurix::cli {

namespace {

// A batch line that holds no query: an empty output line, and no failure.
bool isComment(std::string_view line)
{
    return line.starts_with('#');
}

// The parts of an answer into several units, as a JSON array.
std::string partsJson(const Query& query, const std::vector<AnswerPart>& parts)
{
    std::string json = "[";
    for (const AnswerPart& part : parts) {
        if (json.size() > 1)
            json += ',';
        json += JsonObject()
                    .string("unit", query.category().units[part.position].text)
                    .number("value", part.amount)
                    .string("text", part.text)
                    .text();
    }
    return json + "]";
}

// The unit's name after a number as printed, as the user named it, singular or plural by the
// language's rule; in a language without display names, the name the window lists it by.
// JSON names units in English whatever the language.
std::string_view unitAfter(const Unit& unit, const NamedForm* form, std::string_view number,
                           std::string_view decimalPoint, bool json)
{
    const UnitRecord* record = findUnitRecord(unit.code);
    if (record == nullptr)
        return unit.text;
    const std::string_view caption = json ? unit.text : catalogueText(unit.text);
    return nameAfterNumber(*record, form, json ? std::string_view() : messagesLocale(), number, decimalPoint,
                           caption != unit.text ? caption : std::string_view());
}

} // namespace

AnswerWriter::AnswerWriter(OutputSettings settings, Output& out, std::FILE* err)
    : settings_(std::move(settings)), out_(out), err_(err)
{
}

bool AnswerWriter::answer(std::string_view query, const QuerySource& source)
{
    const bool batchLine = source.line > 0;
    if (batchLine && isComment(query))
        return skip();
    // Money and units. The query of the command line is checked for currency words first: a few
    // probes of a hash set, where the unit reader would take milliseconds of a fresh process to
    // refuse a currency query. A batch line is read as units first, as nearly all are, so that
    // their throughput does not pay for the check; only the lines the unit reader refuses are
    // read as money. The currency reader leaves to the unit reader what both could read.
    if (!batchLine)
        if (const std::optional<bool> answered = answerAsMoney(query, source))
            return *answered;
    const QueryReading reading = readQuery(query, settings_.reading);
    if (const QueryError* error = std::get_if<QueryError>(&reading)) {
        if (batchLine && error->kind == QueryErrorKind::Empty)
            return skip();
        if (batchLine)
            if (const std::optional<bool> answered = answerAsMoney(query, source))
                return *answered;
        fail(query, *error, source);
        return false;
    }
    const Query& q = std::get<Query>(reading);
    answerText_.clear();
    // JSON lists the parts of an answer into several units, split once with its text.
    std::vector<AnswerPart> parts;
    const auto answered = appendAnswer(answerText_, q, settings_.decimals, settings_.format, settings_.significantDigits,
                                       settings_.style == OutputStyle::Json ? &parts : nullptr);
    if (const QueryError* error = std::get_if<QueryError>(&answered)) {
        fail(query, *error, source);
        return false;
    }
    const double result = std::get<double>(answered);
    // A side the catalogue has no unit for is named by its symbol: "2.7 g/cm³ = 2700 kg/m³".
    const Unit* fromUnit = q.fromTerm ? nullptr : &q.category().units[q.fromPosition];
    const Unit* intoUnit = q.intoTerm ? nullptr : &q.category().units[*q.intoPosition];
    const std::string_view from = fromUnit != nullptr ? fromUnit->text : std::string_view(q.fromTerm->symbol);
    const std::string_view into = intoUnit != nullptr ? intoUnit->text : std::string_view(q.intoTerm->symbol);
    // The value as typed: a quantity of several units has none, and its unit is named in the plural.
    // A value in words is written as the answers' numbers are ("a third": 0.333333333).
    const std::string inWords =
        q.valueInWords ? formatGeneral(q.value, settings_.format.decimalPoint, settings_.significantDigits) : std::string();
    const std::string_view typedValue = !q.fromParts.empty() ? std::string_view()
                                        : q.valueInWords     ? std::string_view(inWords)
                                                             : query.substr(q.valueSpan.offset, q.valueSpan.length);
    // The printed value's digits, with "." for the point as the reader writes them.
    const std::string_view valueDigits = q.valueInWords ? std::string_view(inWords) : std::string_view(q.valueText);
    const std::string_view valuePoint = q.valueInWords ? std::string_view(settings_.format.decimalPoint) : ".";
    const bool json = settings_.style == OutputStyle::Json;
    const auto fromName = [&] {
        return fromUnit != nullptr ? unitAfter(*fromUnit, q.fromForm, valueDigits, valuePoint, json) : from;
    };
    const auto intoName = [&] {
        return intoUnit != nullptr ? unitAfter(*intoUnit, q.intoForm, answerText_, settings_.format.decimalPoint, json)
                                   : into;
    };

    std::string& line = out_.text();
    switch (settings_.style) {
    case OutputStyle::Sentence: {
        // What was typed is shown as messages show it: no control character reaches the terminal.
        if (q.computed) {
            // "4 m × 3 m" as typed: its value is no number the user wrote.
            appendShown(line, query.substr(q.valueSpan.offset, q.fromSpan.offset + q.fromSpan.length - q.valueSpan.offset));
        } else if (q.fromParts.empty()) {
            appendShown(line, typedValue);
            line += ' ';
            line += fromName();
        } else {
            appendShown(line, query.substr(q.fromSpan.offset, q.fromSpan.length));  // "5 ft 10 in" as typed
        }
        line += " = ";
        line += answerText_;
        if (q.intoParts.empty()) {  // several into units are named within the answer
            line += ' ';
            line += intoName();
        }
        if (settings_.explain) {
            line += '\n';
            appendExplanation(line, query, q, result, settings_.format.decimalPoint);
            line.pop_back();  // the line feed below ends the last line
        }
        break;
    }
    case OutputStyle::Terse:
        line += answerText_;
        break;
    case OutputStyle::Json:
    {
        JsonObject object;
        object.string("query", query)
            .number("value", q.value)
            .string("from", from)
            .string("into", into)
            .string("from_name", fromName())
            .string("into_name", intoName())
            .string("category", q.categoryIndex != kNoCategory ? std::string(q.category().name)
                                                               : q.fromTerm->dimension.text())
            .number("result", result)
            .string("text", answerText_);
        if (!q.intoParts.empty())
            object.raw("parts", partsJson(q, parts));
        if (q.ignoredWords.length > 0)
            object.string("ignored", query.substr(q.ignoredWords.offset, q.ignoredWords.length));
        if (!q.corrections.empty()) {
            std::string corrected = "[";
            for (const QueryCorrection& correction : q.corrections)
                corrected += (corrected.size() > 1 ? "," : "") +
                             JsonObject().string("typed", correction.typed).string("read", correction.read).text();
            object.raw("corrected", corrected + "]");
        }
        line += object.text();
        break;
    }
    }
    line += '\n';
    out_.lineDone();
    if (settings_.style != OutputStyle::Json)
        for (const QueryCorrection& correction : q.corrections) {
            std::string typed;
            appendShown(typed, correction.typed);
            message(fillMessage(tr("note: read \"%s\" as \"%s\""), {typed, correction.read}), source);
        }
    if (q.ignoredWords.length > 0 && settings_.style != OutputStyle::Json) {
        std::string shown;
        appendShown(shown, query.substr(q.ignoredWords.offset, q.ignoredWords.length));
        message(fillMessage(tr("note: left out \"%s\", which names no unit"), {shown}), source);
    }
    return true;
}

std::string AnswerWriter::whereOf(const QuerySource& source) const
{
    // mezzurix-convert: line 3: ..., or mezzurix-convert: queries.txt:3: ... for a file
    if (source.line == 0)
        return {};
    return (source.file.empty() ? std::string(tr("line ")) : std::string(source.file) + ":") + std::to_string(source.line) + ": ";
}

bool AnswerWriter::skip()
{
    out_.text() += '\n';
    out_.lineDone();
    return true;
}

void AnswerWriter::message(std::string_view text, const QuerySource& source)
{
    // The answers before it reach the terminal before the message.
    out_.flush();
    std::fprintf(err_, "%s: %s%.*s\n", kProgramName, whereOf(source).c_str(), static_cast<int>(text.size()), text.data());
}

void AnswerWriter::fail(std::string_view query, const QueryError& error, const QuerySource& source)
{
    // A number the two conventions read differently says how to choose one.
    const char* choice = error.kind == QueryErrorKind::AmbiguousNumber ? tr("; choose with --regional or --no-regional") : "";
    message(error.message + choice, source);

    if (settings_.style == OutputStyle::Json) {
        JsonObject object;
        object.string("query", query).string("error", errorKindName(error.kind)).string("message", error.message);
        object.integer("offset", static_cast<long long>(error.where.offset))
            .integer("length", static_cast<long long>(error.where.length));
        if (!error.candidates.empty())
            object.strings("candidates", error.candidates);
        if (source.line > 0)
            object.integer("line", static_cast<long long>(source.line));
        out_.text() += object.text() + "\n";
    } else if (source.line > 0) {
        out_.text() += '\n';
    }
    out_.lineDone();
}

} // namespace mezzurix::cli
