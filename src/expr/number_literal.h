// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "expression_text.h"
#include "extended.h"

#include <optional>

namespace orv {

// Reads the number starting at `cursor` (a digit) and moves `cursor` past it. Its extent is the
// longest prefix that is or could still become digits [. digits] [E [sign] digits], so a dangling
// "E" or "E-" belongs to it; such a number has the value of the text before the "E". Empty when
// the value is beyond the Extended range.
std::optional<Extended> readNumber(const ExpressionText& text, int& cursor);

} // namespace orv
