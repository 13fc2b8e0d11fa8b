#!/usr/bin/env bash
# One line: how many compilations the compiler cache answered since its
# statistics were last zeroed (CI zeroes them at its start).
set -euo pipefail
command -v ccache >/dev/null || { echo "ccache: not installed"; exit 0; }
ccache --print-stats | awk -F'\t' '
  $1 == "direct_cache_hit" || $1 == "preprocessed_cache_hit" { hits += $2 }
  $1 == "cache_miss" { misses += $2 }
  END {
    total = hits + misses
    printf "ccache: %d of %d compilations from the cache (%.1f %%)\n", hits, total, total ? 100 * hits / total : 0
  }'
