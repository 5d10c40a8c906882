// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"

#include <array>
#include <cstdint>
#include <string>

namespace orv {

// Codes of `PendingOperation`; the numbers are stored and compared as they are.
enum class Operation : std::uint8_t {
    opAdd = 0,
    opSubtract = 1,
    opMultiply = 2,
    opDivide = 3,
    opPower = 4,
    opLogBase = 5,
    opNone = 6,
};

inline constexpr int kRegisterCount = 10;

// The one state record of the calculator; the window owns one for the life of the program.
struct CalculatorState {
    Extended CurrentValue = 0;
    std::string EntryText;
    std::string DisplayText;
    std::string TrimText;
    Extended ResultValue = 0;
    Extended FirstOperand = 0;
    Extended SecondOperand = 0;
    Operation PendingOperation = Operation::opAdd;
    bool EqualsEnabled = false;
    bool Typing = false;
    bool OperandStored = false;
    bool DecimalEntered = false;
    // The shown value was handed in as the right operand of the pending operation (a one-operand
    // key, pi, a statistics or converted value, a paste): the next operation key completes the
    // chain even when that value equals FirstOperand.
    bool OperandEntered = false;

    // Memory: registers M1..M10 are MemoryRegisters[0..9].
    std::array<Extended, kRegisterCount> MemoryRegisters{};
    int SelectedRegister = 1;
    Extended MemoryValue = 0;
    std::string MemoryEntryText;
    std::string MemoryDisplayText;
    bool MemoryUsed = false;

    bool GroupThousands = true;

    bool operator==(const CalculatorState&) const = default;
};

} // namespace orv
