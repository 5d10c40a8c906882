// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace orv {

// What users type, paste or read back from a 15-digit text is a decimal of a few digits, held
// as the Extended nearest to it. A sum of two such numbers that is itself such a number is
// computed on the decimals, so that 0.1 + 0.2 - 0.3 is 0 and 86251.76 - 86250.82 is 0.94. Every
// other sum is the plain Extended sum and keeps its full precision: a sum of more than 17 digits
// is no number anyone reads back as a decimal, and its operands' binary values then cancel
// consistently with their other uses in a chain (3e-9 - 99899665835.2 + 99899665835.2).

// The most significant digits a number may have and still be taken for the decimal it stands for.
inline constexpr int kShortDecimalDigits = 17;

// A decimal digits * 10^exponent, with |digits| < 10^17 and no trailing zero (0 is 0 * 10^0).
struct ShortDecimal {
    std::int64_t digits = 0;
    int exponent = 0;
    // The Extended is exactly this decimal (whole numbers, halves, quarters ...).
    bool exact = false;
};

// The decimal of at most 17 significant digits whose nearest Extended is x, if there is one
// (there is at most one). Infinities and NaNs have none.
std::optional<ShortDecimal> shortDecimalOf(Extended x);

// The Extended nearest to digits * 10^exponent, correctly rounded (an infinity beyond the range).
Extended nearestExtended(__int128 digits, int exponent);

// The nearest Extended to the exact sum of the two decimals where that sum is a short decimal too;
// nothing otherwise, or where it leaves the Extended range.
std::optional<Extended> shortSum(const ShortDecimal& a, const ShortDecimal& b);

// (x + before) * numerator / denominator + after on the decimals, where x, before and after are
// short decimals: the nearest Extended to the exact value where it ends in a decimal, and one
// more rounding than that where it does not (a division by 9). Nothing where one of the three is
// no short decimal or the digits leave 128 bits; the caller then computes in Extended.
std::optional<Extended> decimalAffine(Extended x, Extended before, int numerator, int denominator,
                                      Extended after);

namespace detail {
Extended decimalSumOfFractions(Extended a, Extended b, Extended sum);
} // namespace detail

// Whole numbers below 2^63 add exactly in Extended: the common case costs two additions. Adding
// 2^63 rounds a smaller magnitude to a whole number (the spacing there is 1), without the change
// of the rounding mode that a conversion to an integer costs on the x87 unit.
inline bool isSmallWhole(Extended x) {
    const Extended magnitude = std::fabs(x);
    return magnitude < kTwoToThe63 && (magnitude + kTwoToThe63) - kTwoToThe63 == magnitude;
}

// a + b as the operands' decimals add, where both and their sum are short decimals; otherwise
// `sum`, the plain Extended sum a + b, which the caller has computed.
inline Extended decimalSum(Extended a, Extended b, Extended sum) {
    if (isSmallWhole(a) && isSmallWhole(b)) return sum;
    return detail::decimalSumOfFractions(a, b, sum);
}

// Follows the terms of a long sum (SUM's) as they are added with compensation: whether every
// one is a short decimal, and the finest decimal place among them.
class DecimalTally {
public:
    void add(Extended term) {
        if (!decimal_) return;
        if (isSmallWhole(term)) {
            addSmallWholes();
            return;
        }
        addFraction(term);
    }

    // Terms known to be whole numbers below 2^63.
    void addSmallWholes() {
        if (decimal_ && finest_ > 0) finest_ = 0;
    }

    // The nearest Extended to the terms' exact decimal total, where the compensated total
    // sum + compensation of `count` terms, none above `largest` in magnitude, pins it down;
    // otherwise that total.
    Extended total(Extended sum, Extended compensation, Extended largest, std::uint64_t count) const;

private:
    void addFraction(Extended term);

    bool decimal_ = true;
    int finest_ = 1 << 30; // no term yet
};

} // namespace orv
