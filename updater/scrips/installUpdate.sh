#!/bin/sh
# Installs the update the PC has placed in the update directory
# (update.tar.gz and its checksum file update.md5).
# NORDEL_DEVICE_ROOT is empty on the unit; the desktop run and the tests set
# it to a sandbox folder so that no device path outside it is touched.
#
# The application directory is a symbolic link to one of two slot directories
# beside it. The update is unpacked into the other slot, flushed to disk, and
# only then does the link change, in one rename: killed or powered off at any
# moment, the unit keeps one complete application, the old one or the new one.
ROOT="${NORDEL_DEVICE_ROOT:-}"
GUI_PARENT="$ROOT/home/GUI"
GUI_DIR="$GUI_PARENT/nordel"
UPDATE_DIR="$ROOT/home/GUI/update"
UPDATER_TMP_DIR="$ROOT/tmp/wifi_updater"
PRODUCT=nordel
# Left by a replaced plain directory until the link to its successor exists.
OLD_DIR="$GUI_DIR.old"
NEW_LINK="$GUI_DIR.link"

# Drops the update, keeps the installed application and the LED as they are.
fail() {
    [ -z "${NEW_DIR:-}" ] || rm -rf "$NEW_DIR"
    rm -r "$UPDATE_DIR"
    echo | fbv -i -c "$UPDATER_TMP_DIR/updateFailed_checksum.png"
    exit 1
}

# The Debian name of this machine's architecture, as the update's manifest
# names it.
machine_architecture() {
    case "$(uname -m)" in
    armv6l | armv7l | armv8l | arm) echo armhf ;;
    aarch64 | arm64) echo arm64 ;;
    x86_64 | amd64) echo amd64 ;;
    i?86) echo i386 ;;
    *) uname -m ;;
    esac
}

# A run that stopped while a plain application directory made way for the
# link leaves the old application beside it: put it back first.
if [ ! -e "$GUI_DIR" ] && [ ! -L "$GUI_DIR" ] && [ -d "$OLD_DIR" ]; then
    mv "$OLD_DIR" "$GUI_DIR"
fi

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

# A manifest, when the package has one, must name this product and this
# machine: a program for another board would leave the unit without display.
MANIFEST_MEMBER=$(printf '%s\n' "$MEMBERS" | grep -x -E '(\./)?MANIFEST' | head -n 1)
if [ -n "$MANIFEST_MEMBER" ]; then
    MANIFEST=$(tar -xzOf "$UPDATE_DIR/update.tar.gz" "$MANIFEST_MEMBER") || fail
    PACKAGE_PRODUCT=$(printf '%s\n' "$MANIFEST" | sed -n 's/^product=//p' | head -n 1)
    PACKAGE_ARCH=$(printf '%s\n' "$MANIFEST" | sed -n 's/^architecture=//p' | head -n 1)
    if [ "$PACKAGE_PRODUCT" != "$PRODUCT" ] || [ "$PACKAGE_ARCH" != "$(machine_architecture)" ]; then
        fail
    fi
fi

# The slot the link does not point at takes the update; whatever an earlier,
# interrupted run left there is not the application.
CURRENT=""
[ -L "$GUI_DIR" ] && CURRENT=$(readlink "$GUI_DIR")
NEW_NAME=nordel.1
OLD_SLOT=""
case "${CURRENT##*/}" in
nordel.1) NEW_NAME=nordel.2 OLD_SLOT="$GUI_PARENT/nordel.1" ;;
nordel.2) OLD_SLOT="$GUI_PARENT/nordel.2" ;;
esac
NEW_DIR="$GUI_PARENT/$NEW_NAME"
rm -rf "$NEW_DIR" "$NEW_LINK"
# The top of the script has put back a missing application, so this is a
# copy left by a run that stopped after the switch.
[ ! -e "$GUI_DIR" ] || rm -rf "$OLD_DIR"
mkdir -p "$NEW_DIR" || fail
if ! tar -C "$NEW_DIR" -zxvf "$UPDATE_DIR/update.tar.gz"; then
    fail
fi
chmod -R 755 "$NEW_DIR/" || fail
# On disk before the application points at it.
sync

if [ -L "$GUI_DIR" ] || [ ! -e "$GUI_DIR" ]; then
    ln -s "$NEW_NAME" "$NEW_LINK" || fail
    # rename() replaces the link in one step; where mv lacks -T, ln -sfn
    # replaces it in two quick calls.
    if ! mv -f -T "$NEW_LINK" "$GUI_DIR" 2>/dev/null; then
        rm -f "$NEW_LINK"
        ln -sfn "$NEW_NAME" "$GUI_DIR" || fail
    fi
else
    # A plain directory from an older installer cannot be replaced by a link
    # in one step; the recovery at the top covers the moment between.
    mv "$GUI_DIR" "$OLD_DIR" || fail
    ln -s "$NEW_NAME" "$GUI_DIR" || { mv "$OLD_DIR" "$GUI_DIR"; fail; }
    rm -rf "$OLD_DIR"
fi
[ -z "$OLD_SLOT" ] || rm -rf "$OLD_SLOT"

rm -r "$UPDATE_DIR"
sync

echo | fbv -i -c "$UPDATER_TMP_DIR/updateCompleate.png"
# Status LED green.
sh "$ROOT/home/set_led.sh" 5 255
sh "$ROOT/home/set_led.sh" 6 0
sh "$ROOT/home/set_led.sh" 7 0
