// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "display_layout.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

struct LayoutRow {
    const char* text;
    DisplayKind kind;
    DisplayLayout expected;
};

TEST(DisplayLayout, SplitsTheExponentOffAfterTheLastE) {
    const LayoutRow rows[] = {
        {"5", DisplayKind::Main, {"5 ", "", false, 1, 20}},
        {"1 234 567", DisplayKind::Main, {"1 234 567 ", "", false, 1, 20}},
        {"1E-5", DisplayKind::Main, {"1*10          ", "-5", true, 3, 18}},
        {"1,000000000000E-0020", DisplayKind::Main, {"1,000000000000*10          ", "-0020", true, 3, 18}},
        {"1e15", DisplayKind::Main, {"1*10          ", "15", true, 3, 18}},
        {"1E2E3", DisplayKind::Main, {"12*10          ", "3", true, 3, 18}},
        {"", DisplayKind::Main, {" ", "", false, 1, 20}},
        {"5", DisplayKind::Memory, {"5 ", "", false, 2, 15}},
        {"1,5E20", DisplayKind::Memory, {"1,5*10           ", "20", true, 3, 15}},
        {"0,5", DisplayKind::Evaluator, {"0,5 ", "", false, 2, 15}},
        {"1,5E20", DisplayKind::Evaluator, {"1,5*10          ", "20", true, 3, 15}},
    };
    for (const auto& row : rows) EXPECT_EQ(layoutDisplay(row.text, row.kind), row.expected) << row.text;
}

} // namespace
} // namespace orv
