// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "evaluator_link.h"

#include "calculator_window.h"
#include "evaluator_window.h"
#include "text_panel.h"

namespace orv {

EvaluatorLook displayLook(const TCalculator& calculator) {
    EvaluatorLook look;
    if (const auto* digits = calculator.findChild<TextPanel*>(QStringLiteral("pnOut3"))) {
        look.digitFont = digits->font();
        look.digitColour = digits->textColour();
        look.indicatorColour = digits->background();
    }
    if (const auto* frame = calculator.findChild<QWidget*>(QStringLiteral("pnOut")))
        look.frameColour = frame->palette().color(QPalette::Window);
    return look;
}

void attachEvaluator(TCalculator& calculator, TEvaluator& evaluator) {
    evaluator.applyLook(displayLook(calculator));
    calculator.setEvaluatorOpener([&calculator, &evaluator](const QString& expression) {
        evaluator.applyLook(displayLook(calculator));
        evaluator.setExpression(expression);
        evaluator.exec();
    });
}

} // namespace orv
