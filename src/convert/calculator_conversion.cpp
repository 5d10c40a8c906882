// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "calculator_conversion.h"

#include "calculator.h"
#include "unit_catalogue.h"

namespace orv {

void applyConversion(Calculator& calculator, const ConversionResult& result) {
    if (result.outcome != ConversionOutcome::Converted) {
        calculator.ShowErrorHint(result.message);
        return;
    }
    calculator.loadOperand(result.value, result.entryText); // the 15-digit text, kept verbatim
}

void convertCurrentValue(Calculator& calculator, int group, int from, int to) {
    const Extended x = calculator.state().CurrentValue;
    const Messages& messages = calculator.messages();
    const ConversionResult result = convertValue(x, group, from, to, messages, calculator.separators());
    if (isUnit(group, from) && isUnit(group, to)) {
        TapeStep step{TapeForm::Conversion, calculator.tapeNumber(x), std::string(unitName(group, to, messages.language)),
                      std::string(unitName(group, from, messages.language)), {}, {}, {}};
        if (result.outcome == ConversionOutcome::Converted) step.setResult(result.value, result.entryText);
        else step.message = result.message;
        calculator.writeTape(step);
    }
    applyConversion(calculator, result);
}

} // namespace orv
