#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

# Renders the program's icon (desktop/icons/quillbill.svg) into the PNG sizes
# a desktop menu uses. The PNGs are kept in the repository, so a build needs
# no SVG renderer; run this after changing the SVG. Needs rsvg-convert
# (Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")/../desktop/icons"
for size in 48 256; do
    rsvg-convert --width "$size" --height "$size" --output "quillbill-$size.png" quillbill.svg
done
