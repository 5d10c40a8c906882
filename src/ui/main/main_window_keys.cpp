// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The main window's keys: the keyboard seen before any control, and the keypad keys shown pressed
// and released.
#include "calculator_window.h"

#include "keypad.h"
#include "keypad_table.h"
#include "physical_keys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
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

namespace {

// A field that takes letters as text: an edit field, or a list that finds its items by them.
bool takesLetters(const QWidget* widget) {
    return widget && (widget->testAttribute(Qt::WA_InputMethodEnabled) || qobject_cast<const QComboBox*>(widget) ||
                      qobject_cast<const QAbstractItemView*>(widget));
}

} // namespace

// The keypad's letters go by the physical key, so the key of S changes the sign while a Russian
// layout types "ы" with it; in a field that takes letters, though, a letter of another script is
// text and nothing else.
int TCalculator::keypadKeyCode(const QKeyEvent& event) const {
    const int typed = event.key();
    const QString text = event.text();
    const bool otherScript = !(typed >= Qt::Key_A && typed <= Qt::Key_Z) && text.size() == 1 && text.front().isLetter();
    if (!otherScript || takesLetters(QApplication::focusWidget())) return typed;
    const int latin = latinLetterKey(event);
    return latin ? latin : typed;
}

void TCalculator::FormKeyDown(const QKeyEvent& event) {
    const int code = keypadKeyCode(event);
    const auto key = keyForKeyDown(code, event.modifiers());
    if (!key) return;
    pressKeypadKey(*key);
    // Ctrl+C is MC here, where every other program copies: the first time in a run, say so.
    if (*key == KeypadKey::MC && code == Qt::Key_C && !ctrlCHintShown_) {
        ctrlCHintShown_ = true;
        calc_.ShowErrorHint(calc_.messages().CtrlCClearsMessage);
    }
}

void TCalculator::FormKeyPress(const QKeyEvent& event) {
    // With Ctrl a key types nothing, so Ctrl+5 is not 5 (AltGr, which some systems report as
    // Ctrl+Alt, still types).
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
