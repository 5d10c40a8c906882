// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "angle.h"
#include "messages.h"
#include "tape.h"

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

// What a one-operand key does to the current value: a new value, or a failure that changes
// nothing but shows its message in the hint under the display: no value for the argument (ln 0),
// a value beyond the range (e^20000), or one of the two domain checks with a message of its own.
enum class FunctionOutcome { Value, InvalidArgument, Overflow, ArgumentAboveOne, ArgumentZero };

struct FunctionResult {
    FunctionOutcome outcome = FunctionOutcome::InvalidArgument;
    Extended value = 0;
};

// Runs the key's domain check and its computation on x.
FunctionResult applyScientificKey(ScientificKey key, Extended x, AngleMeasure measure);

// The message of a failed key in the current language, naming the key where it helps; empty for
// a value.
std::string failureMessage(ScientificKey key, FunctionOutcome outcome, const Messages& messages);

// The tape's line for a key on `argument` (its text as Copy gives it): "sin 30° = 0.5", "9² = 81",
// "ln 0: Invalid argument of ln!". `resultText` is the value's text, for a value.
TapeStep scientificTapeStep(ScientificKey key, AngleMeasure measure, const std::string& argument,
                            const FunctionResult& result, const std::string& resultText, const Messages& messages);

// The pi key's value.
inline Extended piValue() { return kPi; }

} // namespace orv
