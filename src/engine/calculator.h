#pragma once

#include "calculator_state.h"
#include "calculator_view.h"
#include "messages.h"
#include "separators.h"

#include <optional>
#include <string>
#include <string_view>

namespace orv {

// A two-operand function completing x^y or the logarithm to a base; empty on arithmetic failure.
using TwoOperandFunction = std::optional<Extended> (*)(Extended, Extended);

// The pocket-calculator engine: every keypad key, entry, display formatting and memory, acting
// on one `CalculatorState` and reporting to a `CalculatorView`.
class Calculator {
public:
    Calculator(CalculatorView& view, Separators separators);

    const CalculatorState& state() const { return state_; }
    CalculatorState& state() { return state_; }
    const Separators& separators() const { return separators_; }
    const Messages& messages() const { return messages_; }

    void setSeparators(Separators separators) { separators_ = std::move(separators); }
    void setMessages(Messages messages) { messages_ = std::move(messages); }
    void setGroupThousands(bool on) { state_.GroupThousands = on; }
    // x^y: the science module supplies the signed, guarded power.
    void setPowerFunction(TwoOperandFunction power) { power_ = power; }
    // In the scientific and statistics views the memory line is always shown.
    void setMemoryLineForced(bool forced) { memoryLineForced_ = forced; }

    // Start-up: the saved entry text, its separator flag, the registers and the memory flag.
    void restoreWorkingState(std::string_view entryText, bool decimalEntered,
                             const std::array<Extended, kRegisterCount>& registers, bool memoryUsed);

    // Keys of the keypad (the handlers of the window call these).
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

    void Solving();
    void Obluzh();

    // Memory keys and register selection.
    void selectRegister(int registerNumber);
    void pressMemoryPlus();
    void pressMemoryMinus();
    void pressMemoryRecall();
    void pressMemoryClear();
    void MemUpdate();
    void MemPlus();
    void MemMinus();
    void MemDel();

    // Display: choose the text for a value, and lay a text out on the panels.
    void Indicate(Extended x);
    void IndicateM(Extended x);
    void OutputExt(std::string_view text);
    void OutputMem(std::string_view text);

    // A computed value becomes the display value: CurrentValue, its general text, the display.
    void showResult(Extended value);
    // A one-operand function key's result: shown, then made the left operand of a chain.
    void commitFunctionResult(Extended value);
    // A domain error of a key: the message in the hint under the display.
    void ShowErrorHint(std::string_view text);

    // Clipboard and the Evaluator: the entry as typed or last computed, and a text to take over.
    const std::string& copyText() const { return state_.EntryText; }
    bool paste(std::string_view text);
    // The Evaluator's result goes back: CurrentValue from EntryText, then the display.
    bool takeEntryText();

    static const char* signOf(Operation operation);
    static std::string registerLabel(int registerNumber);

private:
    std::string displayTextFor(Extended x, const std::string& entryText, bool zeroShowsEntry) const;
    void restoreDigitColour();
    void completeChainBeforeMemory();
    void refreshMemoryLine();
    void failArithmetic(Extended fallback);

    CalculatorView& view_;
    Separators separators_;
    Messages messages_;
    CalculatorState state_;
    TwoOperandFunction power_ = nullptr;
    bool memoryLineForced_ = false;
};

} // namespace orv
