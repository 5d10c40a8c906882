// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "angle.h"
#include "extended.h"
#include "messages.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The 26 variables A to Z in letter order; SUM uses I as its index and restores it.
using ExpressionVariables = std::array<Extended, 26>;

inline Extended& variable(ExpressionVariables& variables, char letter) {
    return variables[static_cast<std::size_t>(letter - 'A')];
}

// One diagnostic: its fixed text (positions inside it are already written out) and the cursor,
// in characters from 1, at the moment it was raised.
struct Diagnostic {
    std::string text;
    int position = 0;
};

// Polled while SUM runs, every fraction of a millisecond of work, with the number of summand terms
// read so far in this evaluation; returning true stops the evaluation, which then reports
// its cancellation message (" Evaluation cancelled ") and gives 0. It runs on the evaluating thread.
using CancelCallback = std::function<bool(std::uint64_t terms)>;

struct EvaluationSettings {
    AngleMeasure angle = AngleMeasure::Radians;
    // The texts of every diagnostic, in the language in use.
    const Messages* messages = &messagesFor(Language::English);
    CancelCallback cancel;
    // SUM reads a plain-arithmetic summand once and runs it from then on; off, every term is
    // read from the text again: the reference the read-once form is checked against.
    bool readSummandOnce = true;
};

// Brackets and calls nested deeper than this end the evaluation with the nesting message
// (" Expression is too deeply nested ") and 0, before the stack runs out.
inline constexpr int kMaxNesting = 1000;

// At most this many diagnostics are kept: the first ones, and always the last one raised in
// place of the last kept (a SUM over millions of terms can raise one per term).
inline constexpr std::size_t kMaxDiagnostics = 1000;

struct Evaluation {
    Extended value = 0;
    std::vector<Diagnostic> diagnostics; // in the order raised: the first is nearly always the cause
    std::uint64_t omittedDiagnostics = 0;
    bool cancelled = false;
    // An arithmetic failure that no guard caught (a literal such as 1E5000 outside any bracket);
    // the value is then 0.
    bool escapedFailure = false;
    // Where text that the expression did not take begins ("2 3": 3), 0 when only white space
    // follows; such text is reported as a diagnostic.
    int unreadPosition = 0;
    // The measure the angles were taken in, once a function whose argument or value is an angle
    // was called: the value then depends on it. Hyperbolic functions take no angle.
    std::optional<AngleMeasure> angleMeasure;

    // A result only when nothing was reported: beside a diagnostic the value is a substitute (the
    // dividend of a division by zero, the sum so far), which must never pass for an answer.
    bool succeeded() const { return diagnostics.empty() && !escapedFailure && !cancelled; }
};

// Parses and evaluates the text in one pass; the text is the Evaluator's lines joined, UTF-8.
Evaluation EvaluateExpression(std::string_view text, ExpressionVariables& variables,
                              const EvaluationSettings& settings = {});

} // namespace orv
