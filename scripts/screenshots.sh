#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# Pictures of every window and panel in English and Russian: builds the renderer when needed and
# writes <view>-<lang>.png into FOLDER (default: screenshots/ in the build folder), listing them.
# BUILD_DIR names another build folder than build/ (relative to the source tree).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-build}
[[ $build_dir = /* ]] || build_dir=$root/$build_dir
folder=${1:-$build_dir/screenshots}

[ -f "$build_dir/CMakeCache.txt" ] || cmake -S "$root" -B "$build_dir" -G Ninja >/dev/null
cmake --build "$build_dir" --target orvantis-screenshots >/dev/null
QT_QPA_PLATFORM=offscreen "$build_dir/tools/screenshots/orvantis-screenshots" "$folder"
