// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "key_preview.h"

#include "keypad_table.h"
#include "physical_keys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QWidget>

namespace orv {
namespace {

// A field that takes letters as text: an edit field, or a list that finds its items by them.
bool takesLetters(const QWidget* widget) {
    return widget && (widget->testAttribute(Qt::WA_InputMethodEnabled) || qobject_cast<const QComboBox*>(widget) ||
                      qobject_cast<const QAbstractItemView*>(widget));
}

} // namespace

KeyPreview::KeyPreview(QWidget& window) : QObject(&window), window_(window) {}

void KeyPreview::follow() {
    QWindow* platformWindow = window_.windowHandle();
    if (!platformWindow || platformWindow == watched_) return;
    if (watched_) watched_->removeEventFilter(this);
    platformWindow->installEventFilter(this);
    watched_ = platformWindow;
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_.windowHandle()) {
        if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            FormKeyDown(key);
            FormKeyPress(key);
        } else if (event->type() == QEvent::KeyRelease) {
            if (!static_cast<const QKeyEvent*>(event)->isAutoRepeat()) releaseAll(); // FormKeyUp
        }
    }
    return false; // the keys still go on to the focused control
}

// The keypad's letters go by the physical key, so the key of S changes the sign while a Russian
// layout types "ы" with it; in a field that takes letters, though, a letter of another script is
// text and nothing else.
int KeyPreview::keypadKeyCode(const QKeyEvent& event) const {
    const int typed = event.key();
    const QString text = event.text();
    const bool otherScript = !(typed >= Qt::Key_A && typed <= Qt::Key_Z) && text.size() == 1 && text.front().isLetter();
    if (!otherScript || takesLetters(QApplication::focusWidget())) return typed;
    const int latin = latinLetterKey(event);
    return latin ? latin : typed;
}

void KeyPreview::FormKeyDown(const QKeyEvent& event) {
    const int code = keypadKeyCode(event);
    const auto key = keyForKeyDown(code, event.modifiers());
    if (!key) return;
    press(*key);
    if (*key == KeypadKey::MC && code == Qt::Key_C && !ctrlCSaid_) {
        ctrlCSaid_ = true;
        firstCtrlC();
    }
}

void KeyPreview::FormKeyPress(const QKeyEvent& event) {
    // With Ctrl a key types nothing, so Ctrl+5 is not 5 (AltGr, which some systems report as
    // Ctrl+Alt, still types).
    const Qt::KeyboardModifiers m = event.modifiers();
    if ((m & Qt::ControlModifier) && !(m & Qt::AltModifier)) return;
    const QString text = event.text();
    if (text.size() != 1) return;
    if (const auto key = keyForCharacter(text.front())) press(*key);
}

} // namespace orv
