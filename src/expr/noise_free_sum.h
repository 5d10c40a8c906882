// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "arithmetic.h"
#include "parser.h"

#include <cmath>

namespace orv {

// a + b under the guard, with the engine's cancellation-noise rule. The rule only acts when the
// sum is smaller than an operand, so the common case skips the call (SUM spends its time here).
// `position` is the operator's, where an overflow is reported.
inline Extended noiseFreeSum(Extended a, Extended b, int position) {
    const Extended sum = a + b;
    if (!std::isfinite(sum)) throw ArithmeticFailure{FailureKind::Overflow, position};
    const Extended magnitude = std::fabs(sum);
    if (magnitude >= std::fabs(a) && magnitude >= std::fabs(b)) return sum;
    return settleSum(a, b, sum);
}

} // namespace orv
