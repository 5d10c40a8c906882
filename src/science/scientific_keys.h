// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "angle.h"
#include "messages.h"

#include <string>

namespace orv {

// The one-operand keys of the scientific panel, named after their controls without "bp".
enum class ScientificKey {
    Sin, Cos, Tg, Ctg, Sec, Cosec,
    Arcsin, Arccos, Arctg, Arcctg,
    Sh, Ch, Th, Cth, Sech, Cosech,
    Arsh, Arch, Arth, Arcth,
    X2, X3, CubeRoot, Ln, Log, Exp, Factorial,
};

// What a one-operand key does to the current value: a new value; a silent failure (nothing
// changes); or a domain error whose message the window shows in the hint under the display.
enum class FunctionOutcome { Value, Failure, ArgumentAboveOne, ArgumentZero };

struct FunctionResult {
    FunctionOutcome outcome = FunctionOutcome::Failure;
    Extended value = 0;
};

// Runs the key's domain check and its computation on x.
FunctionResult applyScientificKey(ScientificKey key, Extended x, AngleMeasure measure);

// The message of a domain error in the current language; empty for the other outcomes.
std::string domainMessage(FunctionOutcome outcome, const Messages& messages);

// The pi key's value.
inline Extended piValue() { return kPi; }

} // namespace orv
