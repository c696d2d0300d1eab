// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the query tests compare a reading by: its two units' keys, or its error.

#include <mezzurix/query.h>
#include <mezzurix/unit_record.h>

#include <string>

// The key of a unit's record; "term" for a side the catalogue has no unit for.
inline std::string keyOf(int code)
{
    const mezzurix::UnitRecord* record = mezzurix::findUnitRecord(code);
    return record != nullptr ? std::string(record->key) : "term";
}

// "from>into" unit keys of a query, or the error kind and message.
inline std::string outcome(const mezzurix::QueryReading& reading)
{
    using namespace mezzurix;
    if (const auto* query = std::get_if<Query>(&reading))
        return keyOf(query->fromCode()) + ">" + (query->intoCode() ? keyOf(*query->intoCode()) : "");
    return "error " + std::string(errorKindName(std::get<QueryError>(reading).kind)) + ": " +
           std::get<QueryError>(reading).message;
}
