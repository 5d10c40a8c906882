// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "hyperbolic.h"

#include "math_result.h"

#include <cmath>

namespace orv {
namespace {

constexpr Extended kTanhSaturation = 5678.22249441322L;
constexpr Extended kArtanhOfOne = 1.1e4932L;

std::optional<Extended> reciprocal(std::optional<Extended> x) {
    if (!x || *x == 0) return std::nullopt;
    return finiteOrFailure(1 / *x);
}

} // namespace

// The C library's long double functions keep every digit near 0, where e^x/2 - 0.25/(e^x/2)
// would cancel.
std::optional<Extended> hyperbolicSine(Extended x) { return finiteOrFailure(std::sinh(x)); }

std::optional<Extended> hyperbolicCosine(Extended x) { return finiteOrFailure(std::cosh(x)); }

std::optional<Extended> hyperbolicTangent(Extended x) {
    if (x > kTanhSaturation) return 1;
    if (x < -kTanhSaturation) return -1;
    return finiteOrFailure(std::tanh(x));
}

std::optional<Extended> hyperbolicCotangent(Extended x) { return reciprocal(hyperbolicTangent(x)); }

// Beyond this, e^-2|x| is far below a unit in the last place of 1: 1/cosh x and 1/sinh x are
// 2e^-|x| to the last bit, computed without the overflow of cosh and sinh (near |x| = 11357)
// that would lose the subnormal results up to |x| = 11400.
constexpr Extended kReciprocalTail = 64;

std::optional<Extended> hyperbolicSecant(Extended x) {
    if (std::fabs(x) > kReciprocalTail) return 2 * std::exp(-std::fabs(x));
    return reciprocal(hyperbolicCosine(x));
}

std::optional<Extended> hyperbolicCosecant(Extended x) {
    if (std::fabs(x) > kReciprocalTail) return std::copysign(2 * std::exp(-std::fabs(x)), x);
    return reciprocal(hyperbolicSine(x));
}

std::optional<Extended> inverseHyperbolicSine(Extended x) {
    if (x == 0) return 0;
    return finiteOrFailure(std::asinh(x));
}

std::optional<Extended> inverseHyperbolicCosine(Extended x) {
    if (x <= 1) return 0;
    return finiteOrFailure(std::acosh(x));
}

std::optional<Extended> inverseHyperbolicTangent(Extended x) {
    if (x == 0) return 0;
    if (std::fabs(x) >= 1) return std::copysign(kArtanhOfOne, x);
    return finiteOrFailure(std::atanh(x));
}

std::optional<Extended> inverseHyperbolicCotangent(Extended x) {
    const Extended a = std::fabs(x);
    if (!(a > 1)) return std::nullopt;
    // 1/2 ln((a+1)/(a-1)) = 1/2 ln(1 + 2/(a-1)); a - 1 is exact near 1, where the quotient form
    // would lose the digits.
    const auto value = finiteOrFailure(0.5L * std::log1p(2 / (a - 1)));
    if (!value) return std::nullopt;
    return std::copysign(*value, x);
}

} // namespace orv
