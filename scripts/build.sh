#!/usr/bin/env bash
# Builds Kestrel.dll twice: build/i686 (the product) and build/x64 (the same
# DLL for x64, with the test programs and the sample host); "build.sh i686"
# builds build/i686 and build/i686-tests instead ("build.sh i686 TARGET..."
# only those targets of the test tree), "build.sh dll [x64]" only one tree's
# DLL. KESTREL_BUILD_ROOT names another folder instead of build/, for a
# second tree beside the first.
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

configure_x64() {
  configure "$build/x64" toolchain-x86_64.cmake -DKESTREL_I686_BUILD="$(cd "$build" && pwd)/i686"
}

configure "$build/i686" toolchain-i686.cmake
if [ "${1:-}" = dll ]; then
  # For scripts/package.sh: only the DLL (with its type library) of one
  # tree, build/i686 or build/x64 ("build.sh dll x64").
  [ "${2:-i686}" = i686 ] || configure_x64
  cmake --build "$build/${2:-i686}" --target Kestrel
  exit 0
fi
cmake --build "$build/i686"
if [ "${1:-}" = i686 ]; then
  # For scripts/i686.sh: the test programs, samples and benchmarks built for
  # i686 in a tree of their own, so that the product tree stays as it is.
  configure "$build/i686-tests" toolchain-i686.cmake -DKESTREL_BUILD_TESTS=ON
  shift
  cmake --build "$build/i686-tests" ${1:+--target "$@"}
  exit 0
fi
configure_x64
cmake --build "$build/x64"
