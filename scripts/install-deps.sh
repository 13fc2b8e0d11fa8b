#!/usr/bin/env bash
# Installs the Debian 12 packages Belvane 6x45 needs to build, test and run.
# Idempotent: packages already present are left alone, and apt-get update runs
# at most once, only when something is missing.
set -euo pipefail

packages=(
  # toolchain
  g++ cmake ninja-build ccache pkg-config
  # core library
  libfmt-dev libcurl4-openssl-dev libxlsxwriter-dev zlib1g-dev libpugixml-dev
  # the comparison with random play: Boost.Math's distributions
  libboost-math-dev
  # verified TLS: the system's CA store, OpenSSL for adding a CA of one's own
  ca-certificates libssl-dev
  # command-line front end
  libcli11-dev
  # desktop program
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev qt6-translations-l10n
  # the language modules: Qt's catalogue compiler (lrelease) and extractor (lupdate)
  qt6-l10n-tools
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # the network tests' local HTTP and TLS servers, compressed answers
  libcpp-httplib-dev zlib1g-dev
  # the reference exchange service: its storage
  libsqlite3-dev
  # headless runs of the desktop program (screenshots, GUI tests)
  xvfb xauth fonts-dejavu-core
  # the fuzz targets: clang and its libFuzzer and sanitizer runtimes (only recommended by clang)
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}" >&2
sudo=()
if ((EUID != 0)); then
  command -v sudo >/dev/null || { echo "Need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
