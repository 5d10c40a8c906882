// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"

#include <cfenv>
#include <cmath>
#include <optional>

namespace orv {

// Runs one arithmetic step and reports overflow, invalid operation and division by zero as a
// failure (an empty optional). Underflow and inexact results never fail.
template <class Step> std::optional<Extended> guarded(Step&& step) {
    std::feclearexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    // The volatile store keeps the computation ahead of the flag test.
    volatile Extended result = step();
    const Extended value = result;
    if (std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Why a computation failed: no value exists for its argument (ln 0, ctg 0, POWER(-8, 0.5)), or the
// value exists but lies beyond the Extended range (e^100000, 2000!).
enum class FailureKind { InvalidArgument, Overflow };

// Runs a computation that has just failed once more with the floating-point flags cleared and
// reads them: only a failing key or function pays for it. An intermediate value that underflowed
// to zero and was then divided by (1/sin² of a tiny angle) is an overflow of the true result.
template <class Computation> FailureKind failureKind(Computation compute) {
    std::feclearexcept(FE_ALL_EXCEPT);
    [[maybe_unused]] const volatile bool failedAgain = !compute();
    return std::fetestexcept(FE_OVERFLOW | FE_UNDERFLOW) ? FailureKind::Overflow : FailureKind::InvalidArgument;
}

// Powers of ten up to 10^27 are exact in a 64-bit significand.
inline constexpr int kExactPowersOfTen = 27;
// 10^n for 0 <= n <= kExactPowersOfTen, exactly.
Extended exactPowerOfTen(int n);

// a + b and a - b under the guard, short decimals added as decimals (decimal_sum.h).
std::optional<Extended> guardedAdd(Extended a, Extended b);
std::optional<Extended> guardedSubtract(Extended a, Extended b);

} // namespace orv
