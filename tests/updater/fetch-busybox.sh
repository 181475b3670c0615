#!/bin/sh
# Makes the BusyBox tool sets the install script's tests run with:
#   DIR/busybox      every applet of Debian's busybox package, plus openssl
#   DIR/busybox-old  the same without readlink and with an mv that refuses -T,
#                    as BusyBox before 1.34
# The package is fetched with apt-get download and unpacked into DIR, never
# installed over the machine's tools. Fails loudly when it cannot be had.
set -eu
dir=${1:?usage: fetch-busybox.sh DIR}
bb=$dir/root/bin/busybox
if [ ! -x "$bb" ]; then
    rm -rf "$dir/download" "$dir/root"
    mkdir -p "$dir/download"
    (cd "$dir/download" && apt-get download "busybox:$(dpkg --print-architecture)")
    dpkg-deb -x "$dir"/download/busybox_*.deb "$dir/root"
fi
"$bb" true
ssl=$(command -v openssl) || { echo "openssl is needed beside BusyBox" >&2; exit 1; }
for profile in busybox busybox-old; do
    rm -rf "${dir:?}/$profile"
    mkdir -p "$dir/$profile"
    for applet in $("$bb" --list); do
        ln -s "$bb" "$dir/$profile/$applet"
    done
    ln -s "$ssl" "$dir/$profile/openssl"
done
rm "$dir/busybox-old/readlink" "$dir/busybox-old/mv"
cat > "$dir/busybox-old/mv" <<EOF
#!$bb sh
for a in "\$@"; do
    case "\$a" in
    --) break ;;
    --*) ;;
    -*T*) echo "mv: invalid option -- 'T'" >&2; exit 1 ;;
    esac
done
exec "$bb" mv "\$@"
EOF
chmod 755 "$dir/busybox-old/mv"
echo "BusyBox tool sets in $dir: $("$bb" | head -n 1)"
