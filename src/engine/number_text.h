// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"
#include "separators.h"

#include <optional>
#include <string>
#include <string_view>

namespace orv {

// A value's decimal digits after the common rounding: the binary value expanded to 18
// significant digits, then cut half-up on the magnitude. `exponent` is the power of ten of the
// first digit; `digits` is empty for a value that rounds to zero.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// Expands to 18 digits and cuts to `count` significant digits (count may be 0 or negative:
// the digits are then rounded away at that position).
DecimalDigits roundedDigits(Extended x, int count);

// Typed, pasted and saved numbers: blanks, sign, digits, the decimal separator, an exponent.
// Fails (empty) on anything else, on an empty text or a lone sign, and beyond the range.
std::optional<Extended> parseNumber(std::string_view text, const Separators& separators);

// Enough significant digits to read the same Extended back.
inline constexpr int kMaxGeneralDigits = 21;

// The general text form: `precision` significant digits (1 to 21; up to 18 by the common
// rounding above, beyond that correctly rounded from the binary value), trailing zeros dropped,
// fixed notation for 0.0001 <= |x| < 10^precision, else "E" notation ("1E-5", "1.5E20"). Zero
// gives "0".
std::string generalText(Extended x, const Separators& separators, int precision = 15);

// Fixed format with precision P (clamped to 2..18) and D decimals, optionally grouped; falls
// back to the general text form with precision P when the integer part has more than P digits.
std::string fixedText(Extended x, int precision, int decimals, const Separators& separators, bool grouped);

// Exponent format: 13 significant digits, "E", the exponent's sign and at least four digits.
std::string exponentText(Extended x, const Separators& separators);

} // namespace orv
