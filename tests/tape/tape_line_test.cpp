// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// A step written out as its line: each form's shape, a failure in place of the result, and one
// line whatever the parts hold. The producers' own lines are checked where they are made.
#include "tape_line.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TapeStep made(TapeForm form, std::string a, std::string b, std::string name, std::string op) {
    TapeStep step;
    step.form = form;
    step.a = std::move(a);
    step.b = std::move(b);
    step.name = std::move(name);
    step.op = std::move(op);
    return step;
}

struct LineRow {
    TapeStep step;
    const char* result; // nullptr: failed with "no"
    std::string line;
    bool gives; // whether the line gives its result back
};

TEST(TapeLine, EachFormReadsAsAStatement) {
    const LineRow rows[] = {
        {made(TapeForm::Operation, "2", "3", "", "+"), "5", "2 + 3 = 5", true},
        {made(TapeForm::LogBase, "8", "-2", "", ""), "3", "log₋₂ 8 = 3", true},
        {made(TapeForm::Postfix, "-3", "", "³", ""), "-27", "(-3)³ = -27", true},
        {made(TapeForm::Postfix, "1E5", "", "²", ""), "1E10", "(1E5)² = 1E10", true},
        {made(TapeForm::Postfix, "5", "", "!", ""), "120", "5! = 120", true},
        {made(TapeForm::MemoryClear, "", " (was 7)", "M1", ""), "0", "M1 = 0 (was 7)", true},
        {made(TapeForm::Conversion, "1,5", "Meter", "Kilometer", ""), "1500", "1,5 Kilometer = 1500 Meter", true},
        {made(TapeForm::Operation, "7", "0", "", "÷"), nullptr, "7 ÷ 0: no", false},
        {made(TapeForm::Expression, "SIN(X)", " (degrees)", "", ""), nullptr, "SIN(X) (degrees): no", false},
        {made(TapeForm::Note, "", "", "Undo: clear M1", ""), "", "Undo: clear M1", false},
        {made(TapeForm::Expression, "1+\n2\t", "", "", ""), "3", "1+ 2  = 3", true},
    };
    for (LineRow row : rows) {
        if (!row.result) row.step.message = "no";
        else if (row.step.form != TapeForm::Note) row.step.setResult(42, row.result);
        EXPECT_EQ(tapeLine(row.step), row.line);
        EXPECT_EQ(tapeResult(row.step).has_value(), row.gives) << row.line;
    }
}

TEST(TapeLine, AWrittenLineStaysAsItWasRead) {
    const TapeStep step = writtenTapeLine("a\tb = 7", 7);
    EXPECT_EQ(tapeLine(step), "a\tb = 7");
    EXPECT_EQ(tapeResult(step), 7);
    EXPECT_EQ(tapeResult(writtenTapeLine("7 ÷ 0: no", std::nullopt)), std::nullopt);
}

} // namespace
} // namespace orv
