#!/usr/bin/env bash
# Installs what PadwrightRx needs on Debian 12, builds it, then either starts
# the editor ("run") or runs every test ("test").
#   scripts/bootstrap.sh run [FILE]   install, build, start the editor (with FILE open)
#   scripts/bootstrap.sh test   install, build (normal and sanitizer), run all tests and fuzzers
set -euo pipefail
mode="${1:-run}"
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-svg-dev libgl-dev
          qt6-qpa-plugins fonts-dejavu-core fonts-symbola)
if [ "$mode" = test ]; then
  packages+=(clang libclang-rt-14-dev xvfb xauth appstream man-db qpdf poppler-utils)
fi

install_packages() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null && sudo="sudo" || { echo "Run as root to install: ${missing[*]}" >&2; exit 1; }
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq </dev/null
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
}

build() { # build DIR [cmake options...]
  local dir="$1"; shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}

install_packages

case "$mode" in
  run)
    build build/release -DPADWRIGHT_BUILD_TESTS=OFF -DPADWRIGHT_BUILD_BENCH=OFF
    exec build/release/src/PadwrightRx "${@:2}"
    ;;
  test)
    build build/release
    (cd build/release && ctest --output-on-failure --parallel "$(nproc)")
    build build/asan -DPADWRIGHT_SANITIZE=ON -DPADWRIGHT_BUILD_BENCH=OFF
    (cd build/asan && ctest --output-on-failure --parallel "$(nproc)")
    if [ -d fuzz ] && ls fuzz/fuzz_*.cpp >/dev/null 2>&1; then
      CXX=clang++ CC=clang build build/fuzz -DPADWRIGHT_BUILD_FUZZERS=ON -DPADWRIGHT_BUILD_TESTS=OFF -DPADWRIGHT_BUILD_BENCH=OFF
      scripts/run-fuzzers.sh build/fuzz 20
    fi
    echo "All test runs passed."
    ;;
  *)
    echo "usage: $0 run|test" >&2; exit 2 ;;
esac
