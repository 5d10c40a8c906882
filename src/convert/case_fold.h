// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <string>
#include <string_view>

namespace orv {

// Lower-cases UTF-8 text for comparing names: Latin (ASCII and Latin-1) and Cyrillic capitals
// become small letters, everything else is copied as it is, malformed bytes included.
std::string foldCase(std::string_view text);

// The text without leading and trailing blanks and tabs.
std::string_view trimBlanks(std::string_view text);

} // namespace orv
