// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"
#include "separators.h"

#include <optional>
#include <string>
#include <string_view>

namespace orv {

// Texts that become the entry from outside the keypad (the clipboard, the saved entry).

// The text without white space of any kind around it: blanks, tabs, line breaks and the Unicode
// spaces (no-break, thin, ideographic...) that terminals and spreadsheets put around a copied cell.
std::string_view trimWhiteSpace(std::string_view text);

// A number as documents and the grouped display write it: the integer digits in groups of three
// after a first group of one to three, set apart by the locale's thousands separator (by any
// blank where that separator is a blank, since blanks cannot be told apart on the screen). Gives
// the text without the separators, the text itself when it has none, and nothing when the
// grouping is irregular ("12,34", "1,2345", ",123", "0,123") or a character there is no digit.
std::optional<std::string> withoutGroupSeparators(std::string_view text, const Separators& separators);

// The entry for a number text that parsed to `value`, spelled as the display shows it: no "+"
// in front, no redundant leading zeros ("007" is "7"), and "0" for a zero written with an
// exponent (an underflow such as 1e-5000), so that Copy gives what the display shows.
std::string canonicalEntry(std::string_view text, Extended value);

// The entry without its last character, and without an exponent mark or sign that this leaves
// dangling ("1e-5" becomes "1", "-5" becomes "").
std::string withoutLastCharacter(std::string_view text);

} // namespace orv
