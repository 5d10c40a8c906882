// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// A line of the tape's file and the line it holds: the result survives the round trip exactly,
// and only a whole, finite number after the last tab is a result.
#include "tape_line.h"
#include "tape_record.h"

#include <gtest/gtest.h>

#include <limits>

namespace orv {
namespace {

TEST(TapeRecord, AResultReadsBackAsTheSameNumber) {
    const Extended rows[] = {
        5, -5, 0.1L, 1.0L / 3, 1e40L, 1e4001L, -1e-4940L, std::numeric_limits<Extended>::max(),
        std::numeric_limits<Extended>::denorm_min(), 1234567890123456789.0L,
    };
    for (const Extended value : rows) {
        const std::string record = tapeRecord(writtenTapeLine("x = y", value));
        const TapeStep step = parseTapeRecord(record);
        EXPECT_EQ(tapeLine(step), "x = y") << record;
        ASSERT_TRUE(tapeResult(step).has_value()) << record;
        EXPECT_EQ(*tapeResult(step), value) << record;
    }
    EXPECT_EQ(tapeRecord(writtenTapeLine("2 + 3 = 5", 5)), "2 + 3 = 5\t5") << "the shortest digits";
    EXPECT_EQ(tapeRecord(writtenTapeLine("0,1 + 0,2 = 0,3", 0.3L)), "0,1 + 0,2 = 0,3\t0.3") << "C notation";
}

TEST(TapeRecord, OnlyAWholeFiniteNumberAfterTheLastTabIsAResult) {
    const std::pair<const char*, TapeStep> rows[] = {
        {"2 + 3 = 5\t5", writtenTapeLine("2 + 3 = 5", 5)},
        {"2 + 3 = 5\t5\r", writtenTapeLine("2 + 3 = 5", 5)},
        {"a\tb = 7\t7", writtenTapeLine("a\tb = 7", 7)},
        {"IF(A = 7, 1, 2): Expected ')' in position 9",
         writtenTapeLine("IF(A = 7, 1, 2): Expected ')' in position 9", std::nullopt)},
        {"2 + 3 = 5", writtenTapeLine("2 + 3 = 5", std::nullopt)},
        {"x\t5 apples", writtenTapeLine("x\t5 apples", std::nullopt)},
        {"x\t", writtenTapeLine("x\t", std::nullopt)},
        {"x\tinf", writtenTapeLine("x\tinf", std::nullopt)},
        {"x\tnan", writtenTapeLine("x\tnan", std::nullopt)},
        {"x\t1,5", writtenTapeLine("x\t1,5", std::nullopt)},
        {"", writtenTapeLine("", std::nullopt)},
    };
    for (const auto& [record, entry] : rows) EXPECT_EQ(parseTapeRecord(record), entry) << record;
}

TEST(TapeRecord, ALineBreakOrTabInTheTextCannotSplitTheLineOrFakeAResult) {
    const std::string record = tapeRecord(writtenTapeLine("1+\n2\t= 3\r", 3));
    EXPECT_EQ(record, "1+ 2 = 3 \t3");
    EXPECT_EQ(parseTapeRecord(record), writtenTapeLine("1+ 2 = 3 ", 3));
    EXPECT_EQ(parseTapeRecord(tapeRecord(writtenTapeLine("x\t7", {}))), writtenTapeLine("x 7", {}))
        << "no result made up";
}

} // namespace
} // namespace orv
