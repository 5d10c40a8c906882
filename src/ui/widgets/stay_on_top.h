// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

class QWidget;

namespace orv {

// Puts a top-level window above all others, or back among them, shown or not.
void setStaysOnTop(QWidget& window, bool on);

} // namespace orv
