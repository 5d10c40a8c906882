// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "arithmetic.h"
#include "extended.h"

#include <cmath>
#include <optional>

namespace orv {

// Every computation here starts from finite operands, so a result that is not finite is exactly
// an overflow, an invalid operation or a division by zero: the arithmetic failure. Testing the
// value is much cheaper than clearing and testing the floating-point flags.
inline std::optional<Extended> finiteOrFailure(Extended value) {
    if (!std::isfinite(value)) return std::nullopt;
    return value + 0.0L; // a negative zero is shown as 0
}

} // namespace orv
