// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "latin_letters.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

// Key codes of the standard PC keyboard (the kernel's code plus 8), named by the US layout.
enum Code : std::uint32_t {
    Digit1 = 10, Q = 24, R = 27, Y = 29, P = 33, S = 39, H = 43, Semicolon = 47, C = 54, M = 58,
    Period = 60, BeyondTheTable = 300,
};

struct Row {
    const char* layouts;
    const char* variants;
    std::uint32_t keycode;
    char letter;
    bool fromKeymap;
};

class LatinLettersTest : public testing::TestWithParam<Row> {};

TEST_P(LatinLettersTest, EachKeyStandsForItsLetter) {
    const Row& row = GetParam();
    const XkbKeymap keymap = compileKeymap(row.layouts, row.variants);
    ASSERT_TRUE(keymap) << "the keyboard data has no layout " << row.layouts;
    const LatinLetters letters(keymap.get());
    EXPECT_EQ(letters.letterOf(row.keycode), row.letter);
    EXPECT_EQ(letters.fromKeymap(), row.fromKeymap);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LatinLettersTest,
    testing::Values(
        Row{"us", "", S, 'S', true},
        Row{"us", "", Digit1, 0, true},
        Row{"us", "", BeyondTheTable, 0, true},
        // A lone non-Latin layout: the letters of the US keyboard.
        Row{"ru", "", S, 'S', false},
        Row{"ru", "", R, 'R', false},
        Row{"ru", "", Semicolon, 0, false},
        Row{"ru", "", Period, 0, false},
        Row{"gr", "", C, 'C', false},
        Row{"ua,ru", ",", H, 'H', false},
        // A Latin layout beside it, before or after: its letters, as the user labelled the keys.
        Row{"ru,us", ",", P, 'P', true},
        Row{"us,ru", ",", H, 'H', true},
        Row{"ru,fr", ",", Semicolon, 'M', true},
        Row{"ru,fr", ",", Q, 'A', true},
        Row{"ru,fr", ",", M, 0, true},
        Row{"ru,de", ",", Y, 'Z', true},
        Row{"ru,us", ",dvorak", S, 'O', true},
        // The first Latin layout decides, not a later one.
        Row{"ru,de,us", ",,", Y, 'Z', true}));

TEST(LatinLettersTest, WithoutAKeymapTheUsKeyboardStands) {
    const LatinLetters letters(nullptr);
    EXPECT_EQ(letters.letterOf(C), 'C');
    EXPECT_FALSE(letters.fromKeymap());
}

TEST(LatinLettersTest, UnknownLayoutNamesGiveNoKeymap) {
    EXPECT_FALSE(compileKeymap("no-such-layout"));
}

} // namespace
} // namespace orv
