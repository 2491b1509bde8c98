#!/usr/bin/env bash
# Runs a Windows program under wine64 in Kestrel's private prefix, so that
# tests never touch ~/.wine and start from a known registry. The prefix is
# created on first use (once, even when several tests start together) and
# given the settings of scripts/wine-prefix.reg.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${KESTREL_WINEPREFIX:-$here/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer dialogs when the prefix is made.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# Marlett draws the caption buttons, scroll arrows and menu marks. Debian
# packages Wine's fonts apart (fonts-wine) and its Wine does not copy them
# into a new prefix, where it looks for them: without it the buttons show
# letters. Only Marlett: the other fonts would change every text's metrics.
marlett=$(dpkg -L fonts-wine 2>/dev/null | grep -m1 '/marlett\.ttf$' || true)

# The prefix is ready when its marker names the settings it was given, so
# that a change of scripts/wine-prefix.reg, or Marlett, reaches prefixes made
# before it.
settings=$here/scripts/wine-prefix.reg
wanted=$({ cat "$settings"; echo "$marlett"; } | sha256sum | cut -c1-16)
if [ "$(cat "$WINEPREFIX/.kestrel-ready" 2>/dev/null)" != "$wanted" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ "$(cat "$WINEPREFIX/.kestrel-ready" 2>/dev/null)" != "$wanted" ]; then
      if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w
      fi
      wine reg import "Z:${settings//\//\\}" >/dev/null 2>&1
      [ -z "$marlett" ] || cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
      echo "$wanted" >"$WINEPREFIX/.kestrel-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi

exec wine "$@"
