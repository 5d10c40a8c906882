// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "command_line.h"
#include "eval_command.h"
#include "number_text.h"
#include "separators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <sstream>
#include <streambuf>
#include <string_view>

namespace orv::cli {
namespace {

struct CommandRow {
    std::vector<std::string> args;
    std::string input;
    const char* out;
    const char* err; // the error output, or a prefix of it when it ends without a new line
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
         " Expected ',' in position 6 \nSyntax error in position 7\nInvalid argument of LOG in position 1\n"
         " Expected ')' in position 7 \n",
         1},
        {{"--eval", "1E5000"}, "", "", "Overflow in position 1\n", 1},
        // A substitute value is never printed as a result.
        {{"--eval", "LN(0)+5"}, "", "", "Invalid argument of LN in position 1\n", 1},
        {{"--eval", "EXP(100000)"}, "", "", "Overflow in position 1\n", 1},
        {{"--eval", "2+POWER(-8,0.5)"}, "", "", "Invalid argument of POWER in position 3\n", 1},
        {{"--eval", "1E4000*1E4000"}, "", "", "Overflow in position 7\n", 1},
        {{"--eval", "(1E5000)"}, "", "", "Overflow in position 2\n", 1},
        {{"--eval", "ARCCTG(0)", "--angle", "deg"}, "", "90\n", "", 0},
        {{"--eval", "LOG(8,1)"}, "", "0\n", "", 0},
        {{"--eval", "-"}, "FACT(2000)\nFACT(5)\n", "\n120\n", "1: Overflow in position 1\n", 1},
        {{"--eval", "-"}, "1\n1E5000\n", "1\n\n", "2: Overflow in position 1\n", 1},
        // A failed expression gives no value: nothing on stdout, or an empty line in a batch.
        {{"--eval", "1/0"}, "", "", "It is impossible to divide into a zero!\n", 1},
        {{"--eval", "2^0.5"}, "", "", "Text after the expression in position 2\n", 1},
        {{"--eval", "2 3 "}, "", "", "Text after the expression in position 3\n", 1},
        {{"--eval", "2+3 \t"}, "", "5\n", "", 0},
        {{"--eval", "2\x01*3"}, "", "", "Syntax error in position 2\n", 1},
        {{"--eval", "-"}, std::string("2\0*3\n7\n", 7), "\n7\n", "1: Syntax error in position 2\n", 1},
        {{"--eval", "-"}, "1+1\nfoo(2)\n\r\nSUM(1,10,I)\n", "2\n\n\n55\n",
         "2:  Unknown function FOO \n2:  Expected ')' in position 5 \n3: Syntax error in position 1\n", 1},
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
        if (*row.err == '\0' || std::string_view(row.err).ends_with('\n')) {
            EXPECT_EQ(err.str(), row.err) << label;
        } else {
            EXPECT_TRUE(err.str().starts_with(row.err)) << label << ": " << err.str();
        }
    }
}

// Output that fails as a full disk does: the first `room` bytes are taken and the rest fail with
// ENOSPC. A buffered one accepts everything and fails only when flushed, as standard output
// redirected to a file does.
class FullDisk : public std::streambuf {
  public:
    FullDisk(std::size_t room, bool buffered) : room_(room), buffered_(buffered) {}
    const std::string& taken() const { return taken_; }

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        const char ch = traits_type::to_char_type(c);
        return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        if (!buffered_) return write(text, static_cast<std::size_t>(count));
        pending_.append(text, static_cast<std::size_t>(count));
        return count;
    }
    int sync() override {
        const std::size_t size = pending_.size();
        const bool whole = write(pending_.data(), size) == static_cast<std::streamsize>(size);
        pending_.clear();
        return whole ? 0 : -1;
    }

  private:
    std::streamsize write(const char* text, std::size_t count) {
        const std::size_t written = std::min(count, room_ - taken_.size());
        taken_.append(text, written);
        if (written < count) errno = ENOSPC;
        return static_cast<std::streamsize>(written);
    }

    std::size_t room_;
    bool buffered_;
    std::string taken_;
    std::string pending_;
};

struct FullDiskRow {
    std::vector<std::string> args;
    std::string input;
    std::size_t room;
    bool buffered;
    const char* written;
    const char* errStart; // the start of the error output
    bool reported;        // the error output ends with the write failure
    int status;
};

TEST(EvalCommand, OutputThatCannotBeWrittenIsAFailure) {
    std::string manyLines;
    for (int i = 0; i < 1000; ++i) manyLines += "1+1\n";
    const FullDiskRow rows[] = {
        {{"--eval", "2+3"}, "", 0, false, "", "orvantis: cannot", true, 1},
        {{"--eval", "2+3"}, "", 0, true, "", "orvantis: cannot", true, 1},
        {{"--eval", "2+3"}, "", 1, true, "5", "orvantis: cannot", true, 1},
        {{"--eval", "2+3"}, "", 2, true, "5\n", "", false, 0},
        {{"--eval", "1/0"}, "", 0, true, "", "It is impossible", false, 1}, // nothing to write
        {{"--eval"}, "", 0, true, "", "orvantis: --eval needs", false, 2},
        {{"--eval", "-"}, "1/0\n2\n", 0, false, "", "1: It is impossible", true, 1},
        {{"--eval", "-"}, "1/0\n2\n", 3, true, "\n2\n", "1: It is impossible", false, 1},
        {{"--eval", "-"}, manyLines, 5, false, "2\n2\n2", "orvantis: cannot", true, 1},
        {{"--eval", "-"}, manyLines, 5, true, "2\n2\n2", "orvantis: cannot", true, 1},
        {{"--help"}, "", 10, false, "Usage: orv", "orvantis: cannot", true, 1},
        {{"--version"}, "", 0, true, "", "orvantis: cannot", true, 1},
    };
    const std::string failure = "orvantis: cannot write the output: No space left on device\n";
    for (const auto& row : rows) {
        const std::string label = row.args.back() + " in " + std::to_string(row.room) +
                                  (row.buffered ? " buffered" : "") + " bytes";
        std::istringstream in(row.input);
        FullDisk disk(row.room, row.buffered);
        std::ostream out(&disk);
        std::ostringstream err;
        errno = EDOM; // a cause left from before must not be the one reported
        const auto status = runCommandLine(row.args, in, out, err);
        ASSERT_TRUE(status) << label;
        EXPECT_EQ(*status, row.status) << label;
        EXPECT_EQ(disk.taken(), row.written) << label;
        EXPECT_TRUE(err.str().starts_with(row.errStart)) << label << ": " << err.str();
        EXPECT_EQ(err.str().ends_with(failure), row.reported) << label << ": " << err.str();
        EXPECT_EQ(out.fail(), row.reported) << label;
        // Once a write fails, the rest of a batch is not read, let alone evaluated.
        if (row.input == manyLines && !row.buffered) {
            EXPECT_FALSE(in.eof()) << label;
            const std::string told = err.str();
            EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
        }
    }

    // A stream that is bad already, without a cause to tell.
    std::istringstream in;
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    errno = ERANGE;
    EXPECT_EQ(runCommandLine({"--eval", "2+3"}, in, out, err), 1);
    EXPECT_EQ(err.str(), "orvantis: cannot write the output\n");
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
