// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"

#include <optional>
#include <string>

namespace orv {

// The shapes a line of the tape takes; the tape's text forms (tape_line.cpp) write each one. Every
// line is a statement that reads right without the calculator: "2 + 3 = 5", "sin 30° = 0.5", or,
// for a step that failed, what was asked and why it has no result: "7 ÷ 0: It is impossible...".
enum class TapeForm {
    Operation,  // a op b = result             2 + 3 = 5, 2 ^ 10 = 1024, 1 ÷ 4 = 0.25
    LogBase,    // log_b a = result            log₂ 8 = 3 (b written in subscript)
    Percent,    // a op b% = result            200 + 10% = 220
    Function,   // name a = result             sin 30° = 0.5, ln 2 = 0.69...
    Sign,       // name a = result, no blank   √9 = 3, ∛27 = 3
    Postfix,    // a name = result             9² = 81, 5! = 120, (-3)³ = -27
    Negation,   // −(a) = result               −(5) = -5
    Memory,     // name op a = result          M1 + 20 = 45
    MemoryClear,// name = result               M1 = 0
    Conversion, // a name = result b           1.5 Kilometer = 1500 Meter
    Statistic,  // name = result               Mean of 8 values = 5
    Expression, // a = result b                SUM(1,100,I*I) = 338350, SIN(30) = 0.5 (degrees)
    Note,       // name, no result             Undo: clear M1
    Written,    // name, as it stands          a line read back from the tape's file
};

// One step for the tape. Numbers are already text, as Copy gives them (no grouping, the
// display's decimal separator), so any number on the tape can be pasted back.
struct TapeStep {
    TapeForm form = TapeForm::Expression;
    std::string a;
    std::string b;
    std::string name; // a function, a register, a unit, a statistic
    std::string op;   // + − × ÷ ^
    std::string result;
    std::string message; // not empty: the step failed, and this says why
    std::optional<Extended> value; // the result as a number: what the line gives back

    void setResult(Extended number, std::string text) {
        value = number;
        result = std::move(text);
    }

    bool operator==(const TapeStep&) const = default;
};

// Told of every step the calculator completes, in order, as data: the tape keeps the steps, and
// the window and the file write them out, so the calculator never deals in the tape's text.
class TapeObserver {
public:
    virtual ~TapeObserver() = default;
    virtual void writeTapeStep(const TapeStep& step) = 0;
};

} // namespace orv
