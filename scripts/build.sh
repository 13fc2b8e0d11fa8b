#!/usr/bin/env bash
# Configures and builds the project in ./build (or $BELVANE_BUILD_DIR). Extra
# arguments go to `cmake --build` (for example: --target belvane-cli).
# Configuring runs whenever the build files are missing, so a configure that
# failed once (a package installed since) is retried on the next run.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${BELVANE_BUILD_DIR:-build}
if [[ ! -f "$dir/build.ninja" ]]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${BELVANE_CMAKE_ARGS:-}
fi
cmake --build "$dir" "$@"
