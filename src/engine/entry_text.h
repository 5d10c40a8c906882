// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"

#include <string>
#include <string_view>

namespace orv {

// Texts that become the entry from outside the keypad (the clipboard, the saved entry).

// The text without white space of any kind around it: blanks, tabs, line breaks and the Unicode
// spaces (no-break, thin, ideographic...) that terminals and spreadsheets put around a copied cell.
std::string_view trimWhiteSpace(std::string_view text);

// The entry for a number text that parsed to `value`, spelled as the display shows it: no "+"
// in front, no redundant leading zeros ("007" is "7"), and "0" for a zero written with an
// exponent (an underflow such as 1e-5000), so that Copy gives what the display shows.
std::string canonicalEntry(std::string_view text, Extended value);

// The entry without its last character, and without an exponent mark or sign that this leaves
// dangling ("1e-5" becomes "1", "-5" becomes "").
std::string withoutLastCharacter(std::string_view text);

} // namespace orv
