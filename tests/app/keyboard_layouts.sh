#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# The keypad's letters and every Ctrl+letter (memory, undo and redo, the tape, the Evaluator's
# text keys) go by the physical key under the Russian layout alone, beside a Latin one (before or
# after it, switched to) and under the US layout; text typed into the Evaluator stays what the
# layout types. Keys are pressed by key code through XTest.
# Exits 77 (skipped) without Xvfb, xdotool, xclip, setxkbmap or python3-xlib.
set -euo pipefail
program=${1:?usage: keyboard_layouts.sh PATH_TO_ORVANTIS}
source "$(dirname "$0")/x_session.sh"
open_session Xvfb xdotool xclip setxkbmap
python=
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import Xlib.ext.xtest' 2>/dev/null; then python=$candidate; break; fi
done
[ -n "$python" ] || { echo "skipped: python3-xlib is not installed"; exit 77; }
keys() { "$python" "$(dirname "$0")/press_keys.py" "$@"; }

# Key codes of the standard PC keyboard, named by the US layout (letters as KeyS: start sets X and
# Y to the window's place).
Esc=9 Digit1=10 Digit3=12 Digit4=13 Digit5=14 Digit9=18 KeyR=27 KeyY=29 KeyP=33 KeyA=38 KeyS=39
KeyD=40 KeyF=41 KeyH=43 KeyZ=52 KeyC=54 Comma=59 Enter=36 F8=74 KeypadPlus=86 Insert=118 CapsLock=66

display_text() {
    keys "ctrl+$Insert"
    sleep 0.2
    xclip -o -selection clipboard 2>/dev/null || true
}

# layouts, what the keys F, comma and D type there, whether Caps Lock switches to the second.
check_layout() {
    local layouts=$1 typed=$2 switch=${3:-}
    rm -rf "$XDG_CONFIG_HOME" # each layout starts with empty memory registers
    setxkbmap -layout "$layouts" -option "" ${switch:+-option grp:caps_toggle}
    start
    [ -n "$switch" ] && keys "$CapsLock"
    local case="under $layouts${switch:+ (second layout)}"

    keys "$Digit5" "$KeyS"
    [ "$(display_text)" = "-5" ] || fail "$case: 5 and S give '$(display_text)', not -5"
    keys "$Esc" "$Digit4" "$KeyR"
    [ "$(display_text)" = "0.25" ] || fail "$case: 4 and R give '$(display_text)', not 0.25"
    keys "$Esc" "$Digit1" "$Digit9" "ctrl+$KeyP" "$Esc" "ctrl+$KeyR"
    [ "$(display_text)" = "19" ] || fail "$case: 19, Ctrl+P, Esc, Ctrl+R give '$(display_text)'"
    keys "$Esc" "$Digit5" "$KeypadPlus" "$Digit3" "$Enter" "ctrl+$KeyZ"
    [ "$(display_text)" = "3" ] || fail "$case: Ctrl+Z after 5+3= gives '$(display_text)', not 3"
    keys "ctrl+$KeyY"
    [ "$(display_text)" = "8" ] || fail "$case: Ctrl+Y after the undo gives '$(display_text)', not 8"

    # In the Evaluator's expression the keys type text; Ctrl+A and Ctrl+C still select and copy.
    keys "$F8"
    xdotool search --sync --onlyvisible --pid "$app" --name '^Evaluator$' >/dev/null
    keys "ctrl+$KeyA" "$KeyF" "$Comma" "$KeyD" "ctrl+$KeyA" "ctrl+$KeyC"
    sleep 0.2
    local expression
    expression=$(xclip -o -selection clipboard 2>/dev/null || true)
    [ "$expression" = "$typed" ] || fail "$case: the expression holds '$expression', not '$typed'"
    keys "$Esc"
    sleep 0.3

    keys "ctrl+$KeyH"
    timeout 5 xdotool search --sync --onlyvisible --pid "$app" --name '^Tape$' >/dev/null ||
        fail "$case: Ctrl+H does not open the tape"
    stop TERM
}

check_layout us "f,d"
check_layout ru "абв"
check_layout ru,us "абв"
check_layout us,ru "абв" switch
echo "keyboard layouts passed"
