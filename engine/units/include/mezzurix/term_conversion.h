// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Conversion between two unit terms: through one exact factor, where the two measure one
// quantity, where one measures the inverse of the other by declaration (pace and speed), or where
// cycles meet angles (2π radians a cycle).

#include <mezzurix/unit_term.h>

#include <optional>

namespace mezzurix {

// y = factor / x when `reciprocal`; otherwise y = (x + fromOffset) × factor − intoOffset, the
// offsets being those of two temperature scales standing alone, and zero for anything else.
struct TermConversion {
    ExactAmount factor;
    bool reciprocal = false;
    ExactAmount fromOffset;
    ExactAmount intoOffset;
};

// How `from` converts into `into`; nullopt where it does not: another dimension that is neither
// declared its inverse nor the same but for cycles and angles, or torque against energy.
std::optional<TermConversion> termConversion(const UnitTerm& from, const UnitTerm& into);

// `x` converted, in doubles: the factor and offsets rounded once, as for two declared units.
// nullopt beyond the double range.
std::optional<double> convertTerm(const TermConversion& conversion, double x);

// `x` converted exactly; nullopt for 0 under a reciprocal conversion, and beyond the limits of
// exact amounts.
std::optional<ExactAmount> convertTermExactly(const TermConversion& conversion, const ExactAmount& x);

} // namespace mezzurix
