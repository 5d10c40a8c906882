// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "calculator.h"

#include <utility>

namespace orv {

Calculator::StepScope::StepScope(Calculator& calculator, UndoStep step, std::string detail)
    : calculator_(calculator), outermost_(calculator.stepDepth_++ == 0) {
    if (outermost_) entry_ = {calculator.snapshot(), step, std::move(detail)};
}

Calculator::StepScope::~StepScope() {
    --calculator_.stepDepth_;
    // A key that changed nothing (equals before any operation) is no step to take back.
    if (outermost_ && calculator_.snapshot() != entry_.before) calculator_.history_.record(std::move(entry_));
}

void Calculator::showSign(const char* sign) {
    look_.sign = sign;
    view_.showSign(sign);
}

void Calculator::setDisplayRed(bool mantissa, bool exponent) {
    look_.redMantissa = look_.redMantissa || mantissa;
    look_.redExponent = look_.redExponent || exponent;
    view_.setDisplayRed(mantissa, exponent);
}

void Calculator::restoreDisplayColours(bool frameToo) {
    look_.redMantissa = look_.redExponent = false;
    view_.restoreDisplayColours(frameToo);
}

void Calculator::openMemoryLine() {
    look_.memoryLineOpen = true;
    view_.memIndOpen();
}

void Calculator::closeMemoryLine() {
    look_.memoryLineOpen = false;
    view_.memIndClose();
}

void Calculator::restore(const CalculatorSnapshot& snapshot) {
    state_ = snapshot.state;
    showSign(snapshot.look.sign.c_str());
    restoreDisplayColours(false);
    if (snapshot.look.redMantissa || snapshot.look.redExponent)
        setDisplayRed(snapshot.look.redMantissa, snapshot.look.redExponent);
    if (snapshot.look.memoryLineOpen) openMemoryLine();
    else if (!memoryLineForced_) closeMemoryLine();
    view_.showSelectedRegister(state_.SelectedRegister, registerLabel(state_.SelectedRegister));
    // The texts again from the values: the grouping or the separators may have changed since.
    refreshDisplays();
    OutputExt(state_.DisplayText);
    OutputMem(state_.MemoryDisplayText);
}

std::string Calculator::stepName(const UndoHistory::Entry& entry) const {
    return fillIn(messages_.UndoStepNames[static_cast<std::size_t>(entry.step)], entry.detail);
}

std::string Calculator::undoName() const {
    const UndoHistory::Entry* next = history_.nextUndo();
    return next ? stepName(*next) : std::string();
}

std::string Calculator::redoName() const {
    const UndoHistory::Entry* next = history_.nextRedo();
    return next ? stepName(*next) : std::string();
}

bool Calculator::undo() { return takeStep(true); }

bool Calculator::redo() { return takeStep(false); }

bool Calculator::takeStep(bool back) {
    const auto entry = back ? history_.takeUndo(snapshot()) : history_.takeRedo(snapshot());
    if (!entry) return false;
    restore(entry->before);
    const std::string& line = back ? messages_.UndoneTape : messages_.RedoneTape;
    writeTape({TapeForm::Note, {}, {}, fillIn(line, stepName(*entry)), {}, {}, {}});
    return true;
}

} // namespace orv
