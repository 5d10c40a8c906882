// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// Edit > Undo and Redo of the main window: the calculator keeps the steps, the menu names them.
#include "calculator_window.h"

#include "main_window_texts.h"

#include <QAction>
#include <QApplication>

namespace orv {

namespace {

// "&Undo: clear M1", or "&Undo" alone when there is no step.
QString itemText(const char* alone, const char* withStep, const std::string& step) {
    if (step.empty()) return QString::fromUtf8(alone);
    return QString::fromUtf8(withStep).arg(QString::fromStdString(step));
}

} // namespace

void TCalculator::nameUndoSteps() {
    const MainWindowTexts* texts = mainWindowTexts(static_cast<int>(calc_.messages().language));
    if (!texts || !miUndo) return;
    miUndo->setText(itemText(texts->miUndo, texts->miUndoStep, calc_.undoName()));
    miRedo->setText(itemText(texts->miRedo, texts->miRedoStep, calc_.redoName()));
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
