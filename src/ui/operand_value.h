#pragma once

#include "calculator.h"

namespace orv {

// A value that becomes the display value the way a typed number would end: the π key and the
// statistics results. Unlike a function key it leaves FirstOperand and the pending operation
// alone, so it can be the second operand of an operation already begun.
inline void loadOperandValue(Calculator& calculator, Extended value) {
    calculator.showResult(value);
    CalculatorState& s = calculator.state();
    s.Typing = false;
    s.DecimalEntered = false;
    s.OperandStored = true;
    s.EqualsEnabled = true;
}

} // namespace orv
