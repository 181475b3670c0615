#!/bin/sh
# Fails when an embedded face in resources/fonts/ is not what
# scripts/generate-font.sh makes from the system's face; skipped (77) where
# those faces or python3 are missing.
set -eu
here=$(cd "$(dirname "$0")/../.." && pwd)
dejavu=/usr/share/fonts/truetype/dejavu
if ! command -v python3 >/dev/null 2>&1; then
    echo "no python3: not checked"
    exit 77
fi
for source in "$dejavu/DejaVuSans-Bold.ttf" "$dejavu/DejaVuSansCondensed-Bold.ttf"; do
    if [ ! -f "$source" ]; then
        echo "no $source (packages fonts-dejavu-core, fonts-dejavu-extra): not checked"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
status=0
check() { # source target family
    python3 "$here/tools/fonts/rename-face.py" "$1" "$work/face.ttf" "$3"
    if ! cmp -s "$work/face.ttf" "$here/resources/fonts/$2"; then
        echo "resources/fonts/$2 is out of date: run scripts/generate-font.sh and commit it" >&2
        status=1
    fi
}
check "$dejavu/DejaVuSans-Bold.ttf" seguisb.ttf "Nordel Sans"
check "$dejavu/DejaVuSansCondensed-Bold.ttf" NordelSansCondensed-Bold.ttf "Nordel Sans Condensed"
exit $status
