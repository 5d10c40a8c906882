// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "arithmetic.h"

#include "decimal_sum.h"

#include <array>

namespace orv {

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

std::optional<Extended> guardedAdd(Extended a, Extended b) {
    auto sum = guarded([&] { return a + b; });
    if (!sum) return sum;
    return decimalSum(a, b, *sum);
}

std::optional<Extended> guardedSubtract(Extended a, Extended b) {
    auto difference = guarded([&] { return a - b; });
    if (!difference) return difference;
    return decimalSum(a, -b, *difference);
}

} // namespace orv
