// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "appearance.h"

#include <algorithm>

namespace orv {

int AppearanceMapper::MapStandardColor(int colour) {
    if (std::find(kStandardColours.begin(), kStandardColours.end(), colour) != kStandardColours.end())
        lastColour_ = colour;
    return lastColour_;
}

FontStyle AppearanceMapper::FontStyleFromCode(int code) {
    switch (code) {
    case 1:
        lastStyle_ = {false, false};
        break;
    case 2:
        lastStyle_ = {true, false};
        break;
    case 3:
        lastStyle_ = {false, true};
        break;
    case 4:
        lastStyle_ = {true, true};
        break;
    default:
        break;
    }
    return lastStyle_;
}

} // namespace orv
