// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/definitions.h>
#include <mezzurix/term_conversion.h>

namespace mezzurix {

namespace {

// Quantities that are declared each other's inverse: a value of one converts into the other as
// its reciprocal. Nothing else inverts: s/m is no speed unless this table says so.
struct ReciprocalPair {
    Dimension one;
    Dimension other;
};
constexpr ReciprocalPair kReciprocalPairs[] = {
    // pace (time per distance) and speed
    {Dimension({.length = -1, .time = 1}), Dimension({.length = 1, .time = -1})},
    // fuel used over a distance (volume per length) and distance driven on a measure of fuel
    {Dimension({.length = 2}), Dimension({.length = -2})},
    // energy used over a distance and distance covered on a measure of energy
    {Dimension({.length = 1, .mass = 1, .time = -2}), Dimension({.length = -1, .mass = -1, .time = 2})},
};

bool declaredReciprocal(const Dimension& a, const Dimension& b)
{
    for (const ReciprocalPair& pair : kReciprocalPairs)
        if ((pair.one == a && pair.other == b) || (pair.one == b && pair.other == a))
            return true;
    return false;
}

// A cycle is a full turn of 2π radians: the power of 2π that turns the cycles of `from` into
// the angles of `into` ("rpm" into "rad/s": 1), where the two dimensions differ in nothing else.
std::optional<int> cyclesIntoAngles(const Dimension& from, const Dimension& into)
{
    for (std::size_t i = 0; i < kBaseQuantityCount; ++i) {
        const auto base = static_cast<BaseQuantity>(i);
        if (base != BaseQuantity::Angle && base != BaseQuantity::Cycles && from.exponent(base) != into.exponent(base))
            return std::nullopt;
    }
    const auto turns = [](const Dimension& d) {
        return d.exponent(BaseQuantity::Angle) + d.exponent(BaseQuantity::Cycles);
    };
    if (turns(from) != turns(into))
        return std::nullopt;
    return from.exponent(BaseQuantity::Cycles) - into.exponent(BaseQuantity::Cycles);
}

bool compatibleKinds(UnitKind a, UnitKind b)
{
    return a == UnitKind::None || b == UnitKind::None || a == b;
}

} // namespace

std::optional<TermConversion> termConversion(const UnitTerm& from, const UnitTerm& into)
{
    if (!compatibleKinds(from.kind, into.kind))
        return std::nullopt;
    // x of `from` is a1·x^e1 of its coherent unit; inverted (by declaration) or turned into angles
    // it is s; y of `into` is (s / a2)^e2. So y = (c·a1)^(einv·e2) / a2^e2 · x^(e1·einv·e2).
    const int e1 = from.reciprocal ? -1 : 1;
    const int e2 = into.reciprocal ? -1 : 1;
    int einv = 1;
    ExactAmount turn = ExactAmount::whole(1);
    if (const std::optional<int> turns = cyclesIntoAngles(from.dimension, into.dimension)) {
        const std::optional<ExactAmount> twoPi = ExactAmount::whole(2) * ExactAmount::pi();
        const std::optional<ExactAmount> powered = twoPi ? twoPi->power(*turns) : std::nullopt;
        if (!powered)
            return std::nullopt;
        turn = *powered;
    } else if (declaredReciprocal(from.dimension, into.dimension)) {
        einv = -1;
    } else {
        return std::nullopt;
    }
    const std::optional<ExactAmount> scaled = turn * from.amount;
    const std::optional<ExactAmount> fromPart = scaled ? scaled->power(einv * e2) : std::nullopt;
    const std::optional<ExactAmount> intoPart = into.amount.power(e2);
    std::optional<ExactAmount> factor = fromPart && intoPart ? *fromPart / *intoPart : std::nullopt;
    if (!factor)
        return std::nullopt;
    TermConversion conversion;
    conversion.factor = std::move(*factor);
    conversion.reciprocal = e1 * einv * e2 == -1;
    // Offsets belong to temperature scales converted on their own, which nothing inverts.
    if (e1 == 1 && e2 == 1 && einv == 1) {
        conversion.fromOffset = from.offset;
        conversion.intoOffset = into.offset;
    }
    return conversion;
}

std::optional<double> convertTerm(const TermConversion& conversion, double x)
{
    return applyFactor(conversion.factor.toDouble(), conversion.reciprocal, conversion.fromOffset.toDouble(),
                       conversion.intoOffset.toDouble(), x);
}

std::optional<ExactAmount> convertTermExactly(const TermConversion& conversion, const ExactAmount& x)
{
    if (conversion.reciprocal)
        return conversion.factor / x;
    const std::optional<ExactAmount> shifted = x + conversion.fromOffset;
    const std::optional<ExactAmount> scaled = shifted ? *shifted * conversion.factor : std::nullopt;
    return scaled ? *scaled - conversion.intoOffset : std::nullopt;
}

} // namespace mezzurix
