// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "angle.h"

namespace orv {

Extended MakeRadOnly(Extended x, AngleMeasure measure) {
    switch (measure) {
    case AngleMeasure::Radians: return x;
    case AngleMeasure::Degrees: return x * kDegreesToRadians;
    case AngleMeasure::Grads: return x * kGradsToRadians;
    case AngleMeasure::Cycles: return x * kTwoPi;
    }
    return x;
}

Extended MakeFromRad(Extended x, AngleMeasure measure) {
    switch (measure) {
    case AngleMeasure::Radians: return x;
    case AngleMeasure::Degrees: return x * kRadiansToDegrees;
    case AngleMeasure::Grads: return x * kRadiansToGrads;
    case AngleMeasure::Cycles: return x / kTwoPi;
    }
    return x;
}

Extended fullTurn(AngleMeasure measure) {
    switch (measure) {
    case AngleMeasure::Radians: return kTwoPi;
    case AngleMeasure::Degrees: return 360;
    case AngleMeasure::Grads: return 400;
    case AngleMeasure::Cycles: return 1;
    }
    return kTwoPi;
}

} // namespace orv
