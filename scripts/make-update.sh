#!/usr/bin/env bash
# Packs the update the PC tool sends to a unit: OUTDIR/update.tar.gz holds the
# application directory /home/GUI/nordel (the stripped nordel program, the
# translation table and its encrypted package, the link switch switchlink, and
# MANIFEST naming product, version, architecture and build and the SHA-256 of
# every file, signed in MANIFEST.sig), OUTDIR/update.md5 its checksum in the
# form "md5sum -c" reads, OUTDIR/update-key.pem the public key a unit is
# provisioned with (/home/GUI/conf/update-key.pem).
#
#   scripts/make-update.sh [--arch armhf|host] [--build DIR] [--key KEY.pem] OUTDIR
#
# KEY.pem (or $NORDEL_UPDATE_KEY) is the crane maker's RSA private key in PEM.
# Without one, a development key pair is made once in BUILD/update-key/; units
# provisioned with its public key accept only packages of that build folder.
#
# The build is reused: build/ for host, build-armhf/ for armhf (configured
# and built first if missing); only nordel and the translations are brought
# up to date.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

usage() {
    echo "usage: $0 [--arch armhf|host] [--build DIR] [--key KEY.pem] OUTDIR" >&2
    exit 2
}

arch=host
build=""
key=${NORDEL_UPDATE_KEY:-}
out=""
while [ $# -gt 0 ]; do
    case "$1" in
    --arch) [ $# -ge 2 ] || usage; arch=$2; shift 2 ;;
    --arch=*) arch=${1#--arch=}; shift ;;
    --build) [ $# -ge 2 ] || usage; build=$2; shift 2 ;;
    --build=*) build=${1#--build=}; shift ;;
    --key) [ $# -ge 2 ] || usage; key=$2; shift 2 ;;
    --key=*) key=${1#--key=}; shift ;;
    -*) usage ;;
    *) [ -z "$out" ] || usage; out=$1; shift ;;
    esac
done
[ -n "$out" ] || usage

# Debian's name of a machine, as the install script on the unit derives it.
machine_architecture() {
    case "$(uname -m)" in
    armv6l | armv7l | armv8l | arm) echo armhf ;;
    aarch64 | arm64) echo arm64 ;;
    x86_64 | amd64) echo amd64 ;;
    i?86) echo i386 ;;
    *) uname -m ;;
    esac
}

# The architecture an ELF program was built for, from its header.
elf_architecture() {
    [ "$(od -An -tx1 -N4 "$1" | tr -d ' \n')" = 7f454c46 ] || { echo "not-elf"; return; }
    local class machine
    class=$(od -An -tu1 -j4 -N1 "$1" | tr -d ' \n')
    machine=$(od -An -tu2 -j18 -N2 "$1" | tr -d ' \n')
    case "$class:$machine" in
    1:40) echo armhf ;;
    2:183) echo arm64 ;;
    2:62) echo amd64 ;;
    1:3) echo i386 ;;
    *) echo "elf-$class-$machine" ;;
    esac
}

case "$arch" in
armhf)
    build=${build:-$here/build-armhf}
    if [ ! -f "$build/build.ninja" ]; then
        "$here/scripts/install-armhf-deps.sh"
        cmake -S "$here" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/cmake/toolchains/armhf.cmake" \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORDEL_WERROR=ON -DNORDEL_BUILD_BENCH=OFF
    fi
    ;;
host)
    arch=$(machine_architecture)
    build=${build:-$here/build}
    if [ ! -f "$build/build.ninja" ]; then
        "$here/scripts/install-deps.sh"
        cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORDEL_WERROR=ON
    fi
    ;;
*) usage ;;
esac
cmake --build "$build" --target nordel translations switchlink

for program in "$build/nordel" "$build/switchlink"; do
    built_for=$(elf_architecture "$program")
    if [ "$built_for" != "$arch" ]; then
        echo "$program is built for $built_for, not $arch" >&2
        exit 1
    fi
done
program="$build/nordel"

# RSA with SHA-256: what openssl dgst signs and verifies the same way from
# OpenSSL 1.0 (the unit's) to 3.x.
if [ -z "$key" ]; then
    key="$build/update-key/development-key.pem"
    if [ ! -f "$key" ]; then
        mkdir -p "$(dirname "$key")"
        (umask 077 && openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:3072 -out "$key.part" 2>/dev/null)
        mv "$key.part" "$key"
    fi
    echo "signing with the development key $key" >&2
fi
[ -f "$key" ] || { echo "no such key: $key" >&2; exit 1; }
strip_tool=$(sed -n 's/^CMAKE_STRIP:FILEPATH=//p' "$build/CMakeCache.txt")
strip_tool=${strip_tool:-strip}

version=$(sed -n 's/.*ApplicationVersion = "\([^"]*\)".*/\1/p' "$here/platform/AppVersionOberver.cpp")
commit=$(git -C "$here" rev-parse --short=7 HEAD 2>/dev/null || echo unknown)
if [ "$commit" != unknown ] && ! git -C "$here" diff --quiet HEAD -- 2>/dev/null; then
    commit="$commit-dirty"
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
"$strip_tool" -o "$stage/nordel" "$program"
"$strip_tool" -o "$stage/switchlink" "$build/switchlink"
cp "$here/tools/translations/LumoraTranslations.csv" "$build/translations/LumoraTranslations.tar.gz" "$stage/"
files="nordel switchlink LumoraTranslations.csv LumoraTranslations.tar.gz"
chmod 755 "$stage/nordel" "$stage/switchlink"
chmod 644 "$stage/LumoraTranslations.csv" "$stage/LumoraTranslations.tar.gz"
{
    echo "product=nordel"
    echo "version=${version:-unknown}"
    echo "architecture=$arch"
    echo "build=$commit $(date -u +%Y-%m-%dT%H:%M:%SZ)"
    # shellcheck disable=SC2086
    (cd "$stage" && sha256sum $files) | sed 's/^/sha256=/'
} > "$stage/MANIFEST"
openssl dgst -sha256 -sign "$key" -out "$stage/MANIFEST.sig" "$stage/MANIFEST"
chmod 644 "$stage/MANIFEST" "$stage/MANIFEST.sig"

mkdir -p "$out"
# shellcheck disable=SC2086
tar -C "$stage" --owner=0 --group=0 -czf "$out/update.tar.gz" MANIFEST MANIFEST.sig $files
(cd "$out" && md5sum update.tar.gz > update.md5)
openssl pkey -in "$key" -pubout -out "$out/update-key.pem"
echo "$out/update.tar.gz: nordel ${version:-unknown} for $arch, build $commit ($(wc -c < "$out/update.tar.gz") bytes)"
