#include "calculator.h"
#include "number_text.h"
#include "recording_view.h"

#include "locale_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace orv {

void PrintTo(const Separators& s, std::ostream* os);

namespace {

using testing::inLocale;

using testing::pressKeys;
using testing::RecordingView;

const Separators kComma{",", " "};
const Separators kDot{".", ","};


class CalculatorTest : public ::testing::TestWithParam<Separators> {
protected:
    CalculatorTest() : calculator(view, GetParam()) {
        calculator.setMessages(messagesFor(Language::English));
        calculator.restoreWorkingState("", false, {}, false);
    }
    std::string expected(std::string_view canonical) const { return inLocale(canonical, GetParam()); }

    RecordingView view;
    Calculator calculator;
    const Messages& text = messagesFor(Language::English);
};

INSTANTIATE_TEST_SUITE_P(Locales, CalculatorTest, ::testing::Values(kComma, kDot),
                         [](const auto& info) { return info.param.decimal == "," ? "comma" : "dot"; });

struct KeyRow {
    const char* name;
    const char* keys;
    const char* shown; // canonical display: mantissa, then "^exponent" when raised
    const char* sign;  // the operation indicator afterwards
};

TEST_P(CalculatorTest, KeyScripts) {
    const KeyRow rows[] = {
        {"plain sum", "2 + 3 =", "5", "+"},
        {"equals repeats", "2 + 3 = = =", "11", "+"},
        {"left to right", "2 + 3 * 4 =", "20", "\u00D7"},
        {"repeat product", "2 + 3 * 4 = =", "80", "\u00D7"},
        {"second operation key replaces", "5 + - 3 =", "2", "-"},
        {"equals takes the shown value", "5 + =", "10", "+"},
        {"typed number before repeat is discarded", "2 + 3 = 7 =", "8", "+"},
        {"percent add", "200 + 10 %", "220", "="},
        {"percent subtract", "200 - 10 %", "180", "="},
        {"percent multiply", "200 * 10 %", "20", "="},
        {"percent divide", "200 / 10 %", "2_000", "="},
        {"equals after percent does nothing", "200 + 10 % =", "220", "="},
        {"second percent does nothing", "200 + 10 % %", "220", "="},
        {"percent after equals shows the last result", "2 + 3 = 7 %", "5", "="},
        {"divide by zero", "7 / 0 =", "0", "\u00F7"},
        {"zero is the next left operand", "7 / 0 = + 5 =", "5", "+"},
        {"root of a negative keeps the value", "9 +/- sqrt", "-9", "="},
        {"root of zero", "0 sqrt", "0", "="},
        {"root of minus zero", "0 +/- sqrt", "0", "="},
        {"equals after root uses the root as left operand", "2 + 9 sqrt =", "3", "+"},
        {"equals after root repeats with the root as left operand", "2 + 3 = 16 sqrt =", "7", "+"},
        {"reciprocal of zero", "0 1/x", "0", "="},
        {"reciprocal", "4 1/x", "0.25", "="},
        {"clear entry keeps the chain", "5 + 3 CE 4 =", "9", "+"},
        {"clear drops the chain", "5 + 3 C 4 =", "4", "="},
        {"equals not enabled at start", "5 =", "5", "="},
        {"first chain", "5 + 1 =", "6", "+"},
        {"separator after root", "1,5 + 4 sqrt ,5", "0.5", "+"},
        {"separator after sign change", "1,5 +/- ,5", "0.5", "="},
        {"sign change of a result", "2 + 3 = +/-", "-5", "+"},
        {"grouped entry", "1234567", "1_234_567", "="},
        {"typed decimals kept", "1,50", "1.50", "="},
        {"separator not shown before a decimal", "1,", "1", "="},
        {"typed zero with decimals", "0,00", "0.00", "="},
        {"leading zeros collapse", "000", "0", "="},
        {"separator first", ",", "0.", "="},
        {"second separator ignored", "1,,5", "1.5", "="},
        {"backspace to the separator", "1,5 BS", "1.", "="},
        {"backspace over the separator", "1, BS", "1", "="},
        {"separator again after backspace", "1, BS ,5", "1.5", "="},
        {"backspace of the last digit", "7 BS", "0", "="},
        {"backspace of a result does nothing", "2 + 3 = BS", "5", "+"},
        {"two thirds", "2 / 3 =", "0.666666666666667", "\u00F7"},
        {"small result in exponent form", "1 / 100000 =", "1*10^-5", "\u00F7"},
        {"tiny result", "1 / 100000 = = = =", "1.000000000000*10^-0020", "\u00F7"},
        {"fifteen digits in full", "999999999999999", "999_999_999_999_999", "="},
        {"sixteen digits switch to exponent", "9999999999999999", "1.000000000000*10^+0016", "="},
        {"1E-16 while typing", "0,0000000000000001", "1.000000000000*10^-0016", "="},
        {"grouped result", "2469 / 2 =", "1_234.5", "\u00F7"},
        {"cancellation noise removed", "86251,76 - 86250,82 =", "0.94", "-"},
        {"tenths cancel to zero", "0,1 + 0,2 - 0,3 =", "0", "-"},
        {"power key", "2 ^ 10 =", "1_024", ""},
        {"log to a base", "8 log 2 =", "3", ""},
        {"log to base one fails and keeps the left operand", "8 log 1 =", "8", ""},
        {"memory sum", "5 M+ 3 M+ MR", "8", "="},
        {"other register has its own value", "5 M+ M2 MR", "0", "="},
        {"M+ completes the chain first", "2 + 3 M+", "5", "+"},
        {"MC makes zero the left operand", "7 * 3 = MC + 1 =", "1", "+"},
        {"recalled value completes a chain", "4 M+ C 5 + MR =", "9", "+"},
        {"recalled value equal to the left operand", "5 M+ C 5 + MR + 2 =", "7", "+"},
        {"M- subtracts", "5 M+ 2 M- MR", "3", "="},
        {"register cancellation noise removed", "86251,76 M+ 86250,82 M- MR", "0.94", "="},
        {"percent subtract settles noise", "0,3 - 100 %", "0", "="},
        {"percent add settles noise", "0,7 + 100 +/- %", "0", "="},
    };
    for (const auto& row : rows) {
        RecordingView v;
        Calculator c(v, GetParam());
        c.setMessages(text);
        c.restoreWorkingState("", false, {}, false);
        pressKeys(c, row.keys);
        EXPECT_EQ(v.shown(), expected(row.shown)) << row.name << ": " << row.keys;
        EXPECT_EQ(v.sign, row.sign) << row.name << ": " << row.keys;
    }
}

TEST_P(CalculatorTest, WorkedTraceFieldByField) {
    struct Step {
        const char* key;
        Extended current, first, second;
        Operation pending;
        bool typing, stored, equals;
        const char* sign;
    };
    const Step steps[] = {
        {"2", 2, 0, 0, Operation::opAdd, true, false, false, "="},
        {"+", 2, 2, 0, Operation::opAdd, false, true, true, "+"},
        {"3", 3, 2, 0, Operation::opAdd, true, true, true, "+"},
        {"*", 5, 5, 3, Operation::opMultiply, false, true, true, "\u00D7"},
        {"4", 4, 5, 3, Operation::opMultiply, true, true, true, "\u00D7"},
        {"=", 20, 20, 4, Operation::opMultiply, false, false, true, "\u00D7"},
        {"=", 80, 80, 4, Operation::opMultiply, false, false, true, "\u00D7"},
    };
    for (const auto& step : steps) {
        pressKeys(calculator, step.key);
        const CalculatorState& s = calculator.state();
        SCOPED_TRACE(std::string("after ") + step.key);
        EXPECT_EQ(s.CurrentValue, step.current);
        EXPECT_EQ(s.FirstOperand, step.first);
        EXPECT_EQ(s.SecondOperand, step.second);
        EXPECT_EQ(s.PendingOperation, step.pending);
        EXPECT_EQ(s.Typing, step.typing);
        EXPECT_EQ(s.OperandStored, step.stored);
        EXPECT_EQ(s.EqualsEnabled, step.equals);
        EXPECT_EQ(view.sign, step.sign);
    }
}

TEST_P(CalculatorTest, DivisionByZeroTurnsTheMantissaRedUntilADigit) {
    pressKeys(calculator, "7 / 0 =");
    EXPECT_EQ(view.hints, std::vector<std::string>{text.DivideByZeroMessage});
    EXPECT_TRUE(view.mantissaRed);
    EXPECT_FALSE(view.exponentRed);
    EXPECT_EQ(view.errorButUps, 1);
    EXPECT_EQ(calculator.state().FirstOperand, 0);
    pressKeys(calculator, "+");
    EXPECT_TRUE(view.mantissaRed) << "operation keys keep the red colour";
    pressKeys(calculator, "3");
    EXPECT_FALSE(view.mantissaRed);
}

TEST_P(CalculatorTest, OverflowKeepsTheLeftOperandInRedWithoutMessage) {
    ASSERT_TRUE(calculator.paste(expected("1E3000")));
    pressKeys(calculator, "*");
    ASSERT_TRUE(calculator.paste(expected("1E3000")));
    pressKeys(calculator, "=");
    EXPECT_EQ(view.shown(), expected("1.000000000000*10^+3000"));
    EXPECT_TRUE(view.mantissaRed && view.exponentRed);
    EXPECT_TRUE(view.hints.empty());
    EXPECT_EQ(view.errorButUps, 1);
    EXPECT_EQ(calculator.state().FirstOperand, 1e3000L);
    pressKeys(calculator, "C");
    EXPECT_FALSE(view.mantissaRed || view.exponentRed);
    EXPECT_EQ(view.frameRestores, 1);
}

TEST_P(CalculatorTest, PercentOfZeroDivisorAndOverflow) {
    pressKeys(calculator, "5 / 0 %");
    EXPECT_EQ(view.hints, std::vector<std::string>{text.DivideByZeroMessage});
    EXPECT_EQ(view.shown(), "0");
    EXPECT_EQ(view.released, std::vector<KeypadKey>{KeypadKey::PerCent});
    EXPECT_TRUE(view.mantissaRed && view.exponentRed);
}

TEST_P(CalculatorTest, NegativeRootAndReciprocalOfZeroShowTheirMessages) {
    pressKeys(calculator, "9 +/- sqrt");
    pressKeys(calculator, "C 0 1/x");
    EXPECT_EQ(view.hints, (std::vector<std::string>{text.NegativeRootMessage, text.DivideByZeroMessage}));
    EXPECT_EQ(view.released, (std::vector<KeypadKey>{KeypadKey::Sqrt, KeypadKey::Inv}));
}

TEST_P(CalculatorTest, FunctionResultReplacesTheLeftOperand) {
    pressKeys(calculator, "5 + 4");
    calculator.commitFunctionResult(16); // a squaring key
    pressKeys(calculator, "=");
    EXPECT_EQ(view.shown(), "32");
}

TEST_P(CalculatorTest, BackspaceToEmptyEndsTheChain) {
    pressKeys(calculator, "5 + 7 BS");
    EXPECT_FALSE(calculator.state().OperandStored);
    EXPECT_EQ(calculator.state().EntryText, "");
    pressKeys(calculator, "3 =");
    EXPECT_EQ(view.shown(), "5") << "the chain was ended: equals repeats + 0 on the left operand 5";
}

TEST_P(CalculatorTest, GroupingOffShowsPlainDigits) {
    calculator.setGroupThousands(false);
    pressKeys(calculator, "1234567");
    EXPECT_EQ(view.shown(), "1234567");
    pressKeys(calculator, "C 999999999999999");
    EXPECT_EQ(view.shown(), "999999999999999");
}

TEST_P(CalculatorTest, ZeroBeingTypedIsRedrawnUpTo19Characters) {
    pressKeys(calculator, "0,00000000000000000"); // "0." and 17 zeros: 19 characters
    EXPECT_EQ(view.shown(), expected("0.00000000000000000"));
    pressKeys(calculator, "0"); // the entry was 19 characters before this key: no redraw
    EXPECT_EQ(view.shown(), expected("0.00000000000000000"));
    EXPECT_EQ(calculator.state().EntryText, expected("0.000000000000000000"));
}

TEST_P(CalculatorTest, PasteAndCopy) {
    EXPECT_TRUE(calculator.paste(expected("12.5")));
    EXPECT_EQ(view.shown(), expected("12.5"));
    EXPECT_FALSE(calculator.paste("twelve"));
    EXPECT_EQ(calculator.copyText(), expected("12.5"));
    pressKeys(calculator, "C 2 / 3 =");
    EXPECT_EQ(calculator.copyText(), expected("0.666666666666667"));
    pressKeys(calculator, "C 1234567");
    EXPECT_EQ(calculator.copyText(), "1234567") << "copy never takes the grouped display text";
}

TEST_P(CalculatorTest, TakingBackTheEntryTextOnlyChangesTheValueAndDisplay) {
    pressKeys(calculator, "2 + 3");
    calculator.state().EntryText = expected("1.5E20"); // an Evaluator result
    ASSERT_TRUE(calculator.takeEntryText());
    EXPECT_EQ(calculator.state().CurrentValue, 1.5e20L);
    EXPECT_EQ(view.shown(), expected("1.500000000000*10^+0020"));
    EXPECT_TRUE(calculator.state().Typing);
    EXPECT_EQ(calculator.state().FirstOperand, 2);
    calculator.state().EntryText = "junk";
    EXPECT_FALSE(calculator.takeEntryText());
    EXPECT_EQ(calculator.state().CurrentValue, 1.5e20L);
}

TEST_P(CalculatorTest, PastedTextKeepsTypingAndAcceptsMoreDigits) {
    pressKeys(calculator, "1");
    ASSERT_TRUE(calculator.paste("12"));
    pressKeys(calculator, "3");
    EXPECT_EQ(view.shown(), "123");
    ASSERT_TRUE(calculator.paste("1E4931"));
    pressKeys(calculator, "9"); // 1E49319 is beyond the range: the key is not taken
    EXPECT_EQ(calculator.state().EntryText, "1E4931");
    ASSERT_TRUE(calculator.paste("-5"));
    pressKeys(calculator, "BS");
    EXPECT_EQ(view.shown(), "0");
    EXPECT_FALSE(calculator.state().Typing);
}

TEST_P(CalculatorTest, MemoryLineAndLabels) {
    pressKeys(calculator, "1234 M+");
    EXPECT_EQ(view.memoryLine.mantissa, expected("1_234 "));
    EXPECT_EQ(view.height, 244);
    pressKeys(calculator, "M3");
    EXPECT_EQ(view.registerLabel, "M3=");
    EXPECT_EQ(view.selectedRegister, 3);
    EXPECT_EQ(view.memoryLine.mantissa, "0 ");
    pressKeys(calculator, "M1 MC");
    EXPECT_EQ(view.height, 216);
    EXPECT_EQ(calculator.state().MemoryRegisters[0], 0);
    EXPECT_FALSE(calculator.state().MemoryUsed);
}

TEST_P(CalculatorTest, MemoryLineForcedBySideViews) {
    calculator.setMemoryLineForced(true);
    pressKeys(calculator, "5 M-");
    EXPECT_EQ(view.height, 216) << "M- leaves the height to the side view";
    pressKeys(calculator, "M+");
    EXPECT_EQ(view.height, 244) << "M+ always opens the memory line";
    pressKeys(calculator, "MC");
    EXPECT_EQ(view.height, 244);
}

TEST_P(CalculatorTest, MemoryLineUsesTheExponentLayout) {
    ASSERT_TRUE(calculator.paste(expected("1.5E20")));
    pressKeys(calculator, "M+");
    EXPECT_EQ(view.memoryLine.mantissa, expected("1.500000000000*10           "));
    EXPECT_EQ(view.memoryLine.exponent, "+0020");
    EXPECT_EQ(view.memoryLine.mantissaTop, 3);
}

TEST_P(CalculatorTest, RegisterOverflowKeepsTheRegister) {
    const Extended max = std::numeric_limits<Extended>::max();
    calculator.restoreWorkingState("", false, {max}, true);
    ASSERT_TRUE(calculator.paste(expected("1E4932")));
    pressKeys(calculator, "M+");
    EXPECT_EQ(calculator.state().MemoryRegisters[0], max);
    EXPECT_TRUE(view.hints.empty());
}

TEST_P(CalculatorTest, RestoringTheWorkingState) {
    std::array<Extended, kRegisterCount> registers{};
    registers[0] = 2.5L;
    registers[9] = -7;
    calculator.restoreWorkingState(expected("1.50"), true, registers, true);
    EXPECT_EQ(view.shown(), expected("1.50"));
    EXPECT_EQ(calculator.state().CurrentValue, 1.5L);
    EXPECT_EQ(view.memoryLine.mantissa, expected("2.5 "));
    EXPECT_EQ(view.registerLabel, "M1=");
    pressKeys(calculator, "M10 MR");
    EXPECT_EQ(view.shown(), "-7");
    calculator.restoreWorkingState("abc", false, registers, false);
    EXPECT_EQ(view.shown(), "0");
    EXPECT_EQ(calculator.state().EntryText, "");
}

} // namespace
} // namespace orv
