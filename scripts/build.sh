#!/usr/bin/env bash
# Builds Kestrel.dll twice: build/i686 (the product) and build/x64 (the same
# DLL for x64, with the test programs and the sample host). KESTREL_BUILD_ROOT
# names another folder instead of build/, for a second tree beside the first.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/bootstrap.sh
build=${KESTREL_BUILD_ROOT:-build}

configure() {
  local dir=$1 toolchain=$2
  shift 2
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" "$@" >/dev/null
  fi
}

configure "$build/i686" toolchain-i686.cmake
cmake --build "$build/i686"
configure "$build/x64" toolchain-x86_64.cmake -DKESTREL_I686_BUILD="$(cd "$build" && pwd)/i686"
cmake --build "$build/x64"
