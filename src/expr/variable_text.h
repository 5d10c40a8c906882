// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"
#include "separators.h"

#include <string>
#include <string_view>

namespace orv {

// What a variable field's text gives: a value, or the message that says why it gives none.
struct VariableValue {
    Extended value = 0;
    std::string error; // empty when the text holds a number
    bool ok() const { return error.empty(); }
};

// The text as it is read: "." stands for the locale's decimal separator (the expression language
// writes "." whatever the locale), and blanks and control characters around it are dropped.
std::string normaliseVariableText(std::string_view text, const Separators& separators);

// Reads a variable field. An empty field is a variable being retyped and counts as 0; anything
// the number grammar refuses gives "'<normalised text>' is not a valid floating point value.".
VariableValue readVariableText(std::string_view text, const Separators& separators);

} // namespace orv
