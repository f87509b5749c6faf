#!/bin/sh
# Builds Quillbill with its tests and runs every test.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/print-server.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLBILL_BUILD_TESTS=ON -DQUILLBILL_BUILD_BENCH=ON
cmake --build build
QUIREPRESS_REQUIRE_PRINTER=1 ctest --test-dir build --output-on-failure --timeout 300
