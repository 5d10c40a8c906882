// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "panel_layout.h"

#include <algorithm>

namespace orv {
namespace {

constexpr int kWidePanelWidth = 228;
constexpr int kConversionBesideWidePanel = 643;
constexpr int kWidePanelAfterConversion = 476;

} // namespace

void PanelLayout::toggle(WidePanel panel) {
    bool& shownNow = panel == WidePanel::Science ? science_ : statistics_;
    bool& other = panel == WidePanel::Science ? statistics_ : science_;
    if (shownNow) {
        shownNow = false;
        width_ = conversion_ ? kConversionWidth : kPlainWidth;
        if (!conversion_) narrowDisplayWidth_ = 209;
        return;
    }
    // In place of the other panel the window keeps its size.
    if (!other) width_ += kWidePanelWidth;
    other = false;
    shownNow = true;
}

int PanelLayout::toggleConversion(int roomOnTheLeft) {
    if (conversion_) {
        conversion_ = false;
        const int back = widePanelShown() ? 0 : shiftTaken_;
        if (widePanelShown()) {
            width_ = kWidePanelAfterConversion;
        } else {
            width_ = kPlainWidth;
            narrowDisplayWidth_ = 210;
        }
        shiftTaken_ = 0;
        memoryLineLeft_ = 0;
        return back;
    }
    conversion_ = true;
    memoryLineLeft_ = kConversionShift;
    shiftTaken_ = std::clamp(roomOnTheLeft, 0, kConversionShift);
    width_ = widePanelShown() ? kConversionBesideWidePanel : kConversionWidth;
    return -shiftTaken_;
}

} // namespace orv
