#!/usr/bin/env bash
# Refreshes the desktop program's catalogue from the sources of gui/.
# "-I ." lets lupdate read the headers behind "gui/..." includes, so texts get
# the namespaced class names that tr() uses at run time as their contexts.
set -euo pipefail
cd "$(dirname "$0")/.."
/usr/lib/qt6/bin/lupdate gui -I . -ts translations/gui_en.ts -locations none -no-obsolete \
  -target-language en_US -source-language ru_RU
