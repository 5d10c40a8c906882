// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "conversion.h"
#include "number_text.h"
#include "unit_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace orv {
namespace {

const Separators kDot = dotSeparators();
const Messages& english() {
    return messagesFor(Language::English);
}

struct ConversionRow {
    const char* name;
    long double x;
    int group;
    int from;
    int to;
    const char* entryText;
};

void PrintTo(const ConversionRow& row, std::ostream* os) {
    *os << row.name;
}

class Converts : public ::testing::TestWithParam<ConversionRow> {};

TEST_P(Converts, ToTheRoundedEntryText) {
    const auto& row = GetParam();
    const auto result = convertValue(row.x, row.group, row.from, row.to, english(), kDot);
    ASSERT_EQ(result.outcome, ConversionOutcome::Converted);
    EXPECT_EQ(result.entryText, row.entryText);
    // The stored value is the entry text read back, not the unrounded result.
    EXPECT_EQ(result.value, *parseNumber(row.entryText, kDot));
    EXPECT_TRUE(result.message.empty());
}

const ConversionRow kConversions[] = {
    {"MileToMeter", 1, 0, 14, 0, "1609.344"},
    {"SeaMileToKilometer", 1, 0, 15, 4, "1.852"},
    {"MeterToFoot", 1, 0, 0, 17, "3.28083989501312"},
    // 3.28083989501312 × 0.3048 = 0.999999999999998976..., which keeps its fifteenth 9.
    {"FootBackToMeter", 3.28083989501312L, 0, 17, 0, "0.999999999999999"},
    {"CubitIsEighteenInches", 1, 0, 31, 16, "18"},
    {"FourPyadsMakeAnArshin", 4, 0, 47, 42, "1"},
    // 43560 square feet of 0.3048 m.
    {"AcreToSquareMeter", 1, 1, 5, 0, "4046.8564224"},
    {"SquareInchIsAHundredSquareLines", 1, 1, 9, 18, "100"},
    {"TroyToApothecariesOunce", 7, 3, 12, 13, "7"},
    {"CenturyIsAHundredYears", 1, 6, 7, 6, "100"},
    {"MilleniumIsAThousandYears", 1, 6, 8, 6, "1000"},
    // 0.45359237 kg × 9.80665 m/s² on 0.0254² m² = 6894.757293168361336...
    {"PsiToPascal", 1, 5, 15, 0, "6894.75729316836"},
    // 231 cubic inches of 0.0254 m = 3.785411784 dm³.
    {"GallonUsaToLitre", 1, 2, 34, 5, "3.785411784"},
    // The nail is 2.25 inches, a sixteenth of a yard.
    {"SixteenNailsMakeAYard", 16, 0, 37, 18, "1"},
    {"LongTonIs2240Pounds", 1, 3, 6, 10, "2240"},
    {"YottoToInputData", 1, 9, 1, 0, "1E24"},
    {"KiloToInputData", 5, 9, 8, 0, "5000"},
    {"NegativeLength", -2.5L, 0, 4, 0, "-2500"},
    {"PiSameUnitRoundsTo15Digits", 3.14159265358979323846L, 0, 0, 0, "3.14159265358979"},
    {"CelsiusToFahrenheit", 100, 4, 0, 2, "212"},
    {"FahrenheitToCelsiusAtMinus40", -40, 4, 2, 0, "-40"},
    {"ZeroKelvinToCelsius", 0, 4, 1, 0, "-273.15"},
    {"ZeroCelsiusToRankine", 0, 4, 0, 4, "491.67"},
    {"ReaumurEightyIsBoiling", 80, 4, 3, 0, "100"},
    {"BoilingIsReaumurEighty", 100, 4, 0, 3, "80"},
    {"RankineFreezingIsZeroCelsius", 491.67L, 4, 4, 0, "0"},
    {"AbsoluteZeroFromRankineToKelvin", 0, 4, 4, 1, "0"},
    {"AbsoluteZeroFromFahrenheitToKelvin", -459.67L, 4, 2, 1, "0"},
    {"FahrenheitZeroFromRankine", 459.67L, 4, 4, 2, "0"},
    {"OneRankineInKelvinKeepsEveryDigit", 1, 4, 4, 1, "0.555555555555556"},
    {"KelvinToFahrenheit", 373.15L, 4, 1, 2, "212"},
    {"FahrenheitToReaumur", 212, 4, 2, 3, "80"},
};
INSTANTIATE_TEST_SUITE_P(Catalogue, Converts, ::testing::ValuesIn(kConversions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Conversion, BaseUnitToItselfOnlyRounds) {
    const long double x = 1234.56789012345678L;
    for (int group = 0; group < kGroupCount; ++group) {
        const auto result = convertValue(x, group, 0, 0, english(), kDot);
        EXPECT_EQ(result.entryText, "1234.56789012346") << "group " << group;
    }
}

struct BoundRow {
    int scale;
    long double bound;
    std::string Messages::*message;
};

void PrintTo(const BoundRow& row, std::ostream* os) {
    *os << "scale " << row.scale;
}

class TemperatureBound : public ::testing::TestWithParam<BoundRow> {};

TEST_P(TemperatureBound, AcceptedAtTheBoundAsAbsoluteZero) {
    const auto& row = GetParam();
    const auto result = convertValue(row.bound, kTemperatureGroup, row.scale, 0, english(), kDot);
    ASSERT_EQ(result.outcome, ConversionOutcome::Converted);
    EXPECT_EQ(result.entryText, "-273.15");
}

TEST_P(TemperatureBound, RefusedJustBelowWithTheScalesMessage) {
    const auto& row = GetParam();
    const long double below = std::nextafter(row.bound, -std::numeric_limits<long double>::infinity());
    for (Language language : {Language::English, Language::Russian}) {
        const Messages& messages = messagesFor(language);
        // The target scale is never checked: refusal depends on the source scale only.
        for (int target = 0; target < 5; ++target) {
            const auto result = convertValue(below, kTemperatureGroup, row.scale, target, messages, kDot);
            ASSERT_EQ(result.outcome, ConversionOutcome::Refused);
            EXPECT_EQ(result.message, messages.*row.message);
            EXPECT_TRUE(result.entryText.empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, TemperatureBound,
                         ::testing::Values(BoundRow{0, -273.15L, &Messages::CelsiusLimitMessage},
                                           BoundRow{1, 0, &Messages::KelvinLimitMessage},
                                           BoundRow{2, -459.67L, &Messages::FahrenheitLimitMessage},
                                           BoundRow{3, -218.52L, &Messages::ReaumurLimitMessage},
                                           BoundRow{4, 0, &Messages::RankineLimitMessage}),
                         [](const auto& info) { return "Scale" + std::to_string(info.param.scale); });

TEST(Conversion, RefusedCelsiusCarriesTheExactText) {
    const auto result = convertValue(-300, kTemperatureGroup, 0, 1, english(), kDot);
    EXPECT_EQ(result.message, "The temperature in Celsius' degrees can not be lower than  -273.15 !");
    EXPECT_EQ(convertValue(-219, kTemperatureGroup, 3, 0, english(), kDot).message,
              "The temperature in Reaumur's degrees can not be lower than  -218.52 !");
}

struct OverflowRow {
    const char* name;
    long double x;
    int group;
    int from;
    int to;
};

void PrintTo(const OverflowRow& row, std::ostream* os) {
    *os << row.name;
}

class OverflowIsReported : public ::testing::TestWithParam<OverflowRow> {};

// A step beyond the range never passes a substitute on as the result.
TEST_P(OverflowIsReported, InTheLanguageInUse) {
    const auto& row = GetParam();
    for (const Language language : {Language::English, Language::Russian}) {
        const Messages& messages = messagesFor(language);
        const auto result = convertValue(row.x, row.group, row.from, row.to, messages, kDot);
        EXPECT_EQ(result.outcome, ConversionOutcome::Overflowed);
        EXPECT_EQ(result.message, messages.OverflowMessage);
        EXPECT_TRUE(result.entryText.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, OverflowIsReported,
                         ::testing::Values(OverflowRow{"MultiplyToBase", 1e4920L, 9, 1, 0},  // × 1e24
                                           OverflowRow{"DivideFromBase", 1e4920L, 9, 0, 20}, // ÷ 1e-24
                                           OverflowRow{"NegativeToBase", -1e4920L, 9, 1, 0},
                                           OverflowRow{"TemperatureFromCelsius", 1e4932L, 4, 0, 2}, // × 9
                                           OverflowRow{"KilometerToMillimeter", 1e4930L, 0, 4, 3},
                                           OverflowRow{"YottaThenTarget", 1e4920L, 9, 1, 8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Conversion, OutsideTheCatalogueOnlyRounds) {
    const long double pi = 3.14159265358979323846L;
    for (auto [group, from, to] : {std::tuple{10, 0, 0}, {-1, 0, 0}, {0, 50, 0}, {0, 0, -1}, {4, 5, 0}})
        EXPECT_EQ(convertValue(pi, group, from, to, english(), kDot).entryText, "3.14159265358979");
}

TEST(Conversion, EntryTextUsesTheLocaleSeparator) {
    const Separators comma{",", " "};
    const auto result = convertValue(1, 0, 0, 17, english(), comma);
    EXPECT_EQ(result.entryText, "3,28083989501312");
    EXPECT_EQ(result.value, 3.28083989501312L);
}

} // namespace
} // namespace orv
