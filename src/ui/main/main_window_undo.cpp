// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// Edit > Undo and Redo of the main window: the calculator keeps the steps, the menu names them.
#include "calculator_window.h"

#include "main_menus.h"
#include "main_window_texts.h"

#include <QApplication>

namespace orv {

void TCalculator::nameUndoSteps() {
    const MainWindowTexts* texts = mainWindowTexts(static_cast<int>(calc_.messages().language));
    if (!texts || !menus_) return;
    menus_->nameUndoSteps(*texts, calc_.undoName(), calc_.redoName());
}

void TCalculator::miUndoClick() {
    if (!calc_.undo()) QApplication::beep();
    nameUndoSteps();
}

void TCalculator::miRedoClick() {
    if (!calc_.redo()) QApplication::beep();
    nameUndoSteps();
}

} // namespace orv
