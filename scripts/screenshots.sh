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

# A stake costs 2 and pays 10, 100, 5000 and 1000000 for 3 to 6 matches.
printf '[STAKES]\r\nCost=2\r\nProfits=4\r\nProfit_0_Overlap=3\r\nProfit_0_Profit=10\r\nProfit_1_Overlap=4\r\nProfit_1_Profit=100\r\nProfit_2_Overlap=5\r\nProfit_2_Profit=5000\r\nProfit_3_Overlap=6\r\nProfit_3_Profit=1000000\r\n' \
  > "$data/Belvane_6x45.ini"

csv=../shared/data/draws-6x45-real.csv
if [[ -f "$csv" ]]; then
  build/bin/belvane-cli --data-dir "$data" draws import "$csv" >/dev/null
else
  build/bin/belvane-cli --data-dir "$data" draws demo >/dev/null
fi

# Stakes to show: scored ones at past offsets, one with matches to draw in
# bold and a profit, and a stake for three draws to come.
cli="build/bin/belvane-cli --data-dir $data"
for i in 1 2 3 4 5 6; do
  $cli --offset $((i * 2)) stakes random --comment "Сценарий $((i % 3 + 1))" >/dev/null
done
$cli --offset 1 stakes add "22;21;20;15;7;3" --comment "Ставка \"вручную\"" >/dev/null
$cli stakes add "3;7;15;16;19;43" --draws 3 --comment "Ставка \"вручную\"" >/dev/null

xvfb-run -a -s "-screen 0 1600x1000x24" build/bin/belvane --data-dir "$data" --screenshots "$out"
echo "Screenshots are in $out"
