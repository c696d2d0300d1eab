// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/unit_record.h>

namespace mezzurix {

namespace {

// A unit's amount may name a unit whose amount names another, and so on; a chain this long is a
// circle in the table, never a definition.
constexpr int kMaxKeyDepth = 8;

constexpr std::string_view kTimes = "\u00B7";

// A factor that names a unit: a key starts with a lower-case letter, and "pi" is no key.
bool isKey(std::string_view factor)
{
    return !factor.empty() && factor.front() >= 'a' && factor.front() <= 'z' && factor != "pi";
}

// Calls `each(factor, divides)` for each factor of `amount` in order, split at "*", "·" and "/";
// stops at the first call that returns false, and returns whether none did.
template <typename Each>
bool forEachFactor(std::string_view amount, Each each)
{
    bool divides = false;
    while (true) {
        std::size_t end = 0;
        while (end < amount.size() && amount[end] != '*' && amount[end] != '/' &&
               amount.substr(end, kTimes.size()) != kTimes)
            ++end;
        if (!each(amount.substr(0, end), divides))
            return false;
        if (end == amount.size())
            return true;
        divides = amount[end] == '/';
        amount.remove_prefix(amount.substr(end, kTimes.size()) == kTimes ? end + kTimes.size() : end + 1);
    }
}

std::optional<ExactAmount> amountOf(std::string_view amount, int depth)
{
    if (depth > kMaxKeyDepth)
        return std::nullopt;
    std::optional<ExactAmount> value = ExactAmount::whole(1);
    const bool read = forEachFactor(amount, [&](std::string_view factor, bool divides) {
        std::optional<ExactAmount> next;
        if (isKey(factor)) {
            if (const UnitRecord* unit = findUnitRecord(factor))
                next = amountOf(unit->amount, depth + 1);
        } else {
            next = ExactAmount::parse(factor);
        }
        value = next ? (divides ? *value / *next : *value * *next) : std::nullopt;
        return value.has_value();
    });
    return read ? value : std::nullopt;
}

} // namespace

std::optional<ExactAmount> unitAmount(const UnitRecord& unit)
{
    return amountOf(unit.amount, 0);
}

bool amountNamesUnits(const UnitRecord& unit)
{
    return !forEachFactor(unit.amount, [](std::string_view factor, bool) { return !isKey(factor); });
}

} // namespace mezzurix
