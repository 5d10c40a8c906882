#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# The tape through the real program on a private X server with a private HOME: a chain, a root,
# a division by zero and an evaluation are written to tape.txt as they happen and survive
# SIGTERM; the next run shows them, copies them whole, and uses the last result in a new
# calculation. Exits 77 (skipped) without Xvfb, xdotool or xclip.
set -euo pipefail
program=${1:?usage: tape_session.sh PATH_TO_ORVANTIS}
source "$(dirname "$0")/x_session.sh"
open_session Xvfb xdotool xclip
tape="$XDG_CONFIG_HOME/Orvantis/tape.txt"
shown_on_failure=$tape

clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }

expected=$'2 + 3 = 5\n5 \u00D7 4 = 20\n\u221A9 = 3\n7 \u00F7 0: It is impossible to divide into a zero!\nsum(1,100,i*i) = 338350'
# The file keeps each result beside its line, after a tab; a failed step has none.
expected_file=$'2 + 3 = 5\t5\n5 \u00D7 4 = 20\t20\n\u221A9 = 3\t3\n7 \u00F7 0: It is impossible to divide into a zero!\nsum(1,100,i*i) = 338350\t338350'

# First run: every line reaches the file as it is made.
start
xdotool type --delay 50 "2+3*4=9@7/0="
xdotool key F8
sleep 0.5
xdotool key ctrl+a # the Evaluator opens with the display's number
xdotool type --delay 20 "sum(1,100,i*i)"
xdotool key Return
sleep 0.5
stop TERM
[ -f "$tape" ] || fail "no tape file"
[ "$(cat "$tape")" = "$expected_file" ] || fail "the file holds other lines"

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
stop TERM
echo "tape session passed"
