#!/usr/bin/env bash
# Configures and builds the project in ./build (or $BELVANE_BUILD_DIR). Extra
# arguments go to `cmake --build` (for example: --target belvane-cli).
# Configuring runs whenever the build files are missing, so a configure that
# failed once (a package installed since) is retried on the next run, and
# whenever BELVANE_CMAKE_ARGS is set (shell quoting: a value with blanks is
# written -DNAME="a b").
set -euo pipefail
cd "$(dirname "$0")/.."

# ccache shares its results between checkouts of this machine: paths under the
# source root are hashed relative to it and the build folder's path is not
# hashed. The precompiled headers need the sloppiness that the ccache manual
# names for them; a fresh checkout's header times do not matter.
export CCACHE_BASEDIR="$PWD"
export CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-10G}"

cmake_args=()
if [[ -n "${BELVANE_CMAKE_ARGS:-}" ]]; then
  mapfile -t cmake_args < <(xargs -r -n1 printf '%s\n' <<<"$BELVANE_CMAKE_ARGS")
fi

dir=${BELVANE_BUILD_DIR:-build}
if [[ ! -f "$dir/build.ninja" || ${#cmake_args[@]} -gt 0 ]]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${cmake_args[@]}"
fi
cmake --build "$dir" "$@"
