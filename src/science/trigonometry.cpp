// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "trigonometry.h"

#include "math_result.h"

#include <cmath>

namespace orv {
namespace {

// From 2^63 radians on, sine and cosine are 0: the x87 unit reduces no argument that large, and
// neighbouring numbers there are a whole radian apart, so no angle within a turn is known.
constexpr Extended kHugeRadians = kTwoToThe63;

// An angle as a number of quarter turns (0 to 3) plus a radian residual of at most an eighth turn.
struct Reduced {
    int quarters = 0;
    Extended radians = 0;
};

Extended quarterTurn(AngleMeasure measure) { return fullTurn(measure) / 4; }

// In degrees, grads and cycles the remainder by a full turn and the split into quarter turns are
// exact in binary floating point, so multiples of a quarter turn leave a residual of exactly 0.
Reduced reduce(Extended x, AngleMeasure measure) {
    if (measure == AngleMeasure::Radians) return {0, x};
    const Extended quarter = quarterTurn(measure);
    const Extended remainder = std::fmod(x, fullTurn(measure));
    const Extended quarters = std::nearbyint(remainder / quarter);
    const Extended residual = remainder - quarters * quarter;
    const int q = static_cast<int>(quarters) % 4;
    return {(q + 4) % 4, MakeRadOnly(residual, measure)};
}

// Only radians meet the limit: the other measures are reduced by whole turns first.
bool beyondReduction(Extended x, AngleMeasure measure) {
    return measure == AngleMeasure::Radians && std::fabs(x) >= kHugeRadians;
}

Extended sineOf(const Reduced& a) {
    switch (a.quarters) {
    case 1: return std::cos(a.radians);
    case 2: return -std::sin(a.radians);
    case 3: return -std::cos(a.radians);
    default: return std::sin(a.radians);
    }
}

Extended cosineOf(const Reduced& a) {
    switch (a.quarters) {
    case 1: return -std::sin(a.radians);
    case 2: return -std::cos(a.radians);
    case 3: return std::sin(a.radians);
    default: return std::cos(a.radians);
    }
}

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

std::optional<Extended> sine(Extended x, AngleMeasure measure) {
    if (beyondReduction(x, measure)) return 0;
    return finiteOrFailure(sineOf(reduce(x, measure)));
}

std::optional<Extended> cosine(Extended x, AngleMeasure measure) {
    if (beyondReduction(x, measure)) return 0;
    return finiteOrFailure(cosineOf(reduce(x, measure)));
}

std::optional<Extended> tangent(Extended x, AngleMeasure measure) {
    if (beyondReduction(x, measure)) return std::nullopt;
    const Reduced a = reduce(x, measure);
    if (a.quarters % 2 == 0) return finiteOrFailure(std::tan(a.radians));
    const Extended t = std::tan(a.radians);
    if (t == 0) return std::nullopt; // a quarter turn: division by zero
    return finiteOrFailure(-1 / t);
}

std::optional<Extended> cotangent(Extended x, AngleMeasure measure) {
    if (beyondReduction(x, measure)) return std::nullopt;
    const Reduced a = reduce(x, measure);
    if (a.quarters % 2 == 1) return finiteOrFailure(-std::tan(a.radians));
    const Extended t = std::tan(a.radians);
    if (t == 0) return std::nullopt;
    return finiteOrFailure(1 / t);
}

std::optional<Extended> secant(Extended x, AngleMeasure measure) { return reciprocal(cosine(x, measure)); }

std::optional<Extended> cosecant(Extended x, AngleMeasure measure) { return reciprocal(sine(x, measure)); }

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
