#!/usr/bin/env bash
# Builds the virtual unit's root file system as an initramfs:
#   make-rootfs.sh PKGDIR BUSYBOX_LIST KVER OUT.cpio.zst PROGRAM...
# PKGDIR holds the unpacked guest packages (kernel, BusyBox, can-utils),
# BUSYBOX_LIST the applet paths of the same BusyBox (from its amd64 build, so
# no ARM program runs here). The ARM programs are copied with every library
# their ELF headers name, resolved in the armhf multiarch folders, plus the
# Qt plugins and fonts Qt loads at run time.
set -euo pipefail
pkg=$1 applets=$2 kver=$3 out=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d "$(dirname "$out")/root.XXXXXX")
trap 'rm -rf "$root"' EXIT
multiarch=arm-linux-gnueabihf
readelf=${READELF:-$multiarch-readelf}

mkdir -p "$root"/{usr/bin,usr/sbin,usr/lib/$multiarch,etc,proc,sys,dev,tmp,home,mnt,root,run,var}
ln -s usr/lib "$root/lib"
ln -s usr/bin "$root/bin"
ln -s usr/sbin "$root/sbin"
install -m 755 "$pkg/bin/busybox" "$root/usr/bin/busybox"
while read -r applet; do
    applet=${applet#/}
    case "$applet" in "" | */busybox | busybox) continue ;; esac
    name=${applet##*/}
    dir=usr/bin
    case "$applet" in sbin/* | usr/sbin/*) dir=usr/sbin ;; esac
    [ -e "$root/$dir/$name" ] || ln -s /usr/bin/busybox "$root/$dir/$name"
done < "$applets"
install -m 755 "$here/init" "$root/init"
printf 'root:x:0:0:root:/root:/bin/sh\n' > "$root/etc/passwd"
printf 'root:x:0:\n' > "$root/etc/group"

# Kernel modules with everything they depend on, as modules.dep says.
moddir=lib/modules/$kver
[ -f "$pkg/$moddir/modules.dep" ] || depmod -b "$pkg" "$kver"
mkdir -p "$root/usr/$moddir"
wanted="virtio_mmio virtio_pci virtio_blk 9p 9pnet_virtio ext4 crc32c_generic can can_raw can_bcm can_gw vcan vxcan can_dev"
for m in $wanted; do
    m=${m//_/[-_]}
    line=$(grep -E "(^|/)$m\.ko(\.[a-z]+)?:" "$pkg/$moddir/modules.dep" | head -n 1)
    [ -n "$line" ] || { echo "no module $m in the kernel package" >&2; exit 1; }
    for f in ${line//:/ }; do
        mkdir -p "$root/usr/$moddir/$(dirname "$f")"
        cp -n "$pkg/$moddir/$f" "$root/usr/$moddir/$f"
    done
done
for f in modules.order modules.builtin modules.builtin.modinfo; do
    [ -f "$pkg/$moddir/$f" ] && cp "$pkg/$moddir/$f" "$root/usr/$moddir/"
done
depmod -b "$root/usr" "$kver"

# Programs and their libraries.
libdirs="/usr/lib/$multiarch /lib/$multiarch $pkg/usr/lib/$multiarch"
declare -A seen=()
add_elf() {
    local f=$1 lib dir found
    for lib in $("$readelf" -d "$f" 2>/dev/null | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        [ -z "${seen[$lib]:-}" ] || continue
        seen[$lib]=1
        found=""
        for dir in $libdirs; do
            if [ -e "$dir/$lib" ]; then found="$dir/$lib"; break; fi
        done
        [ -n "$found" ] || { echo "library $lib of $f not found" >&2; exit 1; }
        cp -L "$found" "$root/usr/lib/$multiarch/$lib"
        add_elf "$found"
    done
}
interp=$(ls /usr/lib/$multiarch/ld-linux-armhf.so.3)
cp -L "$interp" "$root/usr/lib/$multiarch/ld-linux-armhf.so.3"
ln -s $multiarch/ld-linux-armhf.so.3 "$root/usr/lib/ld-linux-armhf.so.3"
seen[ld-linux-armhf.so.3]=1
for tool in candump canplayer cansend cangen; do
    install -m 755 "$pkg/usr/bin/$tool" "$root/usr/bin/$tool"
    add_elf "$pkg/usr/bin/$tool"
done
mkdir -p "$root/opt/nordel"
for p in "$@"; do
    install -m 755 "$p" "$root/opt/nordel/$(basename "$p")"
    add_elf "$p"
done
plugins=/usr/lib/$multiarch/qt5/plugins
for p in platforms/libqoffscreen.so platforms/libqlinuxfb.so imageformats/libqgif.so imageformats/libqico.so \
    imageformats/libqjpeg.so imageformats/libqsvg.so; do
    [ -f "$plugins/$p" ] || continue
    mkdir -p "$root/$plugins/$(dirname "$p")"
    cp -L "$plugins/$p" "$root/$plugins/$p"
    add_elf "$plugins/$p"
done
if [ -d /usr/share/fonts/truetype/dejavu ]; then
    mkdir -p "$root/usr/share/fonts/truetype"
    cp -r /usr/share/fonts/truetype/dejavu "$root/usr/share/fonts/truetype/"
fi
[ -d /etc/fonts ] && cp -rL /etc/fonts "$root/etc/"

comp="gzip -1"
command -v zstd >/dev/null && comp="zstd -q -3 -T2"
(cd "$root" && find . -mindepth 1 | LC_ALL=C sort | cpio -o -H newc --quiet -R 0:0) | $comp > "$out.tmp"
mv "$out.tmp" "$out"
