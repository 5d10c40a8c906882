// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "number_text.h"

#include "locale_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace orv {

void PrintTo(const Separators& s, std::ostream* os) { *os << "'" << s.decimal << "' '" << s.thousands << "'"; }

namespace {

using testing::inLocale;

const Separators kComma{",", " "};
const Separators kDot{".", ","};


class BothLocales : public ::testing::TestWithParam<Separators> {};
INSTANTIATE_TEST_SUITE_P(Locales, BothLocales, ::testing::Values(kComma, kDot),
                         [](const auto& info) { return info.param.decimal == "," ? "comma" : "dot"; });

struct ParseRow {
    const char* text; // "." stands for the locale's decimal separator
    bool ok;
    long double value;
};

TEST_P(BothLocales, ParseAcceptsExactlyTheGrammar) {
    const ParseRow rows[] = {
        {"5", true, 5},           {"5.", true, 5},          {".", true, 0},           {".5", true, 0.5L},
        {"-0.25", true, -0.25L},  {"+7", true, 7},          {"  12  ", true, 12},     {"1E3", true, 1000},
        {"1e-3", true, 0.001L},   {"2.5E+2", true, 250},    {".E2", true, 0},         {"", false, 0},
        {"-", false, 0},          {"+", false, 0},          {" ", false, 0},          {"E5", false, 0},
        {"1E", false, 0},         {"1E+", false, 0},        {"1..2", false, 0},       {"1 2", false, 0},
        {"12a", false, 0},        {"--1", false, 0},        {"1E99999", false, 0},    {"-1E5000", false, 0},
        {"1E-99999", true, 0},    {"0x10", false, 0},       {"inf", false, 0},        {"nan", false, 0},
        {"1.5.", false, 0},       {"\t1", false, 0},
    };
    for (const auto& row : rows) {
        const std::string text = inLocale(row.text, GetParam());
        const auto value = parseNumber(text, GetParam());
        EXPECT_EQ(value.has_value(), row.ok) << "text '" << text << "'";
        if (value && row.ok) {
            EXPECT_EQ(*value, row.value) << "text '" << text << "'";
        }
    }
}

TEST(Parse, OtherLocalesSeparatorIsRejected) {
    EXPECT_FALSE(parseNumber("1.5", kComma));
    EXPECT_FALSE(parseNumber("1,5", kDot));
}

TEST(Parse, GivesTheNearestExtended) {
    EXPECT_EQ(*parseNumber("0.1", kDot), 0.1L);
    EXPECT_EQ(*parseNumber("1.18973149535723176502e4932", kDot), 1.18973149535723176502e4932L);
    EXPECT_EQ(*parseNumber("3.64519953188247460253e-4951", kDot), kSmallestExtended);
}

TEST(Parse, MultiByteSeparator) {
    const Separators arabic{"\xD9\xAB", "\xD9\xAC"};
    EXPECT_EQ(*parseNumber("1\xD9\xAB" "5", arabic), 1.5L);
}

struct TextRow {
    long double value;
    const char* expected; // "." stands for the locale's decimal separator
};

TEST_P(BothLocales, GeneralTextForm) {
    const TextRow rows[] = {
        {0, "0"},
        {-0.0L, "0"},
        {1, "1"},
        {1.5L, "1.5"},
        {1.0L / 3, "0.333333333333333"},
        {2.0L / 3, "0.666666666666667"},
        {-2.0L / 3, "-0.666666666666667"},
        {0.0001L, "0.0001"},
        {0.00001L, "1E-5"},
        {0.000099999999999999999L, "0.0001"},
        {999999999999999.0L, "999999999999999"},
        {-999999999999999.0L, "-999999999999999"},
        {-625, "-625"},
        {999999999999999.5L, "1E15"},
        {1e15L, "1E15"},
        {9999999999999999.0L, "1E16"},
        {-1.5e20L, "-1.5E20"},
        {1.5e20L, "1.5E20"},
        {123456789012345678.0L, "1.23456789012346E17"},
        {0.1234567890123455L, "0.123456789012346"},
        {2.5e-300L, "2.5E-300"},
        {kSmallestExtended, "3.64519953188247E-4951"},
        {1.18973149535723176502e4932L, "1.18973149535723E4932"},
        {100, "100"},
        {1234.5L, "1234.5"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(generalText(row.value, GetParam()), inLocale(row.expected, GetParam())) << (double)row.value;
}

TEST(GeneralText, RoundsHalfUpOnTheMagnitudeFrom18Digits) {
    // 0.1 + 0.2 expands to 0.300000000000000000 at 18 digits; 2.5 and -2.5 to one digit.
    EXPECT_EQ(roundedDigits(2.5L, 1).digits, "3");
    EXPECT_EQ(roundedDigits(-2.5L, 1).digits, "3");
    EXPECT_TRUE(roundedDigits(-2.5L, 1).negative);
    EXPECT_EQ(roundedDigits(9.96L, 2).digits, "10");
    EXPECT_EQ(roundedDigits(9.96L, 2).exponent, 1);
    EXPECT_EQ(roundedDigits(0.6L, 0).digits, "1");
    EXPECT_EQ(roundedDigits(0.6L, 0).exponent, 0);
    EXPECT_TRUE(roundedDigits(0.4L, 0).digits.empty());
    // 1.000000000000005 at 15 digits: the 16th digit is 5 -> up.
    EXPECT_EQ(generalText(1.000000000000005L, kDot), "1.00000000000001");
    EXPECT_EQ(generalText(1.0000000000000049L, kDot), "1");
}

TEST(GeneralText, PrecisionParameter) {
    EXPECT_EQ(generalText(123456.0L, kDot, 4), "1.235E5");
    EXPECT_EQ(generalText(1.0L / 3, kDot, 18), "0.333333333333333333");
    EXPECT_EQ(generalText(999999999999999999.0L, kDot, 18), "999999999999999999");
    EXPECT_EQ(generalText(-99.0L, kDot, 2), "-99");
    EXPECT_EQ(generalText(-100.0L, kDot, 2), "-1E2");
    EXPECT_EQ(generalText(12345678901234567890.0L, kDot, 21), "12345678901234567890");
}

struct FixedRow {
    long double value;
    int precision;
    int decimals;
    bool grouped;
    const char* expected;
};

TEST_P(BothLocales, FixedFormat) {
    const FixedRow rows[] = {
        {5, 1, 0, false, "5"},
        {1.5L, 4, 2, false, "1.50"},
        {1234567, 7, 0, true, "1_234_567"},
        {1234567, 7, 0, false, "1234567"},
        {-0.5L, 4, 1, false, "-0.5"},
        {1234.5L, 6, 1, true, "1_234.5"},
        {-1234567.25L, 10, 2, true, "-1_234_567.25"},
        {2.0L / 3, 17, 15, false, "0.666666666666667"},
        {0.000001L, 8, 6, false, "0.000001"},
        {123, 18, 3, true, "123.000"},
        {999.96L, 4, 1, false, "1000.0"},
        {99999.6L, 5, 0, false, "1E5"},            // one integer digit too many for P
        {123456789, 3, 0, false, "1.23E8"},        // grouping never applies to the fallback
        {0.004L, 3, 2, false, "0.00"},
        {-0.004L, 3, 2, false, "0.00"},
        {0.005L, 3, 2, false, "0.01"},
        {12, 1, 0, false, "12"},                   // P below 2 counts as 2
        {100, 3, -2, false, "100"},                // a negative D counts as 0
        {123456789012345678.0L, 18, 0, true, "123_456_789_012_345_678"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(fixedText(row.value, row.precision, row.decimals, GetParam(), row.grouped),
                  inLocale(row.expected, GetParam()))
            << (double)row.value << " P=" << row.precision << " D=" << row.decimals;
}

TEST_P(BothLocales, ExponentFormat) {
    const TextRow rows[] = {
        {1e15L, "1.000000000000E+0015"},
        {1e-20L, "1.000000000000E-0020"},
        {-1e-16L, "-1.000000000000E-0016"},
        {2.0L / 3 * 1e20L, "6.666666666667E+0019"},
        {1.5e300L, "1.500000000000E+0300"},
        {1e-4000L, "1.000000000000E-4000"},
        {1.18973149535723176502e4932L, "1.189731495357E+4932"},
        {9.9999999999999e15L, "1.000000000000E+0016"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(exponentText(row.value, GetParam()), inLocale(row.expected, GetParam()));
}

TEST(RoundTrip, GeneralTextParsesBackToTheValueRoundedTo15Digits) {
    const long double values[] = {1.0L / 3, -2.0L / 7, 1e-300L, 6.02214076e23L, 86251.76L, 1e15L - 1, 0.0001L};
    for (long double x : values) {
        for (const auto& s : {kComma, kDot}) {
            const auto back = parseNumber(generalText(x, s), s);
            ASSERT_TRUE(back);
            EXPECT_EQ(generalText(*back, s), generalText(x, s));
            EXPECT_LE(std::fabs(*back - x), std::fabs(x) * 1e-14L);
        }
    }
}

} // namespace
} // namespace orv
