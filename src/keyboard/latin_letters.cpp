// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "latin_letters.h"

#include <xkbcommon/xkbcommon.h>

#include <optional>

namespace orv {

void XkbKeymapRelease::operator()(xkb_keymap* keymap) const {
    xkb_keymap_unref(keymap);
}

xkb_context* sharedXkbContext() {
    static xkb_context* const context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    return context;
}

XkbKeymap compileKeymap(const char* layouts, const char* variants) {
    xkb_context* context = sharedXkbContext();
    if (!context) return nullptr;
    xkb_rule_names names{};
    names.layout = layouts;
    names.variant = variants;
    return XkbKeymap(xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
}

namespace {

// The letter the key types with no modifier in one layout of the keymap, or 0.
char letterIn(xkb_keymap* keymap, xkb_keycode_t keycode, xkb_layout_index_t layout) {
    const xkb_keysym_t* symbols = nullptr;
    if (xkb_keymap_key_get_syms_by_level(keymap, keycode, layout, 0, &symbols) != 1) return 0;
    const xkb_keysym_t symbol = symbols[0];
    if (symbol >= XKB_KEY_a && symbol <= XKB_KEY_z) return static_cast<char>('A' + (symbol - XKB_KEY_a));
    if (symbol >= XKB_KEY_A && symbol <= XKB_KEY_Z) return static_cast<char>('A' + (symbol - XKB_KEY_A));
    return 0;
}

xkb_keycode_t lastKeycode(xkb_keymap* keymap, std::size_t limit) {
    const xkb_keycode_t last = xkb_keymap_max_keycode(keymap);
    return last < limit ? last : static_cast<xkb_keycode_t>(limit - 1);
}

std::optional<xkb_layout_index_t> firstLatinLayout(xkb_keymap* keymap, std::size_t limit) {
    const xkb_layout_index_t layouts = xkb_keymap_num_layouts(keymap);
    for (xkb_layout_index_t layout = 0; layout < layouts; ++layout)
        for (xkb_keycode_t code = xkb_keymap_min_keycode(keymap); code <= lastKeycode(keymap, limit); ++code)
            if (letterIn(keymap, code, layout)) return layout;
    return std::nullopt;
}

// Compiled on first need only: most keymaps have a Latin layout of their own.
xkb_keymap* usKeymap() {
    static const XkbKeymap keymap = compileKeymap("us");
    return keymap.get();
}

} // namespace

LatinLetters::LatinLetters(xkb_keymap* keymap) {
    std::optional<xkb_layout_index_t> layout;
    if (keymap) layout = firstLatinLayout(keymap, letters_.size());
    fromKeymap_ = layout.has_value();
    if (!layout) {
        keymap = usKeymap();
        layout = 0;
    }
    if (!keymap) return;
    for (xkb_keycode_t code = xkb_keymap_min_keycode(keymap); code <= lastKeycode(keymap, letters_.size()); ++code)
        letters_[code] = letterIn(keymap, code, *layout);
}

char LatinLetters::letterOf(std::uint32_t keycode) const {
    return keycode < letters_.size() ? letters_[keycode] : 0;
}

} // namespace orv
