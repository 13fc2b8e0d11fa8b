#!/usr/bin/env bash
# Installs what is missing, builds, and runs Belvane 6x45 on the demo data
# folder ./demo (created with a synthetic archive on the first run): the
# desktop program when a display is available, else a summary in the terminal.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
./scripts/build.sh --target belvane-cli --target belvane

cli=build/bin/belvane-cli
demo=demo
if [[ ! -s "$demo/Belvane_6x45.ldr" ]]; then
  "$cli" --data-dir "$demo" draws demo
fi

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec build/bin/belvane --data-dir "$demo"
fi

echo "No display: the draws list and a summary instead of the desktop program."
"$cli" --data-dir "$demo" draws list
echo
"$cli" --data-dir "$demo" draws summary
