// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the desktop's search shows for a typed conversion, shared by every search interface.
// Plain functions of their arguments and the regional number format: calls may interleave freely.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace mezzurix::search {

// Longer queries get no answer: a conversion needs far fewer, and a search field sends every
// keystroke, so each answer must stay cheap.
constexpr qsizetype kMaxQueryChars = 256;

// A value and a from unit alone ("24 in") are answered into this many of the category's other
// units, its most useful targets first: enough to show the common targets without flooding the
// search.
constexpr int kMaxOtherUnits = 5;

// How an answer's into unit fits the typed text (see mezzurix::TypedFit).
enum class AnswerFit {
    AsTyped,          // named as it stands: "24 in to ft"
    CompletesOthers,  // named, though the name also starts others': meters in "24 in to m"
    Guessed,          // a name finished or corrected: miles in "24 in to m"
};

struct SearchAnswer {
    QString id;           // the normalised query, "24 Inches to Feet"; answerForId() reads it back
    QString name;         // the result with its unit's list name, or the singular for 1: "2 Feet", "1 Foot"
    QString description;  // the whole conversion and its category, "24 Inches = 2 Feet · Distance", and
                          // what a unit is where its name leaves that open: "... · Gallons: US liquid gallon ..."
    QString number;       // the result alone, to 9 significant digits, as shown and copied: "2"
    bool bothUnits = false;  // the query named the into unit itself
    AnswerFit fit = AnswerFit::AsTyped;  // with bothUnits, how the into unit's name fits the text
    bool currency = false;   // money, which the window does not convert: activating it copies it
};

// The answers to one typed query, read with the regional decimal separator as well as ".".
// Empty for anything that is not a conversion.
QList<SearchAnswer> answersFor(const QString& query);

// The same for a query split into words, as the shells pass it.
QList<SearchAnswer> answersFor(const QStringList& terms);

// The answer a result id stands for, computed afresh; nullopt for an id that is no conversion.
std::optional<SearchAnswer> answerForId(const QString& id);

} // namespace mezzurix::search
