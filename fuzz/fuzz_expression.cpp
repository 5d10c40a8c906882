// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// Random texts through the expression evaluator: no crash, no hang, no sanitizer report.
// The first byte picks the angle measure; a SUM is cut off after a bounded number of terms.
#include "expression.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    orv::EvaluationSettings settings;
    settings.angle = static_cast<orv::AngleMeasure>(data[0] % 4);
    settings.cancel = [](std::uint64_t terms) { return terms >= 20000; };
    orv::ExpressionVariables variables{};
    variables[0] = 2.5L;
    variables[8] = 7;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const orv::Evaluation e = orv::EvaluateExpression(text, variables, settings);
    // SUM must give I back whatever ended it.
    if (variables[8] != 7) __builtin_trap();
    if (e.diagnostics.size() > orv::kMaxDiagnostics) __builtin_trap();
    return 0;
}
