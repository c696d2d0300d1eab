// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/typed_units.h>
#include <mezzurix/unit_record.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace mezzurix {

namespace {

// Every category of the unit table with all its units: a window category keeps what the window
// shows of it, a category of typed conversions only has no menu and no lists.
struct TypedCatalogue {
    std::vector<Unit> units;  // in table order, where each category's units stand together
    std::vector<Category> all;
    // By unit code: the category and the position in it, or kNoPlace. Unit codes run to about a
    // thousand, with gaps: two bytes each keep the array to a few pages.
    struct Place {
        std::uint16_t category;
        std::uint16_t position;
    };
    static constexpr Place kNoPlace{UINT16_MAX, UINT16_MAX};
    std::vector<Place> places;

    TypedCatalogue()
    {
        units.reserve(unitRecords().size());
        int lastCode = -1;
        for (const UnitRecord& unit : unitRecords()) {
            units.push_back({unitCode(unit), listText(unit)});
            lastCode = std::max(lastCode, units.back().code);
        }
        places.resize(static_cast<std::size_t>(lastCode + 1), kNoPlace);
        std::size_t first = 0;
        for (std::size_t c = 0; c < categoryRecords().size(); ++c) {
            const CategoryRecord& record = categoryRecords()[c];
            std::size_t end = first;
            while (end < units.size() && unitRecords()[end].category == record.key)
                ++end;
            const auto window = std::find_if(categories().begin(), categories().end(),
                                             [&](const Category& each) { return each.name == record.name; });
            Category category = window != categories().end()
                                    ? *window
                                    : Category{record.name, "", "", '\0', "", "", record.description, {}};
            category.units = std::span(units).subspan(first, end - first);
            all.push_back(category);
            for (std::size_t p = 0; p < category.units.size(); ++p) {
                places[static_cast<std::size_t>(category.units[p].code)] = {static_cast<std::uint16_t>(c),
                                                                            static_cast<std::uint16_t>(p)};
            }
            first = end;
        }
    }
};

// Built on first use, so that it is complete whenever it is asked for, from the initialiser of
// a global in another file too.
const TypedCatalogue& catalogue()
{
    static const TypedCatalogue catalogue;
    return catalogue;
}

} // namespace

std::span<const Category> typedCategories()
{
    return catalogue().all;
}

std::optional<TypedPlace> typedPlaceOf(int unitCode)
{
    const auto& places = catalogue().places;
    if (unitCode < 0 || static_cast<std::size_t>(unitCode) >= places.size())
        return std::nullopt;
    const TypedCatalogue::Place place = places[static_cast<std::size_t>(unitCode)];
    if (place.category == TypedCatalogue::kNoPlace.category)
        return std::nullopt;
    return TypedPlace{place.category, place.position};
}

} // namespace mezzurix
