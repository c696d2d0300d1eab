// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mezzurix/reference_content.h"

#include <QCoreApplication>

namespace mezzurix::ui::reference {

namespace {

// The reference windows' texts share one context in the translations.
constexpr const char* kContext = "ReferenceWindows";

struct Paragraph {
    int indent; // leading spaces
    const char* body; // UTF-8, the English text; translated where it is shown
    int lineBreaks; // CR LF pairs after the body
};

// Besides ASCII, the text holds the degree sign U+00B0 and the multiplication sign U+00D7.
constexpr Paragraph kInfoParagraphs[] = {
    {33,
     QT_TRANSLATE_NOOP("ReferenceWindows",
     "The International System (Metric) (SI)"),
     3},
    {11,
     QT_TRANSLATE_NOOP("ReferenceWindows",
     "Source: Department of Commerce, National Bureau of Standards."),
     2},
    {4,
     QT_TRANSLATE_NOOP("ReferenceWindows",
     "The International System of Units is a modernized version of the metric system, "
     "established by international agreement, that provides a logical and interconnected "
     "framework for all measurements in science, industry, and commerce. The system is built "
     "on a foundation of seven basic units, and all other units are derived from them. (Use of "
     "metric weights and measures was legalized in the United States in 1866, and our "
     "customary units of weights and measures are defined in terms of the meter and kilogram.)"),
     2},
    {2,
     QT_TRANSLATE_NOOP("ReferenceWindows",
     "LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a "
     "vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to "
     "the distance traveled by light in a vacuum in 1/299,792.45 of a second."),
     2},
    {2,
     QT_TRANSLATE_NOOP("ReferenceWindows",
     "TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the "
     "radiation associated with a specified transition of the cesium-133 atom."),
     2},
    {2,
     QT_TRANSLATE_NOOP("ReferenceWindows",
     "MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy "
     "kept by the International Bureau of Weights and Measures at Paris. A duplicate at the "
     "National Bureau of Standards serves as the mass standard for the United States. The "
     "kilogram is the only base unit still defined by a physical object."),
     2},
    {2,
     QT_TRANSLATE_NOOP("ReferenceWindows",
     "TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the "
     "thermodynamic temperature of the triple point of water; that is, the point at which "
     "water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the "
     "Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is "
     "called 'absolute zero.'"),
     2},
    {2,
     QT_TRANSLATE_NOOP("ReferenceWindows",
     "ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in "
     "each of two long parallel wires separated by one meter in free space, would produce a "
     "force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each "
     "meter of length. (A newton is the unit of force that when applied to one kilogram mass "
     "would experience an acceleration of one meter per second per second.)"),
     2},
    {2,
     QT_TRANSLATE_NOOP("ReferenceWindows",
     "LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of "
     "1/600,000 of a square meter of a cavity at the temperature of freezing platinum "
     "(2,042°K)."),
     2},
    {2,
     QT_TRANSLATE_NOOP("ReferenceWindows",
     "AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that "
     "contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12."),
     0},
};

constexpr LabelSpec kBaseUnitsLabels[] = {
    {"Label1", 0, QT_TRANSLATE_NOOP("SIBaseUnits", "Name"), 180, 180, 675, LabelStyle::Heading},
    {"Label1", 1, QT_TRANSLATE_NOOP("SIBaseUnits", "Symbol"), 1260, 180, 975, LabelStyle::Heading},
    {"Label1", 2, QT_TRANSLATE_NOOP("SIBaseUnits", "Quantity"), 2700, 180, 1095, LabelStyle::Heading},
    {"Label2", 0, QT_TRANSLATE_NOOP("SIBaseUnits", "Meter       m        length"),
     180, 720, 3735, LabelStyle::Row},
    {"Label2", 1, QT_TRANSLATE_NOOP("SIBaseUnits", "Kilogram    kg       mass"),
     180, 1050, 3735, LabelStyle::Row},
    {"Label2", 2, QT_TRANSLATE_NOOP("SIBaseUnits", "Second      s        time"),
     180, 1380, 3735, LabelStyle::Row},
    {"Label2", 3, QT_TRANSLATE_NOOP("SIBaseUnits", "Ampere      A        electric current"),
     180, 1710, 5175, LabelStyle::Row},
    {"Label2", 4, QT_TRANSLATE_NOOP("SIBaseUnits", "Kelvin      K        temperature"),
     180, 2040, 3915, LabelStyle::Row},
    {"Label2", 5, QT_TRANSLATE_NOOP("SIBaseUnits", "Mole        mol      amount of substance"),
     180, 2370, 4815, LabelStyle::Row},
    {"Label2", 6, QT_TRANSLATE_NOOP("SIBaseUnits", "Candela     cd       luminous intensity"),
     180, 2700, 4755, LabelStyle::Row},
};

// The rows run from the largest prefix to the smallest; the array indexes do not follow them.
constexpr LabelSpec kPrefixesLabels[] = {
    {"Label2", kNoIndex, QT_TRANSLATE_NOOP("SIPrefixes", "Name"), 180, 300, 675, LabelStyle::Heading},
    {"Label5", kNoIndex, QT_TRANSLATE_NOOP("SIPrefixes", "Symbol"), 1020, 300, 855, LabelStyle::Heading},
    {"Label3", kNoIndex, QT_TRANSLATE_NOOP("SIPrefixes", "Multiplying Factor"),
     2880, 300, 1875, LabelStyle::Heading},
    {"Label4", kNoIndex, QT_TRANSLATE_NOOP("SIPrefixes", "Scientific Notation"),
     5520, 300, 1935, LabelStyle::Heading},
    {"Label1", 17, QT_TRANSLATE_NOOP("SIPrefixes", "yotta-    Y   1 000 000 000 000 000 000 000 000  (10E+24)"),
     180, 600, 7095, LabelStyle::Row},
    {"Label1", 16, QT_TRANSLATE_NOOP("SIPrefixes", "zetta-    Z   1 000 000 000 000 000 000 000      (10E+21)"),
     180, 941, 7095, LabelStyle::Row},
    {"Label1", 0, QT_TRANSLATE_NOOP("SIPrefixes", "exa-      E   1 000 000 000 000 000 000          (10E+18)"),
     180, 1282, 7095, LabelStyle::Row},
    {"Label1", 1, QT_TRANSLATE_NOOP("SIPrefixes", "peta-     P   1 000 000 000 000 000              (10E+15)"),
     180, 1623, 7095, LabelStyle::Row},
    {"Label1", 2, QT_TRANSLATE_NOOP("SIPrefixes", "tera-     T   1 000 000 000 000                  (10E+12)"),
     180, 1964, 7095, LabelStyle::Row},
    {"Label1", 3, QT_TRANSLATE_NOOP("SIPrefixes", "giga-     G   1 000 000 000                      (10E+09)"),
     180, 2305, 7095, LabelStyle::Row},
    {"Label1", 4, QT_TRANSLATE_NOOP("SIPrefixes", "mega-     M   1 000 000                          (10E+06)"),
     180, 2646, 7095, LabelStyle::Row},
    {"Label1", 5, QT_TRANSLATE_NOOP("SIPrefixes", "kilo-     K   1 000                              (10E+03)"),
     180, 2987, 7095, LabelStyle::Row},
    {"Label1", 6, QT_TRANSLATE_NOOP("SIPrefixes", "hecto-    h   100                                (10E+02)"),
     180, 3328, 7095, LabelStyle::Row},
    {"Label1", 7, QT_TRANSLATE_NOOP("SIPrefixes", "deca-     da  10                                 (10E+01)"),
     180, 3669, 7095, LabelStyle::Row},
    {"Label1", 8, QT_TRANSLATE_NOOP("SIPrefixes", "deci-     d   0.1                                (10E-01)"),
     180, 4010, 7095, LabelStyle::Row},
    {"Label1", 9, QT_TRANSLATE_NOOP("SIPrefixes", "centi-    c   0.01                               (10E-02)"),
     180, 4351, 7095, LabelStyle::Row},
    {"Label1", 10, QT_TRANSLATE_NOOP("SIPrefixes", "milli-    m   0.001                              (10E-03)"),
     180, 4692, 7095, LabelStyle::Row},
    {"Label1", 11, QT_TRANSLATE_NOOP("SIPrefixes", "micro-    µ   0.000 001                          (10E-06)"),
     180, 5033, 7095, LabelStyle::Row},
    {"Label1", 12, QT_TRANSLATE_NOOP("SIPrefixes", "nano-     n   0.000 000 001                      (10E-09)"),
     180, 5374, 7095, LabelStyle::Row},
    {"Label1", 13, QT_TRANSLATE_NOOP("SIPrefixes", "pico-     p   0.000 000 000 001                  (10E-12)"),
     180, 5715, 7095, LabelStyle::Row},
    {"Label1", 14, QT_TRANSLATE_NOOP("SIPrefixes", "femto-    f   0.000 000 000 000 001              (10E-15)"),
     180, 6056, 7095, LabelStyle::Row},
    {"Label1", 15, QT_TRANSLATE_NOOP("SIPrefixes", "atto-     a   0.000 000 000 000 000 001          (10E-18)"),
     180, 6397, 7095, LabelStyle::Row},
    {"Label1", 18, QT_TRANSLATE_NOOP("SIPrefixes", "zepto-    z   0.000 000 000 000 000 000 001      (10E-21)"),
     180, 6738, 7095, LabelStyle::Row},
    {"Label1", 19, QT_TRANSLATE_NOOP("SIPrefixes", "yocto-    y   0.000 000 000 000 000 000 000 001  (10E-24)"),
     180, 7080, 7095, LabelStyle::Row},
};

QString joinParagraphs()
{
    QString text;
    for (const Paragraph& paragraph : kInfoParagraphs) {
        text += QString(paragraph.indent, u' ');
        text += QCoreApplication::translate(kContext, paragraph.body);
        for (int i = 0; i < paragraph.lineBreaks; ++i)
            text += u"\r\n";
    }
    return text;
}

} // namespace

QString infoText()
{
    return joinParagraphs();
}

QString labelCaption(Table table, const LabelSpec& label)
{
    // Each table has its own context: the same English heading may read differently in each.
    const char* context = table == Table::BaseUnits ? "SIBaseUnits" : "SIPrefixes";
    return QCoreApplication::translate(context, label.caption);
}

QString windowText(const char* english)
{
    return QCoreApplication::translate(kContext, english);
}

std::span<const LabelSpec> baseUnitsLabels()
{
    return kBaseUnitsLabels;
}

std::span<const LabelSpec> prefixesLabels()
{
    return kPrefixesLabels;
}

} // namespace mezzurix::ui::reference
