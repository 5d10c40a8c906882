// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "scientific_keys.h"

#include "hyperbolic.h"
#include "math_result.h"
#include "powers.h"
#include "trigonometry.h"

#include <array>
#include <cmath>
#include <optional>

namespace orv {
namespace {

using AngleFunction = std::optional<Extended> (*)(Extended, AngleMeasure);
using PlainFunction = std::optional<Extended> (*)(Extended);

enum class DomainCheck { None, AboveOne, Zero };

// Where the angle measure shows on the tape: after the argument (sin 30°) or the result
// (arcsin 1 = 90°).
enum class AngleAt { None, Argument, Result };

struct KeyRow {
    ScientificKey key;
    const char* name; // as written on the key, for its failure message
    AngleFunction angular; // takes or gives an angle
    PlainFunction plain;
    DomainCheck check;
    TapeForm form = TapeForm::Function;
    const char* tapeName = nullptr; // where the tape writes it otherwise than the key (9² = 81)
};

constexpr std::array<KeyRow, 27> kKeys{{
    {ScientificKey::Sin, "sin", sine, nullptr, DomainCheck::None},
    {ScientificKey::Cos, "cos", cosine, nullptr, DomainCheck::None},
    {ScientificKey::Tg, "tg", tangent, nullptr, DomainCheck::None},
    {ScientificKey::Ctg, "ctg", cotangent, nullptr, DomainCheck::None},
    {ScientificKey::Sec, "sec", secant, nullptr, DomainCheck::None},
    {ScientificKey::Cosec, "cosec", cosecant, nullptr, DomainCheck::None},
    {ScientificKey::Arcsin, "arcsin", arcsine, nullptr, DomainCheck::AboveOne},
    {ScientificKey::Arccos, "arccos", arccosine, nullptr, DomainCheck::AboveOne},
    {ScientificKey::Arctg, "arctg", arctangent, nullptr, DomainCheck::None},
    {ScientificKey::Arcctg, "arcctg", arccotangent, nullptr, DomainCheck::Zero},
    {ScientificKey::Sh, "sh", nullptr, hyperbolicSine, DomainCheck::None},
    {ScientificKey::Ch, "ch", nullptr, hyperbolicCosine, DomainCheck::None},
    {ScientificKey::Th, "th", nullptr, hyperbolicTangent, DomainCheck::None},
    {ScientificKey::Cth, "cth", nullptr, hyperbolicCotangent, DomainCheck::None},
    {ScientificKey::Sech, "sech", nullptr, hyperbolicSecant, DomainCheck::None},
    {ScientificKey::Cosech, "cosech", nullptr, hyperbolicCosecant, DomainCheck::None},
    {ScientificKey::Arsh, "Arsh", nullptr, inverseHyperbolicSine, DomainCheck::None},
    {ScientificKey::Arch, "Arch", nullptr, inverseHyperbolicCosine, DomainCheck::None},
    {ScientificKey::Arth, "Arth", nullptr, inverseHyperbolicTangent, DomainCheck::None},
    {ScientificKey::Arcth, "Arcth", nullptr, inverseHyperbolicCotangent, DomainCheck::None},
    {ScientificKey::X2, "x²", nullptr, square, DomainCheck::None, TapeForm::Postfix, "\u00B2"},
    {ScientificKey::X3, "x³", nullptr, cube, DomainCheck::None, TapeForm::Postfix, "\u00B3"},
    {ScientificKey::CubeRoot, "∛x", nullptr, cubeRoot, DomainCheck::None, TapeForm::Sign, "\u221B"},
    {ScientificKey::Ln, "ln", nullptr, naturalLogarithm, DomainCheck::None},
    {ScientificKey::Log, "lg", nullptr, commonLogarithm, DomainCheck::None},
    {ScientificKey::Exp, "Exp", nullptr, exponential, DomainCheck::None, TapeForm::Function, "exp"},
    {ScientificKey::Factorial, "n!", nullptr, factorial, DomainCheck::None, TapeForm::Postfix, "!"},
}};

} // namespace

FunctionResult applyScientificKey(ScientificKey key, Extended x, AngleMeasure measure) {
    for (const KeyRow& row : kKeys) {
        if (row.key != key) continue;
        if (row.check == DomainCheck::AboveOne && std::fabs(x) > 1) return {FunctionOutcome::ArgumentAboveOne, 0};
        if (row.check == DomainCheck::Zero && x == 0) return {FunctionOutcome::ArgumentZero, 0};
        const auto compute = [&] { return row.angular ? row.angular(x, measure) : row.plain(x); };
        if (const std::optional<Extended> value = compute()) return {FunctionOutcome::Value, *value};
        const bool overflow = failureKind(compute) == FailureKind::Overflow;
        return {overflow ? FunctionOutcome::Overflow : FunctionOutcome::InvalidArgument, 0};
    }
    return {FunctionOutcome::InvalidArgument, 0};
}

namespace {

const KeyRow& rowOf(ScientificKey key) {
    for (const KeyRow& row : kKeys)
        if (row.key == key) return row;
    return kKeys.front();
}

AngleAt angleAt(const KeyRow& row) {
    if (!row.angular) return AngleAt::None;
    switch (row.key) {
    case ScientificKey::Arcsin:
    case ScientificKey::Arccos:
    case ScientificKey::Arctg:
    case ScientificKey::Arcctg: return AngleAt::Result;
    default: return AngleAt::Argument;
    }
}

// The measure's sign after a number; radians are the plain number of mathematics.
std::string measureSuffix(AngleMeasure measure, const Messages& messages) {
    switch (measure) {
    case AngleMeasure::Degrees: return "\u00B0";
    case AngleMeasure::Grads: return "\u1D4D";
    case AngleMeasure::Cycles: return " " + messages.TapeTurn;
    case AngleMeasure::Radians: break;
    }
    return {};
}

} // namespace

TapeStep scientificTapeStep(ScientificKey key, AngleMeasure measure, const std::string& argument,
                            const FunctionResult& result, const std::string& resultText, const Messages& messages) {
    const KeyRow& row = rowOf(key);
    TapeStep step;
    step.form = row.form;
    step.name = row.tapeName ? row.tapeName : row.name;
    step.a = argument;
    if (angleAt(row) == AngleAt::Argument) step.a += measureSuffix(measure, messages);
    if (result.outcome != FunctionOutcome::Value) {
        step.message = failureMessage(key, result.outcome, messages);
        return step;
    }
    step.setResult(result.value, resultText);
    if (angleAt(row) == AngleAt::Result) step.result += measureSuffix(measure, messages);
    return step;
}

std::string failureMessage(ScientificKey key, FunctionOutcome outcome, const Messages& messages) {
    switch (outcome) {
    case FunctionOutcome::Value: return {};
    case FunctionOutcome::Overflow: return messages.OverflowMessage;
    case FunctionOutcome::ArgumentAboveOne: return messages.ArgumentAboveOneMessage;
    case FunctionOutcome::ArgumentZero: return messages.ArgumentZeroMessage;
    case FunctionOutcome::InvalidArgument: break;
    }
    for (const KeyRow& row : kKeys)
        if (row.key == key) return fillIn(messages.InvalidArgumentMessage, row.name);
    return fillIn(messages.InvalidArgumentMessage, "");
}

} // namespace orv
