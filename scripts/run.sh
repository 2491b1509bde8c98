#!/usr/bin/env bash
# The main job: builds both DLLs and shows the x64 one working under Wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/build.sh

echo
echo "Product (i686): $root/build/i686/Kestrel.dll"
echo "Test build (x64): $root/build/x64/Kestrel.dll"
echo
scripts/wine-run.sh build/x64/samples/LoadCheck.exe build/x64/Kestrel.dll
