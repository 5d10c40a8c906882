// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"
#include "messages.h"
#include "separators.h"

#include <string>

namespace orv {

enum class ConversionOutcome {
    Converted, // entryText and value hold the result
    Refused,   // a temperature below its scale's bound: message holds the bound message
    Overflowed, // a step left the Extended range: message holds the overflow message
};

// What a conversion leaves for the window to apply. When converted: EntryText := entryText,
// CurrentValue := value, redraw the display, Typing := false; FirstOperand, PendingOperation,
// OperandStored, DecimalEntered and EqualsEnabled stay, so the result can complete an operation
// begun before it. When refused or overflowed: show the message in the error hint under the display and change
// nothing else.
struct ConversionResult {
    ConversionOutcome outcome = ConversionOutcome::Converted;
    std::string entryText; // the general text form of the result (15 significant digits)
    Extended value = 0;    // entryText read back: the result rounded to 15 significant digits
    std::string message;
};

// Converts x from unit `from` to unit `to` of `group`: through the base unit with the catalogue's
// factors, or through Celsius for the temperature group. A factor or formula step that overflows
// fails the whole conversion: no substitute is ever given for its result. A group or unit outside the catalogue leaves x as it is (rounded).
ConversionResult convertValue(Extended x, int group, int from, int to, const Messages& messages,
                              const Separators& separators);

} // namespace orv
