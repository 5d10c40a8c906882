// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QIcon>
#include <QPixmap>

namespace orv {

// The program's picture: a small calculator with a display and keys, drawn as vectors so it is
// sharp at every size (the same drawing as the installed SVG icon).
QPixmap programPicture(const QSize& size);
QIcon programIcon();

} // namespace orv
