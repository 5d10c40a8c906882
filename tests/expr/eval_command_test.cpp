// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "command_line.h"
#include "eval_command.h"
#include "number_text.h"
#include "separators.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orv::cli {
namespace {

struct CommandRow {
    std::vector<std::string> args;
    std::string input;
    const char* out;
    const char* err; // a prefix of the error output; "" means none at all
    int status;
};

TEST(EvalCommand, ValuesDiagnosticsAndExitStatus) {
    const CommandRow rows[] = {
        {{"--eval", "2+3"}, "", "5\n", "", 0},
        {{"--eval", "-2*3"}, "", "-6\n", "", 0},
        {{"--eval", "sin(30)", "--angle", "deg"}, "", "0.5\n", "", 0},
        {{"--eval", "cos(0.25)", "--angle", "cycle"}, "", "0\n", "", 0},
        {{"--eval", "A*b", "--var", "A=2.5", "--var", "b=-4"}, "", "-10\n", "", 0},
        {{"--eval", "PI", "--digits", "21"}, "", "3.14159265358979323851\n", "", 0},
        {{"--eval", "1/3", "--digits", "21"}, "", "0.333333333333333333342\n", "", 0},
        {{"--eval", "1E-30/3", "--digits", "21"}, "", "3.33333333333333333351E-31\n", "", 0},
        {{"--eval", "POWER(2,64)", "--digits", "21"}, "", "18446744073709551616\n", "", 0},
        {{"--eval", "POWER(2,80)", "--digits", "21"}, "", "1.20892581961462917471E24\n", "", 0},
        {{"--eval", "log(2"},
         "",
         "",
         " Expected ',' in position 6 \nSyntax error in position 7\n Expected ')' in position 7 \n",
         1},
        {{"--eval", "1E5000"}, "", "", "Arithmetic failure", 1},
        // A failed expression gives no value: nothing on stdout, or an empty line in a batch.
        {{"--eval", "1/0"}, "", "", "It is impossible to divide into a zero!\n", 1},
        {{"--eval", "2^0.5"}, "", "", "Text after the expression in position 2\n", 1},
        {{"--eval", "2 3 "}, "", "", "Text after the expression in position 3\n", 1},
        {{"--eval", "2+3 \t"}, "", "5\n", "", 0},
        {{"--eval", "2\x01*3"}, "", "", "Syntax error in position 2\n", 1},
        {{"--eval", "-"}, std::string("2\0*3\n7\n", 7), "\n7\n", "1: Syntax error in position 2\n", 1},
        {{"--eval", "-"}, "1+1\nfoo(2)\n\r\nSUM(1,10,I)\n", "2\n\n\n55\n",
         "2:  Unknown functionFOO \n2:  Expected ')' in position 5 \n3: Syntax error in position 1\n", 1},
        {{"--eval", "-", "--var", "I=2"}, "I*3\n", "6\n", "", 0},
        {{"--eval"}, "", "", "orvantis: --eval needs", 2},
        {{"--eval", "1", "--angle", "turns"}, "", "", "orvantis: unknown angle", 2},
        {{"--eval", "1", "--var", "AB=1"}, "", "", "orvantis: 'AB=1'", 2},
        {{"--eval", "1", "--var", "A=x"}, "", "", "orvantis: 'A=x'", 2},
        {{"--eval", "1", "--digits", "18"}, "", "", "orvantis: --digits", 2},
        {{"--eval", "1", "--angle"}, "", "", "orvantis: '--angle' needs", 2},
        {{"--eval", "1", "--colour", "red"}, "", "", "orvantis: unknown option", 2},
    };
    for (const auto& row : rows) {
        std::istringstream in(row.input);
        std::ostringstream out, err;
        const auto status = runCommandLine(row.args, in, out, err);
        const std::string label = row.args.size() > 1 ? row.args[1] : row.args[0];
        ASSERT_TRUE(status) << label;
        EXPECT_EQ(*status, row.status) << label;
        EXPECT_EQ(out.str(), row.out) << label;
        if (*row.err == '\0') {
            EXPECT_EQ(err.str(), "") << label;
        } else {
            EXPECT_TRUE(err.str().starts_with(row.err)) << label << ": " << err.str();
        }
    }
}

TEST(EvalCommand, TwentyOneDigitsReadBackTheSameValue) {
    const auto full = [](long double x) { return generalText(x, dotSeparators(), kMaxGeneralDigits); };
    for (const long double x : {0.1L, -2.0L / 3, 1e-4000L, 6.02214076e23L, 1e21L, 123456789012345678901.0L, 0.0001L}) {
        const std::string text = full(x);
        EXPECT_EQ(std::strtold(text.c_str(), nullptr), x) << text;
    }
    EXPECT_EQ(full(0), "0");
    EXPECT_EQ(full(-0.5L), "-0.5");
    EXPECT_EQ(full(1e21L), "1E21");
    EXPECT_EQ(full(1e-5L), "9.99999999999999999995E-6");
}

TEST(CommandLine, TheToolkitsOwnOptionsStartTheWindow) {
    struct WindowRow {
        std::vector<std::string> args;
        bool window; // else a usage error, status 2
    };
    const WindowRow rows[] = {
        {{}, true},
        {{"-session", "1234abcd"}, true},
        {{"--session", "1234abcd", "-style", "Fusion"}, true},
        {{"-style=Fusion", "-reverse"}, true},
        {{"-platform", "offscreen", "--display", ":1", "-qwindowtitle", "x"}, true},
        {{"notes.txt"}, true}, // a plain word is the window's to ignore, as before
        {{"-session"}, false}, // the value is missing
        {{"-reverse=1"}, false},
        {{"-bogus"}, false},
        {{"-style", "Fusion", "--colour"}, false},
        {{"--evaluate", "1"}, false},
    };
    for (const WindowRow& row : rows) {
        std::istringstream in;
        std::ostringstream out, err;
        const auto status = runCommandLine(row.args, in, out, err);
        const std::string label = row.args.empty() ? "(none)" : row.args.front();
        EXPECT_EQ(!status.has_value(), row.window) << label;
        if (!row.window) {
            EXPECT_EQ(status, 2) << label;
            EXPECT_TRUE(err.str().starts_with("orvantis: unknown option")) << err.str();
        }
        EXPECT_EQ(out.str(), "") << label;
    }
}

TEST(EvalCommand, HelpNamesTheEvalMode) {
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(runCommandLine({"--help"}, in, out, err), 0);
    EXPECT_NE(out.str().find("--eval EXPR"), std::string::npos);
}

} // namespace
} // namespace orv::cli
