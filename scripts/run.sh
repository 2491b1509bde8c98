#!/usr/bin/env bash
# The main job: builds both DLLs, registers the x64 one in the build tree's
# Wine prefix, lists its exports and runs the sample host, which embeds both
# controls by ProgID, shows the device pane with a demonstration library,
# logs the events and saves one screenshot per scene of the pane under
# screenshots/ (each display mode with the player connected, then
# disconnected).
# KESTREL_BUILD_ROOT names another build folder, as for scripts/build.sh.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/build.sh

if [ -z "${KESTREL_IN_DISPLAY:-}" ]; then
  export KESTREL_IN_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

build=${KESTREL_BUILD_ROOT:-build}
build_dir="$(cd "$build" && pwd)"
export KESTREL_WINEPREFIX="$build_dir/wineprefix"
export WINEPREFIX="$KESTREL_WINEPREFIX"
export WINEDEBUG=-all
. scripts/wine-server.sh
start_wine_server

dll="$build_dir/x64/Kestrel.dll"
screenshots="$root/screenshots"
status=0

echo
echo "== Registering $dll with regsvr32"
if scripts/wine-run.sh regsvr32 /s "Z:$dll" >/dev/null 2>&1; then
  echo "Registered in $KESTREL_WINEPREFIX"
else
  echo "Registration is not available (DllRegisterServer failed); carrying on without it."
fi

echo
echo "== LoadCheck"
scripts/wine-run.sh "$build_dir/x64/samples/LoadCheck.exe" "Z:$dll" || status=1

echo
echo "== Sample host"
mkdir -p "$screenshots"
rm -f "$screenshots"/*.png
scripts/wine-run.sh "$build_dir/x64/samples/SampleHost.exe" --screenshots "Z:${screenshots//\//\\}" || status=1

echo
echo "Product (i686):   $build_dir/i686/Kestrel.dll"
echo "Test build (x64): $dll"
echo "Sample host:      $build_dir/x64/samples/SampleHost.exe"
echo "Screenshots:      $(cd "$screenshots" && ls *.png 2>/dev/null | tr '\n' ' ')in $screenshots"
exit $status
