// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The main window's keypad keys shown pressed and released; the keyboard is the key preview's.
#include "calculator_window.h"

#include "key_preview.h"
#include "keypad.h"

namespace orv {

void TCalculator::pressKeypadKey(KeypadKey key) {
    keypadButton(key)->setLowered(true);
    calc_.press(key);
}

TButtonPanel* TCalculator::keypadButton(KeypadKey key) const {
    return pnSimple->key(key);
}

void TCalculator::releaseAllKeys() {
    pnSimple->releaseAll();
}

bool TCalculator::event(QEvent* event) {
    if (event->type() == QEvent::WinIdChange) keyPreview_->follow();
    return QMainWindow::event(event);
}

void TCalculator::releaseKey(KeypadKey key) {
    keypadButton(key)->setLowered(false);
}

void TCalculator::errorButUp() {
    for (KeypadKey key : {KeypadKey::Eq, KeypadKey::Minus, KeypadKey::Plus, KeypadKey::Multy,
                          KeypadKey::Divide, KeypadKey::MPlus, KeypadKey::MMinus})
        releaseKey(key);
}

} // namespace orv
