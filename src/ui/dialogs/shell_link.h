// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

namespace orv {

class TAbout;
class TCalculator;
class TEvaluator;
class TPreForm;

// Wires the commands that open the other windows: Preferences (F2), help (F1, the Help menus and
// buttons, at each window's topic and in its language), the home page and About, from the main
// window and from the Evaluator; what Preferences applies goes on to the main window and the
// Evaluator.
void attachShell(TCalculator& calculator, TAbout& about, TEvaluator& evaluator, TPreForm& preferences);

} // namespace orv
