// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The main window's keys: the keyboard seen before any control, and the keypad keys shown pressed
// and released.
#include "calculator_window.h"

#include "keypad.h"
#include "keypad_table.h"

#include <QKeyEvent>
#include <QWindow>

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

// Key preview: the window's own platform window sees every key once, before any control. Changing
// window flags (stay-on-top) can replace the platform window, so the filter follows it.
void TCalculator::installKeyPreview() {
    QWindow* platformWindow = windowHandle();
    if (!platformWindow || platformWindow == keyPreviewWindow_) return;
    if (keyPreviewWindow_) keyPreviewWindow_->removeEventFilter(this);
    platformWindow->installEventFilter(this);
    keyPreviewWindow_ = platformWindow;
}

bool TCalculator::event(QEvent* event) {
    if (event->type() == QEvent::WinIdChange) installKeyPreview();
    return QMainWindow::event(event);
}

bool TCalculator::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle()) {
        if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            FormKeyDown(key);
            FormKeyPress(key);
        } else if (event->type() == QEvent::KeyRelease) {
            if (!static_cast<const QKeyEvent*>(event)->isAutoRepeat()) releaseAllKeys(); // FormKeyUp
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TCalculator::FormKeyDown(const QKeyEvent& event) {
    const auto key = keyForKeyDown(event.key(), event.modifiers());
    if (!key) return;
    pressKeypadKey(*key);
    // Ctrl+C is MC here, where every other program copies: the first time in a run, say so.
    if (*key == KeypadKey::MC && event.key() == Qt::Key_C && !ctrlCHintShown_) {
        ctrlCHintShown_ = true;
        calc_.ShowErrorHint(calc_.messages().CtrlCClearsMessage);
    }
}

void TCalculator::FormKeyPress(const QKeyEvent& event) {
    // Ctrl turns letters into control characters, so Ctrl+S is not the S key (AltGr, which
    // some systems report as Ctrl+Alt, still types).
    const Qt::KeyboardModifiers m = event.modifiers();
    if ((m & Qt::ControlModifier) && !(m & Qt::AltModifier)) return;
    const QString text = event.text();
    if (text.size() != 1) return;
    if (const auto key = keyForCharacter(text.front())) pressKeypadKey(*key);
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
