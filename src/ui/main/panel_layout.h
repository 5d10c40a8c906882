// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

namespace orv {

enum class WidePanel { Science, Statistics };

// Which side panels the main window shows and the sizes and places that follow, in the designed
// outer measure, as plain data: the window only applies them. The View commands are transitions,
// not a formula of the state, because the designed widths depend on the way the window got
// there (the scientific panel beside the plain keypad is 474 pixels, beside the conversion panel
// left behind it 476).
class PanelLayout {
  public:
    static constexpr int kPlainWidth = 246;
    static constexpr int kConversionWidth = 415;
    static constexpr int kConversionShift = 168; // the keypad keeps its place on the screen

    bool conversionShown() const { return conversion_; }
    bool shown(WidePanel panel) const { return panel == WidePanel::Science ? science_ : statistics_; }
    bool widePanelShown() const { return science_ || statistics_; }
    bool fullSize() const { return fullSize_; }

    int outerWidth() const { return width_; }
    // The display widened over the size button beside any panel, and its width.
    bool displayWide() const { return conversion_ || widePanelShown(); }
    int displayWidth() const { return displayWide() ? 240 : narrowDisplayWidth_; }
    // The size button and the size items: the reduced layout exists only with the plain keypad.
    bool sizeButtonEnabled() const { return !conversion_; }
    bool sizeItemsEnabled() const { return !conversion_ && !widePanelShown(); }
    // A wide panel keeps the memory line open whether the memory is used or not.
    bool memoryLineForced() const { return widePanelShown(); }
    // The left edges of the display strip and keypad, of the memory line, and of the panels and
    // registers beside the keypad.
    int keypadLeft() const { return conversion_ ? 166 : 0; }
    int memoryLineLeft() const { return memoryLineLeft_; }
    int besideKeypadLeft() const { return keypadLeft() + 244; }

    // The scientific or statistics command: shows the panel (in place of the other), or hides it.
    void toggle(WidePanel panel);
    // The conversion command. Showing the panel moves the window left by up to 168 pixels, as far
    // as `roomOnTheLeft` allows; hiding it gives back what was taken (nothing beside a wide panel).
    // Returns how far the window moves to the right (negative: to the left).
    int toggleConversion(int roomOnTheLeft);
    void toggleFullSize() { fullSize_ = !fullSize_; }

  private:
    bool conversion_ = false;
    bool science_ = false;
    bool statistics_ = false;
    bool fullSize_ = true;
    int width_ = kPlainWidth;
    int shiftTaken_ = 0;
    int narrowDisplayWidth_ = 209;
    // Drawn 2 pixels in at first; the conversion panel moves it by its own 168 and, hidden, to 0.
    int memoryLineLeft_ = 2;
};

} // namespace orv
