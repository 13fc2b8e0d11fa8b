#!/usr/bin/env bash
# Starts the desktop program under a virtual display on the real archive (or a
# synthetic one when ../shared/data is absent) and saves PNG pictures of each
# page and dialog into build/screenshots, so anyone can see what a user sees.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh --target belvane --target belvane-cli

out=build/screenshots
data=build/screenshots-data
rm -rf "$data" "$out"
mkdir -p "$data" "$out"

csv=../shared/data/draws-6x45-real.csv
if [[ -f "$csv" ]]; then
  build/bin/belvane-cli --data-dir "$data" draws import "$csv" >/dev/null
else
  build/bin/belvane-cli --data-dir "$data" draws demo >/dev/null
fi

xvfb-run -a -s "-screen 0 1600x1000x24" build/bin/belvane --data-dir "$data" --screenshots "$out"
echo "Screenshots are in $out"
