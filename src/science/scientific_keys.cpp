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

struct KeyRow {
    ScientificKey key;
    const char* name; // as written on the key, for its failure message
    AngleFunction angular; // takes or gives an angle
    PlainFunction plain;
    DomainCheck check;
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
    {ScientificKey::X2, "x²", nullptr, square, DomainCheck::None},
    {ScientificKey::X3, "x³", nullptr, cube, DomainCheck::None},
    {ScientificKey::CubeRoot, "∛x", nullptr, cubeRoot, DomainCheck::None},
    {ScientificKey::Ln, "ln", nullptr, naturalLogarithm, DomainCheck::None},
    {ScientificKey::Log, "lg", nullptr, commonLogarithm, DomainCheck::None},
    {ScientificKey::Exp, "Exp", nullptr, exponential, DomainCheck::None},
    {ScientificKey::Factorial, "n!", nullptr, factorial, DomainCheck::None},
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
