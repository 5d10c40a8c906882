// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "calculator.h"

#include "arithmetic.h"
#include "entry_text.h"
#include "number_text.h"

#include <cmath>

namespace orv {

Calculator::Calculator(CalculatorView& view, Separators separators, TwoOperandFunctions functions)
    : view_(view), separators_(std::move(separators)), functions_(functions) {}

void Calculator::press(KeypadKey key) {
    using K = KeypadKey;
    switch (key) {
    case K::C: return pressClear();
    case K::CE: return pressClearEntry();
    case K::Sign: return pressSignChange();
    case K::Divide: return pressOperation(Operation::opDivide);
    case K::Multy: return pressOperation(Operation::opMultiply);
    case K::Minus: return pressOperation(Operation::opSubtract);
    case K::Plus: return pressOperation(Operation::opAdd);
    case K::MC: return pressMemoryClear();
    case K::MR: return pressMemoryRecall();
    case K::MMinus: return pressMemoryMinus();
    case K::MPlus: return pressMemoryPlus();
    case K::Back: return pressBackspace();
    case K::PerCent: return pressPercent();
    case K::Inv: return pressReciprocal();
    case K::Eq: return pressEquals();
    case K::Sqrt: return pressSquareRoot();
    case K::Comma: return pressDecimalSeparator();
    case K::Digit0: return Special_Click(0);
    case K::Digit1: return Special_Click(1);
    case K::Digit2: return Special_Click(2);
    case K::Digit3: return Special_Click(3);
    case K::Digit4: return Special_Click(4);
    case K::Digit5: return Special_Click(5);
    case K::Digit6: return Special_Click(6);
    case K::Digit7: return Special_Click(7);
    case K::Digit8: return Special_Click(8);
    case K::Digit9: return Special_Click(9);
    }
}

const char* Calculator::signOf(Operation operation) {
    switch (operation) {
    case Operation::opAdd: return "+";
    case Operation::opSubtract: return "-";
    case Operation::opMultiply: return "\u00D7";
    case Operation::opDivide: return "\u00F7";
    case Operation::opPower:
    case Operation::opLogBase: return "";
    case Operation::opNone: return "=";
    }
    return "";
}

void Calculator::showResult(Extended value) { showResult(value, generalText(value, separators_)); }

void Calculator::showResult(Extended value, std::string_view entryText) {
    state_.CurrentValue = value;
    state_.EntryText = std::string(entryText);
    Indicate(state_.CurrentValue);
    OutputExt(state_.DisplayText);
}

void Calculator::loadOperand(Extended value) {
    const StepScope undoable(*this, UndoStep::Value);
    showResult(value);
    Obluzh();
}

void Calculator::loadOperand(Extended value, std::string_view entryText) {
    const StepScope undoable(*this, UndoStep::Value);
    showResult(value, entryText);
    Obluzh();
}

bool Calculator::loadOperandText(std::string_view text) {
    const auto value = parseNumber(text, separators_);
    if (!value) return false;
    loadOperand(*value, text);
    return true;
}

std::string Calculator::enterIntoList() {
    loadOperand(state_.CurrentValue);
    return state_.EntryText;
}

std::string Calculator::resultDisplayText(Extended value) const {
    return displayTextFor(value, generalText(value, separators_), false);
}

// An operation key (and M+, M-) completes the pending chain only when a right operand has come
// since: typed, handed in, or a value different from the left operand (a recalled one).
bool Calculator::chainHasNewOperand() const {
    const CalculatorState& s = state_;
    return s.Typing || s.OperandEntered || s.CurrentValue != s.FirstOperand;
}

// The operation as a line of the tape writes it: the minus sign, not the hyphen of a negative number.
const char* Calculator::tapeSign(Operation operation) {
    switch (operation) {
    case Operation::opAdd: return "+";
    case Operation::opSubtract: return "\u2212";
    case Operation::opMultiply: return "\u00D7";
    case Operation::opDivide: return "\u00F7";
    case Operation::opPower: return "^";
    default: return "";
    }
}

void Calculator::writeTape(const TapeStep& step) const {
    if (tape_) tape_->writeTapeStep(step);
}

std::string Calculator::tapeNumber(Extended value) const { return generalText(value, separators_); }

void Calculator::ShowErrorHint(std::string_view text) { view_.showErrorHint(HintTarget::Display, text); }

std::string Calculator::failArithmetic(Extended fallback, std::string_view message) {
    state_.ResultValue = fallback;
    view_.errorButUp();
    setDisplayRed(true, true);
    // The red display keeps an operand, which must not be read as the result.
    const std::string text(message.empty() ? std::string_view(messages_.OverflowMessage) : message);
    ShowErrorHint(text);
    return text;
}

// x^y and the logarithm to a base can fail for want of a value (the logarithm of 0), not only by
// overflow; the sums and products only overflow.
std::string Calculator::chainFailureMessage(Extended first, Extended second) const {
    const Operation operation = state_.PendingOperation;
    if (operation != Operation::opPower && operation != Operation::opLogBase) return {};
    const TwoOperandFunction function = operation == Operation::opPower ? functions_.power : functions_.logBase;
    if (failureKind([&] { return function(first, second); }) == FailureKind::Overflow) return {};
    return fillIn(messages_.InvalidArgumentMessage, operation == Operation::opPower ? "x^y" : "log");
}

void Calculator::Solving() {
    CalculatorState& s = state_;
    s.EqualsEnabled = true;
    if (isZero(s.FirstOperand)) s.FirstOperand = 0.0L;
    if (isZero(s.SecondOperand)) s.SecondOperand = 0.0L;
    const Extended first = s.FirstOperand;
    const Extended second = s.SecondOperand;
    TapeStep step;
    step.form = s.PendingOperation == Operation::opLogBase ? TapeForm::LogBase : TapeForm::Operation;
    step.a = tapeNumber(first);
    step.b = tapeNumber(second);
    step.op = tapeSign(s.PendingOperation);
    std::optional<Extended> result;
    switch (s.PendingOperation) {
    case Operation::opAdd: result = guardedAdd(first, second); break;
    case Operation::opSubtract: result = guardedSubtract(first, second); break;
    case Operation::opMultiply: result = guarded([&] { return first * second; }); break;
    case Operation::opPower: result = functions_.power(first, second); break;
    case Operation::opLogBase: result = functions_.logBase(first, second); break;
    case Operation::opDivide:
        if (isZero(second)) {
            setDisplayRed(true, false);
            ShowErrorHint(messages_.DivideByZeroMessage);
            step.message = messages_.DivideByZeroMessage;
            s.ResultValue = 0;
            view_.errorButUp();
        } else if (auto quotient = guarded([&] { return first / second; })) {
            s.ResultValue = *quotient;
        } else {
            step.message = failArithmetic(second, {});
        }
        break;
    case Operation::opNone: s.ResultValue = s.CurrentValue; break;
    }
    const bool computed = s.PendingOperation != Operation::opDivide && s.PendingOperation != Operation::opNone;
    if (computed) {
        if (result) s.ResultValue = *result;
        else step.message = failArithmetic(first, chainFailureMessage(first, second));
    }
    if (s.PendingOperation != Operation::opNone) {
        step.setResult(s.ResultValue, tapeNumber(s.ResultValue));
        writeTape(step);
    }
    showResult(s.ResultValue);
    s.FirstOperand = s.ResultValue;
    s.Typing = false;
    s.OperandEntered = false;
    s.OperandStored = true;
}

void Calculator::pressOperation(Operation operation) {
    const StepScope undoable(*this, UndoStep::Operation, operation == Operation::opLogBase ? "log" : tapeSign(operation));
    CalculatorState& s = state_;
    showSign(signOf(operation));
    if (!s.OperandStored) {
        s.FirstOperand = s.CurrentValue;
    } else if (chainHasNewOperand()) {
        s.SecondOperand = s.CurrentValue;
        Solving();
    }
    s.PendingOperation = operation;
    s.Typing = false;
    s.OperandEntered = false;
    s.DecimalEntered = false;
    s.OperandStored = true;
    s.EqualsEnabled = true;
}

void Calculator::pressEquals() {
    const StepScope undoable(*this, UndoStep::Equals);
    CalculatorState& s = state_;
    if (!s.EqualsEnabled) return;
    if (s.OperandStored) s.SecondOperand = s.CurrentValue;
    // A number typed after equals is the left operand of the repeated operation (2 + 3 = 4 = is
    // 7), as a number handed in by a key already is.
    else if (s.Typing) s.FirstOperand = s.CurrentValue;
    Solving();
    s.DecimalEntered = false;
    s.OperandStored = false;
    s.EqualsEnabled = true;
}

void Calculator::pressPercent() {
    const StepScope undoable(*this, UndoStep::Percent);
    CalculatorState& s = state_;
    if (!s.EqualsEnabled) return;
    if (s.OperandStored) {
        s.SecondOperand = s.CurrentValue;
        const Extended f = s.FirstOperand;
        const Extended p = s.SecondOperand;
        auto share = [&] { return guarded([&] { return f * p / 100; }); };
        std::optional<Extended> result = s.ResultValue;
        TapeStep step{TapeForm::Percent, tapeNumber(f), tapeNumber(p), {}, tapeSign(s.PendingOperation), {}, {}};
        switch (s.PendingOperation) {
        case Operation::opAdd:
            result = share();
            if (result) result = guardedAdd(*result, f);
            break;
        case Operation::opSubtract:
            result = share();
            if (result) result = guardedSubtract(f, *result);
            break;
        case Operation::opMultiply: result = share(); break;
        case Operation::opDivide:
            if (isZero(p)) {
                setDisplayRed(true, true);
                ShowErrorHint(messages_.DivideByZeroMessage);
                step.message = messages_.DivideByZeroMessage;
                result = 0.0L;
                view_.releaseKey(KeypadKey::PerCent);
            } else {
                result = guarded([&] { return f / p * 100; });
            }
            break;
        default: break;
        }
        if (result) {
            s.ResultValue = *result;
        } else {
            s.ResultValue = p;
            view_.releaseKey(KeypadKey::PerCent);
            setDisplayRed(true, true);
            ShowErrorHint(messages_.OverflowMessage);
            step.message = messages_.OverflowMessage;
        }
        // With x^y or the logarithm pending, % only shows the last result: nothing was worked out.
        if (!step.op.empty() && step.op != "^") {
            step.setResult(s.ResultValue, tapeNumber(s.ResultValue));
            writeTape(step);
        }
    }
    showResult(s.ResultValue);
    s.FirstOperand = s.CurrentValue;
    s.SecondOperand = s.CurrentValue;
    s.PendingOperation = Operation::opNone;
    showSign(signOf(Operation::opNone));
    s.DecimalEntered = false;
    s.EqualsEnabled = false;
    s.Typing = false;
    s.OperandEntered = false;
    s.OperandStored = true;
}

// 1/x, the root and +/- work on the number being entered like every one-operand key: their
// result is the right operand of a pending operation, or the left operand when none is pending.
void Calculator::pressReciprocal() {
    const StepScope undoable(*this, UndoStep::Reciprocal);
    state_.ResultValue = state_.CurrentValue;
    TapeStep step{TapeForm::Operation, "1", tapeNumber(state_.CurrentValue), {}, tapeSign(Operation::opDivide), {}, {}};
    if (isZero(state_.CurrentValue)) {
        ShowErrorHint(messages_.DivideByZeroMessage);
        step.message = messages_.DivideByZeroMessage;
        view_.releaseKey(KeypadKey::Inv);
        loadOperand(0, "0");
    } else if (auto inverse = guarded([&] { return 1 / state_.CurrentValue; })) {
        state_.ResultValue = *inverse;
        step.setResult(*inverse, tapeNumber(*inverse));
        loadOperand(*inverse);
    } else {
        // The reciprocal of a tiny subnormal overflows: keep the value, as an overflow elsewhere does.
        view_.releaseKey(KeypadKey::Inv);
        setDisplayRed(true, true);
        ShowErrorHint(messages_.OverflowMessage);
        step.message = messages_.OverflowMessage;
    }
    writeTape(step);
}

void Calculator::pressSquareRoot() {
    const StepScope undoable(*this, UndoStep::SquareRoot);
    const Extended x = state_.CurrentValue;
    state_.ResultValue = x;
    TapeStep step{TapeForm::Sign, tapeNumber(x), {}, "\u221A", {}, {}, {}};
    if (x < 0) {
        // A domain error changes nothing but the hint: typing may go on.
        ShowErrorHint(messages_.NegativeRootMessage);
        step.message = messages_.NegativeRootMessage;
        view_.releaseKey(KeypadKey::Sqrt);
    } else if (isZero(x)) {
        loadOperand(0);
        step.setResult(0, "0");
    } else {
        state_.ResultValue = std::sqrt(x);
        loadOperand(state_.ResultValue);
        step.setResult(state_.ResultValue, tapeNumber(state_.ResultValue));
    }
    writeTape(step);
}

void Calculator::pressSignChange() {
    const StepScope undoable(*this, UndoStep::SignChange);
    // While a number is typed its sign is part of the entry; on a result it is a step of its own.
    const bool step = !state_.Typing;
    const Extended x = state_.CurrentValue;
    loadOperand(x * -1);
    if (step) writeTape({TapeForm::Negation, tapeNumber(x), {}, {}, {}, tapeNumber(x * -1), {}, x * -1});
}

void Calculator::pressClearEntry() {
    const StepScope undoable(*this, UndoStep::ClearEntry);
    CalculatorState& s = state_;
    restoreDisplayColours(true);
    s.DecimalEntered = false;
    s.CurrentValue = 0;
    s.EntryText = generalText(0, separators_);
    Indicate(s.CurrentValue);
    OutputExt(s.DisplayText);
    s.Typing = false;
    s.OperandEntered = false;
    s.EqualsEnabled = true;
}

void Calculator::pressClear() {
    const StepScope undoable(*this, UndoStep::Clear);
    pressClearEntry();
    state_.PendingOperation = Operation::opNone;
    state_.OperandStored = false;
    showSign(signOf(Operation::opNone));
}

void Calculator::Obluzh() {
    CalculatorState& s = state_;
    if (s.OperandStored) s.OperandEntered = true;
    else s.FirstOperand = s.CurrentValue;
    s.Typing = false;
    s.DecimalEntered = false;
    s.EqualsEnabled = true;
}

std::string Calculator::copyText() const { return state_.EntryText.empty() ? std::string(1, '0') : state_.EntryText; }

bool Calculator::paste(std::string_view text) {
    const StepScope undoable(*this, UndoStep::Paste);
    // The grouped forms are read as documents and the display write them; the entry keeps the
    // digits as Copy gives them back, ungrouped.
    const std::optional<std::string> plain = withoutGroupSeparators(trimWhiteSpace(text), separators_);
    const auto value = plain ? parseNumber(*plain, separators_) : std::nullopt;
    if (!value) {
        ShowErrorHint(messages_.NoNumberToPasteMessage);
        return false;
    }
    CalculatorState& s = state_;
    s.EntryText = canonicalEntry(*plain, *value);
    s.CurrentValue = *value;
    s.DecimalEntered = hasSeparator(s.EntryText);
    if (s.OperandStored) s.OperandEntered = true;
    Indicate(s.CurrentValue);
    OutputExt(s.DisplayText);
    return true;
}

void Calculator::restoreWorkingState(std::string_view entryText, bool decimalEntered,
                                     const std::array<Extended, kRegisterCount>& registers, bool memoryUsed) {
    CalculatorState& s = state_;
    s.Typing = false;
    const std::string_view trimmed = trimWhiteSpace(entryText);
    if (const auto value = parseNumber(trimmed, separators_)) {
        s.CurrentValue = *value;
        s.EntryText = canonicalEntry(trimmed, *value);
        // The saved flag only stands where the saved text has a separator to show.
        s.DecimalEntered = decimalEntered && hasSeparator(s.EntryText);
        Indicate(s.CurrentValue);
        OutputExt(s.DisplayText);
    } else {
        OutputExt("0");
        s.CurrentValue = 0;
        s.EntryText.clear();
        s.DecimalEntered = false;
    }
    s.MemoryRegisters = registers;
    s.MemoryUsed = memoryUsed;
    selectRegister(1);
    history_ = {}; // the saved state is where undo stops
}

} // namespace orv
