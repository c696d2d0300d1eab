// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/table_entry.h"
#include "tables/tables.h"

namespace mezzurix::tables {

namespace {

// The temperature formulas keep this exact order of double operations: it shows in the last
// digit (37 Celsius gives 98.60000000000001 Fahrenheit, not 98.6).
double celsiusToFahrenheit(double x)
{
    const double q = 9.0 / 5;
    const double p = q * x;
    return p + 32;
}

double fahrenheitToCelsius(double x)
{
    const double t = x - 32;
    const double q = 5.0 / 9;
    return t * q;
}

// Rows are the from unit, columns the to unit, both in list order. The values are used
// exactly as written; opposite entries are not always exact reciprocals.
constexpr Entry kEntries[] = {
    // Temperature
    // Celsius
    factor("6060", 1), formula("6061", celsiusToFahrenheit),
    // Fahrenheit
    formula("6160", fahrenheitToCelsius), factor("6161", 1),
    // Volume
    // Cubic inches
    factor("6262", 1), factor("6263", 0.000578703703703704), factor("6264", 2.14334705075446e-05),
    factor("6265", 16.387064), factor("6266", 1.6387064e-05), factor("6267", 0.03463203463),
    factor("6268", 0.01731601732), factor("6269", 0.004329004329), factor("62690", 0.016387064),
    // Cubic feet
    factor("6362", 1728), factor("6363", 1), factor("6364", 0.037037037037037),
    factor("6365", 28316.84659), factor("6366", 0.028316846592), factor("6367", 59.84415584),
    factor("6368", 29.92207792), factor("6369", 7.480519481), factor("63690", 28.31684659),
    // Cubic yards
    factor("6462", 46656), factor("6463", 27), factor("6464", 1), factor("6465", 764554.858),
    factor("6466", 0.764554858), factor("6467", 1615.792208), factor("6468", 807.8961039),
    factor("6469", 201.974026), factor("64690", 764.554858),
    // Cubic centimeters
    factor("6562", 0.06102374409), factor("6563", 3.531466672e-05), factor("6564", 1.307950619e-06),
    factor("6565", 1), factor("6566", 1e-06), factor("6567", 0.002113376419),
    factor("6568", 0.001056688209), factor("6569", 0.0002641720524), factor("65690", 0.001),
    // Cubic meters
    factor("6662", 61023.7440947323), factor("6663", 35.3146667214886), factor("6664", 1.307950619),
    factor("6665", 1000000), factor("6666", 1), factor("6667", 2113.376419),
    factor("6668", 1056.6882094326), factor("6669", 264.1720524), factor("66690", 1000),
    // Pints
    factor("6762", 28.875), factor("6763", 0.01671006944), factor("6764", 0.0006188914609),
    factor("6765", 473.176473), factor("6766", 0.000473176473), factor("6767", 1),
    factor("6768", 0.5), factor("6769", 0.125), factor("67690", 0.473176473),
    // Quarts
    factor("6862", 57.75), factor("6863", 0.03342013889), factor("6864", 0.001237782922),
    factor("6865", 946.352946), factor("6866", 0.000946352946), factor("6867", 2),
    factor("6868", 1), factor("6869", 0.25), factor("68690", 0.946352946),
    // Gallons
    factor("6962", 231), factor("6963", 0.1336805556), factor("6964", 0.004951131687),
    factor("6965", 3785.411784), factor("6966", 0.003785411784), factor("6967", 8),
    factor("6968", 4), factor("6969", 1), factor("69690", 3.785411784),
    // Liters
    factor("69062", 61.02374409), factor("69063", 0.03531466672), factor("69064", 0.001307950619),
    factor("69065", 1000), factor("69066", 0.001), factor("69067", 2.113376419),
    factor("69068", 1.056688209), factor("69069", 0.264172052358149), factor("690690", 1),
};

} // namespace

std::span<const Entry> temperatureVolume()
{
    return kEntries;
}

} // namespace mezzurix::tables
