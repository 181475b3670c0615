#!/bin/sh
# Puts the desktop stand-ins for the unit's Wi-Fi and camera files into a
# device root, never replacing a file that is already there.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=${1:?usage: seed.sh DEVICE_ROOT}
mkdir -p "$root/home"
for f in start_wifi.sh wpa_supplicant.conf ip_cam.conf; do
    [ -e "$root/home/$f" ] || cp "$here/home/$f" "$root/home/$f"
done
