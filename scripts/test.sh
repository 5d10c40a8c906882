#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# Installs what is missing, builds and runs every test headless; then the plain modules again
# under AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/build.sh -DORV_BUILD_TESTS=ON -DORV_BUILD_BENCH=ON
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j"$(nproc)")
scripts/test-sanitizers.sh
