// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of the English names, which every query reads: the build writes it out as source
// (tools/english-name-table), so that a run starts with it instead of building it.

#include "name_table.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace mezzurix::names::english {

std::span<const NameTable::Slot> bucketSlots();
std::span<const std::uint32_t> starts();
std::string_view text();
std::size_t maxTokens();

} // namespace mezzurix::names::english
