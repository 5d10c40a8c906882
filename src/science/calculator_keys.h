// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "angle.h"
#include "calculator.h"
#include "scientific_keys.h"
#include "statistics.h"

#include <string_view>

namespace orv {

// The scientific and statistics keys acting on the calculator: the one route from the panels
// (and from the tests) into the engine.

// x^y and the logarithm to a base, handed to the Calculator when it is constructed.
TwoOperandFunctions scientificOperations();

// A one-operand key: its result becomes the number being entered; a domain error shows its
// message under the display; a silent failure changes nothing.
void pressScientificKey(Calculator& calculator, ScientificKey key, AngleMeasure measure);

// The pi key.
void pressPi(Calculator& calculator);

// A statistics result key over the list's text; false (and nothing changes) on a failure.
bool pressStatisticKey(Calculator& calculator, Statistic statistic, std::string_view listText);

} // namespace orv
