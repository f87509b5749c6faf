#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

# Builds Quillbill and starts it on its delivered database.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset program
cmake --build --preset program
exec build/program/Quillbill
