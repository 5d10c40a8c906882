// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "evaluation_tape.h"

#include "diagnostic_list.h"
#include "number_text.h"

#include <array>
#include <utility>

namespace orv {
namespace {

// Radians are the plain number of mathematics and say nothing.
constexpr std::array<std::pair<AngleMeasure, std::string Messages::*>, 3> kMeasureNotes{{
    {AngleMeasure::Degrees, &Messages::TapeInDegrees},
    {AngleMeasure::Grads, &Messages::TapeInGrads},
    {AngleMeasure::Cycles, &Messages::TapeInCycles},
}};

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

} // namespace

TapeStep evaluationTapeStep(std::string_view text, const Evaluation& evaluation, const Separators& separators,
                            const Messages& messages) {
    TapeStep step;
    step.form = TapeForm::Expression;
    step.a = trimmed(text);
    for (const auto& [measure, note] : kMeasureNotes)
        if (evaluation.angleMeasure == measure) step.b = messages.*note;
    if (evaluation.succeeded()) step.setResult(evaluation.value, generalText(evaluation.value, separators));
    else if (!evaluation.diagnostics.empty()) step.message = diagnosticMessage(evaluation.diagnostics.front());
    return step;
}

} // namespace orv
