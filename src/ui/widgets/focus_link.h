// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

class QWidget;

namespace orv {

// Each time a window becomes the focus window the toolkit links its focus-object signal to the
// application, and it unlinks it when the focus moves on by way of another window. A dialog that
// closes can lose the focus without that step, and then each opening left one more link (about
// 90 bytes) on a dialog that lives as long as the program. This keeps `window` at one link.
void keepOneFocusLink(QWidget& window);

} // namespace orv
