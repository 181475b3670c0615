#!/bin/sh
# Fails when resources/fonts/seguisb.ttf is not what scripts/generate-font.sh
# makes from the system's face; skipped (77) where that face or python3 is
# missing.
set -eu
here=$(cd "$(dirname "$0")/../.." && pwd)
source=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
if [ ! -f "$source" ] || ! command -v python3 >/dev/null 2>&1; then
    echo "no $source or no python3: not checked"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
python3 "$here/tools/fonts/rename-face.py" "$source" "$work/face.ttf" "Nordel Sans"
if ! cmp -s "$work/face.ttf" "$here/resources/fonts/seguisb.ttf"; then
    echo "resources/fonts/seguisb.ttf is out of date: run scripts/generate-font.sh and commit it" >&2
    exit 1
fi
