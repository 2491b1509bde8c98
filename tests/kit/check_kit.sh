#!/usr/bin/env bash
# The host's kit as a host team meets it. scripts/package.sh writes the
# product's archive and the x64 one; each holds exactly the four files of
# the kit, a DLL of its machine and a header that compiles on its own. The
# x64 kit, unpacked into a fresh Wine prefix, registers with regsvr32;
# KitCheck finds both classes in its type library and creates and embeds
# both controls by ProgID from its DLL; it unregisters again.
# Arguments: the repository, the build root (holding i686/ and x64/),
# KitCheck.exe.
set -u
root=$1
build_root=$2
kit_check=$3
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

cd "$root" || exit 1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# unpack ARCH TOOLS FORMAT: the kit of ARCH, checked and unpacked in $tmp/ARCH.
unpack() {
  local arch=$1 tools=$2 format=$3 packaged archive contents
  packaged=$(KESTREL_BUILD_ROOT=$build_root scripts/package.sh "$arch") || { fail "package.sh $arch"; return; }
  echo "$packaged"
  archive=$(sed -n "s/^Kestrel [0-9.]* ($arch): //p" <<<"$packaged")
  [ -f "$archive" ] || { fail "package.sh $arch names no archive"; return; }
  contents=$(unzip -Z1 "$archive" | sort | tr '\n' ' ')
  [ "$contents" = "Kestrel.dll Kestrel.h Kestrel.tlb hosting.md " ] || fail "$archive holds '$contents'"
  unzip -q "$archive" -d "$tmp/$arch" || fail "unzip $archive"
  $tools-objdump -f "$tmp/$arch/Kestrel.dll" | grep -q "file format $format" || fail "$arch Kestrel.dll is not $format"
  echo '#include "Kestrel.h"' | $tools-g++-posix -std=c++17 -fsyntax-only -I "$tmp/$arch" -x c++ - ||
    fail "the $arch Kestrel.h does not compile on its own"
}
unpack i686 i686-w64-mingw32 pei-i386
unpack x64 x86_64-w64-mingw32 pei-x86-64

# A prefix of its own, where nothing has been registered before.
export WINEPREFIX=$tmp/prefix KESTREL_WINEPREFIX=$tmp/prefix WINEDEBUG=-all
. scripts/wine-server.sh
start_wine_server
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$tmp"' EXIT
kit="Z:${tmp//\//\\}\\x64"
scripts/wine-run.sh regsvr32 /s "$kit\\Kestrel.dll" || fail "regsvr32 $kit\\Kestrel.dll"
scripts/wine-run.sh "$kit_check" "$kit" || fail "KitCheck"
scripts/wine-run.sh regsvr32 /s /u "$kit\\Kestrel.dll" || fail "regsvr32 /u $kit\\Kestrel.dll"

[ $failures -eq 0 ] && echo "kit checks passed"
exit $((failures > 0))
