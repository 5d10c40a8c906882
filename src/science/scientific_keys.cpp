// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "scientific_keys.h"

#include "hyperbolic.h"
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
    AngleFunction angular; // takes or gives an angle
    PlainFunction plain;
    DomainCheck check;
};

constexpr std::array<KeyRow, 27> kKeys{{
    {ScientificKey::Sin, sine, nullptr, DomainCheck::None},
    {ScientificKey::Cos, cosine, nullptr, DomainCheck::None},
    {ScientificKey::Tg, tangent, nullptr, DomainCheck::None},
    {ScientificKey::Ctg, cotangent, nullptr, DomainCheck::None},
    {ScientificKey::Sec, secant, nullptr, DomainCheck::None},
    {ScientificKey::Cosec, cosecant, nullptr, DomainCheck::None},
    {ScientificKey::Arcsin, arcsine, nullptr, DomainCheck::AboveOne},
    {ScientificKey::Arccos, arccosine, nullptr, DomainCheck::AboveOne},
    {ScientificKey::Arctg, arctangent, nullptr, DomainCheck::None},
    {ScientificKey::Arcctg, arccotangent, nullptr, DomainCheck::Zero},
    {ScientificKey::Sh, nullptr, hyperbolicSine, DomainCheck::None},
    {ScientificKey::Ch, nullptr, hyperbolicCosine, DomainCheck::None},
    {ScientificKey::Th, nullptr, hyperbolicTangent, DomainCheck::None},
    {ScientificKey::Cth, nullptr, hyperbolicCotangent, DomainCheck::None},
    {ScientificKey::Sech, nullptr, hyperbolicSecant, DomainCheck::None},
    {ScientificKey::Cosech, nullptr, hyperbolicCosecant, DomainCheck::None},
    {ScientificKey::Arsh, nullptr, inverseHyperbolicSine, DomainCheck::None},
    {ScientificKey::Arch, nullptr, inverseHyperbolicCosine, DomainCheck::None},
    {ScientificKey::Arth, nullptr, inverseHyperbolicTangent, DomainCheck::None},
    {ScientificKey::Arcth, nullptr, inverseHyperbolicCotangent, DomainCheck::None},
    {ScientificKey::X2, nullptr, square, DomainCheck::None},
    {ScientificKey::X3, nullptr, cube, DomainCheck::None},
    {ScientificKey::CubeRoot, nullptr, cubeRoot, DomainCheck::None},
    {ScientificKey::Ln, nullptr, naturalLogarithm, DomainCheck::None},
    {ScientificKey::Log, nullptr, commonLogarithm, DomainCheck::None},
    {ScientificKey::Exp, nullptr, exponential, DomainCheck::None},
    {ScientificKey::Factorial, nullptr, factorial, DomainCheck::None},
}};

} // namespace

FunctionResult applyScientificKey(ScientificKey key, Extended x, AngleMeasure measure) {
    for (const KeyRow& row : kKeys) {
        if (row.key != key) continue;
        if (row.check == DomainCheck::AboveOne && std::fabs(x) > 1) return {FunctionOutcome::ArgumentAboveOne, 0};
        if (row.check == DomainCheck::Zero && x == 0) return {FunctionOutcome::ArgumentZero, 0};
        const std::optional<Extended> value = row.angular ? row.angular(x, measure) : row.plain(x);
        if (!value) return {FunctionOutcome::Failure, 0};
        return {FunctionOutcome::Value, *value};
    }
    return {FunctionOutcome::Failure, 0};
}

std::string domainMessage(FunctionOutcome outcome, const Messages& messages) {
    switch (outcome) {
    case FunctionOutcome::ArgumentAboveOne: return messages.ArgumentAboveOneMessage;
    case FunctionOutcome::ArgumentZero: return messages.ArgumentZeroMessage;
    default: return {};
    }
}

} // namespace orv
