#!/usr/bin/env bash
# The share of test code: non-blank lines of the tracked source, script and
# build files under tests/ against all of them (product, samples,
# benchmarks, scripts and build files included; fuzz inputs, images and
# documents are data, not code).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

count() { xargs -r cat -- | grep -c '[^[:space:]]' || true; }
code=$(git ls-files | grep -E '(\.(cpp|h|c|idl|rc|rgs|def|cmake|in|sh|py|reg)|CMakeLists\.txt)$' |
  grep -vE '^tests/fuzz/[^/]+/(corpus|regressions)/')
tests=$(grep '^tests/' <<<"$code" | count)
all=$(count <<<"$code")
awk -v t="$tests" -v a="$all" 'BEGIN { printf "test code: %d of %d non-blank lines, %.1f%%\n", t, a, 100 * t / a }'
