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

# Stakes to show: scored ones at past offsets, with matches to draw in bold,
# and a stake for three draws to come.
cli="build/bin/belvane-cli --data-dir $data"
for i in 1 2 3 4 5 6; do
  $cli --offset $((i * 2)) stakes random --comment "Сценарий $((i % 3 + 1))" >/dev/null
done
newest=$($cli draws list --format tsv 2>/dev/null | sed -n 2p | cut -f2-7 | tr '\t' ';' || true)
if [[ -n "$newest" ]]; then
  $cli --offset 1 stakes add "$newest" --comment "Ставка \"вручную\"" >/dev/null || true
fi
$cli stakes add "3;7;15;16;19;43" --draws 3 --comment "Ставка \"вручную\"" >/dev/null

xvfb-run -a -s "-screen 0 1600x1000x24" build/bin/belvane --data-dir "$data" --screenshots "$out"
echo "Screenshots are in $out"
