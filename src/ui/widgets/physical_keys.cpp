// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "physical_keys.h"

#include "latin_letters.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QtGui/qguiapplication_platform.h>

#include <xkbcommon/xkbcommon-x11.h>

namespace orv {

namespace {

bool isLatinLetterKey(int key) {
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

// The keymap the X server has now. Read afresh each time (about 0.15 ms, and only for keys of
// another script), so a layout changed while the program runs is followed at once.
XkbKeymap serverKeymap() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return nullptr;
    xcb_connection_t* connection = x11->connection();
    static const bool ready = xkb_x11_setup_xkb_extension(
        connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
        XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr);
    if (!ready || !sharedXkbContext()) return nullptr;
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (device < 0) return nullptr;
    return XkbKeymap(xkb_x11_keymap_new_from_device(sharedXkbContext(), connection, device,
                                                    XKB_KEYMAP_COMPILE_NO_FLAGS));
}

// Elsewhere (Wayland, no screen) the keymap is not ours to read: the one the environment
// names, as the compositor's own default would be.
xkb_keymap* defaultKeymap() {
    static const XkbKeymap keymap = compileKeymap("");
    return keymap.get();
}

} // namespace

int latinLetterKey(const QKeyEvent& event) {
    if (isLatinLetterKey(event.key())) return event.key();
    const quint32 keycode = event.nativeScanCode();
    if (keycode == 0) return 0;
    const XkbKeymap server = serverKeymap();
    const char letter = LatinLetters(server ? server.get() : defaultKeymap()).letterOf(keycode);
    return letter ? Qt::Key_A + (letter - 'A') : 0;
}

} // namespace orv
