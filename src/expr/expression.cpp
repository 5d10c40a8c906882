// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "expression.h"

#include "expression_text.h"
#include "parser.h"

namespace orv {

Evaluation EvaluateExpression(std::string_view text, ExpressionVariables& variables,
                              const EvaluationSettings& settings) {
    const ExpressionText characters(text);
    Evaluation result;
    Parser parser(characters, variables, settings, result);
    try {
        result.value = parser.ParseSum();
        parser.reportTextAfterEnd();
    } catch (const ArithmeticFailure& failure) {
        parser.report(failure);
        result.value = 0;
        result.escapedFailure = true;
    } catch (const EvaluationAbort& abort) {
        parser.report(settings.messages->*abort.text);
        result.value = 0;
        result.cancelled = abort.text == &Messages::EvaluationCancelledMessage;
    }
    return result;
}

} // namespace orv
