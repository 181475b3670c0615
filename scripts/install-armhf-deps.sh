#!/usr/bin/env bash
# Installs what the build for the unit (32-bit ARM) and its tests under
# emulation need: the armhf multiarch, the cross compiler, Qt for armhf, and
# qemu-user 10 with its binfmt entries from bookworm-backports. Then registers
# qemu-arm with binfmt_misc so the tests can start the project's ARM programs.
#
# Debian 12's own qemu-user 7.2 is never used: it mishandles the pidfd clone
# of QProcess, and a later QProcess::kill() can become kill(-1, SIGKILL).
set -euo pipefail
"$(dirname "$0")/install-deps.sh"

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
apt_get() { DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=900 "$@"; }
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
qemu_major() { qemu-arm --version 2>/dev/null | sed -n 's/^qemu-arm version \([0-9]*\)\..*/\1/p'; }

# The mirror of the main Debian entry, from the deb822 sources or the classic list.
debian_mirror() {
    local f
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        awk 'BEGIN { RS = ""; FS = "\n" }
             {
               uris = ""; suites = ""
               for (i = 1; i <= NF; i++) {
                 if ($i ~ /^URIs:/) { uris = $i; sub(/^URIs:[ \t]*/, "", uris) }
                 if ($i ~ /^Suites:/) { suites = " " $i " " }
               }
               if (suites ~ /[ \t]bookworm[ \t]/ && uris != "") { split(uris, u, /[ \t]+/); print u[1]; exit }
             }' "$f"
    done
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        sed -n -E 's/^deb[ \t]+(\[[^]]*\][ \t]+)?([^ \t]+)[ \t]+bookworm[ \t].*/\2/p' "$f"
    done
}

# A live (not commented-out, not disabled) bookworm-backports entry.
backports_configured() {
    local f
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        awk 'BEGIN { RS = ""; FS = "\n"; found = 0 }
             {
               live = 0; enabled = 1
               for (i = 1; i <= NF; i++) {
                 if ($i ~ /^[ \t]*#/) continue
                 if ($i ~ /^Suites:/ && (" " $i " ") ~ /[ \t]bookworm-backports[ \t]/) live = 1
                 if ($i ~ /^Enabled:[ \t]*(no|false)/) enabled = 0
               }
               if (live && enabled) found = 1
             }
             END { exit (found ? 0 : 1) }' "$f" && return 0
    done
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        grep -qE "^[[:space:]]*deb[[:space:]]+(\[[^]]*\][[:space:]]+)?[^[:space:]]+[[:space:]]+bookworm-backports([[:space:]]|$)" "$f" && return 0
    done
    return 1
}

backports=/etc/apt/sources.list.d/nordel-bookworm-backports.sources
if ! dpkg --print-foreign-architectures | grep -qx armhf; then
    $SUDO dpkg --add-architecture armhf
fi
if ! backports_configured; then
    mirror=$(debian_mirror | head -n 1)
    [ -n "$mirror" ] || { echo "No Debian bookworm entry in the apt sources to derive backports from" >&2; exit 1; }
    entry=$(printf 'Types: deb\nURIs: %s\nSuites: bookworm-backports\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' "$mirror")
    # A permanent entry for a suite the mirror does not serve would make every
    # later apt-get update on this machine fail: fetch it on its own first.
    trial=$(mktemp -d)
    printf '%s\n' "$entry" > "$trial/backports.sources"
    if ! apt_get update -qq -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$trial" \
        -o APT::Get::List-Cleanup=0 -o Acquire::Languages=none; then
        rm -rf "$trial"
        echo "The mirror $mirror does not serve bookworm-backports; qemu-user 10 cannot be installed from it" >&2
        exit 1
    fi
    rm -rf "$trial"
    printf '%s\n' "$entry" | $SUDO tee "$backports" >/dev/null
fi

cross=(g++-arm-linux-gnueabihf qtbase5-dev:armhf libqt5svg5-dev:armhf)
missing=()
for p in "${cross[@]}"; do installed "$p" || missing+=("$p"); done
major=$(qemu_major || true)
qemu_version() { dpkg-query -W -f='${Version}' qemu-user 2>/dev/null || true; }
qemu_before=$(qemu_version)
if [ ${#missing[@]} -gt 0 ] || [ "${major:-0}" -lt 10 ] || ! installed qemu-user-binfmt; then
    apt_get update -qq
    [ ${#missing[@]} -eq 0 ] || apt_get install -y -qq --no-install-recommends "${missing[@]}"
    apt_get install -y -qq --no-install-recommends -t bookworm-backports qemu-user qemu-user-binfmt
fi
major=$(qemu_major || true)
if [ "${major:-0}" -lt 10 ]; then
    echo "qemu-arm is version ${major:-none}; version 10 from bookworm-backports is required" >&2
    exit 1
fi

# binfmt_misc: mount it if needed, and make sure qemu-arm is registered as
# qemu-user-binfmt describes it. The kernel keeps the interpreter it opened at
# registration (flag F), so the entry is made anew when it differs from the
# description or when this run changed the installed qemu; an entry that is
# already right is left alone (it is machine-wide).
binfmt=/proc/sys/fs/binfmt_misc
conf=/usr/lib/binfmt.d/qemu-arm.conf
[ -f "$conf" ] || { echo "$conf is missing (qemu-user-binfmt)" >&2; exit 1; }
if [ ! -e "$binfmt/register" ]; then
    $SUDO mount -t binfmt_misc binfmt_misc "$binfmt"
fi
description=$(grep -v '^#' "$conf" | head -n 1)
interpreter=$(printf '%s\n' "$description" | cut -d: -f7)
# The entry as the kernel would show it: interpreter, sorted flags, magic, mask.
escaped_hex() { printf '%b' "$1" | od -An -v -tx1 | tr -d ' \n'; }
sorted_flags() { printf '%s' "$1" | fold -w1 | LC_ALL=C sort | tr -d '\n'; }
wanted="$interpreter $(sorted_flags "$(printf '%s\n' "$description" | cut -d: -f8)")"
wanted="$wanted $(escaped_hex "$(printf '%s\n' "$description" | cut -d: -f5)") $(escaped_hex "$(printf '%s\n' "$description" | cut -d: -f6)")"
live_entry() {
    [ -e "$binfmt/qemu-arm" ] || return 0
    awk '$1 == "interpreter" { i = $2 } $1 == "flags:" { f = $2 } $1 == "magic" { m = $2 } $1 == "mask" { k = $2 }
         END { print i, f, m, k }' "$binfmt/qemu-arm" | {
        read -r i f m k
        printf '%s %s %s %s' "$i" "$(sorted_flags "$f")" "$m" "$k"
    }
}
if [ -e "$binfmt/qemu-arm" ] && { [ "$(qemu_version)" != "$qemu_before" ] || [ "$(live_entry)" != "$wanted" ]; }; then
    echo -1 | $SUDO tee "$binfmt/qemu-arm" >/dev/null
fi
if [ ! -e "$binfmt/qemu-arm" ]; then
    printf '%s\n' "$description" | $SUDO tee "$binfmt/register" >/dev/null
fi
# The interpreter refuses to run by that name outside binfmt; ask its target.
registered=$("$(readlink -f "$interpreter")" --version | sed -n 's/^qemu-arm version \([0-9]*\)\..*/\1/p')
if [ "${registered:-0}" -lt 10 ]; then
    echo "binfmt interpreter $interpreter is not qemu 10" >&2
    exit 1
fi
