#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# The command-line modes of the real programs when their output cannot be written. On a full disk
# (/dev/full) every mode exits 1 with one line on stderr. A pipe whose reader has gone ends the
# program at once and quietly by SIGPIPE, as with other Unix tools; where SIGPIPE is ignored,
# with status 1 and one line. Input that cannot be read (a folder) is status 2 and one line.
# Exits 77 (skipped) without /dev/full.
set -uo pipefail
[ $# -gt 0 ] || { echo "usage: write_errors.sh PROGRAM..."; exit 2; }
[ -w /dev/full ] || { echo "skipped: no /dev/full"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
seq 100000 >"$work/lines" # far more output than any buffer holds
failures=0
fail() {
    echo "FAIL: $*"
    sed 's/^/  stderr: /' "$work/err"
    failures=$((failures + 1))
}

for program in "$@"; do
    name=$(basename "$program")

    "$program" --eval 1+1 >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 0 ] && [ "$(cat "$work/out")" = 2 ] || fail "$name --eval 1+1 into a file: status $status"

    for args in "--eval 1+1" "--eval -" "--convert 1 Mile Meter" "--units" "--units 2" "--help" "--version"; do
        # shellcheck disable=SC2086 # the words of $args are the arguments
        timeout 20 "$program" $args <"$work/lines" >/dev/full 2>"$work/err"
        status=$?
        [ "$status" -eq 1 ] || fail "$name $args on a full disk: status $status"
        [ "$(cat "$work/err")" = "orvantis: cannot write the output: No space left on device" ] ||
            fail "$name $args on a full disk: not the one line expected"
    done

    timeout 20 "$program" --eval - <"$work" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 2 ] && [ ! -s "$work/out" ] || fail "$name --eval - from a folder: status $status"
    [ "$(cat "$work/err")" = "orvantis: cannot read the input: Is a directory" ] ||
        fail "$name --eval - from a folder: not the one line expected"

    first=$(timeout 20 "$program" --eval - <"$work/lines" 2>"$work/err" | head -1; echo "status ${PIPESTATUS[0]}")
    [ "$first" = $'1\nstatus 141' ] || fail "$name --eval - | head -1: $first, expected 1 and SIGPIPE (141)"
    [ -s "$work/err" ] && fail "$name --eval - | head -1 wrote on stderr"

    first=$(trap '' PIPE; timeout 20 "$program" --eval - <"$work/lines" 2>"$work/err" | head -1; echo "status ${PIPESTATUS[0]}")
    [ "$first" = $'1\nstatus 1' ] || fail "$name --eval - | head -1 with SIGPIPE ignored: $first, expected 1 and 1"
    [ "$(cat "$work/err")" = "orvantis: cannot write the output: Broken pipe" ] ||
        fail "$name --eval - | head -1 with SIGPIPE ignored: not the one line expected"
done

[ "$failures" -eq 0 ] || exit 1
echo "write errors passed"
