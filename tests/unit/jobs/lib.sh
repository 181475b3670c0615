# Shared by the virtual unit's jobs (BusyBox sh). Results go to the console
# as "RESULT NAME PASS|FAIL DETAIL" lines, which the host counts; files for
# the host's own checks go to $R.
R=/mnt/host/results
D=/mnt/host/data
P=/opt/nordel
export QT_QPA_PLATFORM=offscreen HOME=/tmp XDG_RUNTIME_DIR=/tmp
mkdir -p "$R"

# A device root for a display that is not the installed one, with the
# translation table the package carries.
device_root() { # DIR
    mkdir -p "$1/home/GUI/nordel"
    cp "$D"/ref/a/LumoraTranslations.* "$1/home/GUI/nordel/"
}

result() { # NAME OK(0|1) DETAIL...
    local name=$1 ok=$2
    shift 2
    if [ "$ok" -eq 0 ]; then echo "RESULT $name PASS $*"; else echo "RESULT $name FAIL $*"; fi
}
figure() { echo "FIGURE $*"; }
uptime_ms() { awk '{ printf "%d\n", $1 * 1000 }' /proc/uptime; }

can_up() { # IFNAME
    modprobe can && modprobe can_raw && modprobe vcan || return 1
    ip link add dev "$1" type vcan && ip link set up "$1"
}

# Waits up to SECONDS for a line matching PATTERN in FILE; prints the
# milliseconds waited.
wait_for() { # FILE PATTERN SECONDS
    local t0 now limit
    t0=$(uptime_ms)
    limit=$((t0 + $3 * 1000))
    while :; do
        if grep -q "$2" "$1" 2>/dev/null; then echo $(($(uptime_ms) - t0)); return 0; fi
        now=$(uptime_ms)
        [ "$now" -lt "$limit" ] || return 1
        usleep 50000
    done
}

# Jiffies a process has run (user + system).
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }

# An application folder holds one complete application: every file as its
# MANIFEST says. A manifest with SHA-256 lines ("HASH  PATH" or
# "sha256 HASH PATH") is checked line by line; one without is compared with
# the unpacked package it names (REFS holds one folder per package).
check_app() { # DIR REFS; prints the package's folder name
    local dir=$1 refs=$2 ref bad=0 hash path
    [ -f "$dir/MANIFEST" ] || { echo "no-manifest"; return 1; }
    for ref in "$refs"/*; do
        cmp -s "$ref/MANIFEST" "$dir/MANIFEST" && break
        ref=""
    done
    [ -n "$ref" ] || { echo "unknown-manifest"; return 1; }
    if grep -qE '(^|[ =])[0-9a-f]{64}[ ]' "$dir/MANIFEST"; then
        grep -oE '[0-9a-f]{64}[ *]+[^ ]+$' "$dir/MANIFEST" | while read -r hash path; do
            path=${path#\*}
            [ "$(sha256sum "$dir/$path" 2>/dev/null | cut -d' ' -f1)" = "$hash" ] || { echo "bad:$path"; exit 1; }
        done || bad=1
    else
        for path in $(cd "$ref" && find . -type f); do
            cmp -s "$ref/$path" "$dir/$path" || { echo "bad:$path"; bad=1; break; }
        done
    fi
    [ "$bad" -eq 0 ] || return 1
    basename "$ref"
}
