#!/usr/bin/env bash
# Configures (once) and builds everything into build/ (or $NORDEL_BUILD_DIR).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${NORDEL_BUILD_DIR:-$here/build}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORDEL_WERROR=ON "$@"
fi
cmake --build "$build" --parallel "$(nproc)"
