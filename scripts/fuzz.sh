#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer and the address and
# undefined-behaviour sanitizers in build-fuzz/, and runs each for a while on
# a copy of its saved corpus (fuzz/corpus/<name>/), one after the other.
#
#   scripts/fuzz.sh [--merge] [SECONDS] [TARGET...]
#
# SECONDS: per target, 20 by default. TARGET: names such as "stakes" (every
# fuzz/*_fuzz.cpp by default). --merge adds the inputs that found new code
# to the saved corpus (the corpus only grows when asked; CI never does).
# Prints the inputs each target ran; exits 1 when any target found a crash,
# a leak, a hang or a sanitizer report (the input lies under
# build-fuzz/artifacts/<name>/, the log beside it).
set -euo pipefail
cd "$(dirname "$0")/.."

merge=0
seconds=20
targets=()
for arg in "$@"; do
  case "$arg" in
    --merge) merge=1 ;;
    -h|--help) sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    ''|*[!0-9]*) targets+=("$arg") ;;
    *) seconds=$arg ;;
  esac
done
if ((${#targets[@]} == 0)); then
  for source in fuzz/*_fuzz.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name%_fuzz}")
  done
fi
for name in "${targets[@]}"; do
  [[ -f "fuzz/${name}_fuzz.cpp" ]] || { echo "fuzz.sh: no fuzz target \"$name\" (fuzz/${name}_fuzz.cpp)" >&2; exit 2; }
done

command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }

dir=build-fuzz
export BELVANE_BUILD_DIR=$dir
export BELVANE_CMAKE_ARGS="-DCMAKE_CXX_COMPILER=clang++ -DBELVANE_FUZZ=ON -DBELVANE_BUILD_GUI=OFF -DBELVANE_BUILD_TESTS=OFF -DBELVANE_BUILD_BENCH=OFF"
build_targets=()
for name in "${targets[@]}"; do build_targets+=(--target "${name}_fuzz"); done
./scripts/build.sh "${build_targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
work=$(mktemp -d "${TMPDIR:-/tmp}/belvane-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT

failed=()
summary=()
for name in "${targets[@]}"; do
  binary=$dir/bin/${name}_fuzz
  saved=fuzz/corpus/$name
  corpus=$work/$name
  artifacts=$dir/artifacts/$name
  log=$artifacts/last-run.log
  mkdir -p "$corpus" "$artifacts"
  if [[ -d "$saved" ]]; then cp -r "$saved/." "$corpus/"; fi
  dict=()
  if [[ -f "fuzz/$name.dict" ]]; then dict=(-dict="fuzz/$name.dict"); fi
  echo "== $name: ${seconds} s"
  status=0
  # A run's own working files (the targets' scratch folder) stay out of the checkout.
  (cd "$work" && exec "$OLDPWD/$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$OLDPWD/$artifacts/" "${dict[@]}" "$corpus") >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if ((status != 0)) || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|SUMMARY: ' "$log"; then
    failed+=("$name")
    summary+=("$(printf '%-16s %12s inputs  FAILED (exit %d, see %s)' "$name" "${runs:-?}" "$status" "$log")")
    grep -E 'ERROR:|runtime error:|SUMMARY:|Test unit written|^    #[0-9] ' "$log" | head -30 >&2 || true
  else
    summary+=("$(printf '%-16s %12s inputs  ok' "$name" "${runs:-?}")")
  fi
  if ((merge)) && [[ -d "$saved" || $status -eq 0 ]]; then
    mkdir -p "$saved"
    (cd "$work" && "$OLDPWD/$binary" -merge=1 -timeout=10 -rss_limit_mb=2048 "$OLDPWD/$saved" "$corpus") \
      >"$artifacts/merge.log" 2>&1 || { echo "fuzz.sh: merging into $saved failed (see $artifacts/merge.log)" >&2; exit 1; }
  fi
done

echo "== fuzzing, ${seconds} s per target"
printf '%s\n' "${summary[@]}"
if ((${#failed[@]})); then
  echo "fuzz.sh: ${#failed[@]} target(s) failed: ${failed[*]}" >&2
  exit 1
fi
