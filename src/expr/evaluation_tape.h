// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "expression.h"
#include "separators.h"
#include "tape.h"

#include <string_view>

namespace orv {

// The tape's line for one evaluation: the expression as typed (its lines joined, blanks at the
// ends dropped) and its value, or, when anything was reported, the first diagnostic (nearly
// always the cause of the others) instead of a value that is not a result. Where an angle function
// was called in degrees, grads or cycles, the line says so in the messages' language.
TapeStep evaluationTapeStep(std::string_view text, const Evaluation& evaluation, const Separators& separators,
                            const Messages& messages = messagesFor(Language::English));

} // namespace orv
