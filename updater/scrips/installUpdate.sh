#!/bin/sh
# Installs the update the PC has placed in the update directory
# (update.tar.gz and its checksum file update.md5).
# NORDEL_DEVICE_ROOT is empty on the unit; the desktop run and the tests set
# it to a sandbox folder so that no device path outside it is touched.
ROOT="${NORDEL_DEVICE_ROOT:-}"
GUI_DIR="$ROOT/home/GUI/nordel"
UPDATE_DIR="$ROOT/home/GUI/update"
UPDATER_TMP_DIR="$ROOT/tmp/wifi_updater"
# The archive is unpacked here first, on the same file system as the
# application, so a damaged archive or a full disk never costs the installed
# application: it is only replaced once the whole update is on the disk.
STAGING_DIR="$UPDATE_DIR/staging"

# Drops the update, keeps the installed application and the LED as they are.
fail() {
    rm -r "$UPDATE_DIR"
    echo | fbv -i -c "$UPDATER_TMP_DIR/updateFailed_checksum.png"
    exit 1
}

echo | fbv -i -c "$UPDATER_TMP_DIR/installingUpdate.png"
sleep 1

if ! (cd "$UPDATE_DIR" && md5sum -c update.md5); then
    fail
fi

# Members must stay inside the application directory.
MEMBERS=$(tar -tzf "$UPDATE_DIR/update.tar.gz") || fail
if printf '%s\n' "$MEMBERS" | grep -q -E '^/|(^|/)\.\.(/|$)'; then
    fail
fi

rm -rf "$STAGING_DIR"
mkdir -p "$STAGING_DIR" || fail
if ! tar -C "$STAGING_DIR" -zxvf "$UPDATE_DIR/update.tar.gz"; then
    fail
fi

mkdir -p "$GUI_DIR"
rm -r "$GUI_DIR"/*
for ENTRY in "$STAGING_DIR"/* "$STAGING_DIR"/.[!.]* "$STAGING_DIR"/..?*; do
    # Unmatched patterns stay as they are.
    [ -e "$ENTRY" ] || [ -L "$ENTRY" ] || continue
    # Hidden entries survive the removal above; the update's own wins.
    rm -rf "$GUI_DIR/${ENTRY##*/}"
    mv "$ENTRY" "$GUI_DIR/"
done

chmod -R 755 "$GUI_DIR/"

rm -r "$UPDATE_DIR"
sync

echo | fbv -i -c "$UPDATER_TMP_DIR/updateCompleate.png"
# Status LED green.
sh "$ROOT/home/set_led.sh" 5 255
sh "$ROOT/home/set_led.sh" 6 0
sh "$ROOT/home/set_led.sh" 7 0
