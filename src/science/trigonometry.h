// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "angle.h"

#include <optional>

namespace orv {

// The trigonometric functions with the argument (or the result, for the inverses) in the given
// measure. An empty result is an arithmetic failure. Degrees, grads and cycles are reduced by a
// whole turn exactly, so quarter turns give exact zeros and ones, and the other values are rounded
// once, at the end.
std::optional<Extended> sine(Extended x, AngleMeasure measure);
std::optional<Extended> cosine(Extended x, AngleMeasure measure);
std::optional<Extended> tangent(Extended x, AngleMeasure measure);
std::optional<Extended> cotangent(Extended x, AngleMeasure measure);
std::optional<Extended> secant(Extended x, AngleMeasure measure);
std::optional<Extended> cosecant(Extended x, AngleMeasure measure);

// |x| > 1 fails.
std::optional<Extended> arcsine(Extended x, AngleMeasure measure);
std::optional<Extended> arccosine(Extended x, AngleMeasure measure);
std::optional<Extended> arctangent(Extended x, AngleMeasure measure);
// arctan(1/x), so negative for negative x; x = 0 fails.
std::optional<Extended> arccotangent(Extended x, AngleMeasure measure);

} // namespace orv
