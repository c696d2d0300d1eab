// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/window_texts.h>

#include <QCoreApplication>

namespace mezzurix::ui {
namespace {

constexpr const char* kCatalogueContext = "Catalogue";

// The catalogue's English texts, for translation: the categories' names, menu captions and
// descriptions, then the units in list order. A test checks that it holds every text of the
// catalogue.
constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("Catalogue", "Area"),
    QT_TRANSLATE_NOOP("Catalogue", "&Area"),
    QT_TRANSLATE_NOOP("Catalogue", " The measure of a bounded region on a plane. "),
    QT_TRANSLATE_NOOP("Catalogue", "Computer Memory / Disk Capacity"),
    QT_TRANSLATE_NOOP("Catalogue", "&Computer Memory / Disk Capacity"),
    QT_TRANSLATE_NOOP("Catalogue",
                      " Memory and storage sizes for digital devices. [Using the binary (base 2) "
                      "method] "),
    QT_TRANSLATE_NOOP("Catalogue", "Distance"),
    QT_TRANSLATE_NOOP("Catalogue", "&Distance"),
    QT_TRANSLATE_NOOP("Catalogue", " The length of a line between two points. "),
    QT_TRANSLATE_NOOP("Catalogue", "Energy"),
    QT_TRANSLATE_NOOP("Catalogue", "Ener&gy"),
    QT_TRANSLATE_NOOP("Catalogue",
                      " The capacity for doing work - in modern physics, matter and energy are "
                      "regarded as equivalents. "),
    QT_TRANSLATE_NOOP("Catalogue", "Flow Rate"),
    QT_TRANSLATE_NOOP("Catalogue", "&Flow Rate"),
    QT_TRANSLATE_NOOP("Catalogue",
                      " The amount of liquid passing by a fixed point during a prescribed amount of "
                      "time. "),
    QT_TRANSLATE_NOOP("Catalogue", "Force"),
    QT_TRANSLATE_NOOP("Catalogue", "F&orce"),
    QT_TRANSLATE_NOOP("Catalogue",
                      " The cause, or agent, that puts an object at rest into motion or alters the "
                      "motion of a moving object. "),
    QT_TRANSLATE_NOOP("Catalogue", "Light"),
    QT_TRANSLATE_NOOP("Catalogue", "&Light"),
    QT_TRANSLATE_NOOP("Catalogue", " The rate of flow of light radiation with respect to the sense of sight. "),
    QT_TRANSLATE_NOOP("Catalogue", "Mass"),
    QT_TRANSLATE_NOOP("Catalogue", "&Mass"),
    QT_TRANSLATE_NOOP("Catalogue",
                      " The quantity of matter in a body as measured by its inertia: experimentally it "
                      "is found that the gravitational force on an object is proportional to its mass. "),
    QT_TRANSLATE_NOOP("Catalogue", "Power"),
    QT_TRANSLATE_NOOP("Catalogue", "Po&wer"),
    QT_TRANSLATE_NOOP("Catalogue", " The rate at which work is done. "),
    QT_TRANSLATE_NOOP("Catalogue", "Pressure"),
    QT_TRANSLATE_NOOP("Catalogue", "&Pressure"),
    QT_TRANSLATE_NOOP("Catalogue", " Force per unit of area. "),
    QT_TRANSLATE_NOOP("Catalogue", "Temperature"),
    QT_TRANSLATE_NOOP("Catalogue", "T&emperature"),
    QT_TRANSLATE_NOOP("Catalogue", " A measure of the average kinetic energy per molecule in a body. "),
    QT_TRANSLATE_NOOP("Catalogue", "Torque"),
    QT_TRANSLATE_NOOP("Catalogue", "&Torque"),
    QT_TRANSLATE_NOOP("Catalogue",
                      " Moment of Force (Torque) - A measure of the tendency of a force to rotate the "
                      "body upon which it acts about an axis. "),
    QT_TRANSLATE_NOOP("Catalogue", "Velocity"),
    QT_TRANSLATE_NOOP("Catalogue", "Velocit&y"),
    QT_TRANSLATE_NOOP("Catalogue",
                      " Velocity (Speed) - The time-rate of change of distance: It is expressed as "
                      "distance divided by time. "),
    QT_TRANSLATE_NOOP("Catalogue", "Volume"),
    QT_TRANSLATE_NOOP("Catalogue", "&Volume"),
    QT_TRANSLATE_NOOP("Catalogue", " The quantity of space an object occupies. "),
    QT_TRANSLATE_NOOP("Catalogue", "Inches"),
    QT_TRANSLATE_NOOP("Catalogue", "Feet"),
    QT_TRANSLATE_NOOP("Catalogue", "Yards"),
    QT_TRANSLATE_NOOP("Catalogue", "Miles"),
    QT_TRANSLATE_NOOP("Catalogue", "Millimeters"),
    QT_TRANSLATE_NOOP("Catalogue", "Centimeters"),
    QT_TRANSLATE_NOOP("Catalogue", "Meters"),
    QT_TRANSLATE_NOOP("Catalogue", "Kilometers"),
    QT_TRANSLATE_NOOP("Catalogue", "Sq Inches"),
    QT_TRANSLATE_NOOP("Catalogue", "Sq Feet"),
    QT_TRANSLATE_NOOP("Catalogue", "Sq Yards"),
    QT_TRANSLATE_NOOP("Catalogue", "Sq Miles"),
    QT_TRANSLATE_NOOP("Catalogue", "Sq Millimeters"),
    QT_TRANSLATE_NOOP("Catalogue", "Sq Centimeters"),
    QT_TRANSLATE_NOOP("Catalogue", "Sq Meters"),
    QT_TRANSLATE_NOOP("Catalogue", "Sq Kilometers"),
    QT_TRANSLATE_NOOP("Catalogue", "Gallons/Second"),
    QT_TRANSLATE_NOOP("Catalogue", "Gallons/Minute"),
    QT_TRANSLATE_NOOP("Catalogue", "Liters/Second"),
    QT_TRANSLATE_NOOP("Catalogue", "Liters/Minute"),
    QT_TRANSLATE_NOOP("Catalogue", "Horsepower"),
    QT_TRANSLATE_NOOP("Catalogue", "Watts"),
    QT_TRANSLATE_NOOP("Catalogue", "Kilowatts"),
    QT_TRANSLATE_NOOP("Catalogue", "Megawatts"),
    QT_TRANSLATE_NOOP("Catalogue", "Ounces(avdp)"),
    QT_TRANSLATE_NOOP("Catalogue", "Pounds(avdp)"),
    QT_TRANSLATE_NOOP("Catalogue", "Tons(avdp-2000#)"),
    QT_TRANSLATE_NOOP("Catalogue", "Grams"),
    QT_TRANSLATE_NOOP("Catalogue", "Kilograms"),
    QT_TRANSLATE_NOOP("Catalogue", "Megagrams"),
    QT_TRANSLATE_NOOP("Catalogue", "Millibar"),
    QT_TRANSLATE_NOOP("Catalogue", "Bar"),
    QT_TRANSLATE_NOOP("Catalogue", "PSI"),
    QT_TRANSLATE_NOOP("Catalogue", "Pascal"),
    QT_TRANSLATE_NOOP("Catalogue", "Kilopascal"),
    QT_TRANSLATE_NOOP("Catalogue", "Feet/second"),
    QT_TRANSLATE_NOOP("Catalogue", "Feet/minute"),
    QT_TRANSLATE_NOOP("Catalogue", "Miles/hour"),
    QT_TRANSLATE_NOOP("Catalogue", "Meters/second"),
    QT_TRANSLATE_NOOP("Catalogue", "Meters/minute"),
    QT_TRANSLATE_NOOP("Catalogue", "Kilometers/hour"),
    QT_TRANSLATE_NOOP("Catalogue", "Celsius"),
    QT_TRANSLATE_NOOP("Catalogue", "Fahrenheit"),
    QT_TRANSLATE_NOOP("Catalogue", "Cubic inches"),
    QT_TRANSLATE_NOOP("Catalogue", "Cubic feet"),
    QT_TRANSLATE_NOOP("Catalogue", "Cubic yards"),
    QT_TRANSLATE_NOOP("Catalogue", "Cubic centimeters"),
    QT_TRANSLATE_NOOP("Catalogue", "Cubic meters"),
    QT_TRANSLATE_NOOP("Catalogue", "Pints"),
    QT_TRANSLATE_NOOP("Catalogue", "Quarts"),
    QT_TRANSLATE_NOOP("Catalogue", "Gallons"),
    QT_TRANSLATE_NOOP("Catalogue", "Liters"),
    QT_TRANSLATE_NOOP("Catalogue", "Ounce-force/inch"),
    QT_TRANSLATE_NOOP("Catalogue", "Ounce-force/foot"),
    QT_TRANSLATE_NOOP("Catalogue", "Pound-force/inch(Inch pounds)"),
    QT_TRANSLATE_NOOP("Catalogue", "Pound-force/foot(Foot pounds)"),
    QT_TRANSLATE_NOOP("Catalogue", "Newton meters"),
    QT_TRANSLATE_NOOP("Catalogue", "BTU"),
    QT_TRANSLATE_NOOP("Catalogue", "Calories"),
    QT_TRANSLATE_NOOP("Catalogue", "Pound-force inches"),
    QT_TRANSLATE_NOOP("Catalogue", "Pound-force feet"),
    QT_TRANSLATE_NOOP("Catalogue", "Horsepower-hours"),
    QT_TRANSLATE_NOOP("Catalogue", "Joules"),
    QT_TRANSLATE_NOOP("Catalogue", "Kilowatt-hours"),
    QT_TRANSLATE_NOOP("Catalogue", "Dynes"),
    QT_TRANSLATE_NOOP("Catalogue", "Gram-force"),
    QT_TRANSLATE_NOOP("Catalogue", "Kilogram-force"),
    QT_TRANSLATE_NOOP("Catalogue", "Millinewtons"),
    QT_TRANSLATE_NOOP("Catalogue", "Newtons"),
    QT_TRANSLATE_NOOP("Catalogue", "Kilonewtons"),
    QT_TRANSLATE_NOOP("Catalogue", "Ounce-force"),
    QT_TRANSLATE_NOOP("Catalogue", "Pound-force"),
    QT_TRANSLATE_NOOP("Catalogue", "Flame"),
    QT_TRANSLATE_NOOP("Catalogue", "Foot-candles"),
    QT_TRANSLATE_NOOP("Catalogue", "Lux"),
    QT_TRANSLATE_NOOP("Catalogue", "Meter-candles"),
    QT_TRANSLATE_NOOP("Catalogue", "Bytes (B)"),
    QT_TRANSLATE_NOOP("Catalogue", "Kilobytes (KB)"),
    QT_TRANSLATE_NOOP("Catalogue", "Megabytes (MB)"),
    QT_TRANSLATE_NOOP("Catalogue", "Gigabytes (GB)"),
    QT_TRANSLATE_NOOP("Catalogue", "Terabytes (TB)"),
};

} // namespace

QString windowText(const char* english)
{
    if (*english == '\0')
        return {};
    return QCoreApplication::translate("MainWindow", english);
}

QString catalogueText(std::string_view english)
{
    const QByteArray key(english.data(), qsizetype(english.size()));
    return QCoreApplication::translate(kCatalogueContext, key.constData());
}

std::span<const char* const> catalogueTexts()
{
    return kTexts;
}

} // namespace mezzurix::ui
