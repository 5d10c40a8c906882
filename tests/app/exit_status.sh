#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# How the real program ends, on a private X server with a private HOME. SIGTERM sent again and
# again until the program is gone must neither cut its shutdown short nor change its status: 0,
# and the entry saved, run after run. A save that fails at a signal (the settings file is a
# folder) is one line on standard error and status 1. Exits 77 (skipped) without Xvfb or xdotool.
set -euo pipefail
program=${1:?usage: exit_status.sh PATH_TO_ORVANTIS}
source "$(dirname "$0")/x_session.sh"
open_session Xvfb xdotool
conf="$XDG_CONFIG_HOME/Orvantis/Orvantis.conf"
shown_on_failure=$work/run.log

# SIGTERM until the program has ended (a zombie, not yet waited for); its status is $status.
terminate() {
    local state=R
    while [ "$state" != Z ]; do
        kill -TERM "$app" 2>/dev/null || break
        { read -r _ _ state _ <"/proc/$app/stat"; } 2>/dev/null || break
    done
    status=0
    wait "$app" || status=$?
}

for run in 1 2 3 4 5; do
    start
    xdotool type --delay 50 "$run"
    sleep 0.2
    terminate
    [ "$status" -eq 0 ] || fail "run $run: SIGTERM after SIGTERM ended the program with status $status"
    grep -qx "RZ=\"$run\"" "$conf" || fail "run $run: the entry is not saved"
done

rm "$conf"
mkdir "$conf"
start
kill -TERM "$app"
status=0
wait "$app" || status=$?
[ "$status" -eq 1 ] || fail "a save that failed at SIGTERM: status $status"
said=$(grep '^orvantis: ' "$work/run.log" || true)
[ "$said" = "orvantis: the settings could not be saved to $conf: Filename refers to a directory" ] ||
    fail "a save that failed at SIGTERM: '$said', not the one line expected"
echo "exit status passed"
