#!/usr/bin/env bash
# Writes the display's embedded faces, under family names of their own so
# that they can never be mistaken for fonts the unit has:
#   resources/fonts/seguisb.ttf                    DejaVu Sans Bold as "Nordel Sans"
#   resources/fonts/NordelSansCondensed-Bold.ttf   DejaVu Sans Condensed Bold as "Nordel Sans Condensed"
# (packages fonts-dejavu-core and fonts-dejavu-extra). Arguments: the two
# source faces, if not the system's.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dejavu=/usr/share/fonts/truetype/dejavu
bold=${1:-$dejavu/DejaVuSans-Bold.ttf}
condensed=${2:-$dejavu/DejaVuSansCondensed-Bold.ttf}
python3 "$here/tools/fonts/rename-face.py" "$bold" "$here/resources/fonts/seguisb.ttf" "Nordel Sans"
python3 "$here/tools/fonts/rename-face.py" "$condensed" "$here/resources/fonts/NordelSansCondensed-Bold.ttf" \
  "Nordel Sans Condensed"
