# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# Sourced by the tests that drive the real program on a private X server with a private HOME.
# open_session TOOL...: skips (exit 77) without a tool, starts Xvfb on a free display and points
# HOME and the configuration folder at a scratch folder ($work/home), removed on exit. The server
# keeps its keymap between clients (-noreset), so a layout set before a start stays.
# start ARGS...: runs "$program", waits for its window and gives it the keyboard.
# stop SIGNAL [TENTHS]: the program must be gone within TENTHS tenths of a second (default 50).
# fail TEXT: prints TEXT and the file named by $shown_on_failure, if any, and exits 1.

open_session() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
    done
    work=$(mktemp -d)
    pids=()
    trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; wait; rm -rf "$work"' EXIT
    # A free display number, chosen by the server itself.
    exec 3<> "$work/displayfd"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$work/displayfd" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -1 "$work/displayfd")"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" LC_ALL=C.UTF-8
    unset QT_QPA_PLATFORM
    mkdir -p "$HOME"
}

fail() {
    echo "FAIL: $*"
    [ -n "${shown_on_failure:-}" ] && [ -f "$shown_on_failure" ] && cat "$shown_on_failure"
    exit 1
}

start() {
    "$program" "$@" >"$work/run.log" 2>&1 &
    app=$!
    pids+=("$app")
    window=$(xdotool search --sync --onlyvisible --pid "$app" --name . | head -1)
    [ -n "$window" ] || fail "no window"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # Click the empty end of the menu bar to give the window the keyboard.
    xdotool mousemove $((X + 235)) $((Y + 10)) click 1
    sleep 0.3
}

stop() {
    kill "-$1" "$app"
    for _ in $(seq "${2:-50}"); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null && fail "still running after SIG$1"
    wait "$app" || fail "SIG$1 ended the program with status $?"
}
