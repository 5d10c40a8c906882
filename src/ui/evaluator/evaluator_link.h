// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

namespace orv {

class TCalculator;
class TEvaluator;
struct EvaluatorLook;

// The main display's digit font and colours, as the Evaluator's fields take them over.
EvaluatorLook displayLook(const TCalculator& calculator);

// Lets the main window open the Evaluator (F8, the menu, a double click on the display): the
// Evaluator takes the display's look and the current value's text, then runs modally.
void attachEvaluator(TCalculator& calculator, TEvaluator& evaluator);

} // namespace orv
