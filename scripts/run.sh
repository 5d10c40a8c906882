#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# Installs what is missing, builds and starts the calculator. Arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
# Running needs no test framework; where GoogleTest is installed the tests stay in the build.
tests=OFF
[ -e /usr/include/gtest/gtest.h ] && tests=ON
scripts/build.sh -DORV_BUILD_TESTS=$tests
exec build/src/app/orvantis "$@"
