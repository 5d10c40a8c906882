// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "powers.h"
#include "shown.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::shown;

struct OperationRow {
    const char* name;
    std::optional<Extended> (*operation)(Extended, Extended);
    Extended first, second;
    const char* expected;
};

// The two-operand keys as Solving completes them: X first, Y second.
TEST(TwoOperandKeys, PowerAndLogarithmToABase) {
    const OperationRow rows[] = {
        {"2 x^y 10", powerOperation, 2, 10, "1024"},
        {"1024 x^y 10", powerOperation, 1024, 10, "1.26765060022823E30"},
        {"0 x^y 0", powerOperation, 0, 0, "1"},
        {"0 x^y -1", powerOperation, 0, -1, "0"},
        {"-2 x^y 3", powerOperation, -2, 3, "-8"},
        {"-2 x^y 2", powerOperation, -2, 2, "4"},
        {"-2 x^y -1", powerOperation, -2, -1, "-0.5"},
        {"-8 x^y 1/3", powerOperation, -8, 1.0L / 3, "failure"},
        {"4 x^y 0.5", powerOperation, 4, 0.5L, "2"},
        {"10 x^y 5000", powerOperation, 10, 5000, "failure"},
        {"10 x^y -5000", powerOperation, 10, -5000, "0"},
        {"8 log 2", logBaseOperation, 8, 2, "3"},
        {"1000 log 10", logBaseOperation, 1000, 10, "3"},
        {"8 log 1", logBaseOperation, 8, 1, "failure"},
        {"1 log 1", logBaseOperation, 1, 1, "failure"},
        {"0 log 2", logBaseOperation, 0, 2, "failure"},
        {"8 log -2", logBaseOperation, 8, -2, "failure"},
        {"0.5 log 4", logBaseOperation, 0.5L, 4, "-0.5"},
    };
    for (const auto& row : rows) EXPECT_EQ(shown(row.operation(row.first, row.second)), row.expected) << row.name;
}

TEST(TwoOperandKeys, IntegerPowersAreExact) {
    EXPECT_EQ(*Power(3, 40), 12157665459056928801.0L);
    EXPECT_EQ(*Power(-3, 39), -4052555153018976267.0L);
}

TEST(Factorial, RoundsHalvesToEvenAndOverflowsAfter1754) {
    struct Row {
        Extended x;
        const char* expected;
    };
    const Row rows[] = {{0, "1"},   {-3, "1"},       {1.49L, "1"}, {5, "120"},  {2.5L, "2"}, {3.5L, "24"},
                        {20, "2.43290200817664E18"}, {1755, "failure"},         {1e30L, "failure"}};
    for (const auto& row : rows) EXPECT_EQ(shown(factorial(row.x)), row.expected) << shown(row.x);
    EXPECT_EQ(*factorial(20), 2432902008176640000.0L);
}

} // namespace
} // namespace orv
