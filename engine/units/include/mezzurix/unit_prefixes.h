// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The prefixes a unit's symbol or name may take: the SI's decimal ones from quecto to quetta, and
// the binary ones of information (IEC 80000-13) from kibi to exbi.

#include <mezzurix/exact_amount.h>
#include <mezzurix/unit_record.h>

#include <span>
#include <string_view>

namespace mezzurix {

struct UnitPrefix {
    std::string_view symbol;  // as typed: "k", "da", "Ki"; the micro sign also as "μ" and "u"
    std::string_view shown;   // as the answer writes it: "µ" for all three spellings of micro
    std::string_view word;    // "kilo", "micro", "kibi"
    int base;                 // 10, or 2 for the binary prefixes
    int exponent;             // of the base: 3 for kilo, -6 for micro, 10 for kibi
};

// Every SI prefix, largest first, each spelling of one (µ, μ and u; deca and deka) a row of its own.
std::span<const UnitPrefix> siPrefixes();

// Kibi (Ki) to exbi (Ei).
std::span<const UnitPrefix> binaryPrefixes();

// Whether a unit whose record declares `prefixes` takes `prefix`: SI units every SI prefix, bits
// the SI ones from kilo up and the binary ones, bytes the binary ones only.
bool takesPrefix(Prefixes prefixes, const UnitPrefix& prefix);

// The prefix's factor: 10³ for kilo, 2¹⁰ for kibi.
ExactAmount prefixFactor(const UnitPrefix& prefix);

} // namespace mezzurix
