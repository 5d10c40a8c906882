// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <array>
#include <cstdint>
#include <memory>

struct xkb_context;
struct xkb_keymap;

namespace orv {

struct XkbKeymapRelease {
    void operator()(xkb_keymap* keymap) const;
};
using XkbKeymap = std::unique_ptr<xkb_keymap, XkbKeymapRelease>;

// The one context every keymap of the program is compiled in (the keyboard data is read once).
xkb_context* sharedXkbContext();

// A keymap built from the system's keyboard data, e.g. layouts "ru,us" with variants ",";
// empty names take the defaults (the XKB_DEFAULT_* variables, else the US layout). Null when the
// names are unknown.
XkbKeymap compileKeymap(const char* layouts, const char* variants = "");

// The Latin letter of every physical key, whatever layout is switched on: the letter the key types
// in the keymap's first Latin layout, or in the US layout when the keymap has no Latin layout
// at all (a Russian layout alone). Shortcuts and keypad letters go by it, so a user of another
// script presses the key labelled with the letter without switching layouts.
class LatinLetters {
public:
    // Reads the keymap once; it is not kept.
    explicit LatinLetters(xkb_keymap* keymap);

    // 'A' to 'Z', or 0 for a key that has no letter there. Codes are the keymap's (on X11 and
    // under Wayland the kernel's key code plus 8).
    char letterOf(std::uint32_t keycode) const;
    // False when the letters come from the US layout because the keymap has no Latin one.
    bool fromKeymap() const { return fromKeymap_; }

private:
    std::array<char, 256> letters_{};
    bool fromKeymap_ = false;
};

} // namespace orv
