// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "display_layout.h"

#include <string_view>

namespace orv {

// The 27 keys of the keypad, in the order of their rows.
enum class KeypadKey {
    C, CE, Sign, Divide, Multy, Minus,
    MC, Back, Digit7, Digit8, Digit9, Plus,
    MR, PerCent, Digit4, Digit5, Digit6,
    MMinus, Inv, Digit1, Digit2, Digit3, Eq,
    MPlus, Sqrt, Digit0, Comma,
};
inline constexpr int kKeypadKeyCount = 27;

// Controls an error hint can be placed under.
enum class HintTarget { Display, EvaluatorResult };

// What the calculator asks of its window. The window only draws; a recording fake stands in for
// it in tests.
class CalculatorView {
public:
    virtual ~CalculatorView() = default;
    virtual void showDisplay(const DisplayLayout& layout) = 0;    // pnOut3 / pnOut2
    virtual void showMemoryLine(const DisplayLayout& layout) = 0; // pnOutHist3 / pnOutHist2
    virtual void showSelectedRegister(int registerNumber, std::string_view label) = 0; // pnM1.., Panel15
    virtual void showSign(std::string_view sign) = 0;                                  // pnSSS
    virtual void setDisplayRed(bool mantissa, bool exponent) = 0;
    // Back to the digit colour; `frameToo` also re-reads the frame's colour from the settings.
    virtual void restoreDisplayColours(bool frameToo) = 0;
    virtual void showErrorHint(HintTarget target, std::string_view text) = 0;
    // A key refused: the bell, so that a dropped keystroke never goes unnoticed.
    virtual void beep() = 0;
    virtual void releaseKey(KeypadKey key) = 0;
    virtual void errorButUp() = 0; // releases =, -, +, *, /, M+, M-
    virtual void memIndOpen() = 0;
    virtual void memIndClose() = 0;
};

} // namespace orv
