// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "expression.h"

#include <gtest/gtest.h>

#include <string>

namespace orv {
namespace {

struct IndexRow {
    const char* text;
    Extended value;
};

TEST(SumIndex, IsRestoredAfterEverySummation) {
    const IndexRow rows[] = {
        {"SUM(1,3,I)+I", 13},
        {"I+SUM(1,3,SUM(1,I,1))+I", 20},
        {"SUM(1,3,9E4931)+I", 7},                // a failure ends the summation
        {"SUM(I,I+2,I)", 24},                    // the limits read the caller's I
        {"SUM(1,2,SUM(I,2,I))", 5},              // the inner limits read the outer index
    };
    for (const auto& row : rows) {
        ExpressionVariables variables{};
        variable(variables, 'I') = 7;
        const Evaluation e = EvaluateExpression(row.text, variables);
        EXPECT_EQ(e.value, row.value) << row.text;
        EXPECT_EQ(variable(variables, 'I'), 7) << row.text;
    }
}

TEST(Cancellation, StopsALongSumAndRestoresTheIndex) {
    ExpressionVariables variables{};
    variable(variables, 'I') = 3;
    std::uint64_t lastPoll = 0;
    EvaluationSettings settings;
    settings.cancel = [&](std::uint64_t terms) {
        lastPoll = terms;
        return terms >= 8192;
    };
    const Evaluation e = EvaluateExpression("1+SUM(1,1000000000,I)", variables, settings);
    EXPECT_TRUE(e.cancelled);
    EXPECT_EQ(e.value, 0);
    ASSERT_FALSE(e.diagnostics.empty());
    EXPECT_EQ(e.diagnostics.back().text, " Evaluation cancelled ");
    EXPECT_GE(lastPoll, 8192u);
    EXPECT_LT(lastPoll, 8192u + 64) << "the polls come at least every 64 terms";
    EXPECT_EQ(variable(variables, 'I'), 3);
}

TEST(Cancellation, APollThatDeclinesChangesNothing) {
    ExpressionVariables variables{};
    int polls = 0;
    EvaluationSettings settings;
    settings.cancel = [&](std::uint64_t) {
        ++polls;
        return false;
    };
    const Evaluation e = EvaluateExpression("SUM(1,100000,1)", variables, settings);
    EXPECT_FALSE(e.cancelled);
    EXPECT_EQ(e.value, 100000);
    EXPECT_GT(polls, 10);
}

struct NestingRow {
    const char* name;
    std::string text;
    bool tooDeep;
};

TEST(Nesting, IsBoundedWithoutExhaustingTheStack) {
    const int deep = 1'000'000;
    const int fine = kMaxNesting - 10;
    std::string calls;
    for (int i = 0; i < 5000; ++i) calls += "SQRT(";
    const NestingRow rows[] = {
        {"a million brackets", std::string(deep, '('), true},
        {"a million minus signs", std::string(deep, '-') + "1", true},
        {"a million integer brackets", std::string(deep, '[') + "1", true},
        {"nested calls", calls + "1", true},
        {"nested sums", [] {
             std::string s;
             for (int i = 0; i < 2000; ++i) s += "SUM(1,1,";
             return s + "1";
         }(), true},
        {"just inside the bound", std::string(fine, '(') + "1" + std::string(fine, ')'), false},
    };
    for (const auto& row : rows) {
        ExpressionVariables variables{};
        const Evaluation e = EvaluateExpression(row.text, variables);
        const bool reported = !e.diagnostics.empty() && e.diagnostics.back().text == " Expression is too deeply nested ";
        EXPECT_EQ(reported, row.tooDeep) << row.name;
        EXPECT_EQ(e.value, row.tooDeep ? 0 : 1) << row.name;
    }
}

TEST(Diagnostics, ALongSumKeepsTheFirstOnesAndTheLast) {
    ExpressionVariables variables{};
    const Evaluation e = EvaluateExpression("SUM(1,5000,1/0)+ab", variables);
    ASSERT_EQ(e.diagnostics.size(), kMaxDiagnostics);
    EXPECT_EQ(e.omittedDiagnostics, 5001 - kMaxDiagnostics);
    EXPECT_EQ(e.diagnostics.front().text, messagesFor(Language::English).DivideByZeroMessage);
    EXPECT_EQ(e.diagnostics.back().text, "AB is wrong name ");
    EXPECT_EQ(e.value, 5000);
}

TEST(Diagnostics, ALongNameIsQuotedInItsFirst64Characters) {
    ExpressionVariables variables{};
    const std::string name(10000, 'B');
    const std::string quoted = std::string(64, 'B') + "...";
    Evaluation e = EvaluateExpression("SUM(1,1000," + name + ")", variables);
    ASSERT_EQ(e.diagnostics.size(), 1000u);
    EXPECT_EQ(e.diagnostics.back().text, quoted + " is wrong name ");
    e = EvaluateExpression(name + "(1)", variables);
    ASSERT_FALSE(e.diagnostics.empty());
    EXPECT_EQ(e.diagnostics.front().text, " Unknown function " + quoted + " ");
    e = EvaluateExpression(std::string(64, 'C') + "(1)", variables);
    EXPECT_EQ(e.diagnostics.front().text, " Unknown function " + std::string(64, 'C') + " ");
}

TEST(Messages, ComeFromTheChosenLanguage) {
    ExpressionVariables variables{};
    EvaluationSettings settings;
    settings.messages = &messagesFor(Language::Russian);
    const Evaluation e = EvaluateExpression("SQRT(-1)+1/0", variables, settings);
    ASSERT_EQ(e.diagnostics.size(), 2u);
    EXPECT_EQ(e.diagnostics[0].text, messagesFor(Language::Russian).NegativeRootMessage);
    EXPECT_EQ(e.diagnostics[1].text, messagesFor(Language::Russian).DivideByZeroMessage);
}

} // namespace
} // namespace orv
