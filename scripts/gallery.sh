#!/usr/bin/env bash
# Regenerates the screenshot gallery: every centre view in representative
# states, and the whole 480x272 screen of the running display on the
# simulated crane (full-screen messages, both operating modes in both looks,
# status-bar states, menus, the EVS III overlay).
#
#   ./scripts/gallery.sh                       English into docs/screens/, German into docs/screens/de/
#   ./scripts/gallery.sh DIR [screen ...]      English into DIR (only the named screens, see --list)
#   NORDEL_GALLERY_LANGUAGE=Deutsch ./scripts/gallery.sh DIR   another shipped language
#
# Fonts come from the project's fontconfig set (tools/gallery/fonts.conf), the
# same one the golden-picture test uses, so pictures match on every machine.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${NORDEL_BUILD_DIR:-$here/build}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DNORDEL_WERROR=ON
fi
cmake --build "$build" --target nordel_gallery
cache=$(mktemp -d)
trap 'rm -rf "$cache"' EXIT
draw() { # language folder [screen ...]
  local language=$1 out=$2
  shift 2
  mkdir -p "$out"
  FONTCONFIG_FILE="$here/tools/gallery/fonts.conf" XDG_CACHE_HOME="$cache" QT_QPA_PLATFORM=offscreen \
    "$build/tools/gallery/nordel_gallery" --language "$language" "$out" "$@"
  echo "Screenshots written to $out"
}
if [ $# -eq 0 ]; then
  # The whole set: pictures of screens that no longer exist go too.
  rm -f "$here"/docs/screens/*.png "$here"/docs/screens/de/*.png
  draw English "$here/docs/screens"
  draw Deutsch "$here/docs/screens/de"
else
  out=$1
  shift
  draw "${NORDEL_GALLERY_LANGUAGE:-English}" "$out" "$@"
fi
