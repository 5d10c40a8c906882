// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "arithmetic.h"

#include <array>
#include <cstdint>

namespace orv {
namespace {
constexpr Extended kTwoToThe64 = 2 * kTwoToThe63;
} // namespace

Extended exactPowerOfTen(int n) {
    static const std::array<Extended, kExactPowersOfTen + 1> table = [] {
        std::array<Extended, kExactPowersOfTen + 1> t{};
        Extended p = 1;
        for (auto& e : t) {
            e = p;
            p *= 10;
        }
        return t;
    }();
    return table[static_cast<std::size_t>(n)];
}

Extended settleToScale(Extended sum, Extended scale) {
    if (!std::isfinite(sum) || !(std::fabs(sum) < scale)) return sum;
    const int step = static_cast<int>(std::floor(std::log10(scale))) - 16;
    if (step < 0) {
        const Extended factor = -step <= kExactPowersOfTen ? exactPowerOfTen(-step) : std::pow(10.0L, -step);
        if (!std::isfinite(factor)) return sum;
        return std::round(sum * factor) / factor;
    }
    const Extended unit = step <= kExactPowersOfTen ? exactPowerOfTen(step) : std::pow(10.0L, step);
    if (!std::isfinite(unit)) return sum;
    return std::round(sum / unit) * unit;
}

namespace {

// Whether x, below 2^64 in magnitude, is whole: through a 64-bit integer rather than the library's
// rounding, which costs a change of the rounding mode. From 2^63 on every Extended is whole.
bool isWholeBelowTwoToThe64(Extended x) {
    if (std::isnan(x)) return false;
    return std::fabs(x) >= kTwoToThe63 || static_cast<Extended>(static_cast<std::int64_t>(x)) == x;
}

} // namespace

Extended settleSum(Extended a, Extended b, Extended sum) {
    const Extended magnitudeA = std::fabs(a), magnitudeB = std::fabs(b);
    // The larger magnitude, as fmax gives it (a NaN gives way to the other).
    const Extended larger = magnitudeA >= magnitudeB || std::isnan(magnitudeB) ? magnitudeA : magnitudeB;
    // Whole numbers below 2^64 cancel exactly: there is no noise to remove, only digits.
    if (larger < kTwoToThe64 && isWholeBelowTwoToThe64(a) && isWholeBelowTwoToThe64(b)) return sum;
    return settleToScale(sum, larger);
}

std::optional<Extended> guardedAdd(Extended a, Extended b) {
    auto sum = guarded([&] { return a + b; });
    if (!sum) return sum;
    return settleSum(a, b, *sum);
}

std::optional<Extended> guardedSubtract(Extended a, Extended b) {
    auto difference = guarded([&] { return a - b; });
    if (!difference) return difference;
    return settleSum(a, -b, *difference);
}

} // namespace orv
