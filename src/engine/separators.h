// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <string>

namespace orv {

// The user locale's separators, each one character in UTF-8. Always handed in as a value.
struct Separators {
    std::string decimal = ".";
    std::string thousands = ",";
};

// The separators of the expression language and the command line.
inline Separators dotSeparators() { return {".", ","}; }

} // namespace orv
