// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/table_entry.h"
#include "tables/tables.h"

namespace mezzurix::tables {

namespace {

// Rows are the from unit, columns the to unit, both in list order. The values are used
// exactly as written; opposite entries are not always exact reciprocals.
constexpr Entry kEntries[] = {
    // Torque
    // Ounce-force/inch
    factor("7070", 1), factor("7071", 0.0833333333333333), factor("7072", 0.0625),
    factor("7073", 0.00520833333333333), factor("7074", 0.0070615518142260435),
    // Ounce-force/foot
    factor("7170", 12), factor("7171", 1), factor("7172", 0.75), factor("7173", 0.0625),
    factor("7174", 0.08473862177071252),
    // Pound-force/inch(Inch pounds)
    factor("7270", 16), factor("7271", 1.33333333333333), factor("7272", 1),
    factor("7273", 0.0833333333333333), factor("7274", 0.1129848290276167),
    // Pound-force/foot(Foot pounds)
    factor("7370", 192), factor("7371", 16), factor("7372", 12), factor("7373", 1),
    factor("7374", 1.3558179483314003),
    // Newton meters
    factor("7470", 141.61193266123496), factor("7471", 11.800994388436246), factor("7472", 8.850745791327185),
    factor("7473", 0.7375621492772654), factor("7474", 1),
    // Energy
    // BTU
    factor("8080", 1), factor("8081", 251.995761099999), factor("8082", 9338.0311461494),
    factor("8083", 778.169262542445), factor("8084", 0.000393014778867222),
    factor("8085", 1055.05585263483), factor("8086", 0.000293071070183212),
    // Calories
    factor("8180", 0.0039683207195028), factor("8181", 1), factor("8182", 37.0563024851782),
    factor("8183", 3.08802520690747), factor("8184", 1.55960869018704e-06),
    factor("8185", 4.186800000482), factor("8186", 1.16299999994453e-06),
    // Pound-force inches
    factor("8280", 0.0001070889553), factor("8281", 0.02698596279), factor("8282", 1),
    factor("8283", 0.0833333333333333), factor("8284", 4.208754209e-08),
    factor("8285", 0.112984829031793), factor("8286", 3.13846747286898e-08),
    // Pound-force feet
    factor("8380", 0.001285067463), factor("8381", 0.3238315535), factor("8382", 12),
    factor("8383", 1), factor("8384", 5.05050505050505e-07), factor("8385", 1.35581794828961),
    factor("8386", 3.76616096815198e-07),
    // Horsepower-hours
    factor("8480", 2544.433578), factor("8481", 641186.476), factor("8482", 23759999.9986125),
    factor("8483", 1980000), factor("8484", 1), factor("8485", 2684519.53768623),
    factor("8486", 0.7456998716),
    // Joules
    factor("8580", 0.0009478171203), factor("8581", 0.2388458966), factor("8582", 8.850745791),
    factor("8583", 0.7375621493), factor("8584", 3.72506136e-07), factor("8585", 1),
    factor("8586", 2.77777777777778e-07),
    // Kilowatt-hours
    factor("8680", 3412.141633), factor("8681", 859845.2279), factor("8682", 31862684.85),
    factor("8683", 2655223.737), factor("8684", 1.34102209), factor("8685", 3600000),
    factor("8686", 1),
    // Force
    // Dynes
    factor("9090", 1), factor("9091", 0.00101971621297793), factor("9092", 1.01971621297793e-06),
    factor("9093", 0.01), factor("9094", 1e-05), factor("9095", 1e-08),
    factor("9096", 3.5969430889974e-05), factor("9097", 2.24808943062337e-06),
    // Gram-force
    factor("9190", 980.665), factor("9191", 1), factor("9192", 0.001),
    factor("9193", 9.80664999978778), factor("9194", 0.00980664999978778),
    factor("9195", 9.80664999978778e-06), factor("9196", 0.0352739619433593),
    factor("9197", 0.00220462262184878),
    // Kilogram-force
    factor("9290", 980665), factor("9291", 1000), factor("9292", 1),
    factor("9293", 9806.64999978778), factor("9294", 9.80664999978778),
    factor("9295", 0.00980664999978778), factor("9296", 35.2739619433593),
    factor("9297", 2.20462262184878),
    // Millinewtons
    factor("9390", 100), factor("9391", 0.1019716213), factor("9392", 0.0001019716213),
    factor("9393", 1), factor("9394", 0.001), factor("9395", 1e-06),
    factor("9396", 0.0035969430889974), factor("9397", 0.000224808943112876),
    // Newtons
    factor("9490", 100000), factor("9491", 101.9716213), factor("9492", 0.1019716213),
    factor("9493", 1000), factor("9494", 1), factor("9495", 0.001), factor("9496", 3.5969430889974),
    factor("9497", 0.224808943112876),
    // Kilonewtons
    factor("9590", 100000000), factor("9591", 101971.6213), factor("9592", 101.9716213),
    factor("9593", 1000000), factor("9594", 1000), factor("9595", 1),
    factor("9596", 3596.9430889974), factor("9597", 224.808943112876),
    // Ounce-force
    factor("9690", 27801.3851), factor("9691", 28.34952313), factor("9692", 0.02834952313),
    factor("9693", 278.013851), factor("9694", 0.278013851), factor("9695", 0.000278013851),
    factor("9696", 1), factor("9697", 0.0625),
    // Pound-force
    factor("9790", 444822.1615), factor("9791", 453.59237), factor("9792", 0.45359237),
    factor("9793", 4448.221615), factor("9794", 4.448221615), factor("9795", 0.004448221615),
    factor("9796", 16), factor("9797", 1),
};

} // namespace

std::span<const Entry> torqueEnergyForce()
{
    return kEntries;
}

} // namespace mezzurix::tables
