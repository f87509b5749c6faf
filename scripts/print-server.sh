#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

# Makes sure a CUPS print server runs with the "PDF" queue of cups-pdf, which
# writes every job as a PDF file into ~/PDF. The report engine's printer
# tests print to it. Starts the server only when none runs (a desktop
# normally has one); uses sudo when not run as root.
set -eu

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
else
    as_root="sudo"
fi

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    $as_root cupsd
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 1
    done
fi

if ! lpstat -p PDF >/dev/null 2>&1; then
    $as_root lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
fi
# PDF jobs reach cups-pdf as PostScript; made by pdftocairo their text can be
# read back out of the PDF that comes of it.
$as_root lpadmin -p PDF -o pdftops-renderer-default=pdftocairo
