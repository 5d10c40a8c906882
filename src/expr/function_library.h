// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"

#include <string_view>

namespace orv {

class Parser;

// Looks the upper-cased name up in the function table in table order and, when found, reads the
// arguments at the parser's cursor and computes the value under the call's guard, which reports
// a failure (the function's own at `namePosition`, where its name starts). Returns false for an
// unknown name (nothing is read).
bool callFunction(std::string_view name, int namePosition, Parser& parser, Extended& value);

} // namespace orv
