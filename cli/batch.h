// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Batch mode: one query a line, one output line a line, in order.

#include "answer_writer.h"

#include <cstdio>
#include <string_view>

namespace mezzurix::cli {

// Answers every line read from `fd`. Output is written out before the program waits for more
// input, so a program talking to this one line by line gets each answer at once. False when
// any line failed or the input could not be read.
bool answerLines(int fd, std::string_view fileName, AnswerWriter& writer, Output& out, std::FILE* err);

} // namespace mezzurix::cli
