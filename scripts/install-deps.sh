#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# Installs the Debian packages that are missing, with sudo when not root.
#   scripts/install-deps.sh run    what building and running the calculator needs (scripts/run.sh)
#   scripts/install-deps.sh test   that and everything the tests, the checks and the package need
set -euo pipefail
need=${1:-test}
run_packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n libgl-dev fonts-dejavu-core
    libxkbcommon-dev libxkbcommon-x11-dev xkb-data
    librsvg2-bin gzip
)
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev libboost-dev
    clang libclang-rt-dev
    xvfb xauth xdotool xclip imagemagick x11-xkb-utils python3-xlib
    appstream desktop-file-utils man-db groff-base
    dpkg-dev fakeroot lintian
)
case "$need" in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
*) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
