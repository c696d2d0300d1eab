// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/catalogue.h>
#include <mezzurix/unit_record.h>

#include <array>
#include <charconv>
#include <vector>

namespace mezzurix {

namespace {

// What the window shows of each of its categories, by the category's key, in the order of its
// "&Lists" menu: menu caption, menu item, Ctrl+ letter, left list, right list, description.
struct WindowCategory {
    std::string_view key;
    std::string_view menuCaption;
    std::string_view menuItem;
    char shortcut;
    std::string_view leftList;
    std::string_view rightList;
    std::string_view description;
};
constexpr WindowCategory kWindowCategories[] = {
    {"area", "&Area", "mnuArea", 'A', "lstArea1", "lstArea2",
     " The measure of a bounded region on a plane. "},
    {"memory", "&Computer Memory / Disk Capacity", "mnuMemory", 'C',
     "lstMemory1", "lstMemory2",
     " Memory and storage sizes for digital devices. [Using the binary (base 2) method] "},
    {"distance", "&Distance", "mnuDistance", 'D', "lstDistance1", "lstDistance2",
     " The length of a line between two points. "},
    {"energy", "Ener&gy", "mnuEnergy", 'G', "lstEnergy1", "lstEnergy2",
     " The capacity for doing work - in modern physics, matter and energy are regarded as "
     "equivalents. "},
    {"flow_rate", "&Flow Rate", "mnuFlowRate", 'F', "lstFlow1", "lstFlow2",
     " The amount of liquid passing by a fixed point during a prescribed amount of time. "},
    {"force", "F&orce", "mnuForce", 'O', "lstForce1", "lstForce2",
     " The cause, or agent, that puts an object at rest into motion or alters the motion of a "
     "moving object. "},
    {"light", "&Light", "mnuLight", 'L', "lstLight1", "lstLight2",
     " The rate of flow of light radiation with respect to the sense of sight. "},
    {"mass", "&Mass", "mnuMass", 'M', "lstMass1", "lstMass2",
     " The quantity of matter in a body as measured by its inertia: experimentally it is "
     "found that the gravitational force on an object is proportional to its mass. "},
    {"power", "Po&wer", "mnuPower", 'W', "lstPower1", "lstPower2",
     " The rate at which work is done. "},
    {"pressure", "&Pressure", "mnuPressure", 'P', "lstPressure1", "lstPressure2",
     " Force per unit of area. "},
    {"temperature", "T&emperature", "mnuTemp", 'E', "lstTemps1", "lstTemps2",
     " A measure of the average kinetic energy per molecule in a body. "},
    {"torque", "&Torque", "mnuTorque", 'T', "lstTorque1", "lstTorque2",
     " Moment of Force (Torque) - A measure of the tendency of a force to rotate the body "
     "upon which it acts about an axis. "},
    {"velocity", "Velocit&y", "mnuSpeed", 'Y', "lstSpeed1", "lstSpeed2",
     " Velocity (Speed) - The time-rate of change of distance: It is expressed as distance "
     "divided by time. "},
    {"volume", "&Volume", "mnuVolume", 'V', "lstVolume1", "lstVolume2",
     " The quantity of space an object occupies. "},
};


// The window's categories with their units, in list order, from the unit table.
struct WindowCatalogue {
    std::vector<std::vector<Unit>> units;  // by category
    std::vector<Category> all;

    WindowCatalogue()
    {
        for (const WindowCategory& window : kWindowCategories) {
            std::vector<Unit>& list = units.emplace_back();
            for (const UnitRecord& unit : unitRecords())
                if (unit.category == window.key && unit.window.code >= 0)
                    list.push_back({unit.window.code, unit.window.caption});
        }
        for (std::size_t c = 0; c < std::size(kWindowCategories); ++c) {
            const WindowCategory& window = kWindowCategories[c];
            all.push_back({findCategoryRecord(window.key)->name, window.menuCaption, window.menuItem, window.shortcut,
                           window.leftList, window.rightList, window.description, units[c]});
        }
    }
};

// Built on first use, so that it is complete whenever it is asked for, from the initialiser of
// a global in another file too.
const WindowCatalogue& windowCatalogue()
{
    static const WindowCatalogue catalogue;
    return catalogue;
}

} // namespace

std::span<const Category> categories()
{
    return windowCatalogue().all;
}

std::string pairCode(int fromCode, int toCode)
{
    // Room for two ints with their signs.
    constexpr std::size_t kBufferSize = 24;
    std::array<char, kBufferSize> buffer{};
    char* const end = buffer.data() + buffer.size();
    const auto from = std::to_chars(buffer.data(), end, fromCode);
    const auto to = std::to_chars(from.ptr, end, toCode);
    return std::string(buffer.data(), to.ptr);
}

} // namespace mezzurix
