#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   ./test.sh          every test: unit, desktop program, slow (prefetch builds), reference
#   ./test.sh --fast   the unit and desktop program tests only (half a minute once built)
set -euo pipefail
cd "$(dirname "$0")"

labels=()
if [[ "${1:-}" == "--fast" ]]; then
  labels=(-L "fast|gui")
fi

./scripts/install-deps.sh
./scripts/build.sh
ctest --test-dir "${BELVANE_BUILD_DIR:-build}" --output-on-failure -j"$(nproc)" "${labels[@]}"
