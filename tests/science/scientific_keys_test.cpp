// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "scientific_keys.h"
#include "shown.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::shown;

struct KeyRow {
    const char* name;
    ScientificKey key;
    AngleMeasure measure;
    Extended x;
    FunctionOutcome outcome;
    const char* shown; // for FunctionOutcome::Value
};

TEST(ScientificKeys, OutcomesAndValues) {
    const auto rad = AngleMeasure::Radians;
    const auto deg = AngleMeasure::Degrees;
    const auto grad = AngleMeasure::Grads;
    const auto cyc = AngleMeasure::Cycles;
    const auto value = FunctionOutcome::Value;
    const auto invalid = FunctionOutcome::InvalidArgument;
    const auto overflow = FunctionOutcome::Overflow;
    const KeyRow rows[] = {
        {"30 sin deg", ScientificKey::Sin, deg, 30, value, "0.5"},
        {"100 sin grad", ScientificKey::Sin, grad, 100, value, "1"},
        {"0.25 sin cycle", ScientificKey::Sin, cyc, 0.25L, value, "1"},
        {"1 arctg deg", ScientificKey::Arctg, deg, 1, value, "45"},
        {"-1 arcctg deg", ScientificKey::Arcctg, deg, -1, value, "-45"},
        {"2 sec rad", ScientificKey::Sec, rad, 2, value, "-2.40299796172238"},
        {"2 cosec rad", ScientificKey::Cosec, rad, 2, value, "1.09975017029462"},
        {"1.5 arcsin", ScientificKey::Arcsin, rad, 1.5L, FunctionOutcome::ArgumentAboveOne, ""},
        {"-1.5 arccos", ScientificKey::Arccos, rad, -1.5L, FunctionOutcome::ArgumentAboveOne, ""},
        {"1 arccos", ScientificKey::Arccos, rad, 1, value, "0"},
        {"0 arcctg", ScientificKey::Arcctg, rad, 0, FunctionOutcome::ArgumentZero, ""},
        {"0 ln", ScientificKey::Ln, rad, 0, invalid, ""},
        {"-1 lg", ScientificKey::Log, rad, -1, invalid, ""},
        {"1000 lg", ScientificKey::Log, rad, 1000, value, "3"},
        {"0 ctg", ScientificKey::Ctg, rad, 0, invalid, ""},
        {"0 cth", ScientificKey::Cth, rad, 0, invalid, ""},
        {"0 cosech", ScientificKey::Cosech, rad, 0, invalid, ""},
        {"1 cosech", ScientificKey::Cosech, rad, 1, value, "0.850918128239322"},
        {"1 sech", ScientificKey::Sech, rad, 1, value, "0.648054273663885"},
        {"1 arcth", ScientificKey::Arcth, rad, 1, invalid, ""},
        {"-1 arcth", ScientificKey::Arcth, rad, -1, invalid, ""},
        {"0.5 arcth", ScientificKey::Arcth, rad, 0.5L, invalid, ""},
        {"2 arcth", ScientificKey::Arcth, rad, 2, value, "0.549306144334055"},
        {"-2 arcth", ScientificKey::Arcth, rad, -2, value, "-0.549306144334055"},
        {"11357.3 sh", ScientificKey::Sh, rad, 11357.3L, overflow, ""},
        {"-11357.3 ch", ScientificKey::Ch, rad, -11357.3L, overflow, ""},
        {"11357 exp", ScientificKey::Exp, rad, 11357, overflow, ""},
        {"-20000 exp", ScientificKey::Exp, rad, -20000, value, "0"},
        {"20000 sh", ScientificKey::Sh, rad, 20000, overflow, ""},
        {"-20000 ch", ScientificKey::Ch, rad, -20000, overflow, ""},
        {"1e-4940 cosec", ScientificKey::Cosec, rad, 1e-4940L, overflow, ""},
        {"0 cosec", ScientificKey::Cosec, rad, 0, invalid, ""},
        {"90 tg deg", ScientificKey::Tg, deg, 90, invalid, ""},
        {"1e-10 sh", ScientificKey::Sh, rad, 1e-10L, value, "1E-10"},
        {"6000 th", ScientificKey::Th, rad, 6000, value, "1"},
        {"-6000 th", ScientificKey::Th, rad, -6000, value, "-1"},
        {"0.5 arch", ScientificKey::Arch, rad, 0.5L, value, "0"},
        {"1 arth", ScientificKey::Arth, rad, 1, value, "1.1E4932"},
        {"-1 arth", ScientificKey::Arth, rad, -1, value, "-1.1E4932"},
        {"0 arsh", ScientificKey::Arsh, rad, 0, value, "0"},
        {"-1e300 arsh", ScientificKey::Arsh, rad, -1e300L, value, "-691.468675078774"},
        {"9 x2", ScientificKey::X2, rad, 9, value, "81"},
        {"-3 x3", ScientificKey::X3, rad, -3, value, "-27"},
        {"1e2000 x3", ScientificKey::X3, rad, 1e2000L, overflow, ""},
        {"-8 cube root", ScientificKey::CubeRoot, rad, -8, value, "-2"},
        {"27 cube root", ScientificKey::CubeRoot, rad, 27, value, "3"},
        {"170 n!", ScientificKey::Factorial, rad, 170, value, "7.257415615308E306"},
        {"1754 n!", ScientificKey::Factorial, rad, 1754, value, "1.97926189010501E4930"},
        {"1755 n!", ScientificKey::Factorial, rad, 1755, overflow, ""},
        {"4294967298 n!", ScientificKey::Factorial, rad, 4294967298.0L, overflow, ""},
        {"-5 n!", ScientificKey::Factorial, rad, -5, value, "1"},
        {"4.5 n!", ScientificKey::Factorial, rad, 4.5L, value, "24"},
    };
    for (const auto& row : rows) {
        const FunctionResult r = applyScientificKey(row.key, row.x, row.measure);
        EXPECT_EQ(r.outcome, row.outcome) << row.name;
        if (row.outcome == FunctionOutcome::Value) {
            EXPECT_EQ(shown(r.value), row.shown) << row.name;
        }
    }
}

TEST(ScientificKeys, ExactResultsWhereTheyExist) {
    EXPECT_EQ(applyScientificKey(ScientificKey::CubeRoot, 27, AngleMeasure::Radians).value, 3.0L);
    EXPECT_EQ(applyScientificKey(ScientificKey::Cos, 90, AngleMeasure::Degrees).value, 0.0L);
    EXPECT_EQ(applyScientificKey(ScientificKey::Arcsin, 1, AngleMeasure::Degrees).value, 90.0L);
    EXPECT_EQ(piValue(), kPi);
}

TEST(ScientificKeys, FailureMessagesComeFromTheLanguage) {
    const Messages& english = messagesFor(Language::English);
    const Messages& russian = messagesFor(Language::Russian);
    const auto message = [](ScientificKey key, FunctionOutcome outcome, const Messages& messages) {
        return failureMessage(key, outcome, messages);
    };
    using K = ScientificKey;
    using O = FunctionOutcome;
    EXPECT_EQ(message(K::Arcsin, O::ArgumentAboveOne, english), "The value of variable must be <= 1 !");
    EXPECT_EQ(message(K::Arcctg, O::ArgumentZero, english), "The value of variable must not be 0 !");
    EXPECT_EQ(message(K::Ln, O::InvalidArgument, english), "Invalid argument of ln!");
    EXPECT_EQ(message(K::Log, O::InvalidArgument, english), "Invalid argument of lg!");
    EXPECT_EQ(message(K::Arcth, O::InvalidArgument, russian), "Недопустимый аргумент функции Arcth!");
    EXPECT_EQ(message(K::Exp, O::Overflow, english), english.OverflowMessage);
    EXPECT_EQ(message(K::Factorial, O::Overflow, russian), russian.OverflowMessage);
    EXPECT_EQ(message(K::Ln, O::Value, english), "");
}

} // namespace
} // namespace orv
