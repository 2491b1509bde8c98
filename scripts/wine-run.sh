#!/usr/bin/env bash
# Runs a Windows program under wine64 in Kestrel's private prefix, so that
# tests never touch ~/.wine and start from a known registry. The prefix is
# created on first use (once, even when several tests start together).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${KESTREL_WINEPREFIX:-$here/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer dialogs when the prefix is made.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

if [ ! -f "$WINEPREFIX/.kestrel-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.kestrel-ready" ]; then
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w
      touch "$WINEPREFIX/.kestrel-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi

exec wine "$@"
