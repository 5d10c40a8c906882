// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "number_text.h"

#include <optional>
#include <string>

namespace orv::test {

// The 15-digit general text form, as the display and the command line show a value.
inline std::string shown(Extended x) { return generalText(x, dotSeparators(), 15); }

inline std::string shown(const std::optional<Extended>& x) { return x ? shown(*x) : "failure"; }

} // namespace orv::test
