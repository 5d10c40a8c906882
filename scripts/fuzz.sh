#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60) from its
# committed corpus. New inputs go to a scratch copy, so the tree stays as it was; any crash,
# leak, sanitizer report or timeout fails the run and leaves its input in build-fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORV_WITH_UI=OFF \
    -DORV_FUZZ=ON -DORV_BUILD_TESTS=OFF -DORV_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target fuzz_number_text fuzz_expression fuzz_summand_paths fuzz_decimal_sum
artifacts=build-fuzz/artifacts
rm -rf "$artifacts" && mkdir -p "$artifacts"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for target in fuzz_number_text fuzz_expression fuzz_summand_paths fuzz_decimal_sum; do
    scratch=$(mktemp -d)
    cp fuzz/corpus/"$target"/* "$scratch"/
    dictionary=()
    case "$target" in fuzz_expression | fuzz_summand_paths) dictionary=(-dict=fuzz/expression.dict) ;; esac
    echo "fuzzing $target for $seconds s"
    build-fuzz/fuzz/"$target" "${dictionary[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$artifacts/$target-" "$scratch" 2>"build-fuzz/$target.log" ||
        { tail -50 "build-fuzz/$target.log"; rm -rf "$scratch"; exit 1; }
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "build-fuzz/$target.log" || true
    rm -rf "$scratch"
done
if [ -n "$(ls -A "$artifacts")" ]; then
    echo "crash artefacts:" && ls "$artifacts"
    exit 1
fi
