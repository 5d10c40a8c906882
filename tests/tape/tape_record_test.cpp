// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// A line of the tape's file and the entry it holds: the result survives the round trip exactly,
// and only a whole, finite number after the last tab is a result.
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
        const std::string record = tapeRecord({"x = y", value});
        const TapeEntry entry = parseTapeRecord(record);
        EXPECT_EQ(entry.text, "x = y") << record;
        ASSERT_TRUE(entry.result.has_value()) << record;
        EXPECT_EQ(*entry.result, value) << record;
    }
    EXPECT_EQ(tapeRecord({"2 + 3 = 5", 5}), "2 + 3 = 5\t5") << "the shortest digits";
    EXPECT_EQ(tapeRecord({"0,1 + 0,2 = 0,3", 0.3L}), "0,1 + 0,2 = 0,3\t0.3") << "C notation";
}

TEST(TapeRecord, OnlyAWholeFiniteNumberAfterTheLastTabIsAResult) {
    const std::pair<const char*, TapeEntry> rows[] = {
        {"2 + 3 = 5\t5", {"2 + 3 = 5", 5}},
        {"2 + 3 = 5\t5\r", {"2 + 3 = 5", 5}},
        {"a\tb = 7\t7", {"a\tb = 7", 7}},
        {"IF(A = 7, 1, 2): Expected ')' in position 9", {"IF(A = 7, 1, 2): Expected ')' in position 9", {}}},
        {"2 + 3 = 5", {"2 + 3 = 5", {}}},
        {"x\t5 apples", {"x\t5 apples", {}}},
        {"x\t", {"x\t", {}}},
        {"x\tinf", {"x\tinf", {}}},
        {"x\tnan", {"x\tnan", {}}},
        {"x\t1,5", {"x\t1,5", {}}},
        {"", {"", {}}},
    };
    for (const auto& [record, entry] : rows) EXPECT_EQ(parseTapeRecord(record), entry) << record;
}

TEST(TapeRecord, ALineBreakOrTabInTheTextCannotSplitTheLineOrFakeAResult) {
    const TapeEntry entry{"1+\n2\t= 3\r", 3};
    const std::string record = tapeRecord(entry);
    EXPECT_EQ(record, "1+ 2 = 3 \t3");
    EXPECT_EQ(parseTapeRecord(record), (TapeEntry{"1+ 2 = 3 ", 3}));
    EXPECT_EQ(parseTapeRecord(tapeRecord({"x\t7", {}})), (TapeEntry{"x 7", {}})) << "no result made up";
}

} // namespace
} // namespace orv
