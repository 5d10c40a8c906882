#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
#
# Packs the build as a Debian package, checks it with lintian (no error), checks that it holds
# everything a desktop and a distribution look for under /usr, and runs the packed program from
# an unpacked copy: the command line and the window (offscreen), stopped by SIGTERM with its
# state saved.
set -euo pipefail
build=${1:?usage: package_check.sh BUILD_DIR SOURCE_DIR}
source=${2:?usage: package_check.sh BUILD_DIR SOURCE_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

deb=$("$source/scripts/package.sh" "$build" "$work/out" | head -1)
[ -f "$deb" ] || fail "no package"
dpkg-deb -x "$deb" "$work/root"
id=org.example.Orvantis
for path in usr/bin/orvantis usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/man/man1/orvantis.1.gz usr/share/icons/hicolor/scalable/apps/$id.svg \
    usr/share/orvantis/help/index.html usr/share/doc/orvantis/copyright usr/share/doc/orvantis/changelog.gz; do
    [ -f "$work/root/$path" ] || fail "the package lacks /$path"
done
for size in 16 22 24 32 48 64 128 256; do
    [ -f "$work/root/usr/share/icons/hicolor/${size}x$size/apps/$id.png" ] || fail "no ${size}x$size icon"
done

program="$work/root/usr/bin/orvantis"
version=$(grep -m1 '^project(' "$source/CMakeLists.txt" | sed 's/.*VERSION \([0-9.]*\).*/\1/')
[ "$("$program" --version)" = "orvantis $version" ] || fail "--version says '$("$program" --version)'"
[ "$("$program" --eval '2+3')" = 5 ] || fail "--eval 2+3"

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
"$program" -session packcheck >"$work/run.log" 2>&1 &
app=$!
sleep 2
kill -0 "$app" 2>/dev/null || { cat "$work/run.log"; fail "the window did not stay up"; }
kill -TERM "$app"
wait "$app" || fail "SIGTERM ended the program with status $?"
[ -f "$XDG_CONFIG_HOME/Orvantis/Orvantis.conf" ] || fail "no settings saved"
echo "package check passed: $(basename "$deb")"
