// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/useful_targets.h>

#include <mezzurix/unit_record.h>

#include <algorithm>
#include <string_view>
#include <vector>

namespace mezzurix {

namespace {

// Every unit's order, with codes for the keys its record names, built once.
struct Orders {
    std::vector<UsefulTargets> table;       // in the order of the unit table
    std::vector<std::span<const int>> byRow;  // of the unit table, without the unused places

    Orders()
    {
        for (const UnitRecord& unit : unitRecords()) {
            if (unit.targets.empty())
                continue;
            UsefulTargets& order = table.emplace_back(UsefulTargets{unitCode(unit), {}});
            order.intoCodes.fill(kNoUnit);
            std::size_t count = 0;
            for (std::string_view rest = unit.targets; !rest.empty() && count < kMaxUsefulTargets;) {
                const std::size_t blank = rest.find(' ');
                order.intoCodes[count++] = unitCode(rest.substr(0, blank));
                rest.remove_prefix(blank == std::string_view::npos ? rest.size() : blank + 1);
            }
        }
        byRow.resize(unitRecords().size());
        for (const UsefulTargets& order : table) {
            const auto row = static_cast<std::size_t>(findUnitRecord(order.fromCode) - unitRecords().data());
            const auto end = std::find(order.intoCodes.begin(), order.intoCodes.end(), kNoUnit);
            byRow[row] = {order.intoCodes.begin(), end};
        }
    }
};

const Orders& orders()
{
    static const Orders all;
    return all;
}

} // namespace

std::span<const UsefulTargets> usefulTargetTable()
{
    return orders().table;
}

std::span<const int> usefulTargets(int fromCode)
{
    const UnitRecord* unit = findUnitRecord(fromCode);
    if (unit == nullptr)
        return {};
    return orders().byRow[static_cast<std::size_t>(unit - unitRecords().data())];
}

} // namespace mezzurix
