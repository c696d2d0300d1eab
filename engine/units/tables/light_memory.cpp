// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/table_entry.h"
#include "tables/tables.h"

namespace mezzurix::tables {

namespace {

// Rows are the from unit, columns the to unit, both in list order. The values are used
// exactly as written; opposite entries are not always exact reciprocals.
constexpr Entry kEntries[] = {
    // Light
    // Flame
    factor("100100", 1), factor("100101", 4), factor("100102", 43.055641666839),
    factor("100103", 43.055641666839),
    // Foot-candles
    factor("101100", 0.25), factor("101101", 1), factor("101102", 10.7639104167098),
    factor("101103", 10.7639104167098),
    // Lux
    factor("102100", 0.02322576), factor("102101", 0.09290304), factor("102102", 1),
    factor("102103", 1),
    // Meter-candles
    factor("103100", 0.02322576), factor("103101", 0.09290304), factor("103102", 1),
    factor("103103", 1),
    // Computer Memory / Disk Capacity
    // Bytes (B)
    factor("201201", 1), factor("201202", 1.0 / 1024), factor("201203", 1.0 / 1048576),
    factor("201204", 1.0 / 1073741824), factor("201205", 1.0 / 1099511627776),
    // Kilobytes (KB)
    factor("202201", 1024), factor("202202", 1), factor("202203", 1.0 / 1024),
    factor("202204", 1.0 / 1048576), factor("202205", 1.0 / 1073741824),
    // Megabytes (MB)
    factor("203201", 1048576), factor("203202", 1024), factor("203203", 1),
    factor("203204", 1.0 / 1024), factor("203205", 1.0 / 1048576),
    // Gigabytes (GB)
    factor("204201", 1073741824), factor("204202", 1048576), factor("204203", 1024),
    factor("204204", 1), factor("204205", 1.0 / 1024),
    // Terabytes (TB)
    factor("205201", 1099511627776), factor("205202", 1073741824), factor("205203", 1048576),
    factor("205204", 1024), factor("205205", 1),
};

} // namespace

std::span<const Entry> lightMemory()
{
    return kEntries;
}

} // namespace mezzurix::tables
