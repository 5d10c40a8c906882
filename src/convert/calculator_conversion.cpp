// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "calculator_conversion.h"

#include "calculator.h"

namespace orv {

void applyConversion(Calculator& calculator, const ConversionResult& result) {
    if (result.outcome != ConversionOutcome::Converted) {
        calculator.ShowErrorHint(result.message);
        return;
    }
    calculator.loadOperand(result.value, result.entryText); // the 15-digit text, kept verbatim
}

void convertCurrentValue(Calculator& calculator, int group, int from, int to) {
    applyConversion(calculator, convertValue(calculator.state().CurrentValue, group, from, to,
                                             calculator.messages(), calculator.separators()));
}

} // namespace orv
