#!/bin/sh
# Builds the encrypted translation package the display unpacks on its first
# start when no table is installed:
#   tar.gz holding LumoraTranslations.csv, encrypted with "openssl enc -aes256"
#   and a pass phrase, exactly the inverse of what the display runs.
#
# Usage: make-translation-package.sh <table.csv> <package.tar.gz>
# The pass phrase comes from NORDEL_TRANSLATION_PASSPHRASE (the build passes
# the same value it compiles into the display). NORDEL_OPENSSL_MD may name the
# key-derivation digest when the unit's openssl has a different default than
# the one building the package.
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 <table.csv> <package.tar.gz>" >&2
    exit 2
fi
table=$1
package=$2
if [ -z "${NORDEL_TRANSLATION_PASSPHRASE:-}" ]; then
    echo "$0: NORDEL_TRANSLATION_PASSPHRASE is not set" >&2
    exit 2
fi
if [ ! -f "$table" ]; then
    echo "$0: no table at $table" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# The display unpacks into its application folder, so the table sits at the
# top of the archive under its fixed name.
cp "$table" "$work/LumoraTranslations.csv"
tar -czf "$work/package.tar.gz" -C "$work" --owner=0 --group=0 --numeric-owner LumoraTranslations.csv

# The pass phrase goes through the environment, not the command line, so it
# does not show up in the process list of the build machine.
if [ -n "${NORDEL_OPENSSL_MD:-}" ]; then
    openssl enc -aes256 -salt -md "$NORDEL_OPENSSL_MD" -pass env:NORDEL_TRANSLATION_PASSPHRASE \
        -in "$work/package.tar.gz" -out "$work/package.enc" 2>"$work/openssl.log" || { cat "$work/openssl.log" >&2; exit 1; }
else
    openssl enc -aes256 -salt -pass env:NORDEL_TRANSLATION_PASSPHRASE \
        -in "$work/package.tar.gz" -out "$work/package.enc" 2>"$work/openssl.log" || { cat "$work/openssl.log" >&2; exit 1; }
fi
mkdir -p "$(dirname "$package")"
mv "$work/package.enc" "$package"
