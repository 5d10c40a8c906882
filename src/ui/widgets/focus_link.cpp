// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "focus_link.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace orv {

void keepOneFocusLink(QWidget& window) {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app) return;
    // Told right after the toolkit has linked the newly focused window: the links its earlier
    // showings left go, and the one the focus needs is made again.
    QObject::connect(app, &QGuiApplication::focusWindowChanged, &window, [app, &window](QWindow* focus) {
        if (!focus || focus != window.windowHandle()) return;
        QObject::disconnect(focus, SIGNAL(focusObjectChanged(QObject*)), app, SLOT(_q_updateFocusObject(QObject*)));
        QObject::connect(focus, SIGNAL(focusObjectChanged(QObject*)), app, SLOT(_q_updateFocusObject(QObject*)));
    });
}

} // namespace orv
