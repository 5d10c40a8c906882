// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "calculator_state.h"
#include "calculator_view.h"
#include "messages.h"
#include "separators.h"
#include "tape.h"
#include "undo_history.h"

#include <optional>
#include <string>
#include <string_view>

namespace orv {

// A two-operand function completing x^y or the logarithm to a base; empty on arithmetic failure.
using TwoOperandFunction = std::optional<Extended> (*)(Extended, Extended);

// The two operation keys beyond the four: the science module supplies both.
struct TwoOperandFunctions {
    TwoOperandFunction power;   // opPower: FirstOperand ^ SecondOperand, signed for negative bases
    TwoOperandFunction logBase; // opLogBase: the logarithm of FirstOperand to base SecondOperand
};

// The pocket-calculator engine: every keypad key, entry, display formatting and memory, acting
// on one `CalculatorState` and reporting to a `CalculatorView`. The state is read-only outside:
// every change goes through a named operation here.
class Calculator {
public:
    Calculator(CalculatorView& view, Separators separators, TwoOperandFunctions functions);

    const CalculatorState& state() const { return state_; }
    const Separators& separators() const { return separators_; }
    const Messages& messages() const { return messages_; }

    void setSeparators(Separators separators) { separators_ = std::move(separators); }
    void setMessages(Messages messages) { messages_ = std::move(messages); }
    void setGroupThousands(bool on) { state_.GroupThousands = on; }
    // Where completed steps are written; none by default.
    void setTape(TapeObserver* tape) { tape_ = tape; }
    // Writes one completed step on the tape (the panels and the Evaluator write theirs here too).
    void writeTape(const TapeStep& step) const;
    // A number as the tape and Copy write it: no grouping, the display's decimal separator.
    std::string tapeNumber(Extended value) const;
    // In the scientific and statistics views the memory line is always shown.
    void setMemoryLineForced(bool forced) { memoryLineForced_ = forced; }

    // Start-up: the saved entry text, its separator flag, the registers and the memory flag.
    void restoreWorkingState(std::string_view entryText, bool decimalEntered,
                             const std::array<Extended, kRegisterCount>& registers, bool memoryUsed);

    // Undo and redo of whole keys (a digit, an operation, a memory key, a pasted or handed-in
    // value): the display, the chain, the registers and what the window shows of them. False,
    // and nothing changes, when there is no step to take. Each writes a line on the tape.
    bool undo();
    bool redo();
    // The step undo or redo would take, in the language's words ("clear M1"); empty when none.
    std::string undoName() const;
    std::string redoName() const;

    // What a keypad key does, whether it came from the mouse, the keyboard or a test.
    void press(KeypadKey key);

    // The keys one by one (press() dispatches to these; the scientific panel's x^y and
    // log-base keys call pressOperation).
    void Special_Click(int digit);
    void pressDecimalSeparator();
    void pressBackspace();
    void pressOperation(Operation operation);
    void pressEquals();
    void pressPercent();
    void pressReciprocal();
    void pressSquareRoot();
    void pressSignChange();
    void pressClearEntry();
    void pressClear();

    // Memory keys and register selection.
    void selectRegister(int registerNumber);
    void pressMemoryPlus();
    void pressMemoryMinus();
    void pressMemoryRecall();
    void pressMemoryClear();

    // The display and the memory line shown again for the values they hold, after the grouping
    // or the separators changed.
    void refreshDisplays();

    // A value handed in as the number being entered: a one-operand key's result, pi, a statistics
    // result, a converted value, the Evaluator's result. With an operation pending it becomes its
    // right operand; otherwise the left operand that equals repeats the last operation on.
    void loadOperand(Extended value);
    // The same with the entry text to keep (a converted value's 15-digit text).
    void loadOperand(Extended value, std::string_view entryText);
    // The same from a text alone; false (and nothing changes) when it is not a number.
    bool loadOperandText(std::string_view text);
    // The statistics list's Enter key: the current value ends its entry and is the text returned
    // for the list.
    std::string enterIntoList();
    // A domain error of a key: the message in the hint under the display.
    void ShowErrorHint(std::string_view text);

    // Clipboard: the entry as typed or last computed ("0" for an emptied entry), and a pasted
    // number (white space around it is dropped, and the locale's digit groups; when it is not a
    // number, false, no change and a hint that says so).
    std::string copyText() const;
    bool paste(std::string_view text);
    // What the display would show for a computed value, without changing anything (the
    // Evaluator's result line).
    std::string resultDisplayText(Extended value) const;

    static const char* signOf(Operation operation);
    static const char* tapeSign(Operation operation);
    static std::string registerLabel(int registerNumber);

private:
    // Records the calculator before a key and, if the key changed it, keeps that as a step.
    class StepScope {
    public:
        StepScope(Calculator& calculator, UndoStep step, std::string detail = {});
        ~StepScope();
        StepScope(const StepScope&) = delete;
        StepScope& operator=(const StepScope&) = delete;

    private:
        Calculator& calculator_;
        bool outermost_;
        UndoHistory::Entry entry_;
    };
    CalculatorSnapshot snapshot() const { return {state_, look_}; }
    void restore(const CalculatorSnapshot& snapshot);
    bool takeStep(bool back); // undo (back) or redo
    std::string stepName(const UndoHistory::Entry& entry) const;
    std::string registerName() const { return "M" + std::to_string(state_.SelectedRegister); }
    // The window's calls that undo must be able to repeat, with what they showed kept in look_.
    void showSign(const char* sign);
    void setDisplayRed(bool mantissa, bool exponent);
    void restoreDisplayColours(bool frameToo);
    void openMemoryLine();
    void closeMemoryLine();

    // The steps the keys are made of.
    void Solving();
    void Obluzh();
    void MemUpdate();
    bool MemPlus();
    bool MemMinus();
    void MemDel();
    void writeMemoryStep(Operation operation, bool done);
    // Display: choose the text for a value, and lay a text out on the panels.
    void Indicate(Extended x);
    void IndicateM(Extended x);
    void OutputExt(std::string_view text);
    void OutputMem(std::string_view text);

    std::string displayTextFor(Extended x, const std::string& entryText, bool zeroShowsEntry) const;
    // The value becomes the display value with its general text (or the entry text given).
    void showResult(Extended value);
    void showResult(Extended value, std::string_view entryText);
    bool hasSeparator(std::string_view text) const;
    bool chainHasNewOperand() const;
    void restoreDigitColour();
    void completeChainBeforeMemory();
    void endEntryAfterMemory();
    void refreshMemoryLine();
    // Returns the message it showed.
    std::string failArithmetic(Extended fallback, std::string_view message);
    std::string chainFailureMessage(Extended first, Extended second) const;

    CalculatorView& view_;
    Separators separators_;
    Messages messages_;
    CalculatorState state_;
    TwoOperandFunctions functions_;
    TapeObserver* tape_ = nullptr;
    bool memoryLineForced_ = false;
    CalculatorLook look_;
    UndoHistory history_;
    int stepDepth_ = 0; // keys that call keys make one step
};

} // namespace orv
