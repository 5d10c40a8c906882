// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "arithmetic.h"

#include "decimal_sum.h"
#include "powers_table.h"

namespace orv {

Extended exactPowerOfTen(int n) {
    static constexpr auto table = powersOf<Extended, kExactPowersOfTen + 1>(10);
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
