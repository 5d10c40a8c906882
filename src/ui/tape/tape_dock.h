// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace orv {

// Where the docked tape's frame stands: flush against the main window's right side, or against
// its left side when the screen has no room on the right (and then no further left than the
// screen), level with its top.
QPoint dockedTapePosition(const QRect& mainFrame, const QSize& tapeFrame, const QRect& screen);

// A tape let go this near its docked place docks again; one moved further is undocked.
constexpr int kDockSnap = 24;
inline bool nearDock(QPoint position, QPoint docked) {
    return (position - docked).manhattanLength() <= kDockSnap;
}

} // namespace orv
