// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

class QWidget;

namespace orv {

// Makes the painted panels visible to screen readers: every TButtonPanel is a push button with
// a Press action (its accessible name, else its caption; its hint as description), every other
// TextPanel a static text named by what it shows. Installed once; later calls do nothing.
void installPanelAccessibility();

// Leaves a control out of what screen readers see of the panel it sits on: a picture with nothing
// to say, whose job the keyboard does another way.
void hideFromScreenReaders(QWidget* panelChild);

} // namespace orv
