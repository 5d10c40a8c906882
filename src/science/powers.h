// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"

#include <optional>

namespace orv {

// Powers, roots, logarithms and the factorial shared by the keys and the expression language.
// An empty result is an arithmetic failure.

// The x^y key: a positive base by the C library's powl; a negative base only with a whole
// exponent, with the sign that exponent gives; a zero base gives 1 for a zero exponent, else 0.
std::optional<Extended> Power(Extended base, Extended exponent);

// The two-operand keys, completed with FirstOperand and SecondOperand: X^Y, and the
// logarithm of X to base Y as log2 X / log2 Y.
std::optional<Extended> powerOperation(Extended first, Extended second);
std::optional<Extended> logBaseOperation(Extended first, Extended second);

std::optional<Extended> square(Extended x);
std::optional<Extended> cube(Extended x);
// The real cube root: negative for a negative x.
std::optional<Extended> cubeRoot(Extended x);
std::optional<Extended> naturalLogarithm(Extended x);
std::optional<Extended> commonLogarithm(Extended x);
std::optional<Extended> exponential(Extended x);

// x rounded to the nearest integer, ties to even; 1 below 2; above 1754 an overflow.
std::optional<Extended> factorial(Extended x);

} // namespace orv
