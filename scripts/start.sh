#!/bin/sh
# Builds Quillbill and starts it on its delivered database.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset program
cmake --build --preset program
exec build/program/Quillbill
