// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

class QKeyEvent;

namespace orv {

// The Latin letter (Qt::Key_A to Qt::Key_Z) of the physical key behind a key event, whatever
// layout is switched on: the key itself when it types a Latin letter, else the letter the key
// stands for in the keyboard's keymap (see LatinLetters). 0 for a key without a letter, and for
// an event that names no physical key.
int latinLetterKey(const QKeyEvent& event);

} // namespace orv
