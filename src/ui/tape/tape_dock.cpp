// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_dock.h"

#include <algorithm>

namespace orv {

QPoint dockedTapePosition(const QRect& mainFrame, const QSize& tapeFrame, const QRect& screen) {
    const QPoint right(mainFrame.right() + 1, mainFrame.top());
    if (screen.isEmpty() || right.x() + tapeFrame.width() <= screen.right() + 1) return right;
    const int left = mainFrame.left() - tapeFrame.width();
    // With room on neither side, the right side it is: the tape then runs off the screen rather
    // than over the calculator.
    if (left < screen.left()) return right;
    return {left, mainFrame.top()};
}

} // namespace orv
