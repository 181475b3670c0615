#!/usr/bin/env bash
# Regenerates the screenshot gallery into docs/screens/ (or the folder given):
# every centre view in representative states, and the whole 480x272 screen of
# the running display on the simulated crane in every full-screen message,
# both operating modes in both looks, a crowded status bar and the EVS III
# overlay. Extra arguments name single screens (see --list).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${NORDEL_BUILD_DIR:-$here/build}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DNORDEL_WERROR=ON
fi
cmake --build "$build" --target nordel_gallery
out=${1:-$here/docs/screens}
shift || true
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$build/tools/gallery/nordel_gallery" "$out" "$@"
echo "Screenshots written to $out"
