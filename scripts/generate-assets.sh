#!/usr/bin/env bash
# Builds the picture generator and redraws every picture of the display into
# resources/, plus the contact sheet docs/assets-contact-sheet.png.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${NORDEL_BUILD_DIR:-$here/build}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DNORDEL_WERROR=ON
fi
cmake --build "$build" --target assetgen
QT_QPA_PLATFORM=offscreen "$build/tools/assetgen/assetgen" "$here/resources" "$here/docs/assets-contact-sheet.png"
