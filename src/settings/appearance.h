// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <array>

namespace orv {

// The sixteen standard colours, 0x00BBGGRR, in the order the colour lists show them.
inline constexpr std::array<int, 16> kStandardColours = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool operator==(const FontStyle&) const = default;
};

// Turns stored colour and style codes into what is applied. An unknown code repeats the last
// good answer, so one instance lives as long as the window that applies the settings.
class AppearanceMapper {
  public:
    // A standard colour unchanged; any other value gives the previous result (black at first).
    int MapStandardColor(int colour);
    // 1 regular, 2 bold, 3 italic, 4 bold italic; any other code gives the previous result.
    FontStyle FontStyleFromCode(int code);

  private:
    int lastColour_ = 0x000000;
    FontStyle lastStyle_;
};

} // namespace orv
