// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "expression.h"
#include "number_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv::test {

// One evaluation: the text, the angle measure, the value as shown (15 digits) and every
// diagnostic in the order raised. "DIV0", "ROOT" and "ABOVE1" stand for the language messages.
struct ExpressionRow {
    const char* text;
    const char* value;
    std::vector<std::string> diagnostics = {};
    AngleMeasure angle = AngleMeasure::Radians;
};

inline std::string messageFor(const std::string& token) {
    const Messages& english = messagesFor(Language::English);
    if (token == "DIV0") return english.DivideByZeroMessage;
    if (token == "ROOT") return english.NegativeRootMessage;
    if (token == "ABOVE1") return english.ArgumentAboveOneMessage;
    return token;
}

inline void checkRows(const std::vector<ExpressionRow>& rows) {
    for (const auto& row : rows) {
        ExpressionVariables variables{};
        EvaluationSettings settings;
        settings.angle = row.angle;
        const Evaluation e = EvaluateExpression(row.text, variables, settings);
        EXPECT_EQ(generalText(e.value, dotSeparators()), row.value) << "'" << row.text << "'";
        std::vector<std::string> expected, got;
        for (const auto& d : row.diagnostics) expected.push_back(messageFor(d));
        for (const auto& d : e.diagnostics) got.push_back(d.text);
        EXPECT_EQ(got, expected) << "'" << row.text << "'";
    }
}

} // namespace orv::test
