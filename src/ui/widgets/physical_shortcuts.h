// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QObject>

namespace orv {

// Ctrl with a letter goes by the physical key under any layout. Qt does so itself while the keymap
// has a Latin layout; with none (a Russian layout alone) it reports the layout's letter, so neither
// the shortcuts nor the standard keys of the text fields (Ctrl+C, Ctrl+A ...) would answer.
// Installed on the application, this filter hands such a key press on as its Latin letter; Qt
// matches a handed-on press against the shortcuts before any field sees it, as it does a press
// from the keyboard.
class PhysicalShortcuts : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace orv
