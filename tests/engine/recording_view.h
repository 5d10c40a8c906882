// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "calculator.h"
#include "locale_text.h"
#include "tape_line.h"

#include <string>
#include <vector>

namespace orv::testing {

// Records what the calculator asks its window to show, as a user would see it.
class RecordingView : public CalculatorView, public TapeObserver {
public:
    std::vector<std::string> tape;
    std::vector<std::optional<Extended>> results; // beside each line of the tape
    DisplayLayout display;
    DisplayLayout memoryLine;
    std::string sign = "=";
    std::string registerLabel;
    int selectedRegister = 0;
    bool mantissaRed = false;
    bool exponentRed = false;
    int frameRestores = 0;
    std::vector<std::string> hints;
    std::vector<KeypadKey> released;
    int errorButUps = 0;
    int beeps = 0;
    int height = 216; // the simple view's height, as memIndOpen/memIndClose set it

    void showDisplay(const DisplayLayout& layout) override { display = layout; }
    void showMemoryLine(const DisplayLayout& layout) override { memoryLine = layout; }
    void showSelectedRegister(int n, std::string_view label) override {
        selectedRegister = n;
        registerLabel = label;
    }
    void showSign(std::string_view s) override { sign = s; }
    void setDisplayRed(bool mantissa, bool exponent) override {
        mantissaRed = mantissaRed || mantissa;
        exponentRed = exponentRed || exponent;
    }
    void restoreDisplayColours(bool frameToo) override {
        mantissaRed = exponentRed = false;
        frameRestores += frameToo ? 1 : 0;
    }
    void showErrorHint(HintTarget, std::string_view text) override { hints.emplace_back(text); }
    void releaseKey(KeypadKey key) override { released.push_back(key); }
    void errorButUp() override { ++errorButUps; }
    void beep() override { ++beeps; }
    void memIndOpen() override { height = 244; }
    void memIndClose() override { height = 216; }
    // The line as the tape window would show it.
    void writeTapeStep(const TapeStep& step) override {
        tape.push_back(tapeLine(step));
        results.push_back(tapeResult(step));
    }

    // The display as one line of text: mantissa without its padding, then "^exponent".
    std::string shown() const {
        std::string text = display.mantissa;
        while (!text.empty() && text.back() == ' ') text.pop_back();
        return display.exponent.empty() ? text : text + "^" + display.exponent;
    }
};

// Presses keys named as on the keypad, separated by blanks, through the window's own door
// (Calculator::press): digits (several in one word type one after another), "," (the
// separator), + - * / = % "1/x" "sqrt" "+/-" "CE" "C" "BS" "M+" "M-" "MR" "MC"; and "M1".."M10"
// (select a register), "^" and "log" (x^y, log-base), the scientific keys "sin" "x2"... in the
// measure last named ("rad", "deg", "grad", "cycle"), "pi", "list" (the statistics Enter key)
// and "N" "sum" "mean" "sigman" "sigman-1" over that list, "paste:TEXT" ("." is the locale's
// separator), "conv:FROM>TO" (unit names, "_" for a blank), and "undo" and "redo" (there must be
// a step to take).
void pressKeys(Calculator& calculator, std::string_view keys);

} // namespace orv::testing
