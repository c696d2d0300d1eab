// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace mezzurix {

// An exponent as it is written after a symbol: "²", "⁻¹", "¹⁰".
std::string superscript(int exponent);

} // namespace mezzurix
