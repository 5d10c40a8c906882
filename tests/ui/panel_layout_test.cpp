// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "panel_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv {
namespace {

// After each View command: the window's outer width, how far it moved right, the display's width,
// whether the size items are on, and where the memory line starts.
struct After {
    int width, moved, display;
    bool sizeItems;
    int memoryLine;
};

struct LayoutRow {
    const char* name;
    std::string commands; // S scientific, T statistics, C conversion
    int roomOnTheLeft;
    std::vector<After> after;
};

class PanelLayoutTest : public testing::TestWithParam<LayoutRow> {};

TEST_P(PanelLayoutTest, EachCommandSetsTheSizesAndPlaces) {
    const LayoutRow& row = GetParam();
    ASSERT_EQ(row.commands.size(), row.after.size());
    PanelLayout layout;
    for (std::size_t i = 0; i < row.commands.size(); ++i) {
        int moved = 0;
        switch (row.commands[i]) {
        case 'S': layout.toggle(WidePanel::Science); break;
        case 'T': layout.toggle(WidePanel::Statistics); break;
        default: moved = layout.toggleConversion(row.roomOnTheLeft); break;
        }
        const After& want = row.after[i];
        SCOPED_TRACE("after command " + std::to_string(i));
        EXPECT_EQ(layout.outerWidth(), want.width);
        EXPECT_EQ(moved, want.moved);
        EXPECT_EQ(layout.displayWidth(), want.display);
        EXPECT_EQ(layout.sizeItemsEnabled(), want.sizeItems);
        EXPECT_EQ(layout.memoryLineLeft(), want.memoryLine);
        EXPECT_EQ(layout.besideKeypadLeft(), layout.conversionShown() ? 410 : 244);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, PanelLayoutTest,
    testing::Values(
        LayoutRow{"ScientificOnAndOff", "SS", 500, {{474, 0, 240, false, 2}, {246, 0, 209, true, 2}}},
        LayoutRow{"StatisticsInPlaceOfScientific", "ST", 500, {{474, 0, 240, false, 2}, {474, 0, 240, false, 2}}},
        // Back from the conversion panel the display is a pixel wider and the memory line at 0.
        LayoutRow{"ConversionOnAndOff", "CC", 500, {{415, -168, 240, false, 168}, {246, 168, 210, true, 0}}},
        LayoutRow{"ConversionNearTheScreenEdge", "CC", 40, {{415, -40, 240, false, 168}, {246, 40, 210, true, 0}}},
        LayoutRow{"ConversionAtTheScreenEdge", "C", -5, {{415, 0, 240, false, 168}}},
        LayoutRow{"ConversionThenScientific", "CSSC", 500,
                  {{415, -168, 240, false, 168}, {643, 0, 240, false, 168}, {415, 0, 240, false, 168},
                   {246, 168, 210, true, 0}}},
        // Beside a wide panel hiding the conversion panel gives nothing back and leaves 476 pixels.
        LayoutRow{"ScientificThenConversionOnAndOff", "SCCS", 500,
                  {{474, 0, 240, false, 2}, {643, -168, 240, false, 168}, {476, 0, 240, false, 0},
                   {246, 0, 209, true, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PanelLayout, OnlyThePlainKeypadHasTheSizeButtonOrForcesNoMemoryLine) {
    PanelLayout layout;
    EXPECT_TRUE(layout.sizeButtonEnabled());
    EXPECT_FALSE(layout.memoryLineForced());
    layout.toggle(WidePanel::Statistics);
    EXPECT_TRUE(layout.memoryLineForced());
    EXPECT_TRUE(layout.sizeButtonEnabled()) << "covered by the wide display, not disabled";
    layout.toggleConversion(0);
    EXPECT_FALSE(layout.sizeButtonEnabled());
    layout.toggle(WidePanel::Statistics);
    EXPECT_FALSE(layout.memoryLineForced());
    EXPECT_FALSE(layout.sizeItemsEnabled());
}

} // namespace
} // namespace orv
