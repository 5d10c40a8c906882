// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <string>
#include <string_view>

namespace orv {

// How a display text is laid out on a mantissa panel and a small raised exponent panel.
struct DisplayLayout {
    std::string mantissa;         // the mantissa panel's text, with "*10" and blanks when raised
    std::string exponent;         // the exponent panel's text (empty without exponent)
    bool exponentInFront = false; // the exponent panel is stacked in front of the mantissa
    int mantissaTop = 1;
    int mantissaHeight = 20;

    bool operator==(const DisplayLayout&) const = default;
};

// The main display (`OutputExt`), the memory line (`OutputMem`) and the Evaluator's result line
// (`OutputEval`) differ only in geometry and in the blanks that leave room for the exponent.
enum class DisplayKind { Main, Memory, Evaluator };

DisplayLayout layoutDisplay(std::string_view text, DisplayKind kind);

} // namespace orv
