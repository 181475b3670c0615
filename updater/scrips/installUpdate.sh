#!/bin/sh
# Installs the update the PC has placed in the update directory
# (update.tar.gz and its checksum file update.md5).
# NORDEL_DEVICE_ROOT is empty on the unit; the desktop run and the tests set
# it to a sandbox folder so that no device path outside it is touched.
#
# The script relies on BusyBox applets (as old as 1.20: no "mv -T", perhaps
# no readlink) and openssl only. Every check fails closed: a tool that is
# missing or ends with an error refuses the package.
#
# The application directory is a symbolic link to one of two slot
# directories beside it. The update is unpacked and checked in a staging
# folder, flushed, renamed into the free slot, flushed again, and only then
# does the link change, in one rename(2) (by the package's switchlink, or
# "mv -T"): killed or powered off at any moment, the unit keeps one complete
# application, the old one or the new one. A folder named like a slot is
# always complete: slots come and go by rename only.
LC_ALL=C
export LC_ALL
ROOT="${NORDEL_DEVICE_ROOT:-}"
GUI_PARENT="$ROOT/home/GUI"
GUI_DIR="$GUI_PARENT/nordel"
UPDATE_DIR="$ROOT/home/GUI/update"
UPDATER_TMP_DIR="$ROOT/tmp/wifi_updater"
ARCHIVE="$UPDATE_DIR/update.tar.gz"
KEY="$GUI_PARENT/conf/update-key.pem"
LOG="$GUI_PARENT/update.log"
PRODUCT=nordel
SWITCHER=switchlink
# Left by a replaced plain directory until the link to its successor exists.
OLD_DIR="$GUI_DIR.old"
# The new link, before it is renamed over the old one.
NEW_LINK="$GUI_DIR.link"
# The update while it is unpacked and checked.
STAGE="$GUI_DIR.new"
# A slot on its way out: renamed here first, so that a removal cut short
# never leaves a part of an application under a slot's name.
TRASH="$GUI_DIR.trash"
# MANIFEST and its signature, read before anything is unpacked.
CHECK="$UPDATE_DIR/.check"

M_VERSION=-
M_BUILD=-
M_ARCH=-
PACKAGE_SHA=-

exists() { [ -e "$1" ] || [ -L "$1" ]; }

# One line per run in the install log, which keeps its last 200 lines; on
# disk before the end screen.
record() {
    when=$(date -u +%Y-%m-%dT%H:%M:%SZ 2>/dev/null) || when=-
    [ -d "$GUI_PARENT" ] || mkdir -p "$GUI_PARENT"
    printf '%s\t%s\t%s\tversion=%s\tbuild=%s\tarchitecture=%s\tsha256=%s\n' "$when" "$1" "$2" \
        "$M_VERSION" "$M_BUILD" "$M_ARCH" "$PACKAGE_SHA" >> "$LOG"
    if tail -n 200 "$LOG" > "$LOG.tmp"; then
        mv -f "$LOG.tmp" "$LOG"
    else
        rm -f "$LOG.tmp"
    fi
    sync
}

# Renames a slot (never the one the link names) out of the way and removes it.
discard() {
    exists "$1" || return 0
    if [ -e "$GUI_DIR" ] && [ "$GUI_DIR" -ef "$1" ]; then
        return 0
    fi
    ! exists "$TRASH" || rm -rf "$TRASH"
    mv "$1" "$TRASH" && rm -rf "$TRASH"
}

# Drops the update, keeps the installed application and the LED as they are.
# $1: refused (the package) or failed (the install); $2: why.
stop() {
    ! exists "$STAGE" || rm -rf "$STAGE"
    ! exists "$NEW_LINK" || rm -f "$NEW_LINK"
    [ -z "${NEW_DIR:-}" ] || discard "$NEW_DIR"
    ! exists "$UPDATE_DIR" || rm -rf "$UPDATE_DIR"
    record "$1" "$2"
    echo | fbv -i -c "$UPDATER_TMP_DIR/updateFailed_checksum.png"
    exit 1
}
refuse() { stop refused "$1"; }
failed() { stop failed "$1"; }

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

# True when the application link names slot $1 (compared by the folder it
# leads to, so that however the link is written, its slot is recognised).
points_at() { [ -L "$GUI_DIR" ] && [ "$GUI_DIR" -ef "$GUI_PARENT/$1" ]; }

# Points the application link at slot $1 in one rename: with the slot's own
# switchlink once it answers as expected, otherwise with "mv -T".
switch_to() {
    ! exists "$NEW_LINK" || rm -f "$NEW_LINK"
    ln -s "$1" "$NEW_LINK" || return 1
    helper="$GUI_PARENT/$1/$SWITCHER"
    if [ -f "$helper" ] && [ -x "$helper" ] && [ "$("$helper" --version 2>/dev/null)" = "$SWITCHER 1" ]; then
        "$helper" "$NEW_LINK" "$GUI_DIR"
    fi
    points_at "$1" || mv -f -T "$NEW_LINK" "$GUI_DIR" 2>/dev/null
    ! exists "$NEW_LINK" || rm -f "$NEW_LINK"
    points_at "$1"
}

slot_complete() { [ -d "$1" ] && [ ! -L "$1" ] && [ -f "$1/$PRODUCT" ]; }

# A name in the archive or the manifest: relative, inside the application
# directory, of plain characters.
plain_name() {
    case "$1" in
    "" | /* | *[!A-Za-z0-9._/+-]*) return 1 ;;
    esac
    case "/$1/" in
    */../*) return 1 ;;
    esac
    return 0
}

# Lines of the listing with types ($TYPES) against the names ($NAMES): every
# member a regular file or a folder under a plain name, the program at the
# top. Sets PROGRAM_MEMBER, MANIFEST_MEMBER and SIGNATURE_MEMBER.
check_members() {
    old_ifs=$IFS
    IFS='
'
    set -f
    # shellcheck disable=SC2086
    set -- $TYPES
    set +f
    IFS=$old_ifs
    members=0
    while IFS= read -r name; do
        [ $# -gt 0 ] || return 1
        line=$1
        shift
        members=$((members + 1))
        plain_name "$name" || return 1
        case "$line" in
        *" -> "* | *" link to "*) return 1 ;;
        esac
        case "$line" in
        *" $name") ;;
        *) return 1 ;;
        esac
        case "$line" in
        -*)
            case "${name#./}" in
            "$PRODUCT") PROGRAM_MEMBER=$name ;;
            MANIFEST) MANIFEST_MEMBER=$name ;;
            MANIFEST.sig) SIGNATURE_MEMBER=$name ;;
            esac
            ;;
        d*) ;;
        *) return 1 ;;
        esac
    done <<EOF
$NAMES
EOF
    [ $# -eq 0 ] && [ "$members" -gt 0 ] && [ -n "${PROGRAM_MEMBER:-}" ]
}

# update.md5 holds one line: the md5 of update.tar.gz and that name.
md5_names_archive() {
    lines=0
    while IFS= read -r line || [ -n "$line" ]; do
        [ -n "$line" ] || continue
        lines=$((lines + 1))
        sum=${line%%[ ]*}
        case "$sum" in
        *[!0-9a-fA-F]*) return 1 ;;
        esac
        [ ${#sum} -eq 32 ] || return 1
        case "${line#"$sum"}" in
        "  update.tar.gz" | " *update.tar.gz") ;;
        *) return 1 ;;
        esac
    done < "$UPDATE_DIR/update.md5"
    [ "$lines" -eq 1 ]
}

# Reads product, version, build and architecture from the checked-out
# MANIFEST ($CHECK/MANIFEST.text, printable and cut to length) and the
# sha256= lines into $CHECK/sums (sha256sum -c form) and $LISTED.
read_manifest() {
    sed -e 's/[^ -~]/?/g' -e '/^sha256=/!s/^\([^=]*=.\{0,100\}\).*/\1/' "$CHECK/MANIFEST" > "$CHECK/MANIFEST.text" \
        || return 1
    M_PRODUCT=""
    M_VERSION=""
    M_BUILD=""
    M_ARCH=""
    LISTED='
'
    : > "$CHECK/sums" || return 1
    while IFS= read -r line; do
        case "$line" in
        product=*) [ -n "$M_PRODUCT" ] || M_PRODUCT=${line#product=} ;;
        version=*) [ -n "$M_VERSION" ] || M_VERSION=${line#version=} ;;
        build=*) [ -n "$M_BUILD" ] || M_BUILD=${line#build=} ;;
        architecture=*) [ -n "$M_ARCH" ] || M_ARCH=${line#architecture=} ;;
        sha256=*)
            entry=${line#sha256=}
            sum=${entry%%  *}
            path=${entry#"$sum  "}
            path=${path#./}
            case "$sum" in
            *[!0-9a-f]*) return 1 ;;
            esac
            [ ${#sum} -eq 64 ] && [ "$path" != "$entry" ] && plain_name "$path" || return 1
            LISTED="$LISTED$path
"
            printf '%s  %s\n' "$sum" "$path" >> "$CHECK/sums" || return 1
            ;;
        esac
    done < "$CHECK/MANIFEST.text"
    M_VERSION=${M_VERSION:--}
    M_BUILD=${M_BUILD:--}
    M_ARCH=${M_ARCH:--}
    return 0
}

# The unpacked tree: regular files and folders only, the program a regular
# file at the top, and (when the manifest lists files) every file listed.
check_unpacked() {
    [ -f "$STAGE/$PRODUCT" ] && [ ! -L "$STAGE/$PRODUCT" ] || return 1
    FOUND=$(cd "$STAGE" && find . ! -type d) || return 1
    while IFS= read -r found; do
        [ -n "$found" ] || continue
        [ -f "$STAGE/$found" ] && [ ! -L "$STAGE/$found" ] || return 1
        [ -n "$HASHED" ] || continue
        case "${found#./}" in
        MANIFEST | MANIFEST.sig) continue ;;
        esac
        case "$LISTED" in
        *"
${found#./}
"*) ;;
        *) return 1 ;;
        esac
    done <<EOF
$FOUND
EOF
    return 0
}

# --- Every tool the script uses must be there ---------------------------------
TOOLS="md5sum sha256sum tar sed find chmod mkdir rm mv ln sync sleep uname date tail fbv sh"
[ ! -e "$KEY" ] || TOOLS="$TOOLS openssl"
for tool in $TOOLS; do
    command -v "$tool" > /dev/null 2>&1 || MISSING="${MISSING:-} $tool"
done

# --- What interrupted runs left: repaired and tidied first ----------------------
# A run that stopped while a plain application directory made way for the
# link leaves the old application beside it: put it back.
if ! exists "$GUI_DIR" && [ -d "$OLD_DIR" ]; then
    mv "$OLD_DIR" "$GUI_DIR"
fi
# No application (or a link to nothing) beside a complete slot: link the
# newer complete slot.
if [ ! -e "$GUI_DIR" ]; then
    PICK=""
    for slot in nordel.1 nordel.2; do
        slot_complete "$GUI_PARENT/$slot" || continue
        if [ -z "$PICK" ] || [ "$GUI_PARENT/$slot" -nt "$GUI_PARENT/$PICK" ]; then
            PICK=$slot
        fi
    done
    if [ -n "$PICK" ] && ! switch_to "$PICK"; then
        # Nothing to lose here: there is no application to keep.
        ! exists "$GUI_DIR" || rm -f "$GUI_DIR"
        ln -s "$PICK" "$GUI_DIR"
    fi
fi
! exists "$NEW_LINK" || rm -f "$NEW_LINK"
! exists "$STAGE" || rm -rf "$STAGE"
! exists "$TRASH" || rm -rf "$TRASH"
if [ -e "$GUI_DIR" ]; then
    ! exists "$OLD_DIR" || rm -rf "$OLD_DIR"
    # Slots the link does not name are leftovers, whole or not.
    discard "$GUI_PARENT/nordel.1"
    discard "$GUI_PARENT/nordel.2"
fi

[ -z "${MISSING:-}" ] || refuse "missing tools:$MISSING"

echo | fbv -i -c "$UPDATER_TMP_DIR/installingUpdate.png"
sleep 1

# --- The package, checked before anything is touched --------------------------
[ -f "$UPDATE_DIR/update.md5" ] && [ -f "$ARCHIVE" ] || refuse "update.tar.gz or update.md5 missing"
md5_names_archive || refuse "update.md5 does not name update.tar.gz alone"
if ! (cd "$UPDATE_DIR" && md5sum -c update.md5); then
    refuse "md5 checksum mismatch"
fi
PACKAGE_SHA=$(sha256sum "$ARCHIVE") || refuse "cannot hash update.tar.gz"
PACKAGE_SHA=${PACKAGE_SHA%% *}

# Whatever tar says besides the names refuses the package too: BusyBox's tar
# takes leading "/" and "../" off the names it lists, and says so.
NAMES=$(tar -tzf "$ARCHIVE" 2>&1) || refuse "archive cannot be listed"
TYPES=$(tar -tvzf "$ARCHIVE" 2>&1) || refuse "archive cannot be listed"
check_members || refuse "member that is not a plain file or folder inside the application, or no $PRODUCT at the top"

HASHED=""
if [ -n "${MANIFEST_MEMBER:-}" ]; then
    ! exists "$CHECK" || rm -rf "$CHECK"
    mkdir "$CHECK" || failed "cannot make $CHECK"
    tar -xzOf "$ARCHIVE" "$MANIFEST_MEMBER" > "$CHECK/MANIFEST" || refuse "MANIFEST cannot be read"
    read_manifest || refuse "MANIFEST malformed"
    [ ! -s "$CHECK/sums" ] || HASHED=yes
fi
if [ -e "$KEY" ]; then
    [ -n "${MANIFEST_MEMBER:-}" ] || refuse "no MANIFEST"
    [ -n "${SIGNATURE_MEMBER:-}" ] || refuse "no signature"
    tar -xzOf "$ARCHIVE" "$SIGNATURE_MEMBER" > "$CHECK/MANIFEST.sig" || refuse "signature cannot be read"
    VERIFIED=$(openssl dgst -sha256 -verify "$KEY" -signature "$CHECK/MANIFEST.sig" "$CHECK/MANIFEST" 2>&1) \
        && [ "$VERIFIED" = "Verified OK" ] || refuse "signature does not verify"
    [ -n "$HASHED" ] || refuse "MANIFEST lists no files"
fi
# A manifest, when the package has one, must name this product and this
# machine: a program for another board would leave the unit without display.
if [ -n "${MANIFEST_MEMBER:-}" ]; then
    [ "$M_PRODUCT" = "$PRODUCT" ] || refuse "package for another product"
    [ "$M_ARCH" = "$(machine_architecture)" ] || refuse "package for another architecture"
fi

# --- Unpacked beside the application, checked again, flushed -----------------
mkdir "$STAGE" || failed "cannot make $STAGE"
tar -C "$STAGE" -zxvf "$ARCHIVE" || failed "archive does not unpack"
check_unpacked || refuse "unpacked files are not plain, or MANIFEST does not list them all"
# Plain files and folders only, so the modes change nothing outside.
chmod -R 755 "$STAGE/" || failed "cannot make the update readable"
if [ -n "$HASHED" ]; then
    (cd "$STAGE" && sha256sum -c "$CHECK/sums" > /dev/null) || refuse "file differs from MANIFEST"
fi
# On disk before it takes a slot's name.
sync

# The slot the link does not name takes the update.
NEW_NAME=nordel.1
if points_at nordel.1; then
    NEW_NAME=nordel.2
fi
NEW_DIR="$GUI_PARENT/$NEW_NAME"
OLD_SLOT=""
[ "$NEW_NAME" = nordel.2 ] && OLD_SLOT="$GUI_PARENT/nordel.1"
points_at nordel.2 && OLD_SLOT="$GUI_PARENT/nordel.2"
! exists "$NEW_DIR" || failed "$NEW_NAME still there"
mv "$STAGE" "$NEW_DIR" || failed "cannot move the update into $NEW_NAME"
sync

# --- The switch ------------------------------------------------------------------
if [ -d "$GUI_DIR" ] && [ ! -L "$GUI_DIR" ]; then
    # A plain directory from an older installer cannot be replaced by a link
    # in one step; the repair at the top covers the moment between.
    mv "$GUI_DIR" "$OLD_DIR" || failed "cannot move the old application aside"
    ln -s "$NEW_NAME" "$GUI_DIR" || {
        mv "$OLD_DIR" "$GUI_DIR"
        failed "cannot link the new application"
    }
elif ! switch_to "$NEW_NAME"; then
    if ! exists "$GUI_DIR"; then
        # No application to replace: making the link is one step by itself.
        ln -s "$NEW_NAME" "$GUI_DIR" || failed "cannot link the new application"
    else
        failed "no one-step link switch here (no working $SWITCHER, mv without -T)"
    fi
fi
# The switch on disk before the old application goes.
sync
[ -z "$OLD_SLOT" ] || discard "$OLD_SLOT"
! exists "$OLD_DIR" || rm -rf "$OLD_DIR"
rm -rf "$UPDATE_DIR"
record installed "installed into $NEW_NAME"

echo | fbv -i -c "$UPDATER_TMP_DIR/updateCompleate.png"
# Status LED green.
sh "$ROOT/home/set_led.sh" 5 255
sh "$ROOT/home/set_led.sh" 6 0
sh "$ROOT/home/set_led.sh" 7 0
