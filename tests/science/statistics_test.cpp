// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "shown.h"
#include "statistics.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::shown;

struct StatisticsRow {
    const char* name;
    const char* memo;
    // Count, Sum, SumOfSquares, Mean, SigmaN, SigmaNm1; where the key changes nothing, why: "line N"
    // is no number, "few" values, "overflow".
    const char* expected[6];
};

TEST(Statistics, SixResultsOverTheMemoLines) {
    const StatisticsRow rows[] = {
        {"eight values", "2\n4\n4\n4\n5\n5\n7\n9\n", {"8", "40", "232", "5", "2", "2.1380899352994"}},
        {"empty memo", "", {"0", "0", "0", "few", "few", "few"}},
        {"one value", "3\n", {"1", "3", "9", "3", "0", "few"}},
        {"no final line break", "1\n3", {"2", "4", "10", "2", "1", "1.4142135623731"}},
        {"blank line inside", "1\n\n3\n", {"line 2", "line 2", "line 2", "line 2", "line 2", "line 2"}},
        {"not a number", "1\nx\n", {"line 2", "line 2", "line 2", "line 2", "line 2", "line 2"}},
        {"a word among values", "2\n4\n4\n4\nabc\n5\n7\n",
         {"line 5", "line 5", "line 5", "line 5", "line 5", "line 5"}},
        {"blanks around numbers", " 1 \n 3\n", {"2", "4", "10", "2", "1", "1.4142135623731"}},
        {"equal values", "1.1\n1.1\n1.1\n", {"3", "3.3", "3.63", "1.1", "0", "0"}},
        // The deviations need no squares of the values themselves.
        {"overflowing squares", "1E3000\n", {"1", "1E3000", "overflow", "1E3000", "0", "few"}},
        {"offset data", "1000000001\n1000000002\n1000000003\n",
         {"3", "3000000006", "3.000000012E18", "1000000002", "0.816496580927726", "1"}},
        {"offset decimals", "100000000.25\n100000000.75\n",
         {"2", "200000001", "2.00000002E16", "100000000.5", "0.25", "0.353553390593274"}},
        {"overflowing sum", "1E4932\n1E4932\n", {"2", "overflow", "overflow", "overflow", "overflow", "overflow"}},
        {"windows line breaks", "2\r\n4\r\n", {"2", "6", "20", "3", "1", "1.4142135623731"}},
    };
    const Messages& english = messagesFor(Language::English);
    const Statistic order[] = {Statistic::Count, Statistic::Sum,    Statistic::SumOfSquares,
                               Statistic::Mean,  Statistic::SigmaN, Statistic::SigmaNm1};
    for (const auto& row : rows) {
        const StatisticsLines lines = memoLines(row.memo);
        for (int i = 0; i < 6; ++i) {
            const std::string expected = row.expected[i];
            const auto value = computeStatistic(order[i], lines, dotSeparators());
            if (value) {
                EXPECT_EQ(shown(value), expected) << row.name << ", result " << i;
                continue;
            }
            const std::string why = expected == "few"        ? english.TooFewValuesMessage
                                    : expected == "overflow" ? english.OverflowMessage
                                    : expected.starts_with("line ")
                                        ? fillIn(english.NotANumberLineMessage, expected.substr(5))
                                        : "a value: " + expected;
            EXPECT_EQ(statisticFailureMessage(order[i], lines, dotSeparators(), english), why)
                << row.name << ", result " << i;
        }
    }
}

TEST(Statistics, LinesAreReadWithTheLocaleSeparator) {
    const Separators comma{",", " "};
    const StatisticsLines lines = memoLines("1,5\n2,5\n");
    EXPECT_EQ(shown(SummaX(lines, comma)), "4");
    EXPECT_FALSE(SummaX(lines, dotSeparators()));
    EXPECT_EQ(statisticsCount(lines), 2);
}

} // namespace
} // namespace orv
