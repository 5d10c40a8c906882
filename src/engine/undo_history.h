// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "calculator_state.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

namespace orv {

// The steps undo and redo take back and forward, one a key; Messages::UndoStepNames names them.
enum class UndoStep : std::uint8_t {
    Typing,
    Backspace,
    Operation,
    Equals,
    Percent,
    Reciprocal,
    SquareRoot,
    SignChange,
    ClearEntry,
    Clear,
    MemoryPlus,
    MemoryMinus,
    MemoryRecall,
    MemoryClear,
    SelectRegister,
    Paste,
    Value,
};
inline constexpr std::size_t kUndoStepKinds = 17;

// What the window shows beyond the state record: the operation sign, a red display, whether the
// memory line is open.
struct CalculatorLook {
    std::string sign = "=";
    bool redMantissa = false;
    bool redExponent = false;
    bool memoryLineOpen = false;
    bool operator==(const CalculatorLook&) const = default;
};

struct CalculatorSnapshot {
    CalculatorState state;
    CalculatorLook look;
    bool operator==(const CalculatorSnapshot&) const = default;
};

// The calculator as it was before each step, newest last, and the steps undone since, to redo.
class UndoHistory {
public:
    // At least a hundred steps back; more costs memory for nothing anyone would press through.
    static constexpr std::size_t kDepth = 200;

    struct Entry {
        CalculatorSnapshot before; // for redo: the calculator after the step
        UndoStep step = UndoStep::Typing;
        std::string detail; // the register ("M1") or the operation's sign the name speaks of
    };

    // A new step: the redo list goes, the oldest step too when the history is full.
    void record(Entry entry);
    // The step to take back, with `now` kept for redo; none when the history is empty.
    std::optional<Entry> takeUndo(const CalculatorSnapshot& now);
    std::optional<Entry> takeRedo(const CalculatorSnapshot& now);

    const Entry* nextUndo() const { return undo_.empty() ? nullptr : &undo_.back(); }
    const Entry* nextRedo() const { return redo_.empty() ? nullptr : &redo_.back(); }

private:
    std::deque<Entry> undo_;
    std::deque<Entry> redo_;
};

} // namespace orv
