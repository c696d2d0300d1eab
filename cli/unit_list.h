// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// --list: the categories, their units and every name each unit is read by.

#include "answer_writer.h"

#include "output.h"

#include <cstddef>
#include <mezzurix/unit_names.h>

#include <optional>
#include <string>
#include <string_view>

namespace mezzurix::cli {

// The category `name` picks: its whole name or the start of the name or of one of its words,
// in any case ("mass", "Temp", "memory"), when only one category fits. Otherwise nullopt and
// `problem` says why.
std::optional<std::size_t> findCategory(std::string_view name, std::string& problem);

// All categories, or the one at `category`. Sentence: a heading per category and a line per
// unit; Terse: every name on its own line; Json: one object per category.
// Each unit's names include those of `language`, when given.
void writeUnitList(std::optional<std::size_t> category, OutputStyle style, const LanguageNames* language, Output& out);

} // namespace mezzurix::cli
