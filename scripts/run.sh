#!/usr/bin/env bash
# Installs what is missing, builds, and runs nordel on the desktop in the
# virtual handheld. Without a display it runs headless for a few seconds and
# writes a screenshot instead.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
build=${NORDEL_BUILD_DIR:-$here/build}
# The unit's files (/home/GUI/...) live in a sandbox folder on the desktop.
export NORDEL_DEVICE_ROOT=${NORDEL_DEVICE_ROOT:-$build/device-root}
mkdir -p "$NORDEL_DEVICE_ROOT"
# Desktop stand-ins for the Wi-Fi and camera files (start script, network and
# stream configuration); existing files are kept.
"$here/tools/desktop-device/seed.sh" "$NORDEL_DEVICE_ROOT"
export PATH="$here/tools/desktop-bin:$PATH"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/nordel" "$@"
fi
shot="$build/nordel-screenshot.png"
echo "No display found: running nordel headless for 6 seconds."
QT_QPA_PLATFORM=offscreen "$build/nordel" --screenshot "$shot" --quit-after 6000 "$@"
echo "Screenshot of the display written to $shot"
