#!/usr/bin/env bash
# Runs the shipped crane scenarios headless against the simulated crane and
# writes their screenshots to build/scenario-screens/ (one PNG per "screenshot"
# line); docs/screens/ holds the gallery alone.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${NORDEL_BUILD_DIR:-$here/build}
out=${1:-$build/scenario-screens}
"$here/scripts/build.sh"
export NORDEL_DEVICE_ROOT=${NORDEL_DEVICE_ROOT:-$build/device-root}
mkdir -p "$NORDEL_DEVICE_ROOT" "$out"
"$here/tools/desktop-device/seed.sh" "$NORDEL_DEVICE_ROOT"
export PATH="$here/tools/desktop-bin:$PATH"
for scenario in startup stabilisers faults silence; do
  echo "scenario $scenario"
  QT_QPA_PLATFORM=offscreen "$build/nordel" --scenario "$scenario" --screens-dir "$out" --quit-at-end
done
echo "Screenshots written to $out"
