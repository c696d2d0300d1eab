// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the terminal reads and writes numbers: with "." only, or as the user's locale does.

#include "answer_writer.h"

#include <string>

namespace mezzurix::cli {

// The decimal sign and digit group sign of LC_NUMERIC, from the environment.
struct LocalNumbers {
    std::string decimalPoint = ".";
    std::string groupSign;
};
LocalNumbers localNumbers();

enum class NumberConvention {
    // Where the locale's decimal sign is ".", the same as Dot. Elsewhere numbers are read as the
    // window reads them, refusing those that "." would read as another number ("1,250"), and
    // sentences write the locale's sign; -t and --json keep ".".
    Default,
    Regional,  // --regional: the locale's signs, read and written everywhere
    Dot,       // --no-regional: "." only, read and written
};

void applyNumberConvention(NumberConvention convention, const LocalNumbers& local, OutputSettings& settings);

} // namespace mezzurix::cli
