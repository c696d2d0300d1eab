// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a unit measures, as whole exponents of base quantities: the seven of the SI, and
// information, angle and cycles as bases of their own, so that bit/s is no frequency, rad/s no
// hertz and rpm no angular velocity. Which of two quantities of one dimension a unit is (torque or
// energy) is not part of it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace mezzurix {

enum class BaseQuantity : std::uint8_t {
    Length,
    Mass,
    Time,
    Current,
    Temperature,
    Amount,
    LuminousIntensity,
    Information,
    Angle,
    Cycles,
};
inline constexpr std::size_t kBaseQuantityCount = 10;

class Dimension {
public:
    // Past this an exponent is a slip or hostile ("m^1000"), never a quantity: operations whose
    // result would pass it refuse.
    static constexpr int kMaxExponent = 32;

    // For declarations: Dimension({.length = -3, .mass = 1}) is a density. Evaluated while
    // compiling, so that an exponent beyond kMaxExponent does not compile.
    struct Exponents {
        int length = 0;
        int mass = 0;
        int time = 0;
        int current = 0;
        int temperature = 0;
        int amount = 0;
        int luminousIntensity = 0;
        int information = 0;
        int angle = 0;
        int cycles = 0;
    };

    constexpr Dimension() = default;  // dimensionless
    consteval explicit Dimension(const Exponents& e)
        : exponents_{checked(e.length),      checked(e.mass),        checked(e.time),
                     checked(e.current),     checked(e.temperature), checked(e.amount),
                     checked(e.luminousIntensity), checked(e.information), checked(e.angle),
                     checked(e.cycles)}
    {
    }

    // One base quantity to the first power: Dimension::of(BaseQuantity::Length) is a length.
    static constexpr Dimension of(BaseQuantity base)
    {
        Dimension result;
        result.exponents_[index(base)] = 1;
        return result;
    }

    constexpr int exponent(BaseQuantity base) const { return exponents_[index(base)]; }
    constexpr bool isDimensionless() const { return *this == Dimension(); }

    // The exponents added, subtracted or multiplied; nullopt where one would pass kMaxExponent.
    constexpr std::optional<Dimension> times(const Dimension& other) const { return combined(other, 1, 1); }
    constexpr std::optional<Dimension> dividedBy(const Dimension& other) const { return combined(other, 1, -1); }
    constexpr std::optional<Dimension> power(int n) const { return combined(Dimension(), n, 0); }

    friend constexpr bool operator==(const Dimension&, const Dimension&) = default;

    // In SI symbols (kg, m, s, A, K, mol, cd, then bit, rad, cycle), in that order: those with a
    // positive exponent joined by "·", then "/" and those with a negative one, in parentheses when
    // there are several: "kg/m³", "kg·m²/s²", "m²/(s²·K)", "bit/s". Without a positive exponent
    // the negative ones stand alone ("s⁻¹", "m⁻¹·s⁻¹"); dimensionless is "1".
    std::string text() const;

private:
    static constexpr std::size_t index(BaseQuantity base) { return static_cast<std::size_t>(base); }

    static consteval std::int8_t checked(int exponent)
    {
        if (exponent < -kMaxExponent || exponent > kMaxExponent)
            throw "a dimension's exponent beyond Dimension::kMaxExponent";
        return static_cast<std::int8_t>(exponent);
    }

    // Each exponent of this × n plus the other's × m. Both within ±kMaxExponent, so long long
    // holds the result for any int n.
    constexpr std::optional<Dimension> combined(const Dimension& other, int n, int m) const
    {
        Dimension result;
        for (std::size_t i = 0; i < kBaseQuantityCount; ++i) {
            const long long e = static_cast<long long>(exponents_[i]) * n + static_cast<long long>(other.exponents_[i]) * m;
            if (e < -kMaxExponent || e > kMaxExponent)
                return std::nullopt;
            result.exponents_[i] = static_cast<std::int8_t>(e);
        }
        return result;
    }

    std::array<std::int8_t, kBaseQuantityCount> exponents_{};
};

} // namespace mezzurix
