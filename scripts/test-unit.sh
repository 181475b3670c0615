#!/usr/bin/env bash
# The virtual unit: the armhf build booted on Debian's armhf kernel in
# full-system emulation (qemu-system-arm -M virt, Cortex-A15), with the
# kernel's own SocketCAN (vcan), a static BusyBox and an ext4 disk as /home
# whose power is cut under an update.
#
#   scripts/test-unit.sh [--cuts N] [--seed S] [--only JOB]
#
# Reuses build-armhf/ (or $NORDEL_ARMHF_BUILD_DIR), building what is missing.
# Everything it writes stays in build-armhf/unit/; guest packages are fetched
# with apt-get download and unpacked there, never installed. Each check prints
# a "RESULT NAME PASS|FAIL ..." line; the last line is "N passed, M failed".
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${NORDEL_ARMHF_BUILD_DIR:-$here/build-armhf}
cuts=10
seed=$(( $(date +%s) % 100000 ))
only=""
usage() { echo "usage: $0 [--cuts N] [--seed S] [--only socketcan|subject|busfault|powercut]" >&2; exit 2; }
while [ $# -gt 0 ]; do
    case "$1" in
    --cuts) [ $# -ge 2 ] || usage; cuts=$2; shift 2 ;;
    --seed) [ $# -ge 2 ] || usage; seed=$2; shift 2 ;;
    --only) [ $# -ge 2 ] || usage; only=$2; shift 2 ;;
    *) usage ;;
    esac
done
case "$cuts$seed" in *[!0-9]*) usage ;; esac
started=$(date +%s)

# Host tools: the armhf build's, full-system qemu, and what builds the guest.
"$here/scripts/install-armhf-deps.sh"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
need=()
for p in qemu-system-arm cpio kmod zstd e2fsprogs imagemagick python3; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${need[@]}"
fi

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/cmake/toolchains/armhf.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORDEL_WERROR=ON -DNORDEL_BUILD_BENCH=OFF
fi
cmake --build "$build" --parallel "$(nproc)" --target nordel fieldloader socketcanprobe translations

unit=$build/unit
mkdir -p "$unit/debs"
# The guest's packages, fetched once: the kernel the armmp meta package of
# bookworm names, BusyBox (its amd64 build too, for the applet list only),
# can-utils.
kpkg=$(apt-cache depends linux-image-armmp:armhf 2>/dev/null | sed -n 's/^ *Depends: \(linux-image-[^:]*\).*/\1/p' | head -n 1)
[ -n "$kpkg" ] || { echo "no armhf kernel package known to apt (apt-get update?)" >&2; exit 1; }
kver=${kpkg#linux-image-}
(
    cd "$unit/debs"
    for p in "$kpkg:armhf" busybox-static:armhf can-utils:armhf busybox-static:amd64; do
        name=${p%%:*} arch=${p##*:}
        ls "${name}"_*_"$arch".deb > /dev/null 2>&1 || apt-get download -q "$p" 2> >(grep -v '^W: Download is performed unsandboxed' >&2)
    done
)
pkg=$unit/pkg
rm -rf "$pkg" "$unit/bb-amd64"
mkdir -p "$pkg" "$unit/bb-amd64"
for d in "$unit/debs/${kpkg}"_*_armhf.deb "$unit"/debs/busybox-static_*_armhf.deb "$unit"/debs/can-utils_*_armhf.deb; do
    dpkg-deb -x "$d" "$pkg"
done
dpkg-deb -x "$(ls "$unit"/debs/busybox-static_*_amd64.deb)" "$unit/bb-amd64"
"$unit/bb-amd64/bin/busybox" --list-full > "$unit/applets.txt"
kernel=$pkg/boot/vmlinuz-$kver
initrd=$unit/root.cpio.zst
"$here/tests/unit/make-rootfs.sh" "$pkg" "$unit/applets.txt" "$kver" "$initrd" \
    "$build/nordel" "$build/updater/fieldloader" "$build/tests/socketcanprobe"

run=$unit/run
rm -rf "$run"
share=$run/share
mkdir -p "$share/jobs" "$share/data/pkg" "$share/data/ref" "$share/results" "$run/logs"
cp "$here"/tests/unit/jobs/*.sh "$share/jobs/"
cp "$here/updater/scrips/installUpdate.sh" "$share/data/installUpdate.sh"
results=$run/results.txt
: > "$results"
figures=$run/figures.txt
: > "$figures"
result() { # NAME OK DETAIL
    local n=$1 ok=$2
    shift 2
    if [ "$ok" -eq 0 ]; then echo "RESULT $n PASS $*"; else echo "RESULT $n FAIL $*"; fi | tee -a "$results"
}
figure() { echo "FIGURE $*" | tee -a "$figures"; }

# The host's own run of the same armhf display, under qemu-user in a PID
# namespace of its own (a stray kill(-1) of an emulated process stays there).
host_nordel() { # DEVICE-ROOT ARGS...
    local root=$1
    shift
    mkdir -p "$root/home/GUI/nordel"
    cp "$share"/data/ref/a/LumoraTranslations.* "$root/home/GUI/nordel/"
    $SUDO unshare --pid --fork --mount-proc env QT_QPA_PLATFORM=offscreen HOME="$root" XDG_RUNTIME_DIR="$root" \
        NORDEL_DEVICE_ROOT="$root" qemu-arm "$build/nordel" "$@" > "$root.out" 2>&1
}
# Two packages that differ (by their build time), and what they unpack to.
"$here/scripts/make-update.sh" --arch armhf --build "$build" "$share/data/pkg/a" > /dev/null
sleep 1.1
"$here/scripts/make-update.sh" --arch armhf --build "$build" "$share/data/pkg/b" > /dev/null
for v in a b; do
    mkdir -p "$share/data/ref/$v"
    tar -C "$share/data/ref/$v" -xzf "$share/data/pkg/$v/update.tar.gz"
done
cmp -s "$share/data/ref/a/MANIFEST" "$share/data/ref/b/MANIFEST" && { echo "the two packages have the same MANIFEST" >&2; exit 1; }

ref=$run/host
mkdir -p "$ref"
for v in a b; do
    # The controller's frames, as the simulator answers the display.
    host_nordel "$ref/sim-$v" --scenario "$here/tests/unit/steady-$v.scn" --candump-log "$ref/steady-$v-full.log" --quit-after 20000 &
done
wait
for v in a b; do
    grep -E '^\([0-9.]+\) [^ ]+ 465#' "$ref/steady-$v-full.log" > "$share/data/steady-$v.log"
    host_nordel "$ref/replay-$v" --replay "$share/data/steady-$v.log" --screenshot "$ref/screen-$v.png" --quit-after 10000 &
done
wait
boot() { # NAME TIMEOUT APPEND [boot.py options]
    local name=$1 limit=$2 words=$3 rc=0
    shift 3
    python3 "$here/tests/unit/boot.py" --kernel "$kernel" --initrd "$initrd" --share "$share" \
        --append "$words" --timeout "$limit" --log "$run/logs/$name.log" "$@" || rc=$?
    grep -o 'RESULT .*' "$run/logs/$name.log" | tr -d '\r' | tee -a "$results" || true
    grep -o 'FIGURE .*' "$run/logs/$name.log" | tr -d '\r' >> "$figures" || true
    case $rc in
    0) ;;
    137) ;;
    124) result "$name-boot" 1 "time limit of $limit s reached (log: $run/logs/$name.log)" ;;
    *) result "$name-boot" 1 "qemu exit status $rc" ;;
    esac
    # Boot time: qemu start to the job's start, as the host saw it.
    local t
    t=$(sed -n 's/^\[ *\([0-9.]*\)\] unit: job .* starts.*/\1/p' "$run/logs/$name.log" | head -n 1)
    [ -z "$t" ] || echo "$name $t" >> "$run/boot-times.txt"
    return 0
}
pixels_differing() { # A B
    compare -metric AE -fuzz 8% "$1" "$2" null: 2>&1 | sed 's/ .*//' || true
}
screen_check() { # NAME SHOT REFERENCE
    local n
    if [ ! -s "$2" ]; then
        result "$1" 1 "no screenshot"
        return
    fi
    n=$(pixels_differing "$2" "$3")
    # 480 x 272 screen: a few hundred pixels is antialiasing, a wrong value is more.
    local ok=0
    { [ -n "$n" ] && [ "${n%.*}" -le 400 ] 2>/dev/null; } || ok=1
    result "$1" $ok "${n:-?} of 130560 pixels differ from the host's run on the same log"
}
want() { [ -z "$only" ] || [ "$only" = "$1" ]; }

if want socketcan; then
    boot socketcan 150 "job=socketcan"
    python3 "$here/tests/unit/checkbus.py" socketcan "$share/results/socketcan-bus.log" "$ref/steady-a-full.log" \
        "$share/data/steady-a.log" | tee -a "$results"
    drops=$(awk '/COUNTER vcan0 (rx|tx)_dropped/ { s += $NF; n++ } END { print n ? s : "?" }' "$run/logs/socketcan.log")
    ok=0
    [ "$drops" = 0 ] || ok=1
    result socketcan-interface-counters $ok "dropped on vcan0: ${drops:-?} ($(grep -o 'COUNTER vcan0 [rt]x_packets [0-9]*' "$run/logs/socketcan.log" | cut -d' ' -f3- | tr '\n' ' '))"
    screen_check socketcan-screen "$share/results/socketcan-shot.png" "$ref/screen-a.png"
fi
if want subject; then
    boot subject 120 "job=subject"
fi
if want busfault; then
    boot busfault 200 "job=busfault"
    screen_check busfault-screen-after-faults "$share/results/busfault-shot.png" "$ref/screen-b.png"
fi

if want powercut; then
    disk=$run/home.img
    truncate -s 256M "$disk"
    mkfs.ext4 -q -F "$disk"
    fsck_check() { # NAME
        local out ok=0
        out=$(e2fsck -fn "$disk" 2>&1) || ok=1
        result "$1" $ok "$(printf '%s\n' "$out" | tail -n 1)"
    }
    boot powercut-setup 150 "job=powercut stage=setup" --disk "$disk"
    fsck_check powercut-setup-fsck
    # The install's steps that begin its switch (the new link) and end it
    # (the update folder removed), as its console trace shows them.
    switch_step='\bln -s|\bmv -f -T|rename'
    switch_done='\brm -r\S* .*/update\b'
    export switch_step switch_done
    # Where the switch lies in a full install, from its console trace: it
    # begins with the new link and ends once the update folder is removed.
    windows=$(python3 - "$run/logs/powercut-setup.log" <<'EOF'
import os, re, sys
t0 = begin = end = stop = None
for line in open(sys.argv[1], errors="replace"):
    m = re.match(r"^\[\s*([0-9.]+)\] (.*)$", line.rstrip("\n"))
    if not m:
        continue
    t, text = float(m.group(1)), m.group(2)
    if "unit: install starts" in text:
        t0 = t
    elif t0 is not None and text.startswith("+inst "):
        if begin is None and re.search(os.environ["switch_step"], text):
            begin = t - t0
        elif begin is not None and end is None and re.search(os.environ["switch_done"], text):
            end = t - t0
    elif t0 is not None and "unit: install ended" in text:
        stop = t - t0
        break
stop = stop or 5.0
begin = begin if begin is not None else stop / 2
end = end if end is not None else begin + 0.2
print("%.3f %.3f %.3f" % (begin, end, stop))
EOF
)
    read -r sw_begin sw_end sw_stop <<< "$windows"
    figure install-seconds "$sw_stop (switch from $sw_begin s to $sw_end s)"
    echo "power cuts: $cuts, seed $seed (repeat with --seed $seed)"
    for k in $(seq 1 "$cuts"); do
        # Round k aims before, during or after the switch in turn, at a
        # moment drawn from the seed. Console stamps are too coarse for the
        # few milliseconds of the switch itself, so that round cuts right
        # after the console shows its first step.
        read -r marker offset <<< "$(python3 -c "
import random
r = random.Random($seed * 1000 + $k)
b, e, s = $sw_begin, $sw_end, $sw_stop
phase = $k % 3
if phase == 1:
    print('switch %.3f' % r.uniform(0.0, 0.02))
else:
    lo, hi = (0.2, max(0.3, b - 0.1)) if phase == 0 else (e, s + 1.0)
    print('start %.3f' % r.uniform(lo, hi))")"
        if [ "$marker" = switch ]; then
            echo "cut $k: seed $((seed * 1000 + k)), $offset s after the switch's first step"
            boot "powercut-$k" 240 "job=powercut stage=cut cut=$k" --disk "$disk" \
                --armed-by "unit: install starts" --cut-after "^\+inst .*($switch_step)" "$offset"
        else
            echo "cut $k: seed $((seed * 1000 + k)), $offset s into the install"
            boot "powercut-$k" 240 "job=powercut stage=cut cut=$k" --disk "$disk" --cut-after "unit: install starts" "$offset"
        fi
        # The last trace line the console showed before the power went.
        phase=$(python3 - "$run/logs/powercut-$k.log" <<'EOF'
import os, re, sys
seen, started, cut = [], False, False
for line in open(sys.argv[1], errors="replace"):
    text = re.sub(r"^\[\s*[0-9.]+\] ", "", line.rstrip("\n"))
    if "unit: install starts" in text:
        started, seen = True, []
    elif started and text.startswith("+inst "):
        seen.append(text)
    elif started and "unit: install ended" in text:
        seen.append("ended")
    elif text.startswith("cut at"):
        cut = True
if not cut or not started:
    print("none")
else:
    switched = any(re.search(os.environ["switch_step"], s) for s in seen)
    cleaned = any(re.search(os.environ["switch_done"], s) for s in seen) or "ended" in seen
    print("after" if cleaned else "during" if switched else "before")
EOF
)
        echo "$k $marker+$offset $phase" >> "$run/cuts.txt"
        echo "cut $k fell $phase the switch"
    done
    boot powercut-final 150 "job=powercut stage=final cut=$((cuts + 1))" --disk "$disk"
    fsck_check powercut-final-fsck
    for f in "$share"/results/powercut-*-shot.png; do
        [ -e "$f" ] || continue
        n=${f##*/powercut-}
        screen_check "powercut-${n%-shot.png}-screen" "$f" "$ref/screen-a.png"
    done
    for p in before during after; do
        c=$(awk -v p="$p" '$3 == p' "$run/cuts.txt" | wc -l)
        figure "cuts-$p $c"
    done
    if [ "$cuts" -ge 3 ]; then
        missing=""
        for p in before during after; do awk -v p="$p" '$3 == p { f = 1 } END { exit !f }' "$run/cuts.txt" || missing="$missing $p"; done
        ok=0
        [ -z "$missing" ] || ok=1
        result powercut-phases-covered $ok "cuts before/during/after the switch: $(awk '{ print $3 }' "$run/cuts.txt" | sort | uniq -c | tr -s ' ' | tr '\n' ',')${missing:+ missing:$missing}"
    fi
fi

# Figures.
if [ -s "$run/boot-times.txt" ]; then
    figure "guest-boot-seconds $(awk '{ s += $2; n++ } END { printf "%.1f (mean of %d boots, qemu start to job start)", s / n, n }' "$run/boot-times.txt")"
fi
figure "test-unit-minutes $(awk -v s="$started" -v e="$(date +%s)" 'BEGIN { printf "%.1f", (e - s) / 60 }')"
echo "figures:"
sed 's/^FIGURE /  /' "$figures"
passed=$(grep -c '^RESULT [^ ]* PASS' "$results" || true)
failed=$(grep -c '^RESULT [^ ]* FAIL' "$results" || true)
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
