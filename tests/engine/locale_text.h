// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "separators.h"

#include <string>
#include <string_view>

namespace orv::testing {

// Writes a canonical expectation in a locale: "." becomes the decimal and "_" the thousands
// separator, so one table row serves a comma and a dot locale.
inline std::string inLocale(std::string_view text, const Separators& s) {
    std::string out;
    for (char c : text) {
        if (c == '.') out += s.decimal;
        else if (c == '_') out += s.thousands;
        else out += c;
    }
    return out;
}

} // namespace orv::testing
