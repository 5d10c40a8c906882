# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# Sourced by the start-up measurements: starts an Xvfb of their own on the first free display,
# without a window manager, and points DISPLAY at it; its process id is left in xvfb_pid.
start_private_x() {
    local display=99
    while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 150); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
    export DISPLAY=":$display"
    unset QT_QPA_PLATFORM
}
