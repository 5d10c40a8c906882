#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# The three speed figures in one run, each beside its floor, runs alternating so that a busy
# machine weighs on both alike; prints medians and the ratios against the goals:
#   SUM(1,1E7,I*I) on the command line    <= 8 ns a term, <= 5x a C loop over long double
#   200 000 lines through --eval -         >= 1 500 000 lines/s, <= 8.3x a C loop (bench/batch_loop.c)
#   start-up to the first mapped window    <= 1.10x an empty Qt 6 window, <= 30 MiB peak RSS
# Needs a C compiler, Xvfb and the xcb and Qt 6 development files. Not a test: it never fails.
# Usage: bench/compare.sh [build dir] [runs, at least 10]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build}"
runs="${2:-11}"
program="$build/src/app/orvantis"
[ -x "$program" ] || { echo "no $program: build first" >&2; exit 2; }
work="$(mktemp -d)"
trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

cc -O2 -o "$work/sum_loop" "$here/sum_loop.c"
cc -O2 -o "$work/batch_loop" "$here/batch_loop.c"
cc -O2 -o "$work/map_probe" "$here/startup/map_probe.c" $(pkg-config --cflags --libs xcb)
c++ -O2 -std=c++20 -fPIC -o "$work/empty_window" "$here/startup/empty_window.cpp" \
    $(pkg-config --cflags --libs Qt6Widgets)
awk 'BEGIN { srand(24); for (i = 0; i < 200000; i++)
    printf "%d-%d*(%d+%d)\n", int(rand() * 1000), int(rand() * 100), int(rand() * 10), int(rand() * 10) }' \
    >"$work/lines"

# Wall milliseconds of one run of a command, its output dropped.
wall() {
    local start=$EPOCHREALTIME
    "$@" >/dev/null
    awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.2f\n", (b - a) * 1000 }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

for _ in $(seq "$runs"); do
    wall "$program" --eval 'SUM(1,1E7,I*I)' >>"$work/sum"
    wall "$work/sum_loop" >>"$work/sum_c"
    wall "$program" --eval - <"$work/lines" >>"$work/batch"
    wall "$work/batch_loop" <"$work/lines" >>"$work/batch_c"
done

. "$here/startup/private_x.sh"
start_private_x
probe() { # output file, command...: milliseconds to map and peak RSS in KiB, from a fresh HOME
    local out="$1" home
    shift
    home="$(mktemp -d "$work/home.XXXX")"
    HOME="$home" XDG_CONFIG_HOME="$home/.config" "$work/map_probe" "$@" 2>/dev/null >>"$out" ||
        { echo "compare.sh: no first map measured for $*; is Xvfb running?" >&2; exit 2; }
}
probe /dev/null "$work/empty_window" # warm the file cache
probe /dev/null "$program"
for _ in $(seq "$runs"); do
    probe "$work/map_c" "$work/empty_window"
    probe "$work/map" "$program"
done

sum=$(median <"$work/sum") sum_c=$(median <"$work/sum_c")
batch=$(median <"$work/batch") batch_c=$(median <"$work/batch_c")
map=$(cut -d' ' -f1 "$work/map" | median) map_c=$(cut -d' ' -f1 "$work/map_c" | median)
rss=$(cut -d' ' -f2 "$work/map" | median) rss_c=$(cut -d' ' -f2 "$work/map_c" | median)
awk -v runs="$runs" -v sum="$sum" -v sum_c="$sum_c" -v batch="$batch" -v batch_c="$batch_c" \
    -v map="$map" -v map_c="$map_c" -v rss="$rss" -v rss_c="$rss_c" 'BEGIN {
    verdict = "  %-5s\n"
    printf "medians of %d runs each, alternating with the floor\n\n", runs
    printf "SUM(1,1E7,I*I)   orvantis %7.1f ms   C loop %7.1f ms\n", sum, sum_c
    ns = sum * 1e6 / 1e7
    printf "  %.2f ns a term (goal <= 8)", ns; printf verdict, ((ns <= 8) ? "met" : "MISSED")
    printf "  %.2fx the C loop (goal <= 5)", sum / sum_c; printf verdict, ((sum / sum_c <= 5) ? "met" : "MISSED")
    printf "--eval - x 200000 orvantis %7.1f ms   C loop %7.1f ms\n", batch, batch_c
    rate = 200000 / (batch / 1000)
    printf "  %.0f lines/s (goal >= 1500000)", rate; printf verdict, ((rate >= 1500000) ? "met" : "MISSED")
    printf "  %.2fx the C loop (goal <= 8.3)", batch / batch_c; printf verdict, ((batch / batch_c <= 8.3) ? "met" : "MISSED")
    printf "start-up to map  orvantis %7.1f ms   empty Qt 6 window %7.1f ms\n", map, map_c
    printf "  %.2fx the empty window (goal <= 1.10)", map / map_c; printf verdict, ((map / map_c <= 1.10) ? "met" : "MISSED")
    printf "  peak RSS %.1f MiB, empty window %.1f MiB (goal <= 30)", rss / 1024, rss_c / 1024
    printf verdict, ((rss / 1024 <= 30) ? "met" : "MISSED")
}'
