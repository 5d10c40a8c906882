// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"

#include <optional>

namespace orv {

// Hyperbolic functions and their inverses on plain numbers; an empty result is an arithmetic
// failure (overflow or a zero denominator).
std::optional<Extended> hyperbolicSine(Extended x);
std::optional<Extended> hyperbolicCosine(Extended x);
// Exactly 1 beyond 5678.22249441322 and -1 below its negative: the formula's e^2x overflows just
// beyond, and the true value has rounded to 1 long before.
std::optional<Extended> hyperbolicTangent(Extended x);
std::optional<Extended> hyperbolicCotangent(Extended x);
std::optional<Extended> hyperbolicSecant(Extended x);
std::optional<Extended> hyperbolicCosecant(Extended x);

std::optional<Extended> inverseHyperbolicSine(Extended x);
// 0 for every x <= 1, without a failure.
std::optional<Extended> inverseHyperbolicCosine(Extended x);
// 0 for 0; for |x| >= 1 the Extended nearest 1.1E4932 with the sign of x, without a failure.
std::optional<Extended> inverseHyperbolicTangent(Extended x);
// Fails for |x| <= 1.
std::optional<Extended> inverseHyperbolicCotangent(Extended x);

} // namespace orv
