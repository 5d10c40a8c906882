#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# Start-up time to the first mapped window and peak resident memory of the calculator, beside an
# empty Qt 6 window as the floor. Xvfb without a window manager, a fresh HOME for every run.
# Usage: bench/startup/startup_bench.sh [path/to/orvantis] [runs]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
program="${1:-$here/../../build/src/app/orvantis}"
runs="${2:-15}"
work="$(mktemp -d)"
trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

cc -O2 -o "$work/map_probe" "$here/map_probe.c" $(pkg-config --cflags --libs xcb)
c++ -O2 -std=c++20 -fPIC -o "$work/empty_window" "$here/empty_window.cpp" $(pkg-config --cflags --libs Qt6Widgets)

. "$here/private_x.sh"
start_private_x

measure() { # name, command...
    local name="$1"; shift
    local times=() rss=()
    "$work/map_probe" "$@" >/dev/null 2>&1 || true # warm the file cache
    for _ in $(seq "$runs"); do
        local home; home="$(mktemp -d "$work/home.XXXX")"
        read -r t r < <(HOME="$home" XDG_CONFIG_HOME="$home/.config" "$work/map_probe" "$@" 2>/dev/null)
        times+=("$t"); rss+=("$r")
    done
    local mt mr
    mt=$(printf '%s\n' "${times[@]}" | sort -g | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}')
    mr=$(printf '%s\n' "${rss[@]}" | sort -g | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}')
    printf '%-14s median %7.1f ms to map   median peak RSS %6.1f MiB   (%s runs)\n' "$name" "$mt" "$(awk -v k="$mr" 'BEGIN {print k / 1024}')" "$runs"
}

measure "empty Qt 6" "$work/empty_window"
measure "orvantis" "$program"
