// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "c_locale.h"
#include "decimal_sum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace orv {
namespace {

// The decimal a short decimal names, as a text the C library reads exactly.
std::string text(const ShortDecimal& d) { return std::to_string(d.digits) + "e" + std::to_string(d.exponent); }

Extended read(const std::string& s) { return strtold_l(s.c_str(), nullptr, cLocale()); }

// The reference: the C library's correctly rounded 17-digit text of x, read back.
std::optional<Extended> referenceShortDecimal(Extended x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.16Le", x);
    const Extended back = read(buffer);
    if (back != x) return std::nullopt;
    return back;
}

struct ShortRow {
    Extended x;
    std::optional<ShortDecimal> expected;
};

TEST(ShortDecimal, TheDecimalAnExtendedStandsFor) {
    const ShortRow rows[] = {
        {0.1L, ShortDecimal{1, -1}},
        {86251.76L, ShortDecimal{8625176, -2}},
        {-2.5L, ShortDecimal{-25, -1, true}},
        {1e17L, ShortDecimal{1, 17, true}},
        {12345678901234567.0L, ShortDecimal{12345678901234567, 0, true}},
        {0.30000000000000004L, ShortDecimal{30000000000000004, -17}},
        {9.5367431640625e-07L, ShortDecimal{95367431640625, -20, true}}, // 2^-20
        {1e-30L, ShortDecimal{1, -30}},
        {-1.5e300L, ShortDecimal{-15, 299}},
        {123456789012345678.0L, std::nullopt}, // 18 digits
        {11.12345678910737373L, std::nullopt}, // 19 digits
        {1.0L / 3, std::nullopt},
        {std::nextafter(0.1L, 1.0L), std::nullopt},
        {4611686018427387904.5L, std::nullopt},
        {std::numeric_limits<Extended>::infinity(), std::nullopt},
    };
    for (const auto& row : rows) {
        const auto d = shortDecimalOf(row.x);
        ASSERT_EQ(d.has_value(), row.expected.has_value()) << static_cast<double>(row.x);
        if (!d) continue;
        EXPECT_EQ(d->digits, row.expected->digits) << static_cast<double>(row.x);
        EXPECT_EQ(d->exponent, row.expected->exponent) << static_cast<double>(row.x);
        EXPECT_EQ(d->exact, row.expected->exact) << static_cast<double>(row.x);
    }
}

// The integer path against the C library's conversions: typed decimals of 1 to 19 digits, their
// neighbours, and numbers of random bits, over magnitudes inside and outside that path's range.
TEST(ShortDecimal, AgreesWithTheLibrarysConversions) {
    std::mt19937_64 random(28);
    int shortOnes = 0;
    for (int i = 0; i < 30000; ++i) {
        const int digitCount = 1 + static_cast<int>(random() % 19);
        std::string digits;
        for (int k = 0; k < digitCount; ++k) digits += static_cast<char>('0' + random() % 10);
        const int exponent = static_cast<int>(random() % 90) - 45;
        const Extended typed = read(digits + "e" + std::to_string(exponent));
        std::uniform_int_distribution<int> binade(-150, 150);
        const Extended bits = std::ldexp(static_cast<Extended>(random() | (std::uint64_t{1} << 63)), binade(random) - 63);
        for (const Extended x : {typed, std::nextafter(typed, 0.0L), std::nextafter(typed, 1e300L), bits, -bits}) {
            const auto d = shortDecimalOf(x);
            const auto reference = referenceShortDecimal(std::fabs(x));
            ASSERT_EQ(d.has_value(), reference.has_value()) << digits << "e" << exponent;
            if (!d) continue;
            ++shortOnes;
            EXPECT_EQ(read(text(*d)), x) << text(*d);
            if (d->digits != 0) {
                EXPECT_NE(d->digits % 10, 0) << text(*d);
            }
        }
    }
    EXPECT_GT(shortOnes, 15000); // the typed ones of up to 17 digits at least
}

struct SumRow {
    const char* name;
    Extended a, b, expected;
};

TEST(DecimalSum, ShortDecimalsAddAsTheirDecimals) {
    const SumRow rows[] = {
        {"tenths", 0.1L, 0.2L, 0.3L},
        {"without cancellation", 1.1L, 2.2L, 3.3L},
        {"with cancellation", 0.3L, -0.1L, 0.2L},
        {"close prices", 86251.76L, -86250.82L, 0.94L},
        {"17 digits in the sum", 0.12345678901234567L, 1, 1.12345678901234567L},
        {"a carry to 18 digits and back", 99999999999999999.0L, 1, 1e17L},
        {"far below 1", 1e-30L, 2e-30L, 3e-30L},
        {"far above 1", -1.5e300L, 2.5e300L, 1e300L},
        {"22 digits in the sum: plain sum", 12345.678901234567L, 0.12345678901234567L,
         12345.678901234567L + 0.12345678901234567L},
        {"too far apart for 128 bits: plain sum", 1e300L, 1e-300L, 1e300L},
        {"zero", 0.1L, 0, 0.1L},
        {"whole numbers", 3, -5, -2},
        {"no short decimal: plain sum", 1.0L / 3, 0.1L, 1.0L / 3 + 0.1L},
        {"19 digits: plain sum", 11.12345678910737373L, -359000.5L, 11.12345678910737373L - 359000.5L},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(decimalSum(row.a, row.b, row.a + row.b), row.expected) << row.name;
    }
}

struct AffineRow {
    const char* name;
    Extended x, before;
    int numerator, denominator;
    Extended after;
    std::optional<Extended> expected;
};

TEST(DecimalSum, AffineStepsOnDecimals) {
    const AffineRow rows[] = {
        {"Rankine freezing to Celsius", 491.67L, 0, 5, 9, -273.15L, 0},
        {"Fahrenheit to Celsius", -40, 459.67L, 5, 9, -273.15L, -40},
        {"Celsius to Fahrenheit ends in a decimal", 37, 273.15L, 9, 5, -459.67L, 98.6L},
        {"a ninth rounds once", 1, 0, 5, 9, 0, 5.0L / 9},
        {"no short decimal", 1.0L / 3, 273.15L, 1, 1, 0, std::nullopt},
        {"beyond 128 bits", 1e300L, 273.15L, 1, 1, 0, std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(decimalAffine(row.x, row.before, row.numerator, row.denominator, row.after), row.expected)
            << row.name;
    }
}

} // namespace
} // namespace orv
