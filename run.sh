#!/usr/bin/env bash
# Installs what is missing, builds, and runs Belvane 6x45 on the demo data
# folder ./demo (created with a synthetic archive on the first run).
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
./scripts/build.sh --target belvane-cli

cli=build/bin/belvane-cli
demo=demo
if [[ ! -s "$demo/Belvane_6x45.ldr" ]]; then
  "$cli" --data-dir "$demo" draws demo
fi

"$cli" --data-dir "$demo" draws list
echo
"$cli" --data-dir "$demo" draws summary
