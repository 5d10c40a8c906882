// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "trigonometry.h"

#include "extended_pair.h"
#include "math_result.h"

#include <cmath>

namespace orv {
namespace {

// From 2^63 radians on, sine and cosine are 0: the x87 unit reduces no argument that large, and
// neighbouring numbers there are a whole radian apart, so no angle within a turn is known.
constexpr Extended kHugeRadians = kTwoToThe63;

// The radians in one degree, grad and cycle to about 128 bits: the constant of angle.h plus the
// part its rounding dropped. One rounded constant alone puts an error of up to an ulp into the
// radians before the sine adds its own.
constexpr ExtendedPair kRadiansPerDegree{kDegreesToRadians, 9.77614425203372604991e-23L};
constexpr ExtendedPair kRadiansPerGrad{kGradsToRadians, 4.26798477170023670067e-22L};
constexpr ExtendedPair kRadiansPerCycle{kTwoPi, -1.00331152253366640469e-19L};

constexpr ExtendedPair kSixth{0.166666666666666666671L, -4.51750905202293514182e-21L};

// An angle of degrees, grads or cycles as a number of quarter turns (0 to 3) plus a residual of at
// most an eighth of a turn, in radians to about 128 bits.
struct Reduced {
    int quarters = 0;
    ExtendedPair radians;
};

ExtendedPair radiansPer(AngleMeasure measure) {
    switch (measure) {
    case AngleMeasure::Grads: return kRadiansPerGrad;
    case AngleMeasure::Cycles: return kRadiansPerCycle;
    default: return kRadiansPerDegree;
    }
}

// The remainder by a full turn and the split into quarter turns are exact in binary floating
// point, so multiples of a quarter turn leave a residual of exactly 0.
Reduced reduce(Extended x, AngleMeasure measure) {
    const Extended quarter = fullTurn(measure) / 4;
    const Extended remainder = std::fmod(x, fullTurn(measure));
    const Extended quarters = std::nearbyint(remainder / quarter);
    const Extended residual = remainder - quarters * quarter;
    // A non-finite angle has no quarter; its NaN residual then fails the function.
    const int q = std::isfinite(quarters) ? static_cast<int>(quarters) % 4 : 0;
    const ExtendedPair k = radiansPer(measure);
    const ExtendedPair r = exactProduct(residual, k.hi);
    return {(q + 4) % 4, quickSum(r.hi, r.lo + residual * k.lo)};
}

// sin(h + l) for |h| <= pi/4 and l below an ulp of h, to about 70 bits: h - h^3/6 is carried in
// two parts, and the terms from h^5 on are below 0.003 h, so their own rounding is lost in the last
// bits.
ExtendedPair sineOf(ExtendedPair r) {
    const Extended h = r.hi;
    const ExtendedPair square = exactProduct(h, h);
    const ExtendedPair cube = exactProduct(h, square.hi);
    const Extended cubeLow = cube.lo + h * square.lo;
    const ExtendedPair term = exactProduct(cube.hi, -kSixth.hi);
    const Extended termLow = term.lo - cubeLow * kSixth.hi - cube.hi * kSixth.lo;
    const Extended z = square.hi;
    Extended series = 0; // 1/5! - z/7! + z^2/9! - ..., to h^23
    for (int n = 23; n >= 5; n -= 2)
        series = kInverseFactorials[n] - z * series;
    const Extended rest = cube.hi * z * series + r.lo * (1 - z / 2);
    const ExtendedPair sum = exactSum(h, term.hi);
    return quickSum(sum.hi, sum.lo + (termLow + rest));
}

// cos(h + l) likewise: 1 - h^2/2 in two parts, the terms from h^4 on (below 0.016) in one.
ExtendedPair cosineOf(ExtendedPair r) {
    const Extended h = r.hi;
    const ExtendedPair square = exactProduct(h, h);
    const Extended z = square.hi;
    Extended series = 0; // 1/4! - z/6! + z^2/8! - ..., to h^22
    for (int n = 22; n >= 4; n -= 2)
        series = kInverseFactorials[n] - z * series;
    const Extended rest = z * z * series - square.lo / 2 - r.lo * h * (1 - z / 6);
    const ExtendedPair sum = exactSum(1, -z / 2);
    return quickSum(sum.hi, sum.lo + rest);
}

struct SineCosine {
    ExtendedPair sin, cos;
};

SineCosine sineCosine(Extended x, AngleMeasure measure) {
    const Reduced a = reduce(x, measure);
    const ExtendedPair s = sineOf(a.radians);
    const ExtendedPair c = cosineOf(a.radians);
    switch (a.quarters) {
    case 1: return {c, negated(s)};
    case 2: return {negated(s), negated(c)};
    case 3: return {negated(c), s};
    default: return {s, c};
    }
}

// a / b rounded once, from the remainder of the first quotient. An empty result for b = 0: a
// quarter turn's tangent and the like.
std::optional<Extended> quotient(ExtendedPair a, ExtendedPair b) {
    if (b.hi == 0) return std::nullopt;
    const Extended q = a.hi / b.hi;
    if (!std::isfinite(q)) return std::nullopt;
    if (std::fabs(q) > 0x1p16000L) {
        // The exact product below would overflow in Dekker's split: divide a scaled-down
        // numerator and scale back, both exact.
        const auto scaled = quotient({std::ldexp(a.hi, -1000), std::ldexp(a.lo, -1000)}, b);
        return scaled ? finiteOrFailure(std::ldexp(*scaled, 1000)) : std::nullopt;
    }
    const ExtendedPair p = exactProduct(q, b.hi);
    const Extended remainder = ((a.hi - p.hi) - p.lo) + (a.lo - q * b.lo);
    return finiteOrFailure(q + remainder / b.hi);
}

constexpr ExtendedPair kOne{1, 0};

std::optional<Extended> reciprocal(std::optional<Extended> x) {
    if (!x || *x == 0) return std::nullopt;
    return finiteOrFailure(1 / *x);
}

// An inverse function's result in the measure; the exact turn fractions stay exact.
std::optional<Extended> fromRadians(Extended radians, AngleMeasure measure, Extended exactTurns, bool exact) {
    if (exact && measure != AngleMeasure::Radians) return exactTurns * fullTurn(measure);
    return finiteOrFailure(MakeFromRad(radians, measure));
}

} // namespace

// Radians go straight to the C library, which reduces them by its own many-digit pi.

std::optional<Extended> sine(Extended x, AngleMeasure measure) {
    if (measure != AngleMeasure::Radians) return finiteOrFailure(sineCosine(x, measure).sin.hi);
    if (std::fabs(x) >= kHugeRadians) return 0;
    return finiteOrFailure(std::sin(x));
}

std::optional<Extended> cosine(Extended x, AngleMeasure measure) {
    if (measure != AngleMeasure::Radians) return finiteOrFailure(sineCosine(x, measure).cos.hi);
    if (std::fabs(x) >= kHugeRadians) return 0;
    return finiteOrFailure(std::cos(x));
}

std::optional<Extended> tangent(Extended x, AngleMeasure measure) {
    if (measure != AngleMeasure::Radians) {
        const SineCosine a = sineCosine(x, measure);
        return quotient(a.sin, a.cos);
    }
    if (std::fabs(x) >= kHugeRadians) return std::nullopt;
    return finiteOrFailure(std::tan(x));
}

std::optional<Extended> cotangent(Extended x, AngleMeasure measure) {
    if (measure != AngleMeasure::Radians) {
        const SineCosine a = sineCosine(x, measure);
        return quotient(a.cos, a.sin);
    }
    if (std::fabs(x) >= kHugeRadians) return std::nullopt;
    const Extended t = std::tan(x);
    if (t == 0) return std::nullopt;
    return finiteOrFailure(1 / t);
}

std::optional<Extended> secant(Extended x, AngleMeasure measure) {
    if (measure != AngleMeasure::Radians) return quotient(kOne, sineCosine(x, measure).cos);
    return reciprocal(cosine(x, measure));
}

std::optional<Extended> cosecant(Extended x, AngleMeasure measure) {
    if (measure != AngleMeasure::Radians) return quotient(kOne, sineCosine(x, measure).sin);
    return reciprocal(sine(x, measure));
}

std::optional<Extended> arcsine(Extended x, AngleMeasure measure) {
    if (!(std::fabs(x) <= 1)) return std::nullopt;
    const bool exact = std::fabs(x) == 1 || x == 0;
    return fromRadians(std::asin(x), measure, x / 4, exact);
}

std::optional<Extended> arccosine(Extended x, AngleMeasure measure) {
    if (!(std::fabs(x) <= 1)) return std::nullopt;
    const bool exact = std::fabs(x) == 1 || x == 0;
    return fromRadians(std::acos(x), measure, (1 - x) / 4, exact);
}

std::optional<Extended> arctangent(Extended x, AngleMeasure measure) {
    const bool exact = std::fabs(x) == 1 || x == 0;
    return fromRadians(std::atan(x), measure, x / 8, exact);
}

// arctan(1/x), with its limit from the right at 0: a quarter turn, not a division by zero.
std::optional<Extended> arccotangent(Extended x, AngleMeasure measure) {
    if (x == 0) return fromRadians(kPi / 2, measure, 0.25L, true);
    const auto inverse = finiteOrFailure(1 / x);
    if (!inverse) return std::nullopt;
    return arctangent(*inverse, measure);
}

} // namespace orv
