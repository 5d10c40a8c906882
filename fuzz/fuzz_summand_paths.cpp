// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// SUM's two ways to a term side by side: the summand read once and run (a block of terms at a
// time, or term by term where a block reports), against every term read from the text again.
// Random summands and limits must give the same value to the bit and the same diagnostics, in
// the same order and at the same positions, and the same I afterwards. Evaluations long enough to
// be cancelled are cut short and not compared: where the poll stops them depends on the clock.
// Input: angle measure, lower limit, number of terms, then the summand (or, after a "!", a
// whole expression, which may hold SUMs anywhere).
#include "expression.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

orv::Evaluation evaluate(const std::string& text, orv::AngleMeasure angle, bool readOnce,
                         orv::ExpressionVariables& variables) {
    orv::EvaluationSettings settings;
    settings.angle = angle;
    settings.readSummandOnce = readOnce;
    settings.cancel = [](std::uint64_t terms) { return terms >= 20000; };
    return orv::EvaluateExpression(text, variables, settings);
}

bool sameBits(orv::Extended a, orv::Extended b) { return std::memcmp(&a, &b, 10) == 0; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const auto angle = static_cast<orv::AngleMeasure>(data[0] % 4);
    const int low = static_cast<std::int8_t>(data[1]);
    const int count = data[2] * 2; // up to several blocks of terms; 0 gives reversed limits
    std::string rest(reinterpret_cast<const char*>(data + 3), size - 3);
    const std::string text = !rest.empty() && rest[0] == '!'
                                 ? rest.substr(1)
                                 : "SUM(" + std::to_string(low) + "," + std::to_string(low + count - 1) + "," +
                                       rest + ")";

    orv::ExpressionVariables once{}, again{};
    for (orv::ExpressionVariables* v : {&once, &again}) {
        (*v)[0] = 2.5L;     // A
        (*v)[1] = -1e-300L; // B
        (*v)[8] = 7;        // I
        (*v)[25] = 1e4000L; // Z
    }
    const orv::Evaluation a = evaluate(text, angle, true, once);
    const orv::Evaluation b = evaluate(text, angle, false, again);
    // The poll comes by time, so where a long evaluation stops differs from run to run.
    if (a.cancelled || b.cancelled) return 0;
    if (!sameBits(a.value, b.value)) __builtin_trap();
    if (a.diagnostics.size() != b.diagnostics.size()) __builtin_trap();
    for (std::size_t i = 0; i < a.diagnostics.size(); ++i) {
        if (a.diagnostics[i].text != b.diagnostics[i].text) __builtin_trap();
        if (a.diagnostics[i].position != b.diagnostics[i].position) __builtin_trap();
    }
    if (a.omittedDiagnostics != b.omittedDiagnostics ||
        a.escapedFailure != b.escapedFailure || a.unreadPosition != b.unreadPosition)
        __builtin_trap();
    for (std::size_t i = 0; i < once.size(); ++i)
        if (!sameBits(once[i], again[i])) __builtin_trap();
    return 0;
}
