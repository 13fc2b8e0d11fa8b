#!/usr/bin/env bash
# Builds the core, the command-line tool and the unit tests with the address
# and undefined-behaviour sanitizers and warnings as errors, in
# build-sanitize/, and runs the unit tests there.
set -euo pipefail
cd "$(dirname "$0")/.."

export BELVANE_BUILD_DIR=build-sanitize
export BELVANE_CMAKE_ARGS="-DBELVANE_SANITIZE=ON -DBELVANE_WERROR=ON -DBELVANE_BUILD_GUI=OFF -DBELVANE_BUILD_BENCH=OFF"
./scripts/build.sh --target belvane_tests --target belvane-cli
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$BELVANE_BUILD_DIR" --output-on-failure -j"$(nproc)" -L fast
