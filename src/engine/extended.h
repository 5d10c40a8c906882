// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

namespace orv {

// The x87 80-bit extended format on x86-64: 64-bit significand, round to nearest.
using Extended = long double;

static_assert(sizeof(Extended) >= 10, "Extended must be the 80-bit extended format");

// The smallest positive Extended, 2^-16445. Magnitudes at or below it count as zero.
inline constexpr Extended kSmallestExtended = 3.64519953188247460253e-4951L;

// 2^63: the first magnitude past the 64-bit integer range, and where the x87 unit stops reducing
// angles for sine and cosine.
inline constexpr Extended kTwoToThe63 = 9223372036854775808.0L;

inline bool isZero(Extended x) { return (x < 0 ? -x : x) <= kSmallestExtended; }

} // namespace orv
