#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

# Builds Quillbill with its tests and runs every test.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/print-server.sh
# The presets are in CMakePresets.json; this one treats warnings as errors.
cmake --preset test
cmake --build --preset test
ctest --preset test
