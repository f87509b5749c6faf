#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

# Takes the user guide's pictures and the README's from the program itself,
# so that they show the windows as they are now. Run it after changing a
# window, look at the pictures, and commit them.
#
#     scripts/guide-screenshots.sh
#
# Builds the picture tool in the test preset's build folder (build/) and
# writes into program-files/HelpFile/images/ and docs/, and on a French
# desktop (the locale fr_CA.UTF-8) the French guide's pictures into
# program-files/HelpFile/fr/images/.
set -eu
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ]; then
    cmake --preset test
fi
cmake --build build --target quillbill_screenshots
QT_QPA_PLATFORM=offscreen build/tools/screenshots/quillbill_screenshots --guide \
    program-files/HelpFile/images docs
if locale -a | grep -qix 'fr_CA.utf8'; then
    french_docs=$(mktemp -d)
    LC_ALL=fr_CA.UTF-8 QT_QPA_PLATFORM=offscreen build/tools/screenshots/quillbill_screenshots --guide \
        program-files/HelpFile/fr/images "$french_docs"
    rm -r "$french_docs"
else
    echo "no locale fr_CA.UTF-8: the French guide's pictures were not taken" >&2
fi
