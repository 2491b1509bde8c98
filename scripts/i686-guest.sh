#!/bin/bash
# Runs inside the i686 guest of scripts/i686.sh, as root and as the guest's
# only program: the suites listed in /io/in/suites, the sample host among
# them, against the product DLL in /io/in. Each result goes to
# /io/out/results and, as it happens, to the serial console, where the host
# reports it.
#
# The suites are shared out among lanes, one for each of the guest's CPUs
# (or as /io/in/lanes says). A lane has its own X display, its own Wine
# prefix (an overlay on the image's) and its own view of the test programs,
# so that suites driving real input run side by side without taking each
# other's foreground, and two runs of a suite do not share its folder. A
# lane takes the next suite of the list (the host orders it longest first)
# when it is done.
[ -n "${BASH_VERSION:-}" ] || exec bash "$0" "$@"
set -u
export in=/io/in out=/io/out
# Settings the host passed in (a soak's seed and length, the suites' limit).
if [ -f "$in/env" ]; then set -a; . "$in/env"; set +a; fi
suite_limit=${KESTREL_SUITE_LIMIT:-1800}
mkdir -p "$out/logs" "$out/screenshots"
: >"$out/results"
cp "$in/suites" /tmp/queue

say() { echo "@@kestrel $*" >/dev/ttyS0; }
now() { date +%s.%N; }
seconds_since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }
# Wine's console output carries terminal escape codes and carriage returns.
plain() { sed -e 's/\x1b\[[0-9;?]*[A-Za-z]//g' -e 's/\x1b[][()=>][0-9A-Za-z]*//g' -e 's/\r$//' "$1" >"$1.txt" && mv "$1.txt" "$1"; }

# record NAME COMMAND...: runs one step with its own log and time limit.
record() {
  local name=$1 log=$out/logs/$1.log start status rc=0
  shift
  start=$(now)
  timeout --kill-after=10 "$suite_limit" "$@" >"$log" 2>&1 || rc=$?
  case $rc in
    0) status=Passed ;;
    124 | 137) status=Timeout ;;
    *) status=Failed ;;
  esac
  plain "$log"
  local result="$name $status $(seconds_since "$start")"
  echo "$result" >>"$out/results"
  say "result $result"
}

# The next line of the queue, taken off it; nothing when it is empty.
next_suite() {
  flock /tmp/queue.lock sh -c 'head -n1 /tmp/queue; sed -i 1d /tmp/queue'
}

export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export KESTREL_DLL='Z:\io\in\Kestrel.dll' KESTREL_TLB='Z:\io\in\Kestrel.tlb' KESTREL_TLB32='Z:\io\in\Kestrel.tlb'
export KESTREL_GRAINHOLD='Z:\io\in\samples\Grainhold.dll'

# The sample host, as a host application uses the product: registered with
# regsvr32, both controls created by ProgID, the window saved as a PNG.
sample_host() {
  local shots='Z:\io\out\screenshots' status=0
  wine regsvr32 /s 'Z:\io\in\Kestrel.dll' || { echo "regsvr32 failed"; return 1; }
  wine "$in/samples/LoadCheck.exe" 'Z:\io\in\Kestrel.dll' || status=1
  wine "$in/samples/SampleHost.exe" --screenshots "$shots" || status=1
  for shot in device-view transfer-list-view cdburn-view disconnected sample-host-menu; do
    [ -s "$out/screenshots/$shot.png" ] || { echo "no screenshot $shot.png"; status=1; }
  done
  wine regsvr32 /s /u 'Z:\io\in\Kestrel.dll' || { echo "regsvr32 /u failed"; status=1; }
  return $status
}
export -f sample_host

# The host's kit, unpacked as a host team gets it: its DLL registered in a
# prefix where nothing was registered before, both controls found in its
# type library, created by ProgID and embedded, and unregistered.
kit() {
  local dll='Z:\io\in\kit\Kestrel.dll' status=0
  wine reg import 'Z:\io\in\wine-prefix.reg' || return 1
  wine regsvr32 /s "$dll" || { echo "regsvr32 failed"; return 1; }
  wine "$work/tests/KitCheck.exe" 'Z:\io\in\kit' || status=1
  wine regsvr32 /s /u "$dll" || { echo "regsvr32 /u failed"; status=1; }
  wineserver -k
  return $status
}
export -f kit

# own LOWER TARGET: TARGET becomes this lane's own view of the folder LOWER,
# an overlay whose writes stay in the lane (a copy where overlays fail).
# Called by lane, whose work folder and log it uses.
own() {
  local lower=$1 target=$2 name
  name=$(basename "$target")
  mkdir -p "$target" "$work/$name.upper" "$work/$name.work"
  if mount -t overlay overlay -o "lowerdir=$lower,upperdir=$work/$name.upper,workdir=$work/$name.work" "$target" 2>>"$log"; then
    echo "$target: an overlay on $lower" >>"$log"
  else
    cp -a "$lower/." "$target/"
    echo "$target: a copy of $lower" >>"$log"
  fi
}

# lane N: display :9+N, a Wine prefix of its own and test programs of its
# own (tests place files beside themselves); runs suites until none is left.
lane() {
  local n=$1 work=/tmp/lane$1 line suite language log=$out/logs/lane$1.log
  export DISPLAY=:$((9 + n)) WINEPREFIX=$work/prefix
  own /root/.wine "$WINEPREFIX"
  own "$in/tests" "$work/tests"
  # Debian's Wine leaves Marlett (caption buttons, scroll arrows) out of a
  # new prefix.
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>>"$log"
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$out/logs/xvfb-lane$n.log" 2>&1 &
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$((9 + n))" ] && break; sleep 0.2; done
  wineserver -p
  wine reg import 'Z:\io\in\wine-prefix.reg' >>"$log" 2>&1
  while line=$(next_suite) && [ -n "$line" ]; do
    read -r suite language <<<"$line"
    echo "$(date +%T) $line" >>"$log"
    if [ "$suite" = sample_host ]; then
      record sample_host bash -c sample_host
    elif [ "$suite" = kit ]; then
      own /root/.wine "$work/kit-prefix"
      record kit env WINEPREFIX="$work/kit-prefix" work="$work" bash -c kit
    elif [ "$language" = - ]; then
      record "$suite" wine "$work/tests/${suite}_tests.exe"
    else
      record "${suite}[$language]" env LC_ALL="$language" wine "$work/tests/${suite}_tests.exe"
    fi
  done
  wineserver -k
}

modprobe overlay 2>/dev/null
lanes=$(cat "$in/lanes" 2>/dev/null || nproc)
start=$(now)
say "lanes $lanes"
for n in $(seq 0 $((lanes - 1))); do lane "$n" & done
wait
say "finished $(seconds_since "$start")"
