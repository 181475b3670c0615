#!/usr/bin/env bash
# Writes the display's embedded face, resources/fonts/seguisb.ttf: DejaVu Sans
# Bold of the system (package fonts-dejavu-core) under the family name
# "Nordel Sans", so that it can never be mistaken for a font the unit has.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source=${1:-/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf}
python3 "$here/tools/fonts/rename-face.py" "$source" "$here/resources/fonts/seguisb.ttf" "Nordel Sans"
