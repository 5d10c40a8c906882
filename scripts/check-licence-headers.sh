#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
#
# Every source file of the repository names its licence and its copyright in its first lines.
# Lists the files that do not and fails; with --add, writes the two lines into them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
spdx="SPDX-License-Identifier: GPL-3.0-or-later"
copyright="Copyright (C) 2026 The Orvantis developers"
add=${1:-}
missing=0
while IFS= read -r file; do
    head -5 "$file" | grep -q "SPDX-License-Identifier:" && continue
    if [ "$add" != --add ]; then
        echo "no licence header: $file"
        missing=1
        continue
    fi
    case "$file" in
    *.cpp | *.h | *.h.in | *.c) header="// $spdx"$'\n'"// $copyright" ;;
    *.html | *.svg | *.xml.in) header="<!-- $spdx -->"$'\n'"<!-- $copyright -->" ;;
    *) header="# $spdx"$'\n'"# $copyright" ;;
    esac
    first=$(head -1 "$file")
    if [[ "$first" == '#!'* || "$first" == '<?xml'* || "$first" == '<!DOCTYPE'* ]]; then
        { echo "$first"; echo "$header"; tail -n +2 "$file"; } >"$file.new"
    else
        { echo "$header"; [[ "$header" == //* ]] && echo; cat "$file"; } >"$file.new"
    fi
    chmod --reference="$file" "$file.new"
    mv "$file.new" "$file"
done < <(git ls-files -- '*.cpp' '*.h' '*.c' '*.in' '*.sh' '*.py' '*.html' '*.svg' '*.cmake' \
    'CMakeLists.txt' '*/CMakeLists.txt' '.ci/run' '*.desktop' | grep -v -e '^fuzz/corpus/' -e '^packaging/changelog.in$')
exit $missing
