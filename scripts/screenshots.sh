#!/usr/bin/env bash
# Starts the desktop program under a virtual display on the real archive (or a
# synthetic one when ../shared/data is absent) and saves PNG pictures of each
# page and dialog into build/screenshots, so anyone can see what a user sees.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh --target belvane --target belvane-cli --target belvane-service

out=build/screenshots
data=build/screenshots-data
exchange=build/screenshots-exchange
rm -rf "$data" "$out" "$exchange"
mkdir -p "$data" "$out" "$exchange/own" "$exchange/club" "$exchange/guest"

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

# The exchange service on 127.0.0.1 with a catalogue to show: systems and
# scenarios of the user (published from a folder of theirs) and of a club member.
build/bin/belvane-service --db "$exchange/exchange.sqlite" --listen 127.0.0.1:0 >"$exchange/url" &
service_pid=$!
trap 'kill "$service_pid" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [[ -s "$exchange/url" ]] && break; sleep 0.1; done
url=$(head -n 1 "$exchange/url")
online() { printf '[ONLINE]\r\nServiceUrl=%s\r\nUserName=%s\r\nUserMail=%s\r\n' "$url" "$1" "$2"; }
online "Ivan Petrov" "ivan@example.org" >>"$data/Belvane_6x45.ini"
online "Ivan Petrov" "ivan@example.org" >"$exchange/own/Belvane_6x45.ini"
online "Club member" "club@example.org" >"$exchange/club/Belvane_6x45.ini"
online "Guest" "guest@example.org" >"$exchange/guest/Belvane_6x45.ini"
own() { build/bin/belvane-cli --data-dir "$exchange/own" "$@" --service "$url"; }
club() { build/bin/belvane-cli --data-dir "$exchange/club" "$@" --service "$url"; }
guest() { build/bin/belvane-cli --data-dir "$exchange/guest" "$@" --service "$url"; }
printf '1 2 3 4 5 6\n1 2 3 4 5 7\n1 2 3 4 6 7\n1 2 3 5 6 7\n1 2 4 5 6 7\n1 3 4 5 6 7\n2 3 4 5 6 7\n' >"$exchange/seven.txt"
printf '1 2 3 4 5 6\n1 2 3 7 8 9\n4 5 6 7 8 9\n1 4 7 2 5 8\n3 6 9 1 5 8\n' >"$exchange/nine.txt"
printf '1 2 3 4 5 6\n7 8 9 10 11 12\n1 2 7 8 3 9\n4 5 10 11 6 12\n' >"$exchange/twelve.txt"
club systems publish "$exchange/seven.txt" --title "Полная система на 7 чисел" --descr "Все сочетания семи чисел" --olap 5 >/dev/null
club systems publish "$exchange/twelve.txt" --title "Двенадцать чисел" --descr "Четыре строки" --olap 3 --url "https://example.org/systems/12" >/dev/null
own systems publish "$exchange/nine.txt" --title "Моя система на 9 чисел" --descr "Пять строк, блок 3" --olap 3 >/dev/null
build/bin/belvane-cli --data-dir "$exchange/club" scenario add "FULL:0#RAND|TSD1#NUMS:100#LNO:#SF:1| | | | | | |Все числа" >/dev/null
club library publish --title "Сумма и числа" --descr "Две строки для клуба" --universal >/dev/null
build/bin/belvane-cli --data-dir "$exchange/own" scenario add "EXCL:5#SKIP#CLR#NEX|TMF1#NUMS:10,20#LMV:1-3;1#SF:1| |BSD6#SUMS:100#LNO:#SZ:1| | | | |Пример" >/dev/null
own library publish --title "Мой сценарий" --descr "Исключить пять последних тиражей" >/dev/null
mine=$(own library list --format tsv | awk -F'\t' '$0 ~ /Мой сценарий/ {print $1; exit}')
club library rate "$mine" 5 --notes "Отлично работает" >/dev/null
# The service takes no rating of one's own scenario: a second member rates it.
guest library rate "$mine" 4 --notes "Можно лучше" >/dev/null

xvfb-run -a -s "-screen 0 1600x1000x24" build/bin/belvane --data-dir "$data" --screenshots "$out"
echo "Screenshots are in $out"
