#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# The tape through the real program on a private X server with a private HOME: a chain, a root,
# a division by zero and an evaluation are written to tape.txt as they happen and survive
# SIGTERM; the next run shows them, copies them whole, and uses the last result in a new
# calculation. Exits 77 (skipped) without Xvfb, xdotool or xclip.
set -euo pipefail
program=${1:?usage: tape_session.sh PATH_TO_ORVANTIS}
for tool in Xvfb xdotool xclip; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

exec 3<> "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/displayfd" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/displayfd")"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
mkdir -p "$HOME"
tape="$XDG_CONFIG_HOME/Orvantis/tape.txt"

fail() { echo "FAIL: $*"; [ -f "$tape" ] && cat "$tape"; exit 1; }

start() {
    "$program" >"$work/run.log" 2>&1 &
    app=$!
    pids+=("$app")
    window=$(xdotool search --sync --onlyvisible --pid "$app" --name . | head -1)
    [ -n "$window" ] || fail "no window"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 235)) $((Y + 10)) click 1 # the empty end of the menu bar
    sleep 0.3
}

stop() {
    kill -TERM "$app"
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null && fail "still running after SIGTERM"
    wait "$app" || fail "SIGTERM ended the program with status $?"
}

clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }

expected=$'2 + 3 = 5\n5 \u00D7 4 = 20\n\u221A9 = 3\n7 \u00F7 0: It is impossible to divide into a zero!\nsum(1,100,i*i) = 338350'

# First run: every line reaches the file as it is made.
start
xdotool type --delay 50 "2+3*4=9@7/0="
xdotool key F8
sleep 0.5
xdotool key ctrl+a # the Evaluator opens with the display's number
xdotool type --delay 20 "sum(1,100,i*i)"
xdotool key Return
sleep 0.5
stop
[ -f "$tape" ] || fail "no tape file"
[ "$(cat "$tape")" = "$expected" ] || fail "the file holds other lines"

# Second run: the tape shows the same lines, copied whole from the keyboard.
start
xdotool key ctrl+h
sleep 0.5
xdotool key ctrl+a ctrl+Insert
sleep 0.3
[ "$(clipboard)" = "$expected" ] || fail "copied '$(clipboard)'"
# Enter on the last line uses its result; the main window has the keyboard again.
xdotool key ctrl+End Return
sleep 0.3
xdotool key ctrl+Insert
sleep 0.3
[ "$(clipboard)" = "338350" ] || fail "the display holds '$(clipboard)', not the last result"
stop
echo "tape session passed"
