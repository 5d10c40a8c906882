// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "hyperbolic.h"

#include "extended_pair.h"
#include "math_result.h"

#include <cmath>
#include <limits>

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

namespace {

// ln 2 in two parts; the first has 49 bits, so k ln 2 of it is exact for every k below 2^15.
constexpr Extended kLn2High = 0x1.62e42fefa39ep-1L;
constexpr Extended kLn2Low = 1.6885250050761978068e-15L;

// 2e^-a for a > 64, rounded once. 2 * exp(-a) lost a bit of every subnormal result to the
// underflow before the doubling, and near a = 11400 the whole result; the C library's exp is also
// up to 1.1 ulps off here. So a = k ln 2 + r, |r| <= ln 2 / 2, with r to about 100 bits; e^-r
// comes from its Taylor series with the first terms in two parts, and 2^(1-k) scales it.
Extended twiceExpOfMinus(Extended a) {
    if (a > 11500) return 0; // far below half the smallest subnormal (from a = 11399.5)
    const Extended k = std::nearbyint(a / kLn2High);
    const ExtendedPair u = exactSum(k * kLn2High - a, k * kLn2Low); // -r; the difference is exact
    const ExtendedPair square = exactProduct(u.hi, u.hi);
    Extended series = 0; // 1/3! + u/4! + u^2/5! + ..., to u^20
    for (int n = 20; n >= 3; --n)
        series = kInverseFactorials[n] + u.hi * series;
    const ExtendedPair linear = exactSum(1, u.hi);
    const ExtendedPair quadratic = exactSum(linear.hi, square.hi / 2);
    const Extended low = linear.lo + quadratic.lo + square.lo / 2 + u.lo * (1 + u.hi) +
                         u.hi * square.hi * series;
    const ExtendedPair e = quickSum(quadratic.hi, low);
    const int scale = 1 - static_cast<int>(k);
    const Extended scaled = std::ldexp(e.hi, scale);
    if (scaled >= std::numeric_limits<Extended>::min()) return scaled; // scaled exactly
    // A subnormal result rounds e.hi to the coarser spacing; what that dropped (exact), with e.lo,
    // still decides a rounding that fell on a tie.
    return scaled + std::ldexp((e.hi - std::ldexp(scaled, -scale)) + e.lo, scale);
}

} // namespace

std::optional<Extended> hyperbolicSecant(Extended x) {
    if (std::fabs(x) > kReciprocalTail) return twiceExpOfMinus(std::fabs(x));
    return reciprocal(hyperbolicCosine(x));
}

std::optional<Extended> hyperbolicCosecant(Extended x) {
    if (std::fabs(x) > kReciprocalTail) return std::copysign(twiceExpOfMinus(std::fabs(x)), x);
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
