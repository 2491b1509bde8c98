#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Silent when all
# of them are present; touches nothing but the package database.
set -euo pipefail

packages=(
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools libwine-dev
  wine wine64 xvfb xauth cmake ninja-build binutils-mingw-w64-i686
  binutils-mingw-w64-x86-64
  clang libclang-rt-14-dev  # the native sanitizer and fuzzing build of tests/native
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
# Other builds on the machine may hold the package lock for a while.
lock=(-o DPkg::Lock::Timeout=600)
$sudo apt-get "${lock[@]}" update -qq >/dev/null
$sudo apt-get "${lock[@]}" install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
