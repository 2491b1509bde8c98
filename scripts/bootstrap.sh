#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Silent when all
# of them are present; touches nothing but the package database.
# "scripts/bootstrap.sh i686" adds what scripts/i686.sh needs to make and
# boot the emulated i386 guest.
set -euo pipefail

packages=(
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools libwine-dev
  wine wine64 fonts-wine xvfb xauth cmake ninja-build binutils-mingw-w64-i686
  binutils-mingw-w64-x86-64 ccache
  zip unzip  # the host's kit of scripts/package.sh
  clang libclang-rt-14-dev  # the native sanitizer and fuzzing build of tests/native
)
if [ "${1:-}" = i686 ]; then
  packages+=(qemu-system-x86 qemu-utils debootstrap e2fsprogs cpio gzip util-linux)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
# Quiet unless it fails: apt's notes on standard error are noise here.
if ! log=$({ $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq && $sudo apt-get install -y -qq -o DPkg::Lock::Timeout=600 \
  --no-install-recommends "${missing[@]}"; } 2>&1); then
  echo "$log" >&2
  echo "bootstrap: installing ${missing[*]} failed" >&2
  exit 1
fi
