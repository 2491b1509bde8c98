#!/usr/bin/env bash
# Checks the two Kestrel.dll images statically: the i686 one is a PE32 image
# for the i386 machine; both export exactly the four COM server entry points
# by their undecorated names, and import system DLLs only (the mingw runtime
# is linked in).
set -u
i686_dll=$1
x64_dll=$2
failures=0

fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

expect_machine() {
  local dll=$1 objdump=$2 format=$3 magic=$4
  local headers
  headers=$($objdump -p "$dll") || { fail "$dll: objdump cannot read it"; return; }
  grep -q "file format $format" <<<"$headers" || fail "$dll: expected file format $format"
  grep -q "^Magic[[:space:]]*$magic" <<<"$headers" || fail "$dll: expected optional header magic $magic"
}

expect_exports() {
  local dll=$1 objdump=$2
  local names
  names=$($objdump -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
          grep -E '^\s*\[ *[0-9]+\]' | awk '{print $NF}' | sort | tr '\n' ' ')
  local want="DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer "
  [ "$names" = "$want" ] || fail "$dll: exports are '$names', expected '$want'"
}

expect_system_imports() {
  local dll=$1 objdump=$2
  # DLL names are not case-sensitive (the linker writes COMCTL32.DLL for i686).
  local allowed=" advapi32.dll comctl32.dll gdi32.dll kernel32.dll oleacc.dll oleaut32.dll shlwapi.dll user32.dll ole32.dll msvcrt.dll urlmon.dll "
  local dlls
  dlls=$($objdump -p "$dll" | sed -n 's/^[[:space:]]*DLL Name: //p')
  [ -n "$dlls" ] || fail "$dll: no import table found"
  for d in $dlls; do
    case "$allowed" in
      *" ${d,,} "*) ;;
      *) fail "$dll imports $d, which is not a system DLL" ;;
    esac
  done
}

for image in "$i686_dll i686-w64-mingw32-objdump pei-i386 010b" "$x64_dll x86_64-w64-mingw32-objdump pei-x86-64 020b"; do
  set -- $image
  expect_machine "$@"
  expect_exports "$1" "$2"
  expect_system_imports "$1" "$2"
done

[ $failures -eq 0 ] && echo "PE image checks passed"
