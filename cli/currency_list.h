// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// --list: the currencies with their codes and names.

#include "answer_writer.h"
#include "output.h"

#include <string_view>

namespace mezzurix::cli {

// Whether `--list NAME` asks for the currencies ("currencies", "currency", in any case).
bool isCurrencyListName(std::string_view name);

// The currencies and the names they read by in `language` (besides English; empty for none),
// then the names several of them share.
void writeCurrencyList(OutputStyle style, std::string_view language, Output& out);

} // namespace mezzurix::cli
