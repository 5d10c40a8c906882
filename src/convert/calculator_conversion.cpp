// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "calculator_conversion.h"

#include "calculator.h"
#include "currency.h"
#include "unit_catalogue.h"

namespace orv {

void applyConversion(Calculator& calculator, const ConversionResult& result) {
    if (result.outcome != ConversionOutcome::Converted) {
        calculator.ShowErrorHint(result.message);
        return;
    }
    calculator.loadOperand(result.value, result.entryText); // the 15-digit text, kept verbatim
}

void convertCurrentValue(Calculator& calculator, int group, int from, int to) {
    const Extended x = calculator.state().CurrentValue;
    const Messages& messages = calculator.messages();
    const ConversionResult result = convertValue(x, group, from, to, messages, calculator.separators());
    if (isUnit(group, from) && isUnit(group, to)) {
        TapeStep step{TapeForm::Conversion, calculator.tapeNumber(x), std::string(unitName(group, to, messages.language)),
                      std::string(unitName(group, from, messages.language)), {}, {}, {}, {}};
        if (result.outcome == ConversionOutcome::Converted) step.setResult(result.value, result.entryText);
        else step.message = result.message;
        calculator.writeTape(step);
    }
    applyConversion(calculator, result);
}

void convertCurrentCurrency(Calculator& calculator, const RateTable* table, int from, int to,
                            const std::string& noRates) {
    const auto count = table ? static_cast<int>(table->rates.size()) : 0;
    if (from < 0 || to < 0 || from >= count || to >= count) {
        calculator.ShowErrorHint(noRates);
        return;
    }
    const Extended x = calculator.state().CurrentValue;
    const Messages& messages = calculator.messages();
    const ConversionResult result = convertCurrency(x, *table, from, to, messages, calculator.separators());
    const auto name = [&](int index) {
        return currencyUnitName(table->rates[static_cast<std::size_t>(index)].code, messages.language);
    };
    const std::string ratesOf = messages.language == Language::Russian ? ", курсы на " : ", rates of ";
    TapeStep step{TapeForm::Conversion, calculator.tapeNumber(x), name(to) + ratesOf + table->isoDate(), name(from),
                  {}, {}, {}, {}};
    if (result.outcome == ConversionOutcome::Converted) step.setResult(result.value, result.entryText);
    else step.message = result.message;
    calculator.writeTape(step);
    applyConversion(calculator, result);
}

} // namespace orv
