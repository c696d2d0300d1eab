// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/unit_prefixes.h>

#include <cstdlib>

namespace mezzurix {

namespace {

constexpr std::string_view kMicro = "\u00B5";

constexpr UnitPrefix kSiPrefixes[] = {
    {"Q", "Q", "quetta", 10, 30},  {"R", "R", "ronna", 10, 27},   {"Y", "Y", "yotta", 10, 24},
    {"Z", "Z", "zetta", 10, 21},   {"E", "E", "exa", 10, 18},     {"P", "P", "peta", 10, 15},
    {"T", "T", "tera", 10, 12},    {"G", "G", "giga", 10, 9},     {"M", "M", "mega", 10, 6},
    {"k", "k", "kilo", 10, 3},     {"h", "h", "hecto", 10, 2},    {"da", "da", "deca", 10, 1},
    {"da", "da", "deka", 10, 1},   {"d", "d", "deci", 10, -1},    {"c", "c", "centi", 10, -2},
    {"m", "m", "milli", 10, -3},   {kMicro, kMicro, "micro", 10, -6},
    {"\u03BC", kMicro, "micro", 10, -6},  // the Greek letter mu, typed for the micro sign
    {"u", kMicro, "micro", 10, -6},       // where neither is at hand
    {"n", "n", "nano", 10, -9},    {"p", "p", "pico", 10, -12},   {"f", "f", "femto", 10, -15},
    {"a", "a", "atto", 10, -18},   {"z", "z", "zepto", 10, -21},  {"y", "y", "yocto", 10, -24},
    {"r", "r", "ronto", 10, -27},  {"q", "q", "quecto", 10, -30},
};

constexpr UnitPrefix kBinaryPrefixes[] = {
    {"Ki", "Ki", "kibi", 2, 10}, {"Mi", "Mi", "mebi", 2, 20}, {"Gi", "Gi", "gibi", 2, 30},
    {"Ti", "Ti", "tebi", 2, 40}, {"Pi", "Pi", "pebi", 2, 50}, {"Ei", "Ei", "exbi", 2, 60},
};

// Bits take the decimal prefixes of data rates and sizes (kbit, Mbit), never the small ones.
constexpr int kSmallestBitExponent = 3;

bool isBinary(const UnitPrefix& prefix)
{
    return prefix.base == 2;
}

} // namespace

std::span<const UnitPrefix> siPrefixes()
{
    return kSiPrefixes;
}

std::span<const UnitPrefix> binaryPrefixes()
{
    return kBinaryPrefixes;
}

bool takesPrefix(Prefixes prefixes, const UnitPrefix& prefix)
{
    switch (prefixes) {
    case Prefixes::Si:
    case Prefixes::SiOnlyPrefixed:
        return !isBinary(prefix);
    case Prefixes::Bits:
        return isBinary(prefix) || prefix.exponent >= kSmallestBitExponent;
    case Prefixes::Bytes:
        return isBinary(prefix);
    case Prefixes::None:
        break;
    }
    return false;
}

ExactAmount prefixFactor(const UnitPrefix& prefix)
{
    const BigInteger power = BigInteger::power(prefix.base, static_cast<unsigned>(std::abs(prefix.exponent)));
    return prefix.exponent >= 0 ? *ExactAmount::fraction(power, 1) : *ExactAmount::fraction(1, power);
}

} // namespace mezzurix
