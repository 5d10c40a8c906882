#include "calculator_conversion.h"

#include "calculator.h"

namespace orv {

void applyConversion(Calculator& calculator, const ConversionResult& result) {
    if (result.outcome == ConversionOutcome::Refused) {
        calculator.ShowErrorHint(result.message);
        return;
    }
    calculator.showResult(result.value);
    CalculatorState& state = calculator.state();
    state.EntryText = result.entryText; // already the general text form of value; kept verbatim
    state.Typing = false;
}

void convertCurrentValue(Calculator& calculator, int group, int from, int to) {
    applyConversion(calculator, convertValue(calculator.state().CurrentValue, group, from, to,
                                             calculator.messages(), calculator.separators()));
}

} // namespace orv
