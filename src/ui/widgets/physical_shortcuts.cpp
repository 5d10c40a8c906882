// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "physical_shortcuts.h"

#include "physical_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace orv {

bool PhysicalShortcuts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers held = key->modifiers();
    // Without Ctrl a letter is text; Ctrl with Alt is how some systems report AltGr, which types.
    if (!(held & Qt::ControlModifier) || (held & Qt::AltModifier)) return false;
    // Latin letters, and the named keys (Insert, F2, Ctrl itself), are what they say already.
    const int typed = key->key();
    if ((typed >= Qt::Key_A && typed <= Qt::Key_Z) || typed >= Qt::Key_Escape || typed == 0) return false;
    const int latin = latinLetterKey(*key);
    if (!latin) return false;

    // With the text Qt gives Ctrl and that letter under a Latin layout: the control character.
    const QString control(QChar(char16_t(latin - Qt::Key_A + 1)));
    QKeyEvent asLatin(QEvent::KeyPress, latin, held, key->nativeScanCode(), key->nativeVirtualKey(),
                      key->nativeModifiers(), control, key->isAutoRepeat(), key->count());
    QCoreApplication::sendEvent(watched, &asLatin);
    key->setAccepted(asLatin.isAccepted());
    return true;
}

} // namespace orv
