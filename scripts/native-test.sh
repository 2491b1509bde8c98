#!/usr/bin/env bash
# The Windows-free core on Linux: builds it with clang under AddressSanitizer
# and UndefinedBehaviorSanitizer (tests/native, into build/native), runs its
# unit tests and replays every committed fuzz input, then fuzzes each target
# for KESTREL_FUZZ_SECONDS (30 by default; 0 skips fuzzing). A crash leaves
# its input in build/native/fuzz/<target>/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/bootstrap.sh
build=${KESTREL_BUILD_ROOT:-build}/native
seconds=${KESTREL_FUZZ_SECONDS:-30}

if [ ! -f "$build/build.ninja" ]; then
  launcher=()
  # The compiler cache, shared with other clones as in the mingw builds.
  ! command -v ccache >/dev/null ||
    launcher=("-DCMAKE_CXX_COMPILER_LAUNCHER=env;CCACHE_BASEDIR=$root;CCACHE_NOHASHDIR=true;ccache")
  cmake -S tests/native -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
fi
cmake --build "$build"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir "$build" --output-on-failure

[ "$seconds" -gt 0 ] || exit 0
while read -r target; do
  [ -n "$target" ] || continue
  work="$build/fuzz/$target"
  mkdir -p "$work/corpus"
  echo "fuzzing $target for ${seconds}s"
  if ! "$build/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" \
      "$work/corpus" "tests/fuzz/$target/corpus" >"$work/log" 2>&1; then
    tail -n 60 "$work/log"
    echo "fuzz_$target failed: its input is in $work/" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$work/log" | sed "s/^/[$target] /" || true
done <"$build/fuzz_targets.txt"
