// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch.h"

#include "line_reader.h"

#include <mezzurix/query.h>

#include <cstring>

namespace mezzurix::cli {

bool answerLines(int fd, std::string_view fileName, AnswerWriter& writer, Output& out, std::FILE* err)
{
    // Lines are kept up to one byte past the longest query, so that a longer one is refused.
    LineReader reader(fd, kMaxQueryBytes, [&out] { out.flush(); });
    bool allAnswered = true;
    std::size_t number = 0;
    std::string_view line;
    // Nothing more can reach the reader once a write has failed.
    while (out.writeError() == 0 && reader.next(line))
        allAnswered = writer.answer(line, {fileName, ++number}) && allAnswered;
    out.flush();
    if (reader.readError() != 0) {
        std::fprintf(err, "%s: %s: %s\n", kProgramName,
                     fileName.empty() ? "standard input" : std::string(fileName).c_str(),
                     std::strerror(reader.readError()));
        return false;
    }
    return allAnswered;
}

} // namespace mezzurix::cli
