// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <optional>

class QWidget;

namespace orv {

// The side panels of the main window as the stored panel code: 10 for the conversion panel plus
// 1 for the scientific or 2 for the statistics panel. Read from the View menu's check marks,
// which are the panels' state.
int shownPanelsCode(const QWidget& window);

// The selected conversion group, when the window has a group list.
std::optional<int> selectedConvertGroup(const QWidget& window);

// Start-up: switches the stored panels on with the View-menu commands (conversion first, then
// scientific or statistics; any other code switches nothing) and selects the stored group, or
// the first one for a group the list does not have.
// A panel already on is left alone, so restoring twice cannot switch one off again.
void restoreSidePanels(QWidget& window, int calcMode, int convertItem);

} // namespace orv
