// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "language_table.h"

#include <span>

class QWidget;

namespace orv {

// The main window's texts on its side panels: angle-measure radio buttons, the hints of the
// function keys, the statistics display and the conversion lists; and the one keypad hint that
// has words, the decimal key's. Found by object name, so a panel that is not built yet is
// simply skipped.
std::span<const LanguageText> mainWindowPanelTexts();

// What screen readers say for the panels' controls other than keys (the keys' names are in their
// rows): the register keys' pattern with %1 for the number, the direction buttons, the unit lists
// and their unseen labels, the statistics list.
std::span<const LanguageText> mainWindowSpokenNames();

// Applies the panel table, names every key and control of the panels in the language and renames
// the ten conversion groups in `cbVibor`, keeping the selected group selected (replacing item
// texts must not lose it). Languages other than 0 and 1 change nothing.
void applyMainWindowPanelTexts(QWidget* window, int language);

} // namespace orv
