// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "calculator_keys.h"

#include "powers.h"

namespace orv {

TwoOperandFunctions scientificOperations() { return {&powerOperation, &logBaseOperation}; }

void pressScientificKey(Calculator& calculator, ScientificKey key, AngleMeasure measure) {
    const Extended x = calculator.state().CurrentValue;
    const FunctionResult result = applyScientificKey(key, x, measure);
    const std::string resultText = result.outcome == FunctionOutcome::Value ? calculator.tapeNumber(result.value) : "";
    calculator.writeTape(
        scientificTapeStep(key, measure, calculator.tapeNumber(x), result, resultText, calculator.messages()));
    if (result.outcome == FunctionOutcome::Value) {
        calculator.loadOperand(result.value);
    } else {
        // The display keeps the argument, so the message must say that it is not the answer.
        calculator.ShowErrorHint(failureMessage(key, result.outcome, calculator.messages()));
    }
}

void pressPi(Calculator& calculator) { calculator.loadOperand(piValue()); }

bool pressStatisticKey(Calculator& calculator, Statistic statistic, std::string_view listText) {
    const StatisticsLines lines = memoLines(listText);
    const auto value = computeStatistic(statistic, lines, calculator.separators());
    const Messages& messages = calculator.messages();
    TapeStep step{TapeForm::Statistic, {}, {}, statisticTapeName(statistic, statisticsCount(lines), messages), {}, {}, {}};
    if (value) {
        step.setResult(*value, calculator.tapeNumber(*value));
        calculator.writeTape(step);
        calculator.loadOperand(*value);
    } else {
        // The display keeps its number, which must not be taken for the result.
        step.message = statisticFailureMessage(statistic, lines, calculator.separators(), messages);
        calculator.writeTape(step);
        calculator.ShowErrorHint(step.message);
    }
    return value.has_value();
}

} // namespace orv
