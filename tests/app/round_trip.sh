#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# Round trip through the real program on a private X server with a private HOME: type a number,
# store it in a register, open the conversion and scientific panels, switch to Russian in
# Preferences, stop the program with SIGINT, start it again, type once more and stop it with
# SIGTERM. Both stops must save the working state; the second run must have restored the first
# run's state, or it would have saved something else. A third run is stopped by SIGTERM in the
# middle of a long evaluation. Exits 77 (skipped) without Xvfb or xdotool.
set -euo pipefail
program=${1:?usage: round_trip.sh PATH_TO_ORVANTIS}
source "$(dirname "$0")/x_session.sh"
open_session Xvfb xdotool
conf="$XDG_CONFIG_HOME/Orvantis/Orvantis.conf"
shown_on_failure=$conf

value() { sed -n "s/^$1=\"\{0,1\}\([^\"]*\)\"\{0,1\}$/\1/p" "$conf"; } # strings are quoted
expect() { [ "$(value "$1")" = "$2" ] || fail "$1 is '$(value "$1")', expected '$2' ($3)"; }

# First run.
start
xdotool type --delay 50 "1234.5"
xdotool key ctrl+p F5 F6
sleep 0.3
xdotool key F2
prefs=$(xdotool search --sync --onlyvisible --name '^Preferences$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$prefs")"
xdotool mousemove $((X + 300)) $((Y + 176)) click 1 # the language list
sleep 0.3
xdotool key Down Return
sleep 0.2
xdotool mousemove $((X + 41)) $((Y + 310)) click 1 # OK
sleep 0.3
stop INT
[ -f "$conf" ] || fail "nothing saved after SIGINT"
expect RZ 1234.5 "the display"
expect RZM1 1234.5 "M+"
expect RMemState 1 "memory row"
expect RCalcMode 11 "conversion and scientific panels"
expect RLang 1 "Russian applied with OK"

# Second run: the same state comes back; a new entry reaches the file through SIGTERM.
start
xdotool type --delay 50 "7"
sleep 0.2
stop TERM
expect RZ 7 "typed in the second run"
expect RZM1 1234.5 "register restored and saved again"
expect RZM 1234.5 "memory line restored"
expect RMemState 1 "memory row restored"
expect RCalcMode 11 "panels restored"
expect RLang 1 "language kept"

# Third run, restored by a session manager with the toolkit's options, beside a lock file that a
# killed run left empty: a long evaluation in the Evaluator is under way when SIGTERM comes; the
# program must stop within a second and save.
: >"$conf.lock"
start -session 1234abcd -style Fusion
xdotool type --delay 50 "5"
xdotool key F8
sleep 0.5
xdotool type --delay 20 "+sum(1,1e15,i)"
xdotool key Return
sleep 1
stop TERM 10
expect RZ 5 "typed before the evaluation"
expect RZM1 1234.5 "register kept"
echo "round trip passed"
