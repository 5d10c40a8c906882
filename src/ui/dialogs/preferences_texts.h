// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "language_table.h"

#include <span>

namespace orv {

// The Preferences window's captions and hints in English and Russian.
std::span<const LanguageText> preferencesTexts();

} // namespace orv
