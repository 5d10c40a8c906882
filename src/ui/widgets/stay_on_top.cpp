// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "stay_on_top.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace orv {

void setStaysOnTop(QWidget& window, bool on) {
    if (bool(window.windowFlags() & Qt::WindowStaysOnTopHint) == on) return;
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    // X11 takes the hint on the shown window (_NET_WM_STATE_ABOVE): no new native window, so no
    // flicker and no lost focus. Elsewhere the window is made anew with the flag.
    if (window.windowHandle() && QGuiApplication::platformName() == QLatin1String("xcb")) {
        window.overrideWindowFlags(flags);
        window.windowHandle()->setFlags(flags);
        return;
    }
    const bool shown = window.isVisible();
    window.setWindowFlags(flags);
    if (shown) window.show(); // changing the flags hides a shown window
}

} // namespace orv
