// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "calculator.h"
#include "calculator_keys.h"
#include "number_text.h"
#include "recording_view.h"

#include "locale_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

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
    CalculatorTest() : calculator(view, GetParam(), scientificOperations()) {
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
    const char* copied = nullptr; // canonical Copy text, where the row checks it
};

TEST_P(CalculatorTest, KeyScripts) {
    const KeyRow rows[] = {
        {"plain sum", "2 + 3 =", "5", "+"},
        {"undo takes equals back", "2 + 3 = undo", "3", "+"},
        {"undo returns to typing", "2 + 3 = undo 4 =", "36", "+"},
        {"redo takes it forward again", "2 + 3 = undo redo", "5", "+"},
        {"undo of C keeps the chain", "2 + 3 C undo =", "5", "+"},
        {"undo of a digit", "12 undo", "1", "="},
        {"undo of an operation key", "2 + 3 * undo =", "5", "+"},
        {"undo brings a cleared register back", "1918 M+ MC undo MR", "1_918", "="},
        {"undo of a register choice", "7 M+ M2 undo MR", "7", "="},
        {"equals repeats", "2 + 3 = = =", "11", "+"},
        {"left to right", "2 + 3 * 4 =", "20", "\u00D7"},
        {"repeat product", "2 + 3 * 4 = =", "80", "\u00D7"},
        {"second operation key replaces", "5 + - 3 =", "2", "-"},
        {"equals takes the shown value", "5 + =", "10", "+"},
        {"typed number is the left operand of the repeat", "2 + 3 = 7 =", "10", "+"},
        {"typed number then repeats", "2 + 3 = 4 = =", "10", "+"},
        {"typed dividend of the repeat", "10 / 4 = 8 =", "2", "\u00F7"},
        {"repeat without typing keeps the result", "2 + 3 = = =", "11", "+"},
        {"pasted operand completes the chain", "2 + paste:2 + 1 =", "5", "+"},
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
        {"root of the second operand completes the chain", "2 + 9 sqrt =", "5", "+"},
        {"root in a chain", "4 + 9 sqrt =", "7", "+"},
        {"root of a subtrahend", "10 - 4 sqrt =", "8", "-"},
        {"reciprocal of the second operand", "2 + 4 1/x =", "2.25", "+"},
        {"reciprocal then another operation", "2 + 4 1/x * 2 =", "4.5", "\u00D7"},
        {"reciprocal of a zero operand keeps the chain", "5 + 0 1/x =", "5", "+"},
        {"function key on the second operand", "5 + 4 x2 =", "21", "+"},
        {"sine in degrees in a chain", "deg 1 + 30 sin =", "1.5", "+"},
        {"pi as the second operand", "1 + pi =", "4.14159265358979", "+"},
        {"statistics result as the second operand", "2 list 4 list 10 + mean =", "13", "+"},
        {"converted value as the second operand", "2 + 1 conv:Kilometer>Meter =", "1_002", "+"},
        {"computed operand equal to the left one completes", "4 + 16 sqrt + 1 =", "9", "+"},
        {"negated operand equal to the left one completes", "5 +/- + 5 +/- +", "-10", "+"},
        {"sign change after equals is the new left operand", "2 + 3 = +/- =", "-2", "+"},
        {"function key with nothing pending", "16 x2 =", "256", "="},
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
        {"second separator refused", "1,,5", "1.5", "="},
        {"backspace to the separator", "1,5 BS", "1.", "="},
        {"backspace over the separator", "1, BS", "1", "="},
        {"separator again after backspace", "1, BS ,5", "1.5", "="},
        {"backspace of the last digit", "7 BS", "0", "="},
        {"backspace of a result does nothing", "2 + 3 = BS", "5", "+"},
        {"backspace to empty keeps the operation armed", "2 + 3 BS 4 =", "6", "+"},
        {"backspace to empty then equals", "2 + 3 BS =", "2", "+"},
        {"backspace of a second digit", "2 + 34 BS =", "5", "+"},
        {"backspace in exponent form", "1234567890123456,5 BS", "1.234567890123*10^+0015", "="},
        {"backspace on a pasted exponent", "3 paste:1e5 BS", "1", "=", "1"},
        {"backspace on a pasted negative exponent", "3 paste:1e-5 BS", "1", "=", "1"},
        {"backspace on a pasted exponent keeps the chain", "2 + 3 paste:1e5 BS =", "3", "+"},
        {"leading zeros are not copied", "0005", "5", "=", "5"},
        {"digit after a pasted minus zero", "3 paste:-0 5", "-5", "=", "-5"},
        {"separator after a pasted whole number", "3 , paste:12 ,5", "12.5", "=", "12.5"},
        {"separator after a conversion", "1,5 conv:Kilometer>Meter ,5", "0.5", "=", "0.5"},
        {"pasted exponent refuses a separator", "3 paste:1e5 ,", "1*10^5", "=", "1e5"},
        {"pasted underflow copies as shown", "paste:1e-5000", "0", "=", "0"},
        {"grouped paste copies ungrouped", "paste:1_234.50", "1_234.50", "=", "1234.50"},
        {"grouped paste completes the chain", "2 + paste:1_000 =", "1_002", "+"},
        {"irregular groups leave the entry", "7 paste:12_34", "7", "=", "7"},
        {"two thirds", "2 / 3 =", "0.666666666666667", "\u00F7"},
        {"small result in exponent form", "1 / 100000 =", "1*10^-5", "\u00F7"},
        {"tiny result", "1 / 100000 = = = =", "1.000000000000*10^-0020", "\u00F7"},
        {"fifteen digits in full", "999999999999999", "999_999_999_999_999", "="},
        {"exactly 1E15 switches to exponent", "1000000000000000", "1.000000000000*10^+0015", "="},
        {"exactly 1E-15 switches to exponent", "0,000000000000001", "1.000000000000*10^-0015", "="},
        {"just above 1E-15 stays fixed", "0,0000000000000011", "0.0000000000000011", "="},
        {"second operand equal to the first", "2 + 2 * 3 =", "12", "\u00D7"},
        {"typed operand equal to the left one", "5 + 5 + 1 =", "11", "+"},
        {"smallest subnormal left operand counts as zero", "paste:3.6E-4951 * 2 =", "0", "\u00D7"},
        {"larger subnormal left operand is kept", "paste:1E-4940 * 2 =", "1.999999999992*10^-4940", "\u00D7"},
        {"percent overflow shows the percentage", "paste:1E3000 * paste:1E3000 %", "1.000000000000*10^+3000", "="},
        {"percent with x^y pending shows the last result", "2 + 3 = 2 ^ 3 %", "5", "="},
        {"percent with log-base pending shows the last result", "2 * 3 = 8 log 2 %", "6", "="},
        {"sixteen digits switch to exponent", "9999999999999999", "1.000000000000*10^+0016", "="},
        {"1E-16 while typing", "0,0000000000000001", "1.000000000000*10^-0016", "="},
        {"grouped result", "2469 / 2 =", "1_234.5", "\u00F7"},
        {"cancellation noise removed", "86251,76 - 86250,82 =", "0.94", "-"},
        {"tenths cancel to zero", "0,1 + 0,2 - 0,3 =", "0", "-"},
        {"a cancellation keeps the smaller operand's digits", "paste:11.12345678910737373 - 359000,5 + 359000,5 =",
         "11.1234567891074", "+"},
        {"repeated equals adds decimals", "1,1 + 2,2 = = - 5,5 =", "0", "-"},
        {"whole numbers cancel exactly", "123456789012345678 - 123456789012345677 =", "1", "-"},
        {"power key", "2 ^ 10 =", "1_024", ""},
        {"log to a base", "8 log 2 =", "3", ""},
        {"log to base one fails and keeps the left operand", "8 log 1 =", "8", ""},
        {"memory sum", "5 M+ 3 M+ MR", "8", "="},
        {"other register has its own value", "5 M+ M2 MR", "0", "="},
        {"M+ completes the chain first", "2 + 3 M+", "5", "+"},
        {"MC leaves the calculation alone", "7 * 3 = MC + 1 =", "22", "+"},
        {"MC between two chains", "9 - 4 = MC 6 * 2 =", "12", "\u00D7"},
        {"MC leaves the next entry for M+", "2 / 3 = MC 5 M+ MR", "5", "\u00F7"},
        {"MC while typing", "12 MC 3", "123", "="},
        {"M+ completes a chain with a recalled operand", "4 M+ C 5 + MR M+ MR", "13", "+"},
        {"recalled value completes a chain", "4 M+ C 5 + MR =", "9", "+"},
        {"recalled value equal to the left operand", "5 M+ C 5 + MR + 2 =", "7", "+"},
        {"M- subtracts", "5 M+ 2 M- MR", "3", "="},
        {"register cancellation noise removed", "86251,76 M+ 86250,82 M- MR", "0.94", "="},
        {"register cancellation keeps every digit", "paste:11.12345678910737373 M+ 359000,5 M- 359000,5 M+ MR",
         "11.1234567891074", "="},
        {"percent subtract settles noise", "0,3 - 100 %", "0", "="},
        {"percent add settles noise", "0,7 + 100 +/- %", "0", "="},
    };
    for (const auto& row : rows) {
        RecordingView v;
        Calculator c(v, GetParam(), scientificOperations());
        c.setMessages(text);
        c.restoreWorkingState("", false, {}, false);
        pressKeys(c, row.keys);
        EXPECT_EQ(v.shown(), expected(row.shown)) << row.name << ": " << row.keys;
        EXPECT_EQ(v.sign, row.sign) << row.name << ": " << row.keys;
        if (row.copied) {
            EXPECT_EQ(c.copyText(), expected(row.copied)) << row.name << ": " << row.keys;
        }
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

TEST_P(CalculatorTest, ASecondSeparatorIsRefusedAloud) {
    pressKeys(calculator, "1,5 + 2,5 = 1,2,5");
    EXPECT_EQ(view.shown(), expected("1.25"));
    EXPECT_EQ(view.beeps, 1) << "each number takes a separator of its own";
    EXPECT_EQ(view.hints, std::vector<std::string>{text.SecondDecimalMarkMessage});
}

TEST_P(CalculatorTest, OverflowKeepsTheLeftOperandInRedAndSaysSo) {
    ASSERT_TRUE(calculator.paste(expected("1E3000")));
    pressKeys(calculator, "*");
    ASSERT_TRUE(calculator.paste(expected("1E3000")));
    pressKeys(calculator, "=");
    EXPECT_EQ(view.shown(), expected("1.000000000000*10^+3000"));
    EXPECT_TRUE(view.mantissaRed && view.exponentRed);
    EXPECT_EQ(view.hints, std::vector<std::string>{text.OverflowMessage});
    EXPECT_EQ(view.errorButUps, 1);
    EXPECT_EQ(calculator.state().FirstOperand, 1e3000L);
    pressKeys(calculator, "C");
    EXPECT_FALSE(view.mantissaRed || view.exponentRed);
    EXPECT_EQ(view.frameRestores, 1);
}

// Every completed step writes one line that reads right on its own; typing writes nothing.
// 150 steps of a long chain, all taken back to the start, and forward again.
TEST_P(CalculatorTest, UndoAndRedoReachOverAHundredSteps) {
    RecordingView v;
    Calculator c(v, GetParam(), scientificOperations());
    c.setMessages(text);
    for (int k = 0; k < 75; ++k) pressKeys(c, "7 +");
    const std::string shownAtEnd = v.shown();
    int undone = 0;
    while (c.undo()) ++undone;
    EXPECT_EQ(undone, 150);
    EXPECT_EQ(v.shown(), "0");
    EXPECT_TRUE(c.undoName().empty());
    int redone = 0;
    while (c.redo()) ++redone;
    EXPECT_EQ(redone, 150);
    EXPECT_EQ(v.shown(), shownAtEnd);
    EXPECT_EQ(c.undoName(), "operation +");
}

TEST_P(CalculatorTest, TapeStatements) {
    const std::pair<const char*, std::vector<std::string>> rows[] = {
        {"12,5", {}},
        {"2 + 3 * 4 =", {"2 + 3 = 5", "5 \u00D7 4 = 20"}},
        {"2 + 3 = =", {"2 + 3 = 5", "5 + 3 = 8"}},
        {"2 + 3 = 4 =", {"2 + 3 = 5", "4 + 3 = 7"}},
        {"10 - 4 =", {"10 \u2212 4 = 6"}},
        {"7 / 0 =", {"7 \u00F7 0: It is impossible to divide into a zero!"}},
        {"paste:1E4000 * paste:1E4000 =",
         {"1E4000 \u00D7 1E4000: Overflow: the result is beyond the range of numbers!"}},
        {"5 =", {}},
        {"200 + 10 %", {"200 + 10% = 220"}},
        {"200 / 10 %", {"200 \u00F7 10% = 2000"}},
        {"2 ^ 10 =", {"2 ^ 10 = 1024"}},
        {"8 log 2 =", {"log\u2082 8 = 3"}},
        {"8 log 1 =", {"log\u2081 8: Invalid argument of log!"}},
        {"4 1/x", {"1 \u00F7 4 = 0.25"}},
        {"0 1/x", {"1 \u00F7 0: It is impossible to divide into a zero!"}},
        {"9 sqrt", {"\u221A9 = 3"}},
        {"4 +/- sqrt", {"\u221A-4: It is impossible to take a square root from a negative number!"}},
        {"2 + 3 = +/-", {"2 + 3 = 5", "\u2212(5) = -5"}},
        {"deg 30 sin", {"sin 30\u00B0 = 0.5"}},
        {"grad 100 sin", {"sin 100\u1D4D = 1"}},
        {"cycle 0,25 sin", {"sin 0.25 turn = 1"}},
        {"rad 1 sin", {"sin 1 = 0.841470984807897"}},
        {"deg 1 arcsin", {"arcsin 1 = 90\u00B0"}},
        {"9 x2 3 +/- x3 5 n! 27 cbrt", {"9\u00B2 = 81", "(-3)\u00B3 = -27", "5! = 120", "\u221B27 = 3"}},
        {"paste:1E20 x2", {"(1E20)\u00B2 = 1E40"}},
        {"0 ln", {"ln 0: Invalid argument of ln!"}},
        {"20 M+ 25 M+ 5 M- MC", {"M1 + 20 = 20", "M1 + 25 = 45", "M1 \u2212 5 = 40", "M1 = 0 (was 40)"}},
        {"M3 7 M+ MR", {"M3 + 7 = 7"}},
        {"1918 M+ MC undo", {"M1 + 1918 = 1918", "M1 = 0 (was 1918)", "Undo: clear M1"}},
        {"5 + 3 = undo redo", {"5 + 3 = 8", "Undo: equals", "Redo: equals"}},
        {"2 * undo", {"Undo: operation ×"}},
        {"2 list 4 list 9 list N mean sigman-1",
         {"Number of values = 3", "Mean of 3 values = 5", "\u03C3n-1 of 3 values = 3.60555127546399"}},
        {"mean", {"Mean of 0 values: There are too few values in the list!"}},
        {"1,5 conv:Kilometer>Meter", {"1.5 Kilometer = 1500 Meter"}},
        {"300 +/- conv:Celsius'_degree>Kelvin's_degree",
         {"-300 Celsius' degree: The temperature in Celsius' degrees can not be lower than  -273.15 !"}},
    };
    for (const auto& [keys, lines] : rows) {
        RecordingView v;
        Calculator c(v, GetParam(), scientificOperations());
        c.setMessages(text);
        c.setTape(&v);
        pressKeys(c, keys);
        std::vector<std::string> expectedLines;
        for (const std::string& line : lines) {
            // The numbers follow the locale; a message after ": " is the language's own text.
            const std::size_t message = std::min(line.find(": "), line.size());
            expectedLines.push_back(inLocale(line.substr(0, message), GetParam()) + line.substr(message));
        }
        EXPECT_EQ(v.tape, expectedLines) << keys;
    }
}

// A line's result is the number the step gave, kept beside the line, never read back out of its
// text: whole digits where the line shows 15, nothing for a failed step or a note.
TEST_P(CalculatorTest, EachLineKeepsItsResultBesideIt) {
    const std::pair<const char*, std::optional<Extended>> rows[] = {
        {"2 + 3 =", 5},
        {"1 / 3 =", 1.0L / 3},
        {"deg 1 arcsin", 90},
        {"cycle 0,25 sin", 1},
        {"1,5 conv:Kilometer>Meter", 1500},
        {"2 + 3 = +/-", -5},
        {"paste:1E20 x2", 1e40L},
        {"paste:1E4000 * 10 =", 1e4001L},
        {"1918 M+ MC", 0},
        {"7 / 0 =", std::nullopt},
        {"deg 2 arcsin", std::nullopt},
        {"2 * undo", std::nullopt},
        {"mean", std::nullopt},
    };
    for (const auto& [keys, result] : rows) {
        RecordingView v;
        Calculator c(v, GetParam(), scientificOperations());
        c.setMessages(text);
        c.setTape(&v);
        pressKeys(c, keys);
        ASSERT_FALSE(v.results.empty()) << keys;
        EXPECT_EQ(v.results.back(), result) << keys << ": " << v.tape.back();
    }
}

TEST_P(CalculatorTest, EveryFailedChainShowsWhy) {
    const std::string overflow = text.OverflowMessage;
    const std::pair<const char*, std::string> rows[] = {
        {"paste:1E3000 * paste:1E3000 %", overflow},
        {"paste:1E4000 / paste:1E-4000 =", overflow},
        {"paste:1E4000 + paste:1E4932 + paste:1E4932 =", overflow},
        {"paste:1E-4940 1/x", overflow},
        {"10 ^ 5000 =", overflow},
        {"8 log 1 =", fillIn(text.InvalidArgumentMessage, "log")},
        {"0 log 2 =", fillIn(text.InvalidArgumentMessage, "log")},
    };
    for (const auto& [keys, hint] : rows) {
        RecordingView v;
        Calculator c(v, GetParam(), scientificOperations());
        c.setMessages(text);
        pressKeys(c, keys);
        EXPECT_EQ(v.hints, std::vector<std::string>{hint}) << keys;
        EXPECT_TRUE(v.mantissaRed) << keys;
    }
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

TEST_P(CalculatorTest, BackspaceToEmptyKeepsTheChain) {
    pressKeys(calculator, "5 + 7 BS");
    EXPECT_TRUE(calculator.state().OperandStored);
    EXPECT_EQ(calculator.state().EntryText, "");
    EXPECT_EQ(calculator.copyText(), "0") << "Copy gives what the display shows";
    pressKeys(calculator, "3 =");
    EXPECT_EQ(view.shown(), "8");
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
    EXPECT_EQ(view.shown(), expected("12.5"));
    EXPECT_EQ(view.hints, std::vector<std::string>{text.NoNumberToPasteMessage});
    EXPECT_EQ(calculator.copyText(), expected("12.5"));
    // White space of any kind around a copied cell or terminal line is dropped; nothing else is.
    for (const char* around : {"12.5\n", "\t12.5\r\n", "\u00A012.5\u202F", " 12.5 "}) {
        pressKeys(calculator, "C");
        EXPECT_TRUE(calculator.paste(expected(around))) << around;
        EXPECT_EQ(calculator.copyText(), expected("12.5")) << around;
        EXPECT_EQ(view.shown(), expected("12.5")) << around;
    }
    // A run of stray UTF-8 continuation bytes is one malformed character, never white space.
    // Groups are three digits after a first of one to three, in the integer part only.
    for (const std::string& refused : std::initializer_list<std::string>{
             "12.5x", "\n", "\u00A0", std::string("'") + std::string(40, '\xB0'), "1_23", "12_34.5", "1_2345",
             "1234_567", "-_123", "1__234", "1_234.5_67", "0_123"})
        EXPECT_FALSE(calculator.paste(expected(refused))) << refused;
    // Blanks of any width group the digits where the locale groups with a blank, and only there.
    const bool blankGroups = GetParam().thousands == " ";
    for (const char* blanks : {"1\u00A0234.5", "1\u202F234.5", "1 234.5"})
        EXPECT_EQ(calculator.paste(expected(blanks)), blankGroups) << blanks;
    pressKeys(calculator, "C 2 / 3 =");
    EXPECT_EQ(calculator.copyText(), expected("0.666666666666667"));
    pressKeys(calculator, "C 1234567");
    EXPECT_EQ(calculator.copyText(), "1234567") << "copy never takes the grouped display text";
}

TEST_P(CalculatorTest, AnEvaluatorResultIsTheSecondOperand) {
    pressKeys(calculator, "2 + 3");
    ASSERT_TRUE(calculator.loadOperandText(expected("1.5E20")));
    EXPECT_EQ(calculator.state().CurrentValue, 1.5e20L);
    EXPECT_EQ(view.shown(), expected("1.500000000000*10^+0020"));
    EXPECT_FALSE(calculator.state().Typing) << "the next digit starts a new number";
    EXPECT_EQ(calculator.state().FirstOperand, 2);
    EXPECT_FALSE(calculator.loadOperandText("junk"));
    EXPECT_EQ(calculator.copyText(), expected("1.5E20"));
    pressKeys(calculator, "=");
    EXPECT_EQ(view.shown(), expected("1.500000000000*10^+0020"));
    EXPECT_EQ(calculator.state().FirstOperand, 1.5e20L + 2);
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

TEST_P(CalculatorTest, RegisterOverflowKeepsTheRegisterAndSaysSo) {
    const Extended max = std::numeric_limits<Extended>::max();
    calculator.restoreWorkingState("", false, {max}, true);
    ASSERT_TRUE(calculator.paste(expected("1E4932")));
    pressKeys(calculator, "M+");
    EXPECT_EQ(calculator.state().MemoryRegisters[0], max);
    EXPECT_EQ(view.hints, std::vector<std::string>{text.OverflowMessage});
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
    pressKeys(calculator, "5,5");
    EXPECT_EQ(calculator.copyText(), expected("5.5")) << "a restored separator does not refuse the next number's";
    calculator.restoreWorkingState(expected("1."), true, registers, false);
    pressKeys(calculator, "5,5");
    EXPECT_EQ(calculator.copyText(), expected("5.5"));
    calculator.restoreWorkingState("abc", false, registers, false);
    EXPECT_EQ(view.shown(), "0");
    EXPECT_EQ(calculator.state().EntryText, "");
}

} // namespace
} // namespace orv
