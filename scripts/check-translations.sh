#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

# Fails when a text of the program or of the report engine has no French:
# runs lupdate over the sources as the target update_translations does, but
# into copies of the translation files, and looks for unfinished entries.
#
#     scripts/check-translations.sh <build folder> <lupdate> <Qt6LinguistTools folder>
set -eu
build=$(cd "$1" && pwd)
lupdate=$2
tools=$3
cd "$(dirname "$0")/.."
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
status=0
for target in quillbill/quillbill_core quirepress/quirepress_objects; do
    folder=${target%/*}
    name=${target#*/}
    ts="$folder"_fr.ts
    cp "translations/$ts" "$copies/$ts"
    cmake -DIN_FILE="$build/$folder/.lupdate/${name}_project.cmake" \
        -DOUT_FILE="$copies/${name}_project.json" \
        -P "$tools/GenerateLUpdateProject.cmake"
    (cd "$build/$folder" && "$lupdate" -project "$copies/${name}_project.json" -no-obsolete \
        -locations none -silent -ts "$copies/$ts" 2>/dev/null)
    unfinished=$(grep -c 'type="unfinished"' "$copies/$ts" || true)
    if [ "$unfinished" != 0 ]; then
        echo "translations/$ts: $unfinished texts without French; run the target update_translations and translate them"
        grep -B3 'type="unfinished"' "$copies/$ts" | grep '<source>' || true
        status=1
    fi
done
exit $status
