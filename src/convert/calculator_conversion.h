// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "conversion.h"

#include <string>

namespace orv {

class Calculator;

// Applies a conversion to the calculator: the result becomes the number being entered, the right
// operand of an operation begun before (the next digit starts a new number); a refused
// temperature only shows its message under the display.
void applyConversion(Calculator& calculator, const ConversionResult& result);

// The conversion buttons: converts CurrentValue from `from` to `to` of `group` with the
// calculator's messages and separators, and applies the result.
void convertCurrentValue(Calculator& calculator, int group, int from, int to);

struct RateTable;

// The conversion buttons in the currency group: as above with the kept rates, and the tape line
// names the rates' date. Without rates, `noRates` goes to the error hint and nothing converts.
void convertCurrentCurrency(Calculator& calculator, const RateTable* table, int from, int to,
                            const std::string& noRates);

} // namespace orv
