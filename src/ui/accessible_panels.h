// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

namespace orv {

// Makes the painted panels visible to screen readers: every TButtonPanel is a push button with
// a Press action (its accessible name, else its caption; its hint as description), every other
// TextPanel a static text named by what it shows. Installed once; later calls do nothing.
void installPanelAccessibility();

} // namespace orv
