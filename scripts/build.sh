#!/usr/bin/env bash
# Configures (once) and builds the project in ./build. Extra arguments go to
# `cmake --build` (for example: --target belvane-cli).
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ! -f build/CMakeCache.txt ]]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build "$@"
