#!/usr/bin/env bash
# Refreshes the English catalogues from the sources: new texts are added as
# unfinished, texts no longer used are dropped, translations already made stay.
# Translate the unfinished ones (Qt Linguist or any editor), then build: the
# module Belvane_6x45_ENU.lng is compiled from translations/*_en.ts.
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=/usr/lib/qt6/bin/lupdate
[[ -x "$lupdate" ]] || lupdate=$(command -v lupdate)
# "-I ." lets lupdate read the headers behind "gui/..." includes, so texts get
# the namespaced class names that tr() uses at run time as their contexts.
"$lupdate" gui -I . -ts translations/gui_en.ts -locations none -no-obsolete \
  -source-language ru_RU -target-language en_US
python3 scripts/extract_core_texts.py en_US
