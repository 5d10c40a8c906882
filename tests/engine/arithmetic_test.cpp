// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "arithmetic.h"
#include "number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace orv {
namespace {

constexpr Extended kMax = std::numeric_limits<Extended>::max();

TEST(ZeroTest, OnlyZerosAndTheSmallestSubnormal) {
    EXPECT_TRUE(isZero(0.0L));
    EXPECT_TRUE(isZero(-0.0L));
    EXPECT_TRUE(isZero(kSmallestExtended));
    EXPECT_TRUE(isZero(-kSmallestExtended));
    EXPECT_FALSE(isZero(2 * kSmallestExtended));
    EXPECT_FALSE(isZero(1e-4000L));
}

TEST(Guard, FailsOnOverflowInvalidAndDivisionByZeroOnly) {
    volatile Extended zero = 0;
    EXPECT_FALSE(guarded([&] { return kMax * 2; }));
    EXPECT_FALSE(guarded([&] { return 1 / zero; }));
    EXPECT_FALSE(guarded([&] { return zero / zero; }));
    EXPECT_FALSE(guarded([&] { return std::sqrt(zero - 1); }));
    EXPECT_FALSE(guarded([&] { return std::log(zero); }));
    // Underflow and inexact results pass.
    auto tiny = guarded([&] { return kSmallestExtended / 2 + zero; });
    ASSERT_TRUE(tiny);
    EXPECT_EQ(*tiny, 0.0L);
    EXPECT_EQ(*guarded([&] { return 1 / (zero + 3); }), 1.0L / 3);
}

TEST(Guard, StaleFlagsFromEarlierStepsDoNotLeakIn) {
    volatile Extended zero = 0;
    (void)(1 / zero);
    EXPECT_TRUE(guarded([&] { return zero + 1; }));
}

struct SumRow {
    const char* name;
    Extended a, b;
    bool subtract;
    const char* shown;
};

TEST(DecimalSum, CancellationNoiseDoesNotReachTheShownDigits) {
    const SumRow rows[] = {
        {"close prices", 86251.76L, 86250.82L, true, "0.94"},
        {"tenths", 0.1L + 0.2L, 0.3L, true, "0"},
        {"plain sum untouched", 0.1L, 0.2L, false, "0.3"},
        {"opposite signs", 1.1L, -1.0L, false, "0.1"},
        {"exact difference kept", 10, 3, true, "7"},
        {"large operands", 1e20L + 40000, 1e20L, true, "40000"},
        {"below the 17th digit", 1e20L + 4096, 1e20L, true, "4096"},
        {"tiny operands", 3e-30L, 1e-30L, true, "2E-30"},
        {"whole numbers cancel exactly", 123456789012345678.0L, 123456789012345677.0L, true, "1"},
        {"twenty digits cancel exactly", 10000000000000000001.0L, 1e19L, true, "1"},
        {"whole and negative", -18000000000000000000.0L, -17999999999999999999.0L, true, "-1"},
        {"a half above 2^62 is kept", 4611686018427387904.5L, 4611686018427387904.0L, true, "0.5"},
    };
    for (const auto& row : rows) {
        const auto r = row.subtract ? guardedSubtract(row.a, row.b) : guardedAdd(row.a, row.b);
        ASSERT_TRUE(r) << row.name;
        EXPECT_EQ(generalText(*r, dotSeparators()), row.shown) << row.name;
    }
}

TEST(DecimalSum, OverflowStillFails) {
    EXPECT_FALSE(guardedAdd(kMax, kMax));
    EXPECT_FALSE(guardedSubtract(-kMax, kMax));
}

} // namespace
} // namespace orv
