// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"

namespace orv {

// The four angle measures; the main window and the Evaluator each keep their own choice.
enum class AngleMeasure { Radians, Degrees, Grads, Cycles };

// Each constant is one Extended value exactly. 200/pi is one unit in the last place below the
// nearest value on purpose: grad results then stay bit for bit the ones users have on record.
inline constexpr Extended kPi = 3.14159265358979323851L;
inline constexpr Extended kDegreesToRadians = 0.0174532925199432957691L;
inline constexpr Extended kRadiansToDegrees = 57.2957795130823208767L;
inline constexpr Extended kGradsToRadians = 0.0157079632679489661919L;
inline constexpr Extended kRadiansToGrads = 63.6619772367581343055L;
inline constexpr Extended kTwoPi = 6.28318530717958647703L;

// x from the given measure to radians, and back.
Extended MakeRadOnly(Extended x, AngleMeasure measure);
Extended MakeFromRad(Extended x, AngleMeasure measure);

// A full turn in the given measure (360 degrees, 400 grads, 1 cycle, 2 pi radians).
Extended fullTurn(AngleMeasure measure);

} // namespace orv
