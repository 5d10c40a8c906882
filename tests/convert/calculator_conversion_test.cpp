// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "calculator.h"
#include "calculator_keys.h"
#include "calculator_conversion.h"
#include "unit_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv {
namespace {

// Only the error hints matter here; everything else the calculator draws is ignored.
class HintRecorder : public CalculatorView {
  public:
    std::vector<std::string> hints;

    void showDisplay(const DisplayLayout&) override {}
    void showMemoryLine(const DisplayLayout&) override {}
    void showSelectedRegister(int, std::string_view) override {}
    void showSign(std::string_view) override {}
    void setDisplayRed(bool, bool) override {}
    void restoreDisplayColours(bool) override {}
    void showErrorHint(HintTarget, std::string_view text) override { hints.emplace_back(text); }
    void releaseKey(KeypadKey) override {}
    void beep() override {}
    void errorButUp() override {}
    void memIndOpen() override {}
    void memIndClose() override {}
};

constexpr int kLength = 0;
constexpr int kMeter = 0;
constexpr int kKilometer = 4;

class ConversionInCalculator : public ::testing::Test {
  protected:
    HintRecorder view;
    Calculator calculator{view, dotSeparators(), scientificOperations()};

    void SetUp() override { calculator.setMessages(messagesFor(Language::English)); }
};

TEST_F(ConversionInCalculator, PendingAdditionSurvivesAConversion) {
    calculator.Special_Click(2);
    calculator.pressOperation(Operation::opAdd);
    calculator.Special_Click(1);
    convertCurrentValue(calculator, kLength, kKilometer, kMeter);
    EXPECT_EQ(calculator.state().EntryText, "1000");
    EXPECT_EQ(calculator.state().CurrentValue, 1000);
    calculator.pressEquals();
    EXPECT_EQ(calculator.state().CurrentValue, 1002);
    EXPECT_EQ(calculator.state().EntryText, "1002");
}

TEST_F(ConversionInCalculator, NextDigitStartsANewNumber) {
    calculator.Special_Click(1);
    convertCurrentValue(calculator, kLength, kKilometer, kMeter);
    calculator.Special_Click(5);
    EXPECT_EQ(calculator.state().CurrentValue, 5);
}

TEST_F(ConversionInCalculator, AConvertedValueIsTheSecondOperand) {
    calculator.Special_Click(7);
    calculator.pressOperation(Operation::opMultiply);
    calculator.Special_Click(3);
    calculator.pressDecimalSeparator();
    convertCurrentValue(calculator, kLength, kKilometer, kMeter);
    const CalculatorState& s = calculator.state();
    EXPECT_EQ(s.CurrentValue, 3000);
    EXPECT_FALSE(s.Typing);
    EXPECT_FALSE(s.DecimalEntered) << "the next number may take a separator";
    EXPECT_EQ(s.FirstOperand, 7);
    EXPECT_EQ(s.PendingOperation, Operation::opMultiply);
    EXPECT_TRUE(s.OperandStored);
    EXPECT_TRUE(view.hints.empty());
    calculator.pressEquals();
    EXPECT_EQ(s.CurrentValue, 21000);
}

TEST_F(ConversionInCalculator, RefusedOrOverflowingConversionOnlyShowsTheHint) {
    const struct {
        const char* pasted;
        int group, from, to;
        const char* hint;
    } rows[] = {
        {"-300", kTemperatureGroup, 0, 1, "The temperature in Celsius' degrees can not be lower than  -273.15 !"},
        {"1E4930", 0, 4, 3, "Overflow: the result is beyond the range of numbers!"}, // km to mm
    };
    for (const auto& row : rows) {
        view.hints.clear();
        calculator.Special_Click(3);
        ASSERT_TRUE(calculator.paste(row.pasted));
        convertCurrentValue(calculator, row.group, row.from, row.to);
        EXPECT_EQ(view.hints, std::vector<std::string>{row.hint});
        const CalculatorState& s = calculator.state();
        EXPECT_EQ(s.EntryText, row.pasted);
        EXPECT_TRUE(s.Typing);
    }
}

} // namespace
} // namespace orv
