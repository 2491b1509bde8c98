#!/usr/bin/env bash
# Runs the product, the i686 Kestrel.dll, where it is meant to run: in an
# emulated i386 Debian guest with 32-bit Wine (these machines cannot execute
# 32-bit code). Builds the guest image once into a cache folder, then boots
# it read-only and runs there the registration of the DLL, every test suite
# of the i686 test build (the language suites in French and German too) and
# the sample host. Results, logs and screenshots come back to build/i686/guest.
#
#   scripts/i686.sh          build what is missing, run everything, summarise
#   scripts/i686.sh image    only make sure the cached guest image is ready
#   scripts/i686.sh --if-cached   run only if the image is cached (never build it)
#   scripts/i686.sh -R REGEX ...  run only the suites whose names match, as ctest -R
#
# Exit status: 0 all passed, 1 a failure, 3 the guest's packages could not be
# fetched (nothing ran).
#
# KESTREL_I686_CACHE   the image cache (default ~/.cache/kestrel-i686)
# KESTREL_I686_TIMEOUT seconds a guest run may last (default 3600)
# KESTREL_I686_LANES   suites run side by side in the guest (default: one a CPU)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

cache=${KESTREL_I686_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kestrel-i686}
build=${KESTREL_BUILD_ROOT:-build}
mkdir -p "$build/i686"
build=$(cd "$build" && pwd)
results=$build/i686/guest
timeout_s=${KESTREL_I686_TIMEOUT:-3600}
boot_limit=300 # seconds until the guest's first sign of life

# What the image holds. Changing it (or the guest's init below) changes the
# image's identity, and a cache of another identity is rebuilt.
suite=bookworm
guest_packages=linux-image-686,wine,wine32,xvfb,xauth,busybox-static,kmod,udev,fonts-dejavu-core,fonts-dejavu-extra,fonts-wine
# Westmere: "-cpu max" exposes features that 32-bit Wine trips over.
qemu=(qemu-system-i386 -accel tcg,thread=multi -cpu Westmere -m 2048 -smp 2 -display none -vga none -monitor none
  -nic none -no-reboot -kernel "$cache/vmlinuz" -initrd "$cache/initrd.gz")

start=$(date +%s)
stage() { printf '[%4ds] %s\n' $(($(date +%s) - start)) "$*"; }
fail() {
  echo "i686: $*" >&2
  exit 1
}
# Packages that could not be fetched are the network's fault, not the
# product's: a status of its own, which the test command reports and skips.
unfetchable() {
  echo "i686: the guest's packages could not be fetched ($*); the i686 stage is skipped" >&2
  exit 3
}

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# The Debian mirror apt already uses on this machine; the repository names
# none of its own.
mirror() {
  {
    awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/*.sources 2>/dev/null || true
    awk '/^deb / {print $2; exit}' /etc/apt/sources.list 2>/dev/null || true
  } | head -n1
}

# The guest's PID 1 for every run: mounts the I/O disk and hands over to the
# run script on it, so that the run logic lives in the repository, not in
# the image. It powers the guest off whatever the script does.
guest_init() {
  cat <<'EOS'
#!/bin/sh
export PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root
mount -t proc proc /proc; mount -t sysfs sysfs /sys; mount -t tmpfs tmpfs /tmp; mount -t tmpfs tmpfs /run
mkdir -p /dev/shm /dev/pts /io; mount -t tmpfs tmpfs /dev/shm; mount -t devpts devpts /dev/pts
hostname kestrel-i686
if mount -t ext4 /dev/vdb /io; then
  echo "@@kestrel up $(cut -d' ' -f1 /proc/uptime)"
  mkdir -p /io/out
  sh /io/in/guest-run.sh > /io/out/guest-run.log 2>&1
  echo "@@kestrel done $?"
  sync; umount /io
else
  echo "@@kestrel no-io-disk"
fi
sync; echo 1 > /proc/sys/kernel/sysrq; echo o > /proc/sysrq-trigger; while :; do sleep 5; done
EOS
}

# First boot of the image build: debootstrap's second stage. The guest boots
# from our own initramfs, and making Debian's (twice) took most of an hour
# under emulation: update-initramfs is a no-op while the stage runs.
guest_stage2() {
  cat <<'EOS'
#!/bin/sh
export PATH=/usr/local/sbin:/usr/sbin:/usr/bin:/sbin:/bin INITRD=No
mount -t proc proc /proc; mount -t sysfs sysfs /sys
echo "@@kestrel up"
mkdir -p /usr/local/sbin; printf '#!/bin/sh\nexit 0\n' > /usr/local/sbin/update-initramfs; chmod +x /usr/local/sbin/update-initramfs
/debootstrap/debootstrap --second-stage; echo "@@kestrel stage2 rc=$?"
rm -f /usr/local/sbin/update-initramfs
mount -t proc proc /proc 2>/dev/null; rm -rf /var/cache/apt/archives/*.deb; sync
echo 1 > /proc/sys/kernel/sysrq; echo o > /proc/sysrq-trigger; while :; do sleep 5; done
EOS
}

# Second boot of the image build: makes the 32-bit Wine prefix that every
# run starts from (the first Wine start takes about a minute in the guest).
guest_prefix() {
  cat <<'EOS'
#!/bin/sh
export PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root
mount -t proc proc /proc; mount -t sysfs sysfs /sys; mount -t tmpfs tmpfs /tmp; mount -t tmpfs tmpfs /run
mkdir -p /dev/shm /dev/pts; mount -t tmpfs tmpfs /dev/shm; mount -t devpts devpts /dev/pts
echo "@@kestrel up"
Xvfb :9 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
i=0; while [ ! -e /tmp/.X11-unix/X9 ] && [ $i -lt 100 ]; do sleep 0.2; i=$((i+1)); done
export DISPLAY=:9 WINEPREFIX=/root/.wine WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i; wineserver -w
test -f /root/.wine/system.reg; echo "@@kestrel prefix rc=$?"
kill %1; sync; mount -o remount,ro /; sync
echo 1 > /proc/sys/kernel/sysrq; echo o > /proc/sysrq-trigger; while :; do sleep 5; done
EOS
}

# Busybox initramfs: loads virtio and ext4, mounts /dev/vda and switches to
# the program named by run= on the kernel command line.
make_initrd() {
  local work=$1 rootfs=$2 kv i=$1/initrd m
  mkdir -p "$work/kernel" "$work/busybox" "$i"/{bin,dev,proc,sys,newroot,mods}
  dpkg-deb -x "$(ls "$rootfs"/var/cache/apt/archives/linux-image-*-686_*_i386.deb | head -n1)" "$work/kernel"
  dpkg-deb -x "$(ls "$rootfs"/var/cache/apt/archives/busybox-static_*_i386.deb | head -n1)" "$work/busybox"
  kv=$(ls "$work/kernel/lib/modules" | head -n1)
  cp "$work/kernel/boot/vmlinuz-$kv" "$work/vmlinuz"
  cp "$work/busybox/bin/busybox" "$i/bin/busybox"
  for a in sh mount umount insmod switch_root sleep cat echo mkdir; do ln -s busybox "$i/bin/$a"; done
  for m in lib/crc16 crypto/crc32c_generic fs/mbcache fs/jbd2/jbd2 fs/ext4/ext4 drivers/virtio/virtio \
    drivers/virtio/virtio_ring drivers/virtio/virtio_pci_modern_dev drivers/virtio/virtio_pci_legacy_dev \
    drivers/virtio/virtio_pci drivers/block/virtio_blk; do
    cp "$work/kernel/lib/modules/$kv/kernel/$m.ko" "$i/mods/"
  done
  cat >"$i/init" <<'EOS'
#!/bin/sh
mount -t proc proc /proc; mount -t sysfs sysfs /sys; mount -t devtmpfs devtmpfs /dev
for m in crc16 crc32c_generic mbcache jbd2 ext4 virtio virtio_ring virtio_pci_modern_dev virtio_pci_legacy_dev virtio_pci virtio_blk; do
  insmod /mods/$m.ko || echo "initrd: insmod $m failed"
done
RUN=/sbin/init; for p in $(cat /proc/cmdline); do case $p in run=*) RUN=${p#run=};; esac; done
i=0; while [ ! -b /dev/vda ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i+1)); done
mount -t ext4 -o rw /dev/vda /newroot || { echo "initrd: cannot mount the root disk"; echo o > /proc/sysrq-trigger; exec sh; }
umount /sys /proc; mount --move /dev /newroot/dev 2>/dev/null || umount /dev
exec switch_root /newroot $RUN
EOS
  chmod +x "$i/init"
  (cd "$i" && find . | cpio -o -H newc 2>/dev/null | gzip -9 >"$work/initrd.gz")
}

# The identity of the image: what it was made from. Stored in the manifest.
image_identity() {
  { echo "$suite $guest_packages"; guest_stage2; guest_init; guest_prefix; } | sha256sum | cut -c1-16
}

# The cache is usable only when its manifest names this identity and every
# file matches its recorded checksum; anything else (an interrupted build, a
# truncated or altered file) is reported and rebuilt.
image_problem() {
  local manifest=$cache/manifest
  if [ ! -f "$manifest" ]; then
    if [ -n "$(ls -A "$cache" 2>/dev/null)" ]; then
      echo "incomplete (no manifest: an interrupted build?)"
    else
      echo "missing"
    fi
    return 0
  fi
  [ "$(sed -n 's/^identity //p' "$manifest")" = "$(image_identity)" ] || {
    echo "made from another recipe"
    return 0
  }
  (cd "$cache" && grep -v '^identity ' manifest | sha256sum --quiet -c - >/dev/null 2>&1) || {
    echo "corrupt (checksum mismatch)"
    return 0
  }
}

build_image() {
  local work=$cache/work rootfs=$cache/work/rootfs log=$results/image-build.log
  local source
  source=$(mirror)
  [ -n "$source" ] || unfetchable "apt on this machine names no Debian mirror in /etc/apt/sources.list*"
  rm -rf "$cache"
  mkdir -p "$work" "$results"
  : >"$log"
  stage "image: debootstrap, first stage ($suite i386 from $source)"
  $sudo debootstrap --arch=i386 --foreign --variant=minbase --include="$guest_packages" \
    "$suite" "$rootfs" "$source" >>"$log" 2>&1 || unfetchable "debootstrap from $source failed; see $log"
  # debootstrap may leave /proc as a link to the host's, which loops in the guest
  if [ -L "$rootfs/proc" ]; then $sudo rm "$rootfs/proc" && $sudo mkdir -m 555 "$rootfs/proc"; fi
  stage "image: kernel and initramfs"
  make_initrd "$work" "$rootfs"
  guest_init | $sudo tee "$rootfs/kestrel-init" >/dev/null
  guest_prefix | $sudo tee "$rootfs/kestrel-prefix" >/dev/null
  guest_stage2 | $sudo tee "$rootfs/stage2.sh" >/dev/null
  $sudo chmod +x "$rootfs/kestrel-init" "$rootfs/kestrel-prefix" "$rootfs/stage2.sh"
  stage "image: root file system"
  truncate -s 8G "$work/root.img"
  $sudo mke2fs -q -F -t ext4 -L root -d "$rootfs" "$work/root.img" >>"$log" 2>&1 || fail "mke2fs failed; see $log"
  $sudo rm -rf "$rootfs"
  [ -z "$sudo" ] || $sudo chown "$(id -u):$(id -g)" "$work/root.img"
  mv "$work/vmlinuz" "$work/initrd.gz" "$cache/"
  stage "image: second stage inside the guest (8 to 20 minutes under emulation)"
  local serial=$results/image-serial.log
  # Generous: on a busy machine the stage took well over an hour here.
  boot_guest "$serial" 10800 /stage2.sh "file=$work/root.img,format=raw" &
  local pid=$! configured last=0 booted=$SECONDS
  while kill -0 $pid 2>/dev/null; do
    sleep 10
    if ! grep -q '@@kestrel up' "$serial" && [ $((SECONDS - booted)) -gt $boot_limit ]; then
      kill $pid 2>/dev/null || true
      fail "the guest did not come up for the second stage within ${boot_limit}s; serial log: $serial"
    fi
    configured=$(grep -c '^I: Configuring' "$serial" 2>/dev/null || true)
    if [ $(($(date +%s) - last)) -ge 120 ]; then
      stage "image: ... $configured packages configured"
      last=$(date +%s)
    fi
  done
  wait $pid || true
  grep -q '@@kestrel up' "$serial" || fail "the guest did not come up for the second stage; serial log: $serial"
  grep -q '@@kestrel stage2 rc=0' "$serial" || fail "the second stage failed in the guest; serial log: $serial"
  e2fsck -fy "$work/root.img" >>"$log" 2>&1 || [ $? -le 1 ] || fail "the image does not check clean; see $log"
  stage "image: Wine prefix inside the guest (a few minutes)"
  serial=$results/image-prefix-serial.log
  boot_guest "$serial" 1800 /kestrel-prefix "file=$work/root.img,format=raw" &
  wait $! || true
  grep -q '@@kestrel up' "$serial" || fail "the guest did not come up to make the Wine prefix; serial log: $serial"
  grep -q '@@kestrel prefix rc=0' "$serial" || fail "making the Wine prefix failed in the guest; serial log: $serial"
  e2fsck -fy "$work/root.img" >>"$log" 2>&1 || [ $? -le 1 ] || fail "the image does not check clean; see $log"
  stage "image: compacting"
  qemu-img convert -O qcow2 "$work/root.img" "$cache/root.qcow2"
  rm -rf "$work"
  (cd "$cache" && {
    echo "identity $(image_identity)"
    sha256sum vmlinuz initrd.gz root.qcow2
  } >manifest.tmp && mv manifest.tmp manifest)
  stage "image: ready in $cache ($(du -sh "$cache" | cut -f1))"
}

# boot_guest SERIAL LIMIT PROGRAM ROOT [IO]: boots the guest with PROGRAM as
# its PID 1, ROOT as the -drive options of its root disk and IO as a second,
# raw disk; the serial console goes to SERIAL. Ends it after LIMIT seconds.
# Run it in the background: it becomes the timeout process, which passes a
# kill on to the emulator.
boot_guest() {
  local serial=$1 limit=$2 run=$3
  local drives=(-drive "$4,if=virtio")
  [ -z "${5:-}" ] || drives+=(-drive "file=$5,if=virtio,format=raw")
  exec timeout --kill-after=10 "$limit" "${qemu[@]}" -serial "file:$serial" "${drives[@]}" \
    -append "console=ttyS0 root=/dev/vda rw quiet panic=-1 no_timer_check run=$run" </dev/null 2>"${serial%.log}-qemu.log"
}

ensure_image() {
  mkdir -p "$results"
  scripts/bootstrap.sh i686 2>"$results/bootstrap.log" || unfetchable "installing the emulator's packages failed; see $results/bootstrap.log"
  mkdir -p "$(dirname "$cache")"
  exec 8>"$cache.lock"
  flock 8
  local problem
  problem=$(image_problem)
  if [ -n "$problem" ]; then
    [ "$problem" = missing ] || stage "image: the cached guest in $cache is $problem; rebuilding it"
    build_image
  else
    stage "image: cached guest in $cache"
  fi
  flock -u 8
}

# The suites of the i686 test build, found rather than listed: every
# <suite>_tests.exe, the language suites also in French and German, as
# scripts/test.sh runs them, and the sample host.
suite_list() {
  local tests=$1 suite language
  local -a all languages
  mapfile -t all < <(find "$tests" -maxdepth 1 -name '*_tests.exe' -printf '%f\n' | sed 's/_tests\.exe$//' | sort)
  mapfile -t languages < <(ctest --test-dir "$build/i686-tests" -N -L language 2>/dev/null |
    sed -n 's/^ *Test *#[0-9]*: *//p')
  for language in fr_FR.UTF-8 de_DE.UTF-8; do
    for suite in "${languages[@]}"; do echo "$suite $language"; done
  done
  for suite in "${all[@]}"; do echo "$suite -"; done
  echo "sample_host -"
  echo "kit -"
}

# The guest's lanes take the suites in the order given: the registration
# suite first of all, into a prefix that nothing has registered in yet, then
# the longest by the times of the last runs, so that no long suite starts
# last. Suites without a time go first, as if long, ordered by what CTest
# measured for the x86_64 twin, when it has.
longest_first() {
  local last=$1 twin=$build/x64/Testing/Temporary/CTestCostData.txt
  awk -v last="$last" -v twin="$twin" '
    BEGIN {
      while ((getline line < last) > 0) { split(line, f, " "); secs[f[1]] = f[3] }
      while ((getline line < twin) > 0 && line != "---") { split(line, f, " "); cost[f[1]] = f[3] }
    }
    {
      name = $2 == "-" ? $1 : $1 "[" $2 "]"
      key = $1 == "registration" ? 1e9 : (name in secs ? secs[name] : 1e8 + cost[$1])
      printf "%016.2f %s\n", key, $0
    }' | sort -s -r -k1,1 | cut -d' ' -f2-
}

# What goes into the guest: the product DLL and its type library exactly as
# built, the i686 test programs, the samples and the guest's run script.
stage_input() {
  local staging=$1 tests=$build/i686-tests strip=i686-w64-mingw32-strip exe
  mkdir -p "$staging/in/tests" "$staging/in/samples" "$staging/in/bench" "$staging/out"
  cp "$build/i686/Kestrel.dll" "$staging/in/"
  cp "$build/i686/generated/Kestrel.tlb" "$staging/in/"
  cp scripts/i686-guest.sh "$staging/in/guest-run.sh"
  cp scripts/wine-prefix.reg "$staging/in/"
  [ -z "${KESTREL_I686_LANES:-}" ] || echo "$KESTREL_I686_LANES" >"$staging/in/lanes"
  # A soak's seed, length, pace and answer limit (scripts/soak.sh) and the suites' time limit.
  env | grep -E '^KESTREL_(SOAK_SEED|SOAK_SECONDS|SOAK_HASTY|SOAK_ANSWER_MS|SUITE_LIMIT)=[0-9]+$' >"$staging/in/env" || true
  # Debug information only slows the copy into the guest.
  for exe in "$tests"/tests/*_tests.exe; do $strip -o "$staging/in/tests/${exe##*/}" "$exe"; done
  for exe in "$tests"/samples/*.exe "$tests"/samples/*.dll; do $strip -o "$staging/in/samples/${exe##*/}" "$exe"; done
  for exe in "$tests"/bench/*.exe; do [ ! -f "$exe" ] || $strip -o "$staging/in/bench/${exe##*/}" "$exe"; done
  # The host's kit as package.sh writes it from the product tree, and the
  # program that checks it.
  local kit
  kit=$(KESTREL_BUILD_ROOT=$build scripts/package.sh i686 | sed -n 's/^Kestrel [0-9.]* (i686): //p')
  unzip -q "$kit" -d "$staging/in/kit"
  $strip -o "$staging/in/tests/KitCheck.exe" "$tests/tests/KitCheck.exe"
  suite_list "$tests/tests" | awk -v only="$only" '$1 ~ only' | longest_first "$last_times" >"$staging/in/suites"
  [ -s "$staging/in/suites" ] || fail "no suite matches -R $only"
}

# ctest's way of reporting: one line per suite as it finishes, then a summary.
report_line() {
  local index=$1 total=$2 name=$3 status=$4 secs=$5 dots
  dots=$(printf '%*s' $((40 - ${#name})) '' | tr ' ' .)
  printf '%*d/%d Test #%*d: %s %s %8s  %6s sec\n' ${#total} "$index" "$total" ${#total} "$index" "$name" "$dots" "$status" "$secs"
}

run_guest() {
  local serial=$results/serial.log total t0 seen=0 up=0 line index=0 rc=0
  # Globals, for the exit trap: the I/O folder and disk, and the emulator.
  staging=$(mktemp -d "$build/i686/io.XXXXXX")
  io=$staging.img
  qpid=0
  trap 'rm -rf "$staging" "$io"; [ "$qpid" -eq 0 ] || kill "$qpid" 2>/dev/null || true' EXIT
  last_times=$build/i686/suite-times
  touch "$last_times"
  stage_input "$staging"
  total=$(wc -l <"$staging/in/suites")
  truncate -s $(($(du -sm "$staging" | cut -f1) + 512))M "$io"
  mke2fs -q -F -t ext4 -L io -d "$staging" "$io"
  rm -rf "$results"/{logs,screenshots,results,serial.log,guest-run.log}
  mkdir -p "$results"
  : >"$serial"
  stage "guest: booting (snapshot of $cache/root.qcow2), $total suites to run"
  t0=$(date +%s)
  boot_guest "$serial" "$timeout_s" /kestrel-init "file=$cache/root.qcow2,format=qcow2,snapshot=on" "$io" &
  qpid=$!
  while :; do
    local alive=1
    kill -0 $qpid 2>/dev/null || alive=0
    while IFS= read -r line; do
      seen=$((seen + 1))
      set -- $line
      case ${2:-} in
        up)
          up=1
          stage "guest: up after $(($(date +%s) - t0))s"
          ;;
        lanes) stage "guest: running the suites in $3 lanes" ;;
        result)
          index=$((index + 1))
          report_line $index $total "$3" "$4" "$5"
          ;;
        no-io-disk) stage "guest: the I/O disk did not mount" ;;
      esac
    done < <(grep -ao $'@@kestrel [^\r]*' "$serial" | tail -n +$((seen + 1)))
    [ $alive -eq 1 ] || break
    if [ $up -eq 0 ] && [ $(($(date +%s) - t0)) -gt $boot_limit ]; then
      kill $qpid 2>/dev/null || true
      wait $qpid 2>/dev/null || true
      qpid=0
      fail "the guest did not come up within ${boot_limit}s; its serial log is kept in $serial"
    fi
    sleep 2
  done
  wait $qpid || rc=$?
  qpid=0
  [ $up -eq 1 ] || fail "the guest did not come up (emulator status $rc); serial log: $serial, emulator's messages: ${serial%.log}-qemu.log"
  # What the guest wrote comes back even from a run cut short.
  mkdir "$staging/back"
  debugfs -R "rdump /out $staging/back" "$io" >/dev/null 2>&1 || true
  [ ! -d "$staging/back/out" ] || cp -r "$staging/back/out"/. "$results/"
  [ $rc -ne 124 ] && [ $rc -ne 137 ] ||
    fail "the guest run exceeded its limit of ${timeout_s}s (KESTREL_I686_TIMEOUT); serial log: $serial, partial results and logs in $results"
  [ -f "$results/results" ] || fail "the guest returned no results; serial log: $serial"
  # The times of this run replace those of the same suites; a run of a few
  # suites (-R) leaves the others' as they were.
  awk '{ secs[$1] = $3 } END { for (s in secs) print s, "-", secs[s] }' "$last_times" "$results/results" |
    sort >"$last_times.new" && mv "$last_times.new" "$last_times"
  summarise "$total" $(($(date +%s) - t0))
}

summarise() {
  local total=$1 secs=$2 passed failed name status
  passed=$(awk '$2 == "Passed"' "$results/results" | wc -l)
  failed=$((total - passed))
  echo
  echo "$((100 * passed / total))% tests passed, $failed tests failed out of $total"
  echo
  echo "Total Test time (real) = $secs sec (in the guest; logs and screenshots in $results)"
  if [ $failed -gt 0 ]; then
    echo
    echo "The following tests FAILED:"
    awk '$2 != "Passed" { printf "\t%s (%s)\n", $1, $2 }' "$results/results"
    local ran
    ran=$(wc -l <"$results/results")
    [ "$ran" -eq "$total" ] || printf '\t%d more that did not run (see %s)\n' $((total - ran)) "$results/guest-run.log"
    return 1
  fi
}

only=
if [ "${1:-}" = -R ] && [ $# -ge 2 ]; then
  only=$2
  shift 2
fi
case ${1:-} in
  image)
    ensure_image
    exit 0
    ;;
  --if-cached)
    problem=$(image_problem)
    if [ -n "$problem" ]; then
      echo "i686 guest suites skipped: the cached guest image in $cache is $problem (scripts/i686.sh builds it)"
      exit 0
    fi
    ;;
  "") ensure_image ;;
  *)
    sed -n '2,15p' "$0"
    exit 2
    ;;
esac

stage "build: the product and the i686 test programs"
# KESTREL_I686_TARGETS: only these programs of the test tree (a soak needs
# a few), not every suite.
KESTREL_BUILD_ROOT=$build scripts/build.sh i686 ${KESTREL_I686_TARGETS:-}
run_guest
