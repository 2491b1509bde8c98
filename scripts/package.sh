#!/usr/bin/env bash
# The host's kit: builds the product DLL (i686) and writes one archive,
# build/dist/Kestrel-<version>-i686.zip, holding what a host team needs and
# nothing else: Kestrel.dll, the contract header Kestrel.h, the type library
# Kestrel.tlb and the host's guide hosting.md. Prints the archive's version
# and listing. "package.sh x64" writes the same kit of the x64 build
# (Kestrel-<version>-x64.zip), which the tests unpack under wine64.
# KESTREL_BUILD_ROOT names another build folder, as for scripts/build.sh.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

arch=${1:-i686}
case $arch in
  i686) tools=i686-w64-mingw32 ;;
  x64) tools=x86_64-w64-mingw32 ;;
  *) echo "usage: scripts/package.sh [i686|x64]" >&2; exit 2 ;;
esac

scripts/build.sh dll "$arch" >/dev/null
build=$(cd "${KESTREL_BUILD_ROOT:-build}" && pwd)
tree=$build/$arch
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$tree/CMakeCache.txt")
[ -n "$version" ] || { echo "package: no project version in $tree/CMakeCache.txt" >&2; exit 1; }

dist=$build/dist
archive=$dist/Kestrel-$version-$arch.zip
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

# The DLL without its debug information, which is for our own debugging only.
$tools-strip --strip-debug -o "$stage/Kestrel.dll" "$tree/Kestrel.dll"
cp "$tree/generated/Kestrel.tlb" "$stage/"
cp docs/hosting.md "$stage/"
# The header stands alone: the two headers of the module it includes (the
# identities and the GUID parser) are written into it where it includes them.
awk -v root="$root" '
  /^#include "module\/[A-Za-z]+\.h"$/ {
    file = root "/" substr($2, 2, length($2) - 2)
    while ((getline line < file) > 0) print line
    close(file)
    next
  }
  { print }' module/Kestrel.h >"$stage/Kestrel.h"

mkdir -p "$dist"
rm -f "$archive"
(cd "$stage" && zip -q -X "$archive" Kestrel.dll Kestrel.h Kestrel.tlb hosting.md)

echo "Kestrel $version ($arch): $archive"
unzip -l "$archive"
