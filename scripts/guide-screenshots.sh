#!/bin/sh
# Takes the user guide's pictures and the README's from the program itself,
# so that they show the windows as they are now. Run it after changing a
# window, look at the pictures, and commit them.
#
#     scripts/guide-screenshots.sh
#
# Builds the picture tool in the test preset's build folder (build/) and
# writes into program-files/HelpFile/images/ and docs/.
set -eu
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ]; then
    cmake --preset test
fi
cmake --build build --target quillbill_screenshots
QT_QPA_PLATFORM=offscreen build/tools/screenshots/quillbill_screenshots --guide \
    program-files/HelpFile/images docs
