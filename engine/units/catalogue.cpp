// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/catalogue.h>

#include <array>
#include <charconv>

namespace mezzurix {

namespace {

// Units in list order, each with its code. Codes follow the list position within a category,
// except Liters (690, since 70 starts Torque); Computer Memory / Disk Capacity starts at 201.
constexpr Unit kDistance[] = {
    {0, "Inches"}, {1, "Feet"}, {2, "Yards"}, {3, "Miles"}, {4, "Millimeters"}, {5, "Centimeters"},
    {6, "Meters"}, {7, "Kilometers"},
};

constexpr Unit kArea[] = {
    {10, "Sq Inches"}, {11, "Sq Feet"}, {12, "Sq Yards"}, {13, "Sq Miles"}, {14, "Sq Millimeters"},
    {15, "Sq Centimeters"}, {16, "Sq Meters"}, {17, "Sq Kilometers"},
};

constexpr Unit kFlowRate[] = {
    {20, "Gallons/Second"}, {21, "Gallons/Minute"}, {22, "Liters/Second"}, {23, "Liters/Minute"},
};

constexpr Unit kPower[] = {
    {24, "Horsepower"}, {25, "Watts"}, {26, "Kilowatts"}, {27, "Megawatts"},
};

constexpr Unit kMass[] = {
    {30, "Ounces(avdp)"}, {31, "Pounds(avdp)"}, {32, "Tons(avdp-2000#)"}, {33, "Grams"},
    {34, "Kilograms"}, {35, "Megagrams"},
};

constexpr Unit kPressure[] = {
    {40, "Millibar"}, {41, "Bar"}, {42, "PSI"}, {43, "Pascal"}, {44, "Kilopascal"},
};

constexpr Unit kVelocity[] = {
    {50, "Feet/second"}, {51, "Feet/minute"}, {52, "Miles/hour"}, {53, "Meters/second"},
    {54, "Meters/minute"}, {55, "Kilometers/hour"},
};

constexpr Unit kTemperature[] = {
    {60, "Celsius"}, {61, "Fahrenheit"},
};

constexpr Unit kVolume[] = {
    {62, "Cubic inches"}, {63, "Cubic feet"}, {64, "Cubic yards"}, {65, "Cubic centimeters"},
    {66, "Cubic meters"}, {67, "Pints"}, {68, "Quarts"}, {69, "Gallons"}, {690, "Liters"},
};

constexpr Unit kTorque[] = {
    {70, "Ounce-force/inch"}, {71, "Ounce-force/foot"}, {72, "Pound-force/inch(Inch pounds)"},
    {73, "Pound-force/foot(Foot pounds)"}, {74, "Newton meters"},
};

constexpr Unit kEnergy[] = {
    {80, "BTU"}, {81, "Calories"}, {82, "Pound-force inches"}, {83, "Pound-force feet"},
    {84, "Horsepower-hours"}, {85, "Joules"}, {86, "Kilowatt-hours"},
};

constexpr Unit kForce[] = {
    {90, "Dynes"}, {91, "Gram-force"}, {92, "Kilogram-force"}, {93, "Millinewtons"},
    {94, "Newtons"}, {95, "Kilonewtons"}, {96, "Ounce-force"}, {97, "Pound-force"},
};

constexpr Unit kLight[] = {
    {100, "Flame"}, {101, "Foot-candles"}, {102, "Lux"}, {103, "Meter-candles"},
};

constexpr Unit kMemory[] = {
    {201, "Bytes (B)"}, {202, "Kilobytes (KB)"}, {203, "Megabytes (MB)"}, {204, "Gigabytes (GB)"},
    {205, "Terabytes (TB)"},
};

// name, menu caption, menu item, Ctrl+ letter, left list, right list, description, units
constexpr Category kCategories[] = {
    {"Area", "&Area", "mnuArea", 'A', "lstArea1", "lstArea2",
     " The measure of a bounded region on a plane. ",
     kArea},
    {"Computer Memory / Disk Capacity", "&Computer Memory / Disk Capacity", "mnuMemory", 'C',
     "lstMemory1", "lstMemory2",
     " Memory and storage sizes for digital devices. [Using the binary (base 2) method] ",
     kMemory},
    {"Distance", "&Distance", "mnuDistance", 'D', "lstDistance1", "lstDistance2",
     " The length of a line between two points. ",
     kDistance},
    {"Energy", "Ener&gy", "mnuEnergy", 'G', "lstEnergy1", "lstEnergy2",
     " The capacity for doing work - in modern physics, matter and energy are regarded as "
     "equivalents. ",
     kEnergy},
    {"Flow Rate", "&Flow Rate", "mnuFlowRate", 'F', "lstFlow1", "lstFlow2",
     " The amount of liquid passing by a fixed point during a prescribed amount of time. ",
     kFlowRate},
    {"Force", "F&orce", "mnuForce", 'O', "lstForce1", "lstForce2",
     " The cause, or agent, that puts an object at rest into motion or alters the motion of a "
     "moving object. ",
     kForce},
    {"Light", "&Light", "mnuLight", 'L', "lstLight1", "lstLight2",
     " The rate of flow of light radiation with respect to the sense of sight. ",
     kLight},
    {"Mass", "&Mass", "mnuMass", 'M', "lstMass1", "lstMass2",
     " The quantity of matter in a body as measured by its inertia: experimentally it is "
     "found that the gravitational force on an object is proportional to its mass. ",
     kMass},
    {"Power", "Po&wer", "mnuPower", 'W', "lstPower1", "lstPower2",
     " The rate at which work is done. ",
     kPower},
    {"Pressure", "&Pressure", "mnuPressure", 'P', "lstPressure1", "lstPressure2",
     " Force per unit of area. ",
     kPressure},
    {"Temperature", "T&emperature", "mnuTemp", 'E', "lstTemps1", "lstTemps2",
     " A measure of the average kinetic energy per molecule in a body. ",
     kTemperature},
    {"Torque", "&Torque", "mnuTorque", 'T', "lstTorque1", "lstTorque2",
     " Moment of Force (Torque) - A measure of the tendency of a force to rotate the body "
     "upon which it acts about an axis. ",
     kTorque},
    {"Velocity", "Velocit&y", "mnuSpeed", 'Y', "lstSpeed1", "lstSpeed2",
     " Velocity (Speed) - The time-rate of change of distance: It is expressed as distance "
     "divided by time. ",
     kVelocity},
    {"Volume", "&Volume", "mnuVolume", 'V', "lstVolume1", "lstVolume2",
     " The quantity of space an object occupies. ",
     kVolume},
};

} // namespace

std::span<const Category> categories()
{
    return kCategories;
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
