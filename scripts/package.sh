#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
#
# Builds the Debian package from a configured and built folder (default build/) into OUT (default
# that folder) and checks it with lintian, failing on any error.
#   scripts/package.sh [BUILD_DIR] [OUT]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-$build}
(cd "$build" && cpack -G DEB -B "$(realpath -m "$out")" >/dev/null)
deb=$(ls "$out"/orvantis_*.deb)
echo "$deb"
lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1 | grep -v "running with root privileges" || true
lintian --fail-on error "$deb" >/dev/null 2>&1
