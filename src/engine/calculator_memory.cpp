// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "calculator.h"

#include "arithmetic.h"
#include "number_text.h"

#include <algorithm>

namespace orv {

std::string Calculator::registerLabel(int registerNumber) { return "M" + std::to_string(registerNumber) + "="; }

void Calculator::refreshMemoryLine() {
    state_.MemoryEntryText = generalText(state_.MemoryValue, separators_);
    IndicateM(state_.MemoryValue);
    OutputMem(state_.MemoryDisplayText);
}

void Calculator::selectRegister(int registerNumber) {
    registerNumber = std::clamp(registerNumber, 1, kRegisterCount);
    const StepScope undoable(*this, UndoStep::SelectRegister, "M" + std::to_string(registerNumber));
    view_.showSelectedRegister(registerNumber, registerLabel(registerNumber));
    state_.SelectedRegister = registerNumber;
    MemUpdate();
}

void Calculator::MemUpdate() {
    state_.MemoryValue = state_.MemoryRegisters[static_cast<std::size_t>(state_.SelectedRegister - 1)];
    refreshMemoryLine();
}

// A register that would leave the range keeps its value; false then.
bool Calculator::MemPlus() {
    Extended& memory = state_.MemoryRegisters[static_cast<std::size_t>(state_.SelectedRegister - 1)];
    const auto sum = guardedAdd(memory, state_.CurrentValue);
    if (sum) memory = *sum;
    state_.MemoryValue = memory;
    refreshMemoryLine();
    return sum.has_value();
}

bool Calculator::MemMinus() {
    Extended& memory = state_.MemoryRegisters[static_cast<std::size_t>(state_.SelectedRegister - 1)];
    const auto difference = guardedSubtract(memory, state_.CurrentValue);
    if (difference) memory = *difference;
    state_.MemoryValue = memory;
    refreshMemoryLine();
    return difference.has_value();
}

// M+ and M-: the register, the step and its new value, or why it kept the old one.
void Calculator::writeMemoryStep(Operation operation, bool done) {
    const std::string name = "M" + std::to_string(state_.SelectedRegister);
    TapeStep step{TapeForm::Memory, tapeNumber(state_.CurrentValue), {}, name, tapeSign(operation), {}, {}};
    if (done) {
        step.setResult(state_.MemoryValue, tapeNumber(state_.MemoryValue));
    } else {
        step.message = messages_.OverflowMessage;
        ShowErrorHint(step.message);
    }
    writeTape(step);
}

void Calculator::MemDel() {
    state_.MemoryRegisters[static_cast<std::size_t>(state_.SelectedRegister - 1)] = 0;
    state_.MemoryValue = 0;
    refreshMemoryLine();
}

// M+ and M- first complete a pending chain whose right operand was typed or recalled.
void Calculator::completeChainBeforeMemory() {
    CalculatorState& s = state_;
    s.MemoryUsed = true;
    if (s.OperandStored && chainHasNewOperand()) {
        s.SecondOperand = s.CurrentValue;
        Solving();
        s.CurrentValue = s.ResultValue;
    }
}

void Calculator::pressMemoryPlus() {
    const StepScope undoable(*this, UndoStep::MemoryPlus, registerName());
    completeChainBeforeMemory();
    writeMemoryStep(Operation::opAdd, MemPlus());
    endEntryAfterMemory();
    openMemoryLine();
}

void Calculator::pressMemoryMinus() {
    const StepScope undoable(*this, UndoStep::MemoryMinus, registerName());
    completeChainBeforeMemory();
    writeMemoryStep(Operation::opSubtract, MemMinus());
    endEntryAfterMemory();
    if (!memoryLineForced_) openMemoryLine();
}

void Calculator::pressMemoryRecall() {
    const StepScope undoable(*this, UndoStep::MemoryRecall, registerName());
    CalculatorState& s = state_;
    s.MemoryUsed = true;
    s.CurrentValue = 0;
    MemPlus();
    showResult(s.MemoryValue);
    s.SecondOperand = s.CurrentValue;
    s.Typing = false;
    s.OperandEntered = false;
    s.DecimalEntered = false;
}

void Calculator::endEntryAfterMemory() {
    state_.Typing = state_.OperandStored = state_.OperandEntered = state_.DecimalEntered = false;
}

// MC empties the selected register only; the calculation (operands, pending operation, entry)
// goes on untouched.
void Calculator::pressMemoryClear() {
    const StepScope undoable(*this, UndoStep::MemoryClear, registerName());
    const Extended held = state_.MemoryRegisters[static_cast<std::size_t>(state_.SelectedRegister - 1)];
    state_.MemoryUsed = false;
    MemDel();
    // The value it held stays on record, whatever key cleared it.
    const std::string was = held == 0 ? std::string() : fillIn(messages_.TapeWas, tapeNumber(held));
    writeTape({TapeForm::MemoryClear, {}, was, registerName(), {}, "0", {}, 0});
    if (!memoryLineForced_) closeMemoryLine();
}

} // namespace orv
