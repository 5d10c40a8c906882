#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# Builds the plain C++ modules and their tests with ASan and UBSan (no windows) and runs them,
# then a minute of fuzzing per libFuzzer target.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORV_WITH_UI=OFF -DORV_SANITIZE=ON >/dev/null
cmake --build build-sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
(cd build-sanitize && ctest --output-on-failure -j"$(nproc)")
scripts/fuzz.sh 60
