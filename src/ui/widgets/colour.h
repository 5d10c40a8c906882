// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QColor>

namespace orv {

// Stored colours are 0x00BBGGRR (red in the low byte); every QColor of a stored or designed
// colour is built here.
QColor colorFromColorRef(int colorRef);

// The two colours of key captions and signs; the red also marks labels and a failed result.
inline constexpr int kKeyRed = 0x0000FF;
inline constexpr int kKeyBlue = 0xFF0000;

} // namespace orv
