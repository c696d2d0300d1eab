// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/conversion_table.h>

#include <mezzurix/catalogue.h>
#include <mezzurix/number_digits.h>

#include "tables/tables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace mezzurix {

namespace {

// Unit codes are below this; a code's place is then one array read.
constexpr std::size_t kCodeLimit = 1024;
// Two codes below kCodeLimit take at most eight digits.
constexpr std::size_t kMaxPairCodeLength = 8;

// A unit's place in the catalogue: its category, and its position in that category's lists.
struct Place {
    std::uint8_t category = kNoCategory;
    std::uint8_t position = 0;
    static constexpr std::uint8_t kNoCategory = 0xFF;  // no unit has this code
};

// The table's entries, and for each category a square matrix of its pairs, from unit by into
// unit in list order, sized from the catalogue.
class Table {
public:
    std::vector<Entry> entries;  // table order

    Table()
    {
        const std::span<const Entry> groups[] = {tables::distanceArea(), tables::flowPowerMassPressureSpeed(),
                                                 tables::temperatureVolume(), tables::torqueEnergyForce(),
                                                 tables::lightMemory()};
        std::size_t size = 0;
        for (const std::span<const Entry> group : groups)
            size += group.size();
        entries.reserve(size);
        for (const std::span<const Entry> group : groups)
            entries.insert(entries.end(), group.begin(), group.end());

        const std::span<const Category> all = categories();
        for (std::size_t c = 0; c < all.size(); ++c) {
            const std::span<const Unit> units = all[c].units;
            matrices_.push_back({cells_.size(), units.size()});
            cells_.resize(cells_.size() + units.size() * units.size(), nullptr);
            for (std::size_t p = 0; p < units.size(); ++p)
                places_.at(static_cast<std::size_t>(units[p].code)) = {std::uint8_t(c), std::uint8_t(p)};
        }
        // The first entry of a pair keeps its cell.
        for (const Entry& entry : entries)
            if (const std::size_t cell = cellOf(entry.pairCode); cell != kNoCell && cells_[cell] == nullptr)
                cells_[cell] = &entry;
    }

    const Entry* find(std::string_view pairCode) const
    {
        const std::size_t cell = cellOf(pairCode);
        return cell != kNoCell ? cells_[cell] : nullptr;
    }

    const Entry* find(int fromCode, int intoCode) const
    {
        const std::size_t cell = cellOf(placeOf(fromCode), placeOf(intoCode));
        return cell != kNoCell ? cells_[cell] : nullptr;
    }

private:
    // A pair code is the from unit's code followed by the into unit's, each in decimal without
    // leading zeros: its cell is found at the one cut between them that leaves two units of one
    // category (no two pairs share a code).
    std::size_t cellOf(std::string_view pairCode) const
    {
        const std::size_t length = pairCode.size();
        if (length < 2 || length > kMaxPairCodeLength)
            return kNoCell;
        // The codes the text from each position to its end would write, or kCodeLimit for none.
        std::array<std::size_t, kMaxPairCodeLength> intoCodes{};
        std::size_t value = 0;
        std::size_t scale = 1;
        for (std::size_t i = length; i-- > 0;) {
            if (!number_digits::isDigit(pairCode[i]))
                return kNoCell;
            value += std::size_t(pairCode[i] - '0') * scale;
            scale *= 10;
            const bool leadingZero = pairCode[i] == '0' && i + 1 < length;
            intoCodes[i] = leadingZero || value >= kCodeLimit ? kCodeLimit : value;
        }
        std::size_t fromCode = 0;
        for (std::size_t cut = 1; cut < length; ++cut) {
            fromCode = fromCode * 10 + std::size_t(pairCode[cut - 1] - '0');
            if (fromCode >= kCodeLimit || (cut > 1 && pairCode[0] == '0'))
                return kNoCell;
            if (const std::size_t cell = cellOf(places_[fromCode], places_[intoCodes[cut]]); cell != kNoCell)
                return cell;
        }
        return kNoCell;
    }

    // The cell of two units of one category.
    std::size_t cellOf(Place from, Place into) const
    {
        if (from.category == Place::kNoCategory || into.category != from.category)
            return kNoCell;
        const Matrix& matrix = matrices_[from.category];
        return matrix.first + from.position * matrix.size + into.position;
    }

    Place placeOf(int code) const
    {
        return code >= 0 && static_cast<std::size_t>(code) < kCodeLimit ? places_[static_cast<std::size_t>(code)]
                                                                         : Place{};
    }

    static constexpr std::size_t kNoCell = SIZE_MAX;

    struct Matrix {
        std::size_t first = 0;  // its first cell in cells_
        std::size_t size = 0;   // the category's unit count: the matrix is size x size
    };
    std::array<Place, kCodeLimit + 1> places_{};  // by unit code; the last for no code
    std::vector<Matrix> matrices_;            // by category
    std::vector<const Entry*> cells_;         // every category's matrix, row by row
};

const Table& table()
{
    static const Table instance;
    return instance;
}

} // namespace

std::span<const Entry> conversionTable()
{
    return table().entries;
}

const Entry* findEntry(std::string_view pairCode)
{
    return table().find(pairCode);
}

const Entry* findEntry(int fromCode, int intoCode)
{
    return table().find(fromCode, intoCode);
}

} // namespace mezzurix
