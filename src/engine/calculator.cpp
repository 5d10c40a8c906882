#include "calculator.h"

#include "arithmetic.h"
#include "number_text.h"

#include <cmath>

namespace orv {

Calculator::Calculator(CalculatorView& view, Separators separators)
    : view_(view), separators_(std::move(separators)) {}

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

void Calculator::showResult(Extended value) {
    state_.CurrentValue = value;
    state_.EntryText = generalText(value, separators_);
    Indicate(state_.CurrentValue);
    OutputExt(state_.DisplayText);
}

void Calculator::commitFunctionResult(Extended value) {
    showResult(value);
    Obluzh();
}

void Calculator::ShowErrorHint(std::string_view text) { view_.showErrorHint(HintTarget::Display, text); }

void Calculator::failArithmetic(Extended fallback) {
    state_.ResultValue = fallback;
    view_.errorButUp();
    view_.setDisplayRed(true, true);
}

void Calculator::Solving() {
    CalculatorState& s = state_;
    s.EqualsEnabled = true;
    if (isZero(s.FirstOperand)) s.FirstOperand = 0.0L;
    if (isZero(s.SecondOperand)) s.SecondOperand = 0.0L;
    const Extended first = s.FirstOperand;
    const Extended second = s.SecondOperand;
    std::optional<Extended> result;
    switch (s.PendingOperation) {
    case Operation::opAdd: result = guardedAdd(first, second); break;
    case Operation::opSubtract: result = guardedSubtract(first, second); break;
    case Operation::opMultiply: result = guarded([&] { return first * second; }); break;
    case Operation::opPower:
        result = power_ ? power_(first, second) : guarded([&] { return std::pow(first, second); });
        break;
    case Operation::opLogBase: result = guarded([&] { return std::log2(first) / std::log2(second); }); break;
    case Operation::opDivide:
        if (isZero(second)) {
            view_.setDisplayRed(true, false);
            ShowErrorHint(messages_.DivideByZeroMessage);
            s.ResultValue = 0;
            view_.errorButUp();
        } else if (auto quotient = guarded([&] { return first / second; })) {
            s.ResultValue = *quotient;
        } else {
            failArithmetic(second);
        }
        break;
    case Operation::opNone: s.ResultValue = s.CurrentValue; break;
    }
    const bool computed = s.PendingOperation != Operation::opDivide && s.PendingOperation != Operation::opNone;
    if (computed) {
        if (result) s.ResultValue = *result;
        else failArithmetic(first);
    }
    showResult(s.ResultValue);
    s.FirstOperand = s.ResultValue;
    s.Typing = false;
    s.OperandStored = true;
}

void Calculator::pressOperation(Operation operation) {
    CalculatorState& s = state_;
    view_.showSign(signOf(operation));
    if (!s.OperandStored) {
        s.FirstOperand = s.CurrentValue;
    } else if (s.Typing || s.CurrentValue != s.FirstOperand) {
        s.SecondOperand = s.CurrentValue;
        Solving();
    }
    s.PendingOperation = operation;
    s.Typing = false;
    s.DecimalEntered = false;
    s.OperandStored = true;
    s.EqualsEnabled = true;
}

void Calculator::pressEquals() {
    CalculatorState& s = state_;
    if (!s.EqualsEnabled) return;
    if (s.OperandStored) s.SecondOperand = s.CurrentValue;
    Solving();
    s.DecimalEntered = false;
    s.OperandStored = false;
    s.EqualsEnabled = true;
}

void Calculator::pressPercent() {
    CalculatorState& s = state_;
    if (!s.EqualsEnabled) return;
    if (s.OperandStored) {
        s.SecondOperand = s.CurrentValue;
        const Extended f = s.FirstOperand;
        const Extended p = s.SecondOperand;
        auto share = [&] { return guarded([&] { return f * p / 100; }); };
        std::optional<Extended> result = s.ResultValue;
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
                view_.setDisplayRed(true, true);
                ShowErrorHint(messages_.DivideByZeroMessage);
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
            view_.setDisplayRed(true, true);
        }
    }
    showResult(s.ResultValue);
    s.FirstOperand = s.CurrentValue;
    s.SecondOperand = s.CurrentValue;
    s.PendingOperation = Operation::opNone;
    view_.showSign(signOf(Operation::opNone));
    s.DecimalEntered = false;
    s.EqualsEnabled = false;
    s.Typing = false;
    s.OperandStored = true;
}

void Calculator::pressReciprocal() {
    CalculatorState& s = state_;
    s.EqualsEnabled = true;
    s.DecimalEntered = false;
    s.ResultValue = s.CurrentValue;
    if (isZero(s.CurrentValue)) {
        ShowErrorHint(messages_.DivideByZeroMessage);
        s.CurrentValue = 0;
        s.EntryText.assign(1, '0'); // assign(): GCC 12 warns falsely on operator= with a literal
        Indicate(s.CurrentValue);
        OutputExt(s.DisplayText);
        view_.releaseKey(KeypadKey::Inv);
    } else if (auto inverse = guarded([&] { return 1 / s.CurrentValue; })) {
        s.ResultValue = *inverse;
        showResult(s.ResultValue);
    } else {
        // The reciprocal of a tiny subnormal overflows: keep the value, as an overflow elsewhere does.
        view_.releaseKey(KeypadKey::Inv);
        view_.setDisplayRed(true, true);
    }
    s.Typing = false;
    s.OperandStored = false;
}

void Calculator::pressSquareRoot() {
    CalculatorState& s = state_;
    s.EqualsEnabled = true;
    s.DecimalEntered = false;
    s.ResultValue = s.CurrentValue;
    if (s.CurrentValue < 0) {
        ShowErrorHint(messages_.NegativeRootMessage);
        s.Typing = false;
        view_.releaseKey(KeypadKey::Sqrt);
    } else if (isZero(s.CurrentValue)) {
        OutputExt("0");
    } else {
        s.ResultValue = std::sqrt(s.CurrentValue);
        showResult(s.ResultValue);
    }
    s.FirstOperand = s.CurrentValue;
    s.OperandStored = false;
    s.Typing = false;
}

void Calculator::pressSignChange() {
    showResult(state_.CurrentValue * -1);
    state_.Typing = false;
    // The next digit starts a new number, so that number may take a separator of its own.
    state_.DecimalEntered = false;
}

void Calculator::pressClearEntry() {
    CalculatorState& s = state_;
    view_.restoreDisplayColours(true);
    s.DecimalEntered = false;
    s.CurrentValue = 0;
    s.EntryText = generalText(0, separators_);
    Indicate(s.CurrentValue);
    OutputExt(s.DisplayText);
    s.Typing = false;
    s.EqualsEnabled = true;
}

void Calculator::pressClear() {
    pressClearEntry();
    state_.PendingOperation = Operation::opNone;
    state_.OperandStored = false;
    view_.showSign(signOf(Operation::opNone));
}

void Calculator::Obluzh() {
    CalculatorState& s = state_;
    s.FirstOperand = s.CurrentValue;
    s.Typing = false;
    s.DecimalEntered = false;
    s.OperandStored = true;
    s.EqualsEnabled = true;
}

bool Calculator::paste(std::string_view text) {
    const auto value = parseNumber(text, separators_);
    if (!value) return false;
    state_.EntryText = std::string(text);
    state_.CurrentValue = *value;
    Indicate(state_.CurrentValue);
    OutputExt(state_.DisplayText);
    return true;
}

bool Calculator::takeEntryText() {
    const auto value = parseNumber(state_.EntryText, separators_);
    if (!value) return false;
    state_.CurrentValue = *value;
    Indicate(state_.CurrentValue);
    OutputExt(state_.DisplayText);
    return true;
}

void Calculator::restoreWorkingState(std::string_view entryText, bool decimalEntered,
                                     const std::array<Extended, kRegisterCount>& registers, bool memoryUsed) {
    CalculatorState& s = state_;
    s.DecimalEntered = decimalEntered;
    if (const auto value = parseNumber(entryText, separators_)) {
        s.CurrentValue = *value;
        s.EntryText = std::string(entryText);
        Indicate(s.CurrentValue);
        OutputExt(s.DisplayText);
    } else {
        OutputExt("0");
        s.CurrentValue = 0;
        s.EntryText.clear();
    }
    s.MemoryRegisters = registers;
    s.MemoryUsed = memoryUsed;
    selectRegister(1);
}

} // namespace orv
