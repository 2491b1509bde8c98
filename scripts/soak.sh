#!/usr/bin/env bash
# A long soak: the sample host under seeded random real input (tests/soak)
# for SECONDS, in either build. It prints the driver's report: events,
# clean exits, crashes with their exit codes, and for each time the host did
# not answer its windows, input state and stacks, then whether it was a
# stall (it answered again) or a hang. Exit status 0 when there was no
# crash and no hang.
#
#   scripts/soak.sh x64 SEED SECONDS    under wine64, in a display and a Wine prefix of its own
#   scripts/soak.sh i686 SEED SECONDS   the product, in the emulated i686 guest (scripts/i686.sh)
#   KESTREL_SOAK_HASTY=1 scripts/soak.sh ...   input without pauses, the host never brought forward
#   KESTREL_SOAK_ANSWER_MS=1500 scripts/soak.sh ...   report any answer later than this (30000)
#
# Several x64 soaks may run side by side: each has its own prefix
# (build/soak-SEED/prefix), hence its own foreground window.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

if [ $# -ne 3 ] || [[ ! $1 =~ ^(x64|i686)$ ]] || [[ ! $2 =~ ^[0-9]+$ ]] || [[ ! $3 =~ ^[0-9]+$ ]]; then
  sed -n '2,15p' "$0"
  exit 2
fi
arch=$1 seed=$2 seconds=$3
build=${KESTREL_BUILD_ROOT:-build}

if [ "$arch" = i686 ]; then
  # The guest runs the soak suite alone, with this seed and length; its
  # limits leave room for the guest's slow starts.
  status=0
  KESTREL_SOAK_SEED=$seed KESTREL_SOAK_SECONDS=$seconds KESTREL_SUITE_LIMIT=$((seconds + 900)) \
    KESTREL_I686_TIMEOUT=$((seconds + 1800)) KESTREL_I686_TARGETS="soak_tests SampleHost Grainhold KitCheck" KESTREL_I686_LANES=1 \
    scripts/i686.sh -R '^soak$' || status=$?
  cat "$build/i686/guest/logs/soak.log" 2>/dev/null || echo "soak: the guest returned no log"
  exit $status
fi

if [ -z "${KESTREL_IN_DISPLAY:-}" ]; then
  # Only the soak's programs once the tree exists.
  if [ -f "$build/x64/build.ninja" ]; then
    scripts/bootstrap.sh
    cmake --build "$build/x64" --target soak_tests
  else
    scripts/build.sh
  fi
  export KESTREL_IN_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

build_dir=$(cd "$build" && pwd)
mkdir -p "$build_dir/soak-$seed"
export KESTREL_WINEPREFIX="$build_dir/soak-$seed/prefix"
export WINEPREFIX="$KESTREL_WINEPREFIX" WINEDEBUG=-all
. scripts/wine-server.sh
start_wine_server
export KESTREL_DLL="Z:${build_dir//\//\\}\\x64\\Kestrel.dll"
scripts/wine-run.sh "$build_dir/x64/tests/soak_tests.exe" --seed "$seed" --seconds "$seconds"
