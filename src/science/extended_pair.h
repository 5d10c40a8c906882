// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"

#include <array>

namespace orv {

// A number carried as the unevaluated sum hi + lo, for the few steps of a function that need more
// than 64 bits so that its result is rounded only once.
struct ExtendedPair {
    Extended hi = 0;
    Extended lo = 0;
};

inline ExtendedPair negated(ExtendedPair a) { return {-a.hi, -a.lo}; }

// a + b exactly, whatever their sizes (Knuth).
inline ExtendedPair exactSum(Extended a, Extended b) {
    const Extended sum = a + b;
    const Extended bPart = sum - a;
    return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// a + b exactly when |a| >= |b| (Dekker); hi is then a + b rounded.
inline ExtendedPair quickSum(Extended a, Extended b) {
    const Extended sum = a + b;
    return {sum, b - (sum - a)};
}

// a * b exactly, for factors below about 2^16350. Veltkamp's split by 2^32 + 1 cuts a 64-bit
// significand into two halves whose products are exact (Dekker). The x87 unit has no fused
// multiply-add that a compiler could fold this into, and the C library's fmal is slower than a
// whole sine.
inline ExtendedPair exactProduct(Extended a, Extended b) {
    constexpr Extended kSplitter = 4294967297.0L;
    const Extended aScaled = a * kSplitter;
    const Extended aHigh = aScaled - (aScaled - a);
    const Extended aLow = a - aHigh;
    const Extended bScaled = b * kSplitter;
    const Extended bHigh = bScaled - (bScaled - b);
    const Extended bLow = b - bHigh;
    const Extended product = a * b;
    return {product, ((aHigh * bHigh - product) + aHigh * bLow + aLow * bHigh) + aLow * bLow};
}

// 1/n! for Taylor series; n! is exact in Extended this far.
inline constexpr std::array<Extended, 24> kInverseFactorials = [] {
    std::array<Extended, 24> inverses{};
    Extended factorial = 1;
    for (int n = 0; n < 24; ++n) {
        if (n > 0) factorial *= n;
        inverses[n] = 1 / factorial;
    }
    return inverses;
}();

} // namespace orv
